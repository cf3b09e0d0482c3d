#include "plotter/PlotTicks.h"

#include <algorithm>
#include <cmath>

#include "plotter/PlotAxes.h"

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

// Whether a value with the logarithm LogV lies at or above the bound LogMin, or below LogMax; a
// value on a bound within its last-bit noise counts as on it.
bool AtOrAbove(long double LogV, long double LogMin) { return LogV >= LogMin - BoundSlack(std::fabs(LogMin)); }
bool Below(long double LogV, long double LogMax) { return LogV < LogMax - BoundSlack(std::fabs(LogMax)); }

// Walks the decades from the one holding 10^LogMin (at most 10^19) while they start below
// LogMax. Visit(Value, K, Inside) is called with K = 0 for the decade value, then for its steps
// K = 1, 2, ... until the first that is not Inside: not below the next decade or not below LogMax.
// The decade is counted by its exponent: the logarithm of a decade value need not be exact.
template <typename TVisit>
void WalkLogAxis(long double LogMin, long double LogMax, TVisit Visit) {
  const long double Span = LogMax - LogMin;
  for (long double Exponent = std::min(19.0L, std::floor(LogMin + BoundSlack(std::fabs(LogMin))));;) {
    const long double Decade = std::pow(10.0L, Exponent);
    // Beyond the extended range a decade has no value to draw.
    if (!(Decade > 0 && std::isfinite(Decade))) break;
    Visit(Decade, 0, true);
    for (int K = 1;; ++K) {
      const long double Step = LogStep(Span, K);
      const long double V = Step * Decade;
      const bool Inside = Step < 10 && Below(std::log10(V), LogMax);
      Visit(V, K, Inside);
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
  WalkLogAxis(LogMin, LogMax, [&](long double V, int, bool Inside) {
    if (Inside && AtOrAbove(std::log10(V), LogMin)) Ticks.push_back(V);
  });
  return Ticks;
}

std::vector<long double> LogMarkTicks(long double LogMin, long double LogMax) {
  std::vector<long double> Ticks;
  WalkLogAxis(LogMin, LogMax, [&](long double V, int K, bool) {
    if (K % 2 == 0 && AtOrAbove(std::log10(V), LogMin)) Ticks.push_back(V);
  });
  return Ticks;
}
