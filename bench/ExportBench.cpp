// The sweep of zomar-cli, in-process through the functions the program calls.
#include <benchmark/benchmark.h>

#include "network/NetCalc.h"
#include "workbench/Tables.h"

namespace {

constexpr int Points = 100'000;

// Seven elements with a lossy line and inductor loss: every model of the ladder.
void SevenElements(TNetWork& Net) {
  Net.SetNrOfElements(7);
  Net.Q = 60;
  Net.Elements[1].SetValue(12);
  Net.Elements[0].SetValue(-35);
  const std::pair<TElementType, double> Steps[] = {{TElementType::Ls, 8.2e-8}, {TElementType::Cp, 2.2e-11},
                                                   {TElementType::Line, 0.37}, {TElementType::Rs, 3.3},
                                                   {TElementType::Lp, 1.5e-7}, {TElementType::Cs, 4.7e-11},
                                                   {TElementType::Rp, 2200}};
  int Slot = 2;
  for (const auto& [Type, Value] : Steps) {
    Net.Elements[Slot].SetElementType(Type);
    Net.Elements[Slot++].SetValue(Value);
  }
}

void BM_Sweep100kPointsToCsv(benchmark::State& State) {
  TNetWork Net;
  SevenElements(Net);
  for (auto _ : State) {
    const std::vector<double> F = SweepFrequencies(1e6, 1e9, Points, TSweepScale::Linear);
    benchmark::DoNotOptimize(SweepCsvLines(SweepNetwork(Net, F).Points));
  }
  State.SetItemsProcessed(State.iterations() * Points);
}
BENCHMARK(BM_Sweep100kPointsToCsv)->Unit(benchmark::kMillisecond);

// The evaluation alone, as --timing reports it.
void BM_Sweep100kPointsEvaluated(benchmark::State& State) {
  TNetWork Net;
  SevenElements(Net);
  const std::vector<double> F = SweepFrequencies(1e6, 1e9, Points, TSweepScale::Linear);
  for (auto _ : State) benchmark::DoNotOptimize(SweepNetwork(Net, F));
  State.SetItemsProcessed(State.iterations() * Points);
}
BENCHMARK(BM_Sweep100kPointsEvaluated)->Unit(benchmark::kMillisecond);

}  // namespace
