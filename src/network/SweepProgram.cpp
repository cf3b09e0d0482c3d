#include <cmath>

#include "network/SweepEngine.h"

namespace {

using Ext = long double;

constexpr Ext SpeedOfLight = 3e8L;
constexpr Ext NepersPer100m = 869;  // as the reference converts dB per 100 m
constexpr double ZeroSeriesC = 1e-15;

TSweepStep Lumped(TStepKind Kind, TOmegaLaw Law, Ext Re, Ext Im) {
  return {Kind, Law, static_cast<double>(Re), static_cast<double>(Im)};
}

// The inductor loss is a series resistance omega L / Q in the inductor's branch.
Ext LossFraction(const TNetWork& Net) { return Net.Q != 0 ? 1 / Ext(Net.Q) : 0; }

// The reference faults at every frequency, or its impedance parts part ways with its voltage and current, for a line
// without Z0 or velocity or one whose loss is given at no frequency.
bool LineFitsTheEngine(const TElement& E) { return E.Z0 != 0 && E.VelocityFactor != 0 && E.AttenuationFreq > 0; }

TSweepStep LineStep(const TElement& E, TStepKind Kind) {
  TSweepStep S{Kind, TOmegaLaw::Constant};
  S.Z0 = E.Z0;
  S.NepersPerRootHz =
      static_cast<double>(Ext(E.Attenuation) / NepersPer100m * E.LineLength / std::sqrt(Ext(E.AttenuationFreq)));
  S.WavelengthsPerHz = static_cast<double>(Ext(E.LineLength) / (Ext(E.VelocityFactor) * SpeedOfLight));
  return S;
}

void AddStep(TSweepProgram& P, const TNetWork& Net, const TElement& E) {
  const Ext Value = E.Value;
  switch (E.ElementType) {
    case TElementType::None:
    case TElementType::Stub:  // a through connection, as in the reference
      return;
    case TElementType::Cs:
      P.Steps.push_back(Lumped(TStepKind::Series, TOmegaLaw::InverseOmega, 0, -1 / (Value == 0 ? ZeroSeriesC : Value)));
      return;
    case TElementType::Cp:
      P.ReferenceOnly |= Value == 0;
      P.FaultsAtZeroHz = true;
      P.Steps.push_back(Lumped(TStepKind::Shunt, TOmegaLaw::Omega, 0, Value));
      return;
    case TElementType::Ls:
      P.Steps.push_back(Lumped(TStepKind::Series, TOmegaLaw::Omega, Value * LossFraction(Net), Value));
      return;
    case TElementType::Lp: {
      // 1 / (omega L (q + j)) = (q - j) / (omega L (q^2 + 1))
      const Ext q = LossFraction(Net), Scale = (q * q + 1) * Value;
      P.Steps.push_back(Lumped(TStepKind::Shunt, TOmegaLaw::InverseOmega, q / Scale, -1 / Scale));
      return;
    }
    case TElementType::Rs:
      P.Steps.push_back(Lumped(TStepKind::Series, TOmegaLaw::Constant, Value, 0));
      return;
    case TElementType::Rp:
      P.Steps.push_back(Lumped(TStepKind::Shunt, TOmegaLaw::Constant, 1 / Value, 0));
      return;
    case TElementType::Line:
      P.ReferenceOnly |= !LineFitsTheEngine(E);
      P.HasLines = true;
      P.Steps.push_back(LineStep(E, TStepKind::Line));
      return;
    case TElementType::OpenStub:
    case TElementType::ShortStub:
      P.ReferenceOnly |= !LineFitsTheEngine(E);
      P.HasLines = true;
      P.Steps.push_back(LineStep(E, E.ElementType == TElementType::OpenStub ? TStepKind::OpenStub : TStepKind::ShortStub));
      return;
    default:
      P.ReferenceOnly = true;
  }
}

}  // namespace

TSweepProgram CompileSweep(const TNetWork& Net) {
  TSweepProgram P;
  P.Zn = Net.GetZn();
  for (int k = 2; k <= Net.NrOfElements + 1; ++k) AddStep(P, Net, Net.Elements[k]);
  return P;
}
