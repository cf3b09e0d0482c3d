// The sweep engine in nanoseconds per frequency point on one core, the split between the cores,
// and the reference evaluation it replaces, over 100,000 points from 1 MHz to 1 GHz.
#include <benchmark/benchmark.h>

#include <vector>

#include "SweepLadders.h"
#include "network/NetCalc.h"
#include "network/SweepEngine.h"

namespace {

void CountPoints(benchmark::State& State, std::size_t Points) {
  State.counters["ns_per_point"] = benchmark::Counter(
      static_cast<double>(Points) * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_EngineOneCore(benchmark::State& State, void (*Make)(TNetWork&)) {
  TNetWork Net;
  Make(Net);
  const std::vector<double> F = BenchFrequencies(BenchPoints);
  const TSweepProgram Program = CompileSweep(Net);
  const TSweepLoad Load = FixedLoad(Net, F.size());
  TLadderResult Result;
  for (auto _ : State) {
    EvaluateLadderOnOneCore(Program, F, Load, Result);
    benchmark::DoNotOptimize(Result.ZinRe.data());
  }
  CountPoints(State, F.size());
}
BENCHMARK_CAPTURE(BM_EngineOneCore, FiveLumped, FiveLumped)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineOneCore, FourLumpedOneLossyLine, FourLumpedOneLossyLine)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineOneCore, ThirtyWithSixLines, ThirtyWithSixLines)->Unit(benchmark::kMicrosecond);

// One core against as many as the engine takes, by the number of points: where the split pays.
void BM_EngineCores(benchmark::State& State) {
  TNetWork Net;
  FourLumpedOneLossyLine(Net);
  const std::vector<double> F = BenchFrequencies(static_cast<std::size_t>(State.range(0)));
  const TSweepProgram Program = CompileSweep(Net);
  const TSweepLoad Load = FixedLoad(Net, F.size());
  TLadderResult Result;
  for (auto _ : State) {
    if (State.range(1) == 1)
      EvaluateLadderOnOneCore(Program, F, Load, Result);
    else
      EvaluateLadder(Program, F, Load, Result);
    benchmark::DoNotOptimize(Result.ZinRe.data());
  }
  CountPoints(State, F.size());
}
BENCHMARK(BM_EngineCores)
    ->ArgsProduct({{4096, 8192, 16384, 32768, 100000, 1000000}, {1, 2}})
    ->ArgNames({"points", "split"})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// What every sweep cost before the engine: Calculate and PowerTransfer at each point.
void BM_ReferencePerPoint(benchmark::State& State, void (*Make)(TNetWork&)) {
  TNetWork Net;
  Make(Net);
  const std::vector<double> F = BenchFrequencies(BenchPoints);
  for (auto _ : State) {
    for (const double f : F) {
      Net.SetFrequency(f);
      Net.Calculate();
      benchmark::DoNotOptimize(PowerTransfer(Net));
    }
  }
  CountPoints(State, F.size());
}
BENCHMARK_CAPTURE(BM_ReferencePerPoint, FiveLumped, FiveLumped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReferencePerPoint, FourLumpedOneLossyLine, FourLumpedOneLossyLine)->Unit(benchmark::kMillisecond);

}  // namespace
