#include "plotter/PlotTicks.h"

#include <algorithm>
#include <cmath>

namespace {

// Bounds the linear loop when a bound or the interval has lost its precision (an interval below
// the bounds' resolution never advances); the widening keeps real grids far below it.
constexpr std::size_t MaxLinearTicks = 4096;

// The k-th step of a decade, as a multiple of the decade value.
long double LogStep(long double Span, int K) {
  if (Span >= 0.64L) return K;
  if (Span >= 0.45L) return K / 2.0L + 1;
  if (Span >= 0.302L) return K / 5.0L + 1;
  if (Span >= 0.15L) return K / 10.0L + 1;
  return K / 20.0L + 1;
}

// A value within a billionth of a decade of a bound lies on it: far below a pixel, and above the
// noise of a bound that reached the axis through a division by a frequency unit, which leaves
// 1 kHz in MHz a unit in the double's last place above 0.001.
constexpr long double LogTolerance = 1e-9L;

// Whether a value with the logarithm LogV lies at or above the bound LogMin, or below LogMax.
bool AtOrAbove(long double LogV, long double LogMin) { return LogV >= LogMin - LogTolerance; }
bool Below(long double LogV, long double LogMax) { return LogV < LogMax - LogTolerance; }

// Walks the decades from the one holding 10^LogMin (at most 10^19) while they start below
// LogMax. Visit(Mark, K, Inside) is called with K = 0 for the decade value, then for its steps
// K = 1, 2, ... until the first that is not Inside: not below the next decade or not below LogMax.
// The decade is counted by its exponent: the logarithm of a decade value need not be exact.
template <typename TVisit>
void WalkLogAxis(long double LogMin, long double LogMax, TVisit Visit) {
  const long double Span = LogMax - LogMin;
  for (long double Exponent = std::min(19.0L, std::floor(LogMin + LogTolerance));;) {
    const long double Decade = std::pow(10.0L, Exponent);
    // Beyond the extended range a decade has no value to draw.
    if (!(Decade > 0 && std::isfinite(Decade))) break;
    Visit(TLogMark{Decade, 1, Exponent}, 0, true);
    for (int K = 1;; ++K) {
      const long double Step = LogStep(Span, K);
      const long double V = Step * Decade;
      const bool Inside = Step < 10 && Below(std::log10(V), LogMax);
      // The step that ends a decade is the next decade's value.
      Visit(Step < 10 ? TLogMark{V, Step, Exponent} : TLogMark{V, 1, Exponent + 1}, K, Inside);
      if (!Inside) break;
    }
    if (!Below(++Exponent, LogMax)) break;
  }
}

}  // namespace

long double WidenInterval(int Extent, long double Min, long double Max, long double Interval) {
  if (Extent > 0 && Extent / 8.0L < (Max - Min) / Interval) return (Max - Min) * 8 / Extent;
  return Interval;
}

long double FirstMark(long double Min, long double Interval) {
  return std::nearbyint(Min / Interval + 0.4999L) * Interval;
}

std::vector<long double> LinearTicks(long double First, long double Interval, long double Max) {
  std::vector<long double> Ticks;
  long double V = First;
  do {
    Ticks.push_back(V);
    V += Interval;
  } while (!(V > Max * 1.000001L) && Ticks.size() < MaxLinearTicks);
  return Ticks;
}

std::vector<long double> LogGridTicks(long double LogMin, long double LogMax) {
  std::vector<long double> Ticks;
  WalkLogAxis(LogMin, LogMax, [&](const TLogMark& M, int, bool Inside) {
    if (Inside && AtOrAbove(std::log10(M.Value), LogMin)) Ticks.push_back(M.Value);
  });
  return Ticks;
}

std::vector<TLogMark> LogMarks(long double LogMin, long double LogMax) {
  std::vector<TLogMark> Marks;
  WalkLogAxis(LogMin, LogMax, [&](const TLogMark& M, int K, bool) {
    if (K % 2 == 0 && AtOrAbove(std::log10(M.Value), LogMin)) Marks.push_back(M);
  });
  return Marks;
}

std::vector<long double> LogMarkTicks(long double LogMin, long double LogMax) {
  std::vector<long double> Ticks;
  for (const TLogMark& M : LogMarks(LogMin, LogMax)) Ticks.push_back(M.Value);
  return Ticks;
}
