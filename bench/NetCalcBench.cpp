#include <benchmark/benchmark.h>

#include "network/NetCalc.h"

namespace {

void FiveLumped(TNetWork& Net) {
  Net.SetNrOfElements(5);
  Net.Q = 120;
  Net.Elements[1].SetValue(12);
  Net.Elements[0].SetValue(-40);
  const TElementType Types[] = {TElementType::Lp, TElementType::Cs, TElementType::Cp, TElementType::Ls,
                                TElementType::Rp};
  const double Values[] = {2.2e-7, 1.5e-11, 4.7e-11, 1e-7, 680};
  for (int p = 0; p < 5; ++p) {
    Net.Elements[p + 2].SetElementType(Types[p]);
    Net.Elements[p + 2].SetValue(Values[p]);
  }
}

void BM_CalculateFiveLumped(benchmark::State& State) {
  TNetWork Net;
  FiveLumped(Net);
  for (auto _ : State) {
    Net.Calculate();
    benchmark::DoNotOptimize(Net.Elements[6].Z);
  }
}
BENCHMARK(BM_CalculateFiveLumped);

void BM_CalculateFourLumpedAndALossyLine(benchmark::State& State) {
  TNetWork Net;
  FiveLumped(Net);
  TElement& Line = Net.Elements[4];
  Line.SetElementType(TElementType::Line);
  Line.SetAttenuation(8);
  Line.SetLineLength(1.7);
  for (auto _ : State) {
    Net.Calculate();
    benchmark::DoNotOptimize(Net.Elements[6].Z);
  }
}
BENCHMARK(BM_CalculateFourLumpedAndALossyLine);

void BM_ParseValue(benchmark::State& State) {
  const std::string Texts[] = {"100 MHz", "4,7k", "10 pF", "33.2"};
  const std::string Units[] = {"Hz", "ohm", "F", ""};
  std::size_t i = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(ParseValue(Texts[i % 4], Units[i % 4]));
    ++i;
  }
}
BENCHMARK(BM_ParseValue);

void BM_FormatValue(benchmark::State& State) {
  const double Values[] = {1e8, 4700, 1e-11, 33.2, 4.7746482927568605e-8};
  std::size_t i = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(FormatValue(3, "Hz", Values[i % 5]));
    ++i;
  }
}
BENCHMARK(BM_FormatValue);

}  // namespace
