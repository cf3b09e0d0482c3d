#include "network/Network.h"

#include <numbers>

#include "network/Checked.h"
#include "network/MeasuredLoad.h"
#include "network/ValueText.h"

using namespace netcalc_detail;

namespace {

constexpr double SpeedOfLight = 3e8;
constexpr Ext NepersPer100m = 869;  // dB per 100 m to nepers per metre
constexpr double ZeroLoadPart = 1e-16;
constexpr double ZeroSeriesC = 1e-15;

bool IsSeries(TElementType T) {
  return T == TElementType::Cs || T == TElementType::Ls || T == TElementType::Rs;
}

}  // namespace

bool HasLineData(TElementType T) {
  return T == TElementType::Line || T == TElementType::OpenStub || T == TElementType::ShortStub;
}

void TElement::SetElementType(TElementType T) { ElementType = T; }

void TElement::SetValue(double V) {
  Value = V;
  if (HasLineData(ElementType)) LineLength = V;
}

void TElement::SetLineLength(double L) {
  LineLength = L;
  Value = L;
  ElectricalLength = Store(Divide(Ext(L) * Network->Frequency, Ext(VelocityFactor) * SpeedOfLight));
}

void TElement::SetZ0(double Z) { Z0 = Z; }
void TElement::SetVelocityFactor(double K) { VelocityFactor = K; }
void TElement::SetAttenuation(double A) { Attenuation = A; }
void TElement::SetAttenuationFreq(double F) { AttenuationFreq = F; }

TNetWork::TNetWork() {
  for (TElement& E : Elements) E.Network = this;
  Reset();
}

void TNetWork::SetNrOfElements(int N) { NrOfElements = N < 2 ? 2 : N > 30 ? 30 : N; }
void TNetWork::SetFrequency(double F) { Frequency = F; }
double TNetWork::GetFrequency() const { return Frequency; }
// 2 pi is taken as a double here: that gives the documented 628318530.7179586 rad/s at 100 MHz,
// one unit in the last place below what an extended pi would give.
double TNetWork::Omega() const { return Store(Frequency * Ext(2 * std::numbers::pi)); }
void TNetWork::SetZn(double Z) { Zn = Z; }
double TNetWork::GetZn() const { return Zn; }

void TNetWork::Reset() {
  SetFrequency(1e8);
  ScanStart = Store(Frequency * 0.8L);
  ScanStop = Store(Frequency * 1.25L);
  ScanSteps = 100;
  Q = 0;
  SetZn(50);
  for (TElement& E : Elements) {
    E.ElementType = TElementType::None;
    E.Value = 0;
    E.SetVelocityFactor(0.67);
    E.SetZ0(50);
    E.SetAttenuation(5);
    E.SetAttenuationFreq(1e7);
    E.LineLength = Store(Divide(4e7L, Frequency));
  }
}

struct TNetWork::TLineSection {
  TComplex Z0c, Sinh, Cosh;
};

// Propagation over Length metres of the line E: the attenuation given at AttenuationFreq grows
// with the square root of the frequency.
TNetWork::TLineSection TNetWork::Section(const TElement& E, double Length) const {
  const double f = GetFrequency();
  const double AlphaPerMetre =
      Store(SquareRoot(Divide(f, E.AttenuationFreq)) * E.Attenuation / NepersPer100m);
  const TComplex GammaL{Store(Ext(AlphaPerMetre) * Length),
                        Store(Divide(f * (2 * Pi * Length), Ext(E.VelocityFactor) * SpeedOfLight))};
  TLineSection S{{E.Z0, 0}, {}, {}};
  CSinhCosh(GammaL, S.Sinh, S.Cosh);
  return S;
}

namespace {

// Zin = Z0c (ZLoad cosh + Z0c sinh) / (ZLoad sinh + Z0c cosh); a zero denominator gives (0, 0).
void TerminatedLine(const TComplex& ZLoad, const TComplex& Z0c, const TComplex& Sinh, const TComplex& Cosh,
                    TComplex& Zin) {
  TComplex A, B, N, D;
  CMul(ZLoad, Cosh, A);
  CMul(Z0c, Sinh, B);
  CAdd(A, B, N);
  CMul(Z0c, N, N);
  CMul(ZLoad, Sinh, A);
  CMul(Z0c, Cosh, B);
  CAdd(A, B, D);
  CDiv(N, D, Zin);
}

// The stub's impedance Z0c N / D (N / D is coth for an open one, tanh for a short one) in parallel
// with ZP, written without the stub's own impedance, which is infinite for an open stub of length 0.
void ParallelStub(const TComplex& ZP, const TComplex& Z0c, const TComplex& N, const TComplex& D, TComplex& Z) {
  TComplex A, B, Num;
  CMul(ZP, N, A);
  CMul(Z0c, A, Num);
  CMul(ZP, D, A);
  CMul(Z0c, N, B);
  CAdd(A, B, B);
  CDiv(Num, B, Z);
}

}  // namespace

