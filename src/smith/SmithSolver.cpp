// Solving the selected element from a clicked chart point.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "platform/Dialogs.h"
#include "smith/ChartMath.h"
#include "smith/Smith.h"

using namespace smith_detail;
using netcalc_detail::Divide;
using netcalc_detail::Pi;
using netcalc_detail::Store;

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr Ext SpeedOfLight = 3e8;
constexpr int LineSearchPasses = 10000;
constexpr double LineSearchTolerance = 0.002;  // radians
constexpr double Shorter = 0.998, Longer = 1.002;
constexpr double SeedWavelengths = 0.001;

constexpr const char* ShortCircuit = "Parallel elements don't change a short circuit, use a SERIES element";
constexpr const char* OpenCircuitNode = "Series elements don't change an open circuit, use a PARALLEL element";
constexpr const char* NoChange = "No element needed, the node is already on the clicked circle";
constexpr const char* NoLineLength = "This line can't reach the clicked point, its length stays as it was";

// A lumped element moves its node along its own grid line until it crosses the clicked point's:
// Delta is how far it has to go, positive when a real element can do it.
struct TLumpedCase {
  Ext Delta;        // ohms for a series element, siemens for a parallel one
  Ext Scale;        // omega for a reactance, 1 for a resistor
  bool Reciprocal;  // value 1/(Scale Delta), otherwise Delta/Scale
  bool Parallel;
  const char* Message;
};

std::optional<TLumpedCase> LumpedCase(TElementType T, const TComplex& Zp, const TComplex& Zt, double Omega) {
  TComplex Yp, Yt;
  CReciprocal(Zp, Yp);
  CReciprocal(Zt, Yt);
  switch (T) {
    case TElementType::Cs:
      return TLumpedCase{Ext(Zp.Im) - Zt.Im, Omega, true, false,
                         "Negative capacitors don't exist, use a series INDUCTOR"};
    case TElementType::Cp:
      return TLumpedCase{Ext(Yt.Im) - Yp.Im, Omega, false, true,
                         "Negative capacitors don't exist, use a parallel INDUCTOR"};
    case TElementType::Ls:
      return TLumpedCase{Ext(Zt.Im) - Zp.Im, Omega, false, false,
                         "Negative inductors don't exist, use a series CAPACITOR"};
    case TElementType::Lp:
      return TLumpedCase{Ext(Yp.Im) - Yt.Im, Omega, true, true,
                         "Negative inductors don't exist, use a parallel CAPACITOR"};
    case TElementType::Rs:
      return TLumpedCase{Ext(Zt.Re) - Zp.Re, 1, false, false, "Negative resistors don't exist!"};
    case TElementType::Rp:
      return TLumpedCase{Ext(Yt.Re) - Yp.Re, 1, true, true, "Negative resistors don't exist!"};
    default:
      return std::nullopt;
  }
}

// Why no value of the element reaches the clicked line, or null when one does. A parallel
// element leaves a short circuit as it is, a series element an open one; a change of practically
// nothing would need an element of practically no effect (its substitute values would give
// absurd ones).
const char* Refusal(const TLumpedCase& C, const TComplex& Zp, double Zn) {
  const Ext Node = Divide(std::hypot(Ext(Zp.Re), Ext(Zp.Im)), Zn);
  if (C.Parallel && Node <= PracticallyZero) return ShortCircuit;
  if (!C.Parallel && Node >= OpenCircuit) return OpenCircuitNode;
  // In the element's own terms, normalised: impedance for a series element, admittance for a
  // parallel one.
  const Ext Own = C.Parallel ? 1 / Node : Node;
  const Ext Change = C.Parallel ? C.Delta * Zn : C.Delta / Zn;
  if (std::fabs(Change) <= PracticallyZero * std::max(Ext(1), Own)) return NoChange;
  return C.Delta > 0 ? nullptr : C.Message;
}

// The stub length that adds the susceptance taking the node to the clicked point's circle, from the
// lossless stub (open: tan(beta l) / Z0, short: -cot(beta l) / Z0): the shortest, as the susceptance
// repeats every half wave. A lossy stub lands near the point, as close as its loss lets it.
std::optional<double> StubLength(const TNetWork& Network, const TElement& E, const TComplex& Zp, const TComplex& Zt) {
  TComplex Yp, Yt;
  CReciprocal(Zp, Yp);
  CReciprocal(Zt, Yt);
  const Ext B = Ext(Yt.Im) - Yp.Im;
  // Either sign is in reach, so only the short circuit and a change of nothing are refused.
  if (const char* Why = Refusal({std::fabs(B), 1, false, true, nullptr}, Zp, Network.GetZn())) {
    Dialogs().MessageBox(Why, TMsgKind::Warning, {TMsgButton::OK});
    return std::nullopt;
  }
  const Ext BZ0 = B * E.Z0;
  Ext Phase = E.ElementType == TElementType::OpenStub ? std::atan(BZ0) : Pi / 2 + std::atan(BZ0);
  if (Phase < 0) Phase += Pi;
  const Ext Beta = Divide(2 * Pi * Network.GetFrequency(), Ext(E.VelocityFactor) * SpeedOfLight);
  return Store(Divide(Phase, Beta));
}

