#include <benchmark/benchmark.h>

#include "synthesis/Match.h"

namespace {

// Every topology for one load with lossy inductors: the L sections, pi and tee solved with the
// loss, the stubs and the quarter-wave line, each evaluated by the network.
TMatchRequest AllTopologies() {
  TMatchRequest R;
  R.At = {{200, -100}, 5e8, 100, 50};
  return R;
}

void BM_MatchAllTopologies(benchmark::State& State) {
  const TMatchRequest R = AllTopologies();
  for (auto _ : State) benchmark::DoNotOptimize(Match(R));
}
BENCHMARK(BM_MatchAllTopologies);

// The same with every lumped value taken to the best combination of E24 neighbours.
void BM_MatchAllTopologiesE24(benchmark::State& State) {
  TMatchRequest R = AllTopologies();
  R.Series = TESeries::E24;
  for (auto _ : State) benchmark::DoNotOptimize(Match(R));
}
BENCHMARK(BM_MatchAllTopologiesE24);

}  // namespace
