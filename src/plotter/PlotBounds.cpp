#include "plotter/PlotBounds.h"

#include <cmath>

#include "platform/Errors.h"

namespace {

long double Finite(long double V) {
  if (!std::isfinite(V)) throw EMathError::InvalidOperation();
  return V;
}

long double Power10(long double V) {
  const long double R = std::pow(10.0L, V);
  if (std::isinf(R)) throw EMathError::Overflow();
  return R;
}

long double LogBound(long double V) { return DataLog(Finite(V == 0 ? 1e-16L : V)); }

// Both bounds or neither: a span beyond the extended range would leave no scale to draw with.
void StoreLinear(long double& Min, long double& Max, long double NewMin, long double NewMax) {
  if (!std::isfinite(NewMax - NewMin)) throw EMathError::Overflow();
  Min = NewMin;
  Max = NewMax;
}

}  // namespace

long double DataLog(long double V) {
  if (V == 0) throw EMathError::DivisionByZero();
  if (!(V > 0)) throw EMathError::InvalidOperation();
  return std::log10(V);
}

void AssignXMin(TPlotAxes& A, long double V) {
  if (A.XLog) {
    A.XMin = LogBound(V);
    return;
  }
  Finite(V);
  StoreLinear(A.XMin, A.XMax, V, A.XMax > V ? A.XMax : V + 1);
}

void AssignXMax(TPlotAxes& A, long double V) {
  if (A.XLog) {
    A.XMax = LogBound(V);
    return;
  }
  Finite(V);
  StoreLinear(A.XMin, A.XMax, V > A.XMin ? A.XMin : V - 1, V);
}

void AssignYMin(TPlotAxes& A, long double V) {
  Finite(V);
  StoreLinear(A.YMin, A.YMax, V, A.YMax > V ? A.YMax : V + 1);
}

void AssignYMax(TPlotAxes& A, long double V) {
  Finite(V);
  StoreLinear(A.YMin, A.YMax, V > A.YMin ? A.YMin : V - 1, V);
}

void AssignXLog(TPlotAxes& A, bool On) {
  if (On == A.XLog) return;
  const long double Min = On ? DataLog(A.XMin) : Power10(A.XMin);
  const long double Max = On ? DataLog(A.XMax) : Power10(A.XMax);
  A.XMin = Min;
  A.XMax = Max;
  A.XLog = On;
}