// Angle of the normalised impedance z about the centre C0 of a line's rotation circle: 0 at the
// left of C0, growing clockwise on the screen, the way a growing line turns the impedance.
double RotationAngle(const TComplex& z, double C0) {
  const TGamma G = GammaOver(z.Re, z.Im, GammaDenominator(z.Re, z.Im));
  const double a = G.Im;
  double d = Store(Ext(G.Re) - C0);
  if (d == 0) d = 1e-16;
  const double Theta = Store(std::atan(std::fabs(Ext(a) / d)));
  if (d > 0) return a > 0 ? std::numbers::pi - Theta : std::numbers::pi + Theta;
  return a > 0 ? Theta : TwoPi - Theta;
}

// The search scales the length, so a line of 0 m starts from a small part of a wavelength.
void SeedLength(TElement& E) {
  E.SetLineLength(1);
  const double WavelengthsPerMetre = E.ElectricalLength;
  E.SetLineLength(WavelengthsPerMetre > 0 ? SeedWavelengths / WavelengthsPerMetre : 0);
}

// Puts the network's elements back as they were, node values included, unless the search
// succeeded; also when it ends in a fault.
class TKeptElements {
public:
  explicit TKeptElements(TNetWork& Network) : Network(Network), Saved(Network.Elements) {}
  ~TKeptElements() {
    if (!Committed) Network.Elements = Saved;
  }
  TKeptElements(const TKeptElements&) = delete;
  TKeptElements& operator=(const TKeptElements&) = delete;
  void Commit() { Committed = true; }

private:
  TNetWork& Network;
  decltype(TNetWork::Elements) Saved;
  bool Committed = false;
};

}  // namespace

bool TSmithChart::CalcElement(TNetWork& Network, int X, int Y, double& Value) {
  double Rn = 0, Xn = 0, PointRho = 0, Angle = 0;
  if (!PixelToZ(X, Y, Rn, Xn, PointRho, Angle)) return false;
  const int p = Network.Selected;
  if (p < 1 || p + 1 >= static_cast<int>(Network.Elements.size())) return false;
  const double Zn = Network.GetZn();
  const TComplex Zt{Store(Ext(Rn) * Zn), Store(Ext(Xn) * Zn)};
  const TElementType T = Network.Elements[p + 1].ElementType;
  if (T == TElementType::Line) {
    TKeptElements Kept(Network);
    if (!SearchLineLength(Network, p, Zt)) {
      Dialogs().MessageBox(NoLineLength, TMsgKind::Warning, {TMsgButton::OK});
      return false;
    }
    Kept.Commit();
    Value = Network.Elements[p + 1].LineLength;
    return true;
  }
  if (T == TElementType::OpenStub || T == TElementType::ShortStub) {
    const std::optional<double> Length = StubLength(Network, Network.Elements[p + 1], Network.Elements[p].Z, Zt);
    if (Length) Value = *Length;
    return Length.has_value();
  }
  const std::optional<TLumpedCase> Case = LumpedCase(T, Network.Elements[p].Z, Zt, Network.Omega());
  if (!Case) return false;
  if (const char* Why = Refusal(*Case, Network.Elements[p].Z, Zn)) {
    Dialogs().MessageBox(Why, TMsgKind::Warning, {TMsgButton::OK});
    return false;
  }
  Value = Store(Case->Reciprocal ? Divide(1, Case->Scale * Case->Delta) : Divide(Case->Delta, Case->Scale));
  return true;
}

// Lengthens or shortens the line by 0.2 % a pass until its input node's angle about the line's
// rotation centre meets the target's; false when the passes run out first.
bool TSmithChart::SearchLineLength(TNetWork& Network, int p, const TComplex& Zt) {
  const double Zn = Network.GetZn();
  TElement& E = Network.Elements[p + 1];
  const Ext z0 = Divide(E.Z0, Zn);
  const double C0 = Store(Divide(z0 - 1, z0 + 1));
  const double Start = RotationAngle(Normalised(Network.Elements[p].Z, Zn), C0);
  double Target = RotationAngle(Normalised(Zt, Zn), C0);
  if (Target < Start) Target += TwoPi;
  if (E.LineLength == 0) {
    SeedLength(E);
    Network.Calculate();
  }
  for (int Pass = 1;; ++Pass) {
    double Reached = RotationAngle(Normalised(E.Z, Zn), C0);
    if (Reached < Start) Reached += TwoPi;
    const double Factor = Target < Reached ? Shorter : Target > Reached ? Longer : 1;
    E.SetLineLength(Store(Factor * Ext(E.LineLength)));
    Network.Calculate();
    if (std::fabs(Target - Reached) < LineSearchTolerance) return true;
    if (Pass > LineSearchPasses) return false;
  }
}
