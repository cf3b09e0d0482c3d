#pragma once
// Where the plot's grid lines and mark texts stand, as data values.
#include <vector>

// The step of a linear axis, widened so that lines stand at least about Extent / 8 apart over a
// panel Extent pixels long.
long double WidenInterval(int Extent, long double Min, long double Max, long double Interval);

// The first multiple of Interval at or above Min, with a tolerance of 0.0001 interval below it.
long double FirstMark(long double Min, long double Interval);

// First, First + Interval, ... up to Max (with a relative tolerance of 1e-6); the first value is
// always included, even beyond Max.
std::vector<long double> LinearTicks(long double First, long double Interval, long double Max);

// The values of the lines of a logarithmic axis whose bounds are the logarithms LogMin and
// LogMax: each decade value and its steps (finer as the span shrinks), none below 10^LogMin and
// only while their logarithm stays below LogMax. A decade value may appear twice. A value on a
// bound counts as on it whatever the last bits of the bound's logarithm.
std::vector<long double> LogGridTicks(long double LogMin, long double LogMax);

// The values labelled on a logarithmic axis: the decade values and every second step. The
// value that ends a decade's steps is labelled too, so the last label may lie just beyond LogMax.
std::vector<long double> LogMarkTicks(long double LogMin, long double LogMax);

// A labelled value of a logarithmic axis as Mantissa * 10^Exponent, both counted exactly: a
// decade value has the mantissa 1.
struct TLogMark {
  long double Value, Mantissa, Exponent;
};
// The marks of LogMarkTicks, in its order.
std::vector<TLogMark> LogMarks(long double LogMin, long double LogMax);
