#pragma once
// A solution evaluated here, apart from the library: the network's calculation for the parts it
// models, a stub as the lossless line it is.
#include <cmath>
#include <complex>
#include <numbers>

#include "network/NetCalc.h"
#include "synthesis/Part.h"
#include "synthesis/Solution.h"

namespace reference {

constexpr double C = 3e8;

inline std::complex<double> Through(const std::complex<double>& Z, const TPart& P, const TMatchPoint& At) {
  const double BetaL = 2 * std::numbers::pi * At.Frequency * P.Value / (C * P.VelocityFactor);
  if (P.Type == TPartType::OpenStub) return 1. / (1. / Z + std::complex<double>(0, std::tan(BetaL) / P.Z0));
  if (P.Type == TPartType::ShortStub) return 1. / (1. / Z - std::complex<double>(0, 1 / (std::tan(BetaL) * P.Z0)));
  TNetWork Net;
  Net.SetFrequency(At.Frequency);
  Net.SetZn(At.Zn);
  Net.Q = At.Q;
  Net.SetNrOfElements(2);
  Net.Elements[1].SetValue(Z.real());
  Net.Elements[0].SetValue(Z.imag());
  TElement& E = Net.Elements[2];
  E.SetElementType(static_cast<TElementType>(P.Type));
  E.SetZ0(P.Z0);
  E.SetVelocityFactor(P.VelocityFactor);
  E.SetAttenuation(0);
  E.SetValue(P.Value);
  Net.Calculate();
  return {Net.Elements[3].Z.Re, Net.Elements[3].Z.Im};
}

inline double Vswr(const TLadder& Parts, const TMatchPoint& At) {
  std::complex<double> Z{At.Load.Re, At.Load.Im};
  for (const TPart& P : Parts) Z = Through(Z, P, At);
  const double Rho = std::abs((Z - At.Zn) / (Z + At.Zn));
  return (1 + Rho) / (1 - Rho);
}

}  // namespace reference
