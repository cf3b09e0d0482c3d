#include "smith/ChartMath.h"

#include <algorithm>
#include <cmath>

namespace smith_detail {

using netcalc_detail::Divide;
using netcalc_detail::Store;

namespace {

// Far enough off any bitmap to keep a line's direction, near enough for the painter's
// fixed-point coordinates.
constexpr Ext FarPixel = 1 << 22;

}  // namespace

int Round(Ext V) {
  if (std::isnan(V)) throw EMathError::InvalidOperation();
  return static_cast<int>(std::rint(std::clamp(V, -FarPixel, FarPixel)));
}

Ext GammaDenominator(double R, double X) { return (Ext(R) + 1) * (Ext(R) + 1) + Ext(X) * X; }

TGamma GammaOver(double R, double X, Ext D) {
  return {Store(Divide(Ext(R) * R + Ext(X) * X - 1, D)), Store(Divide(2 * Ext(X), D))};
}

TComplex Normalised(const TComplex& Z, double Zn) { return {Store(Divide(Z.Re, Zn)), Store(Divide(Z.Im, Zn))}; }

}  // namespace smith_detail
