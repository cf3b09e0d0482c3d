#include "synthesis/Lumped.h"

#include <cmath>
#include <numbers>

double Omega(double Frequency) { return 2 * std::numbers::pi * Frequency; }

Cx Direction(TPartType T, double InverseQ) {
  switch (T) {
    case TPartType::Cs: return {0, -1};        // t = 1 / (omega C)
    case TPartType::Ls: return {InverseQ, 1};  // t = omega L
    case TPartType::Cp: return {0, 1};         // t = omega C
    default: return {InverseQ, -1};            // Lp: t = 1 / (omega L (1 + 1/Q^2))
  }
}

double ValueAlong(TPartType T, double t, double Omega, double InverseQ) {
  switch (T) {
    case TPartType::Cs: return 1 / (Omega * t);
    case TPartType::Ls:
    case TPartType::Cp: return t / Omega;
    default: return 1 / (Omega * t * (1 + InverseQ * InverseQ));
  }
}

std::optional<double> ValueAdding(TPartType T, const Cx& Needed, double Omega) {
  double Value = 0;
  switch (T) {
    case TPartType::Cs: Value = -1 / (Omega * Needed.imag()); break;
    case TPartType::Ls: Value = Needed.imag() / Omega; break;
    case TPartType::Cp: Value = Needed.imag() / Omega; break;
    default: Value = (1. / Needed).imag() / Omega; break;
  }
  if (Value > 0 && std::isfinite(Value)) return Value;
  return std::nullopt;
}

double Immittance(const TPart& P, double Omega) {
  switch (P.Type) {
    case TPartType::Ls:
    case TPartType::Cp: return Omega * P.Value;
    default: return -1 / (Omega * P.Value);  // Cs, Lp
  }
}

TPart PartWith(double Immittance, bool Series, double Omega) {
  if (Series)
    return Immittance > 0 ? TPart{TPartType::Ls, Immittance / Omega} : TPart{TPartType::Cs, -1 / (Omega * Immittance)};
  return Immittance > 0 ? TPart{TPartType::Cp, Immittance / Omega} : TPart{TPartType::Lp, -1 / (Omega * Immittance)};
}
