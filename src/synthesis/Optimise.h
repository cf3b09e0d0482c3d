#pragma once
// The band optimiser: keeps a ladder's element types and positions and tunes their values and line
// lengths so that the largest VSWR over a band is as small as it can make it, never larger than
// at the start.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "network/Network.h"
#include "network/SweepEngine.h"
#include "synthesis/StandardValues.h"

// Whichever comes first. Within the evaluations alone the answer is the same on every machine.
struct TOptimiseLimits {
  int MaxEvaluations = 20000;  // of the whole band
  double MaxSeconds = 1;
};

// Every point of the band is a constraint of the local search, whose memory grows with their number
// times the knobs'.
inline constexpr std::size_t MaxBandPoints = 10000;

// The points of a band where the load has a value, and that value; how many were left out.
struct TLoadedBand {
  std::vector<double> Frequencies;
  TSweepLoad Load;
  std::size_t LeftOut = 0;
};

// Load holds an impedance per frequency, NaN where there is none; raises std::invalid_argument when
// it holds another number of them.
TLoadedBand WhereLoaded(std::span<const double> Frequencies, const TSweepLoad& Load);

struct TOptimiseRequest {
  std::vector<double> Frequencies;  // the band's points, 1 to MaxBandPoints
  TSweepLoad Load;                  // an impedance at each of them
  std::optional<TESeries> Series;   // standard values for the capacitors, inductors and resistors
  TOptimiseLimits Limits;
  std::stop_token Stop;                  // a stop request ends the search with the best found so far
  std::function<void(double)> Progress;  // the fraction of the limits used, now and then
};

struct TTunedValue {
  int Position = 0;  // 1 next to the load
  TElementType Type = TElementType::None;
  double Before = 0, After = 0;
};

struct TOptimiseResult {
  std::vector<TTunedValue> Values;         // every element tuned, from the load towards the input
  double WorstBefore = 0, WorstAfter = 0;  // VSWR
  bool Standard = false;                   // the values after are of the series asked for
  bool Stopped = false;                    // by a stop request
  int Evaluations = 0;                     // of the band
};

TOptimiseResult Optimise(const TNetWork& Net, const TOptimiseRequest& R);

// Net with the values after.
void ApplyTuning(const std::vector<TTunedValue>& Values, TNetWork& Net);