void TNetWork::LineZin(const TComplex& ZLoad, int Pos, double Length, TComplex& Zin) const {
  const TComplex Load = ZLoad;
  const TLineSection S = Section(Elements[Pos + 1], Length);
  TerminatedLine(Load, S.Z0c, S.Sinh, S.Cosh, Zin);
}

TComplex TNetWork::LoadImpedance() const {
  if (!MeasuredLoad) return {Elements[1].Value, Elements[0].Value};
  if (const std::optional<TComplex> Z = MeasuredLoad->ImpedanceAt(Frequency)) return *Z;
  const auto& Points = MeasuredLoad->Points();
  throw ENoLoadError("No measured load at " + FormatValue(6, "Hz", Frequency) + ": its file covers " +
                     FormatValue(6, "Hz", Points.front().Frequency) + " to " + FormatValue(6, "Hz", Points.back().Frequency));
}

void TNetWork::Calculate() {
  TComplex ZL = LoadImpedance();
  if (ZL.Re == 0) ZL.Re = ZeroLoadPart;
  if (ZL.Im == 0) ZL.Im = ZeroLoadPart;
  TElement& Load = Elements[1];
  Load.Z = ZL;
  Load.I = {1, 0};
  CMul(Load.I, Load.Z, Load.V);
  for (int k = 2; k <= NrOfElements + 1; ++k) CalculateNode(Elements[k - 1], Elements[k]);
}

void TNetWork::CalculateNode(const TElement& P, TElement& E) {
  switch (E.ElementType) {
    case TElementType::None:
    case TElementType::Stub:  // no model of its own: a through connection
      E.Z = P.Z;
      E.I = P.I;
      E.V = P.V;
      return;
    case TElementType::Cs:
      if (E.Value == 0) E.SetValue(ZeroSeriesC);
      E.Z = {P.Z.Re, Store(P.Z.Im - Divide(1, Ext(Omega()) * E.Value))};
      break;
    case TElementType::Cp:
      CParallel(P.Z, {0, Store(-Divide(1, Ext(Omega()) * E.Value))}, E.Z);
      break;
    case TElementType::Ls: {
      const Ext X = Ext(Omega()) * E.Value;
      E.Z = {Q != 0 ? Store(P.Z.Re + X / Q) : P.Z.Re, Store(P.Z.Im + X)};
      break;
    }
    case TElementType::Lp: {
      const Ext X = Ext(Omega()) * E.Value;
      CParallel(P.Z, {Q != 0 ? Store(X / Q) : 0, Store(X)}, E.Z);
      break;
    }
    case TElementType::Rs:
      E.Z = {Store(Ext(P.Z.Re) + E.Value), P.Z.Im};
      break;
    case TElementType::Rp:
      CParallel(P.Z, {E.Value, 0}, E.Z);
      break;
    case TElementType::Line: {
      const TLineSection S = Section(E, E.LineLength);
      TerminatedLine(P.Z, S.Z0c, S.Sinh, S.Cosh, E.Z);
      TComplex A, B;
      CMul(P.V, S.Cosh, A);
      CMul(P.I, S.Z0c, B);
      CMul(B, S.Sinh, B);
      CAdd(A, B, E.V);
      CMul(P.I, S.Cosh, A);
      CDiv(P.V, S.Z0c, B);
      CMul(B, S.Sinh, B);
      CAdd(A, B, E.I);
      return;
    }
    case TElementType::OpenStub:
    case TElementType::ShortStub: {
      const TLineSection S = Section(E, E.LineLength);
      const bool Open = E.ElementType == TElementType::OpenStub;
      ParallelStub(P.Z, S.Z0c, Open ? S.Cosh : S.Sinh, Open ? S.Sinh : S.Cosh, E.Z);
      break;
    }
    default:
      return;
  }
  if (IsSeries(E.ElementType)) {
    E.I = P.I;
    CMul(E.I, E.Z, E.V);
  } else {
    E.V = P.V;
    CDiv(E.V, E.Z, E.I);
  }
}
