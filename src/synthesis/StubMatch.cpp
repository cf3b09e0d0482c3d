#include "synthesis/StubMatch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "synthesis/Lines.h"

namespace {

// Along a line of Z0 = Zn the reflection keeps its size and turns by -2 beta d. It meets the
// circle of conductance 1 / Zn where its angle phi has cos phi = -|Gamma|; there the normalised
// admittance is 1 + jb.
struct TPlace {
  double Length, Susceptance;
};

std::array<TPlace, 2> Places(const Cx& Gamma, double Beta) {
  const double Phi = std::acos(-std::abs(Gamma));
  std::array<TPlace, 2> P;
  for (int i = 0; i < 2; ++i) {
    const Cx Turned = std::polar(std::abs(Gamma), i == 0 ? Phi : -Phi);
    P[i] = {ShortestLength((std::arg(Gamma) - std::arg(Turned)) / 2, Beta), ((1. - Turned) / (1. + Turned)).imag()};
  }
  std::ranges::sort(P, {}, &TPlace::Length);
  return P;
}

// A stub adds j tan(beta l) / Z0 open and -j cot(beta l) / Z0 short; it must add -jb.
double StubLength(TPartType T, double b, double Beta) {
  return ShortestLength(T == TPartType::OpenStub ? -std::atan(b) : std::numbers::pi / 2 - std::atan(b), Beta);
}

}  // namespace

std::vector<TLadder> StubSolutions(const TMatchPoint& At, double VelocityFactor) {
  const Cx Load = ToCx(At.Load);
  const double Beta = ::Beta(At.Frequency, VelocityFactor);
  std::vector<TLadder> Ladders;
  for (const TPartType Stub : {TPartType::OpenStub, TPartType::ShortStub})
    for (const TPlace& P : Places((Load - At.Zn) / (Load + At.Zn), Beta)) {
      TLadder L;
      if (P.Length > 0) L.push_back({TPartType::Line, P.Length, At.Zn, VelocityFactor});
      L.push_back({Stub, StubLength(Stub, P.Susceptance, Beta), At.Zn, VelocityFactor});
      AddUnique(Ladders, L);
    }
  return Ladders;
}
