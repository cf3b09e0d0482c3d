#include "synthesis/BandReflection.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

#include "platform/Errors.h"

namespace {

// The ladder, its load, Zn and Q: what the evaluation reads.
void CopyLadder(const TNetWork& From, TNetWork& To) {
  To.SetNrOfElements(From.NrOfElements);
  To.SetFrequency(From.GetFrequency());
  To.SetZn(From.GetZn());
  To.Q = From.Q;
  for (int Slot = 0; Slot <= From.NrOfElements + 1; ++Slot) {
    TElement& E = To.Elements[Slot];
    E = From.Elements[Slot];
    E.Network = &To;
  }
}

double Magnitude(double Re, double Im, double Zn) {
  const std::complex<double> Z{Re, Im};
  const double Rho = std::abs((Z - Zn) / (Z + Zn));
  return std::isfinite(Rho) ? std::min(Rho, NoResult) : NoResult;
}

}  // namespace

TBandReflection::TBandReflection(const TNetWork& Net, std::vector<double> F, TSweepLoad L)
    : Frequencies(std::move(F)), Load(std::move(L)), Magnitudes(Frequencies.size()) {
  CopyLadder(Net, Ladder);
}

void TBandReflection::SetValue(int Slot, double Value) { Ladder.Elements[Slot].SetValue(Value); }

std::span<const double> TBandReflection::Reflections() {
  EvaluateLadderOnOneCore(CompileSweep(Ladder), Frequencies, Load, Result);
  const double Zn = Ladder.GetZn();
  for (std::size_t i = 0; i < Frequencies.size(); ++i)
    Magnitudes[i] = std::isnan(Result.ZinRe[i]) || std::isnan(Result.ZinIm[i])
                        ? ReferenceReflection(i)
                        : Magnitude(Result.ZinRe[i], Result.ZinIm[i], Zn);
  return Magnitudes;
}

double TBandReflection::ReferenceReflection(std::size_t Point) {
  Ladder.SetFrequency(Frequencies[Point]);
  Ladder.Elements[1].Value = Load.Re[Point];
  Ladder.Elements[0].Value = Load.Im[Point];
  try {
    Ladder.Calculate();
  } catch (const EMathError&) {
    return NoResult;
  }
  const TComplex& Zin = Ladder.Elements[Ladder.NrOfElements + 1].Z;
  return Magnitude(Zin.Re, Zin.Im, Ladder.GetZn());
}

double Worst(std::span<const double> Reflections) {
  return Reflections.empty() ? 0 : *std::ranges::max_element(Reflections);
}

double VswrOf(double Reflection) {
  return Reflection < 1 ? (1 + Reflection) / (1 - Reflection) : std::numeric_limits<double>::infinity();
}
