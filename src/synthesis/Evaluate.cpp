#include "synthesis/Evaluate.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "network/Network.h"
#include "synthesis/SolutionNetwork.h"

namespace {

constexpr std::ptrdiff_t NetworkSlots = 30;

// Parts First .. Last - 1, at most as many as the network holds, on the load Z.
TComplex NetworkZin(const TComplex& Z, TLadder::const_iterator First, TLadder::const_iterator Last,
                    const TMatchPoint& At) {
  TNetWork Net;
  Net.SetFrequency(At.Frequency);
  Net.SetZn(At.Zn);
  Net.Q = At.Q;
  Net.SetNrOfElements(static_cast<int>(Last - First));  // at least 2: a missing one is a through
  Net.Elements[1].SetValue(Z.Re);
  Net.Elements[0].SetValue(Z.Im);
  int Slot = 2;
  for (auto P = First; P != Last; ++P) PlacePart(*P, Net.Elements[Slot++]);
  Net.Calculate();
  return Net.Elements[Net.NrOfElements + 1].Z;
}

}  // namespace

TComplex InputImpedance(const TLadder& Parts, const TMatchPoint& At) {
  TComplex Z = At.Load;
  auto First = Parts.begin();
  do {
    const auto Last = First + std::min(NetworkSlots, Parts.end() - First);
    Z = NetworkZin(Z, First, Last, At);
    First = Last;
  } while (First != Parts.end());
  return Z;
}

double Vswr(const TComplex& Zin, double Zn) {
  const double Rho = std::abs((ToCx(Zin) - Zn) / (ToCx(Zin) + Zn));
  return Rho < 1 ? (1 + Rho) / (1 - Rho) : std::numeric_limits<double>::infinity();
}

double Vswr(const TLadder& Parts, const TMatchPoint& At) { return Vswr(InputImpedance(Parts, At), At.Zn); }
