#include "synthesis/PolishStarts.h"

#include <algorithm>
#include <cmath>

namespace {

bool Near(const std::vector<double>& a, const std::vector<double>& b, const std::vector<TKnob>& Knobs) {
  for (std::size_t k = 0; k < Knobs.size(); ++k)
    if (std::abs(a[k] - b[k]) >= Apart * (Knobs[k].Upper - Knobs[k].Lower)) return false;
  return true;
}

}  // namespace

std::vector<std::vector<double>> PolishStarts(std::vector<TSample> Tried, const std::vector<TKnob>& Knobs) {
  std::ranges::stable_sort(Tried, {}, &TSample::Worst);
  std::vector<std::vector<double>> Starts;
  for (TSample& S : Tried)
    if (std::ranges::none_of(Starts, [&](const std::vector<double>& x) { return Near(x, S.x, Knobs); }))
      Starts.push_back(std::move(S.x));
  return Starts;
}
