// The band optimiser on ladders of five elements over 10 % at 500 MHz with 101 points: the time of a
// run with the default limits and the worst VSWR it reaches, against a run of a hundred times the
// evaluations; and what one evaluation of the band costs, the ladder compiled anew each time.
#include <benchmark/benchmark.h>

#include <limits>
#include <vector>

#include "network/NetCalc.h"
#include "network/SweepEngine.h"
#include "synthesis/BandReflection.h"
#include "synthesis/Optimise.h"

namespace {

using enum TElementType;

struct TStep {
  TElementType Type;
  double Value;
};

// From 12.5 - j8 ohm to 50 ohm, values off a design by two L halves.
void Build(TNetWork& Net, const std::vector<TStep>& Steps) {
  Net.SetNrOfElements(static_cast<int>(Steps.size()));
  Net.Q = 100;
  Net.Elements[1].SetValue(12.5);
  Net.Elements[0].SetValue(-8);
  int Slot = 2;
  for (const auto& [Type, Value] : Steps) {
    TElement& E = Net.Elements[Slot++];
    E.SetElementType(Type);
    E.SetZ0(75);
    E.SetVelocityFactor(0.66);
    E.SetAttenuation(0);
    E.SetValue(Value);
  }
}

void Lumped(TNetWork& Net) { Build(Net, {{Ls, 8e-9}, {Cp, 1e-11}, {Ls, 6e-9}, {Cp, 5e-12}, {Ls, 3e-9}}); }
void WithLine(TNetWork& Net) { Build(Net, {{Ls, 8e-9}, {Cp, 1e-11}, {Line, 0.05}, {Cp, 5e-12}, {Ls, 3e-9}}); }

TOptimiseRequest TenPercent(const TNetWork& Net, int MaxEvaluations) {
  TOptimiseRequest R;
  for (int i = 0; i < 101; ++i) R.Frequencies.push_back(4.75e8 + 5e7 * i / 100);
  R.Load = FixedLoad(Net, R.Frequencies.size());
  if (MaxEvaluations > 0) R.Limits = {MaxEvaluations, std::numeric_limits<double>::infinity()};
  return R;
}

// Arg 0: the default limits; otherwise that many evaluations and no time limit.
template <void (*Ladder)(TNetWork&)>
void BM_OptimiseFiveElements(benchmark::State& State) {
  TNetWork Net;
  Ladder(Net);
  const TOptimiseRequest R = TenPercent(Net, static_cast<int>(State.range(0)));
  TOptimiseResult Result;
  for (auto _ : State) Result = Optimise(Net, R);
  State.counters["worst_VSWR_before"] = Result.WorstBefore;
  State.counters["worst_VSWR_after"] = Result.WorstAfter;
  State.counters["evaluations"] = Result.Evaluations;
}
BENCHMARK(BM_OptimiseFiveElements<Lumped>)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptimiseFiveElements<WithLine>)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptimiseFiveElements<Lumped>)->Arg(2'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptimiseFiveElements<WithLine>)->Arg(2'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

// One evaluation as the optimiser makes it: a value changed, the ladder compiled, the band swept.
void BM_BandEvaluation(benchmark::State& State) {
  TNetWork Net;
  WithLine(Net);
  const TOptimiseRequest R = TenPercent(Net, 0);
  TBandReflection Band(Net, R.Frequencies, R.Load);
  double Value = 8e-9;
  for (auto _ : State) {
    Band.SetValue(2, Value *= 1.0000001);
    benchmark::DoNotOptimize(Band.Reflections().data());
  }
}
BENCHMARK(BM_BandEvaluation);

// The sweep alone, compiled once: what updating the compiled steps in place could save at most.
void BM_BandSweepCompiledOnce(benchmark::State& State) {
  TNetWork Net;
  WithLine(Net);
  const TOptimiseRequest R = TenPercent(Net, 0);
  const TSweepProgram Program = CompileSweep(Net);
  TLadderResult Result;
  for (auto _ : State) {
    EvaluateLadderOnOneCore(Program, R.Frequencies, R.Load, Result);
    benchmark::DoNotOptimize(Result.ZinRe.data());
  }
}
BENCHMARK(BM_BandSweepCompiledOnce);

}  // namespace
