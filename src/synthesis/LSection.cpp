#include "synthesis/LSection.h"

#include <array>
#include <cmath>

#include "synthesis/Lumped.h"

namespace {

// Relative to the impedances involved, a part this small has no effect beyond rounding.
constexpr double Vanishing = 1e-9;
// A negative discriminant this small is a double root blurred by rounding.
constexpr double Blur = 1e-12;

bool IsInductor(TPartType T) { return T == TPartType::Ls || T == TPartType::Lp; }

// The real roots of a t^2 + b t + c, computed without cancellation.
std::vector<double> Roots(double a, double b, double c) {
  double Discriminant = b * b - 4 * a * c;
  if (Discriminant < 0 && Discriminant > -Blur * b * b) Discriminant = 0;
  if (Discriminant < 0) return {};
  const double q = -0.5 * (b + std::copysign(std::sqrt(Discriminant), b));
  if (q == 0) return {0};
  return {q / a, c / q};
}

}  // namespace

// The first part moves the point P (Z after a series part, Y after a parallel one) along a ray
// from A. The second part finishes the match exactly from the points of a circle, Re(P e) = c |P|^2,
// which a lossy inductor as second part tilts by its 1/Q through e. Their crossings solve a quadratic.
std::vector<TLadder> LSections(const Cx& Z, TPartType First, TPartType Second, const TMatchPoint& At) {
  const bool SeriesFirst = IsSeries(First);
  const double InverseQ = At.Q > 0 ? 1 / At.Q : 0;
  const double w = Omega(At.Frequency);
  const Cx A = SeriesFirst ? Z : 1. / Z;
  const Cx D = Direction(First, InverseQ);
  const double c = SeriesFirst ? 1 / At.Zn : At.Zn;
  const double k = IsInductor(Second) ? InverseQ : 0;
  const Cx e = SeriesFirst ? Cx(1, k) : Cx(1, -k);

  std::vector<TLadder> Ladders;
  for (const double t :
       Roots(c * std::norm(D), 2 * c * (A * std::conj(D)).real() - (D * e).real(), c * std::norm(A) - (A * e).real())) {
    const bool FirstVanishes = std::abs(t * D) * c < Vanishing;
    if (t < 0 && !FirstVanishes) continue;
    TLadder L;
    if (!FirstVanishes) L.push_back({First, ValueAlong(First, t, w, InverseQ)});
    const Cx Needed = SeriesFirst ? 1 / At.Zn - 1. / (A + t * D) : At.Zn - 1. / (A + t * D);
    if (std::abs(Needed) / c >= Vanishing) {
      const auto Value = ValueAdding(Second, Needed, w);
      if (!Value) continue;
      L.push_back({Second, *Value});
    }
    if (!L.empty()) AddUnique(Ladders, L);
  }
  return Ladders;
}

TLadders LSolutions(const TMatchPoint& At) {
  using enum TPartType;
  constexpr std::array<std::array<TPartType, 2>, 8> Orders{
      {{Cs, Cp}, {Cs, Lp}, {Ls, Cp}, {Ls, Lp}, {Cp, Cs}, {Cp, Ls}, {Lp, Cs}, {Lp, Ls}}};
  TLadders S;
  for (const auto& [First, Second] : Orders)
    for (const TLadder& L : LSections(ToCx(At.Load), First, Second, At)) AddUnique(S.Ladders, L);
  if (S.Ladders.empty()) S.Refusal = "L: no L section matches this load exactly";
  return S;
}
