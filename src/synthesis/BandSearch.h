#pragma once
// The state of one band optimisation: every evaluation of the search goes through here, which
// keeps the best point seen, counts, reports progress and tells when the search is over.
#include <chrono>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

#include "synthesis/BandReflection.h"
#include "synthesis/Knobs.h"
#include "synthesis/Optimise.h"

class TBandSearch {
 public:
  TBandSearch(TBandReflection& Band, std::vector<TKnob> Knobs, const TOptimiseRequest& R);

  const std::vector<TKnob>& Knobs() const { return Tuned; }
  // The reflections at the point x of the search, one variable per knob.
  std::span<const double> Reflections(std::span<const double> x);
  double Worst(std::span<const double> x) { return ::Worst(Reflections(x)); }
  // The reflections for values of the knobs rather than a point; they count, but never as best.
  std::span<const double> ReflectionsOfValues(std::span<const double> Values);

  // At the limits, or a stop was asked for.
  bool Over() const;
  int Evaluations() const { return Count; }
  int EvaluationsLeft() const { return Limits.MaxEvaluations - Count; }
  bool StopRequested() const { return Stop.stop_requested(); }

  const std::vector<double>& BestPoint() const { return Best; }
  double BestWorst() const { return BestReflection; }

 private:
  using TClock = std::chrono::steady_clock;
  TBandReflection& Band;
  std::vector<TKnob> Tuned;
  TOptimiseLimits Limits;
  std::stop_token Stop;
  std::function<void(double)> Progress;
  TClock::time_point Started = TClock::now();
  int Count = 0;
  double Reported = 0;
  std::vector<double> Best;
  double BestReflection;

  double Seconds() const;
  void Counted();
};
