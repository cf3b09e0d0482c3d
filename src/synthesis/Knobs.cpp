#include "synthesis/Knobs.h"

#include <cmath>

#include "synthesis/Lines.h"

namespace {

const double Decade = std::log(10.);

bool Tunable(const TElement& E) {
  if (!(E.Value > 0) || !std::isfinite(E.Value)) return false;
  switch (E.ElementType) {
    case TElementType::None:
    case TElementType::Stub: return false;
    default: return !HasLineData(E.ElementType) || E.VelocityFactor > 0;
  }
}

}  // namespace

double TKnob::Value(double x) const { return Line ? Start + x * Wavelength : Start * std::exp(x); }

std::vector<TKnob> Knobs(const TNetWork& Net, double CentreFrequency) {
  std::vector<TKnob> K;
  for (int Slot = 2; Slot <= Net.NrOfElements + 1; ++Slot) {
    const TElement& E = Net.Elements[Slot];
    if (!Tunable(E)) continue;
    if (!HasLineData(E.ElementType)) {
      K.push_back({Slot, false, E.Value, 0, -Decade, Decade});
      continue;
    }
    const double Wavelength = SpeedOfLight * E.VelocityFactor / CentreFrequency;
    K.push_back({Slot, true, E.Value, Wavelength, -0.9 * E.Value / Wavelength, 0.5});
  }
  return K;
}
