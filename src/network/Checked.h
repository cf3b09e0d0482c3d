#pragma once
// Extended-precision arithmetic that stops where a floating-point fault would occur, instead of
// letting an infinity or a NaN flow on silently.
#include <cmath>
#include <limits>

#include "platform/Errors.h"

namespace netcalc_detail {

using Ext = long double;

// Rounds an extended intermediate to the double it is stored as.
inline double Store(Ext V) {
  const double D = static_cast<double>(V);
  if (std::isfinite(D)) return D;
  if (std::isnan(D)) throw EMathError::InvalidOperation();
  throw EMathError::Overflow();
}

inline Ext Divide(Ext N, Ext D) {
  if (D == 0) {
    if (N == 0 || std::isnan(N)) throw EMathError::InvalidOperation();
    throw EMathError::DivisionByZero();
  }
  return N / D;
}

inline Ext SquareRoot(Ext X) {
  if (X < 0 || std::isnan(X)) throw EMathError::InvalidOperation();
  return std::sqrt(X);
}

inline Ext Exponential(Ext X) {
  const Ext R = std::exp(X);
  if (std::isinf(R)) throw EMathError::Overflow();
  return R;
}

inline constexpr Ext Pi = 3.141592653589793238462643383279502884L;

}  // namespace netcalc_detail
