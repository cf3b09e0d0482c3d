#pragma once
// Arithmetic the chart's drawing files share: pixel rounding and the reflection coefficient.
#include "network/Checked.h"
#include "network/Complex.h"

namespace smith_detail {

using netcalc_detail::Ext;

// A normalised impedance or admittance this small is practically zero: a short or an open
// circuit, or a change that no element value makes.
inline constexpr double PracticallyZero = 1e-9;
// The open circuit at the right end of the axis has no finite impedance; this stand-in, the
// reciprocal of the above, counts as open, and its value text (up to 999 G) still holds it for
// any usual Zn.
inline constexpr double OpenCircuit = 1e9;

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
