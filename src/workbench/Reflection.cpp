#include "workbench/Reflection.h"

#include <cmath>
#include <limits>

#include "network/Checked.h"

using netcalc_detail::Divide;
using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace {

Ext Magnitude(const TComplex& Gamma) { return std::sqrt(Ext(Gamma.Re) * Gamma.Re + Ext(Gamma.Im) * Gamma.Im); }

}  // namespace

TComplex Reflection(const TComplex& Z, double Zn) {
  const Ext R = Z.Re, X = Z.Im;
  const Ext Denominator = (R + Zn) * (R + Zn) + X * X;
  return {Store(Divide((R - Zn) * (R + Zn) + X * X, Denominator)), Store(Divide(2 * X * Zn, Denominator))};
}

double Vswr(const TComplex& Gamma) {
  const Ext Rho = Magnitude(Gamma);
  if (Rho >= 1) return std::numeric_limits<double>::infinity();
  return Store((1 + Rho) / (1 - Rho));
}

double ReturnLossDb(const TComplex& Gamma) { return -20 * std::log10(static_cast<double>(Magnitude(Gamma))); }
