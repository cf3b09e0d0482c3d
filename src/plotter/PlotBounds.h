#pragma once
// What assigning a bound or switching the logarithmic X axis does to the stored bounds. A value
// that cannot be stored raises EMathError and leaves every bound as it was, so no bound is ever
// NaN or infinite.
#include "plotter/PlotAxes.h"

// Linear: stores the bound, then pushes the other one a unit away when they would invert.
// Under XLog: takes the value as data (0 becomes 1e-16) and stores its logarithm, leaving the
// other bound alone.
void AssignXMin(TPlotAxes& A, long double V);
void AssignXMax(TPlotAxes& A, long double V);
void AssignYMin(TPlotAxes& A, long double V);
void AssignYMax(TPlotAxes& A, long double V);

// Converts both X bounds to logarithms or back; assigning the current state changes nothing.
void AssignXLog(TPlotAxes& A, bool On);

// The logarithm a data value is stored as under XLog: 0 raises EMathError::DivisionByZero, a
// negative value or NaN InvalidOperation.
long double DataLog(long double V);
