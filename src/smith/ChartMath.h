#pragma once
// Arithmetic the chart's drawing files share: pixel rounding and the reflection coefficient.
#include "network/Checked.h"
#include "network/Complex.h"

namespace smith_detail {

using netcalc_detail::Ext;

// Rounds to the nearest pixel, halves to even. A point far off the bitmap is pulled in to a
// distance that drawing still handles; a NaN is an invalid operation.
int Round(Ext V);

// The reflection coefficient (z - 1)/(z + 1) of the normalised impedance r + jx, Im positive
// for an inductive z, formed over the denominator D = (r + 1)^2 + x^2 that the caller may have
// guarded. A zero D faults.
struct TGamma {
  double Re = 0, Im = 0;
};
Ext GammaDenominator(double R, double X);
TGamma GammaOver(double R, double X, Ext D);

// Z / Zn, both parts; a zero Zn faults.
TComplex Normalised(const TComplex& Z, double Zn);

}  // namespace smith_detail
