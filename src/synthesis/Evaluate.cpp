#include "synthesis/Evaluate.h"

#include <cmath>
#include <limits>

#include "network/Network.h"
#include "synthesis/Lines.h"

namespace {

// The stub as a lossless line, here only until the network evaluates stubs itself.
Cx StubAdmittance(const TPart& Stub, double Frequency) {
  const double Tangent = std::tan(Beta(Frequency, Stub.VelocityFactor) * Stub.Value);
  return Stub.Type == TPartType::OpenStub ? Cx(0, Tangent / Stub.Z0) : Cx(0, -1 / (Tangent * Stub.Z0));
}

void Place(TElement& E, const TPart& P) {
  E.SetElementType(static_cast<TElementType>(P.Type));
  if (P.Type != TPartType::Line) {
    E.SetValue(P.Value);
    return;
  }
  E.SetZ0(P.Z0);
  E.SetVelocityFactor(P.VelocityFactor);
  E.SetAttenuation(0);
  E.SetLineLength(P.Value);
}

// Parts First .. Last - 1, none of them a stub, on the load Z.
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
  for (auto P = First; P != Last; ++P) Place(Net.Elements[Slot++], *P);
  Net.Calculate();
  return Net.Elements[Net.NrOfElements + 1].Z;
}

}  // namespace

TComplex InputImpedance(const TLadder& Parts, const TMatchPoint& At) {
  TComplex Z = At.Load;
  auto First = Parts.begin();
  for (auto Stub = Parts.begin(); Stub != Parts.end(); ++Stub) {
    if (!IsStub(Stub->Type)) continue;
    const Cx Zs = 1. / (1. / ToCx(NetworkZin(Z, First, Stub, At)) + StubAdmittance(*Stub, At.Frequency));
    Z = {Zs.real(), Zs.imag()};
    First = Stub + 1;
  }
  return NetworkZin(Z, First, Parts.end(), At);
}

double Vswr(const TComplex& Zin, double Zn) {
  const double Rho = std::abs((ToCx(Zin) - Zn) / (ToCx(Zin) + Zn));
  return Rho < 1 ? (1 + Rho) / (1 - Rho) : std::numeric_limits<double>::infinity();
}

double Vswr(const TLadder& Parts, const TMatchPoint& At) { return Vswr(InputImpedance(Parts, At), At.Zn); }
