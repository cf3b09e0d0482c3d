#include "synthesis/BandSearch.h"

#include <algorithm>
#include <limits>

namespace {

// A progress bar needs no finer steps.
constexpr double ProgressStep = 0.01;

}  // namespace

TBandSearch::TBandSearch(TBandReflection& B, std::vector<TKnob> Knobs, const TOptimiseRequest& R)
    : Band(B),
      Tuned(std::move(Knobs)),
      Limits(R.Limits),
      Stop(R.Stop),
      Progress(R.Progress),
      BestReflection(std::numeric_limits<double>::infinity()) {}

std::span<const double> TBandSearch::Reflections(std::span<const double> x) {
  for (std::size_t k = 0; k < Tuned.size(); ++k) Band.SetValue(Tuned[k].Slot, Tuned[k].Value(x[k]));
  const std::span<const double> R = Band.Reflections();
  Counted();
  if (const double W = ::Worst(R); W < BestReflection) {
    BestReflection = W;
    Best.assign(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(Tuned.size()));
  }
  return R;
}

std::span<const double> TBandSearch::ReflectionsOfValues(std::span<const double> Values) {
  for (std::size_t k = 0; k < Tuned.size(); ++k) Band.SetValue(Tuned[k].Slot, Values[k]);
  const std::span<const double> R = Band.Reflections();
  Counted();
  return R;
}

bool TBandSearch::Over() const {
  return Count >= Limits.MaxEvaluations || Seconds() >= Limits.MaxSeconds || Stop.stop_requested();
}

double TBandSearch::Seconds() const { return std::chrono::duration<double>(TClock::now() - Started).count(); }

void TBandSearch::Counted() {
  ++Count;
  if (!Progress) return;
  const double Done = std::min(1., std::max(double(Count) / Limits.MaxEvaluations, Seconds() / Limits.MaxSeconds));
  if (Done - Reported < ProgressStep) return;
  Reported = Done;
  Progress(Done);
}
