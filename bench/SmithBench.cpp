#include <benchmark/benchmark.h>

#include "network/NetCalc.h"
#include "smith/Smith.h"

namespace {

constexpr int Width = 1600, Height = 1000;

// Five elements around a lossy line of ten wavelengths at 100 MHz.
void FiveWithLongLine(TNetWork& Net) {
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(20);
  Net.Elements[0].SetValue(-30);
  const TElementType Types[] = {TElementType::Ls, TElementType::Cp, TElementType::Line, TElementType::Cs,
                                TElementType::Rp};
  const double Values[] = {60e-9, 30e-12, 0, 20e-12, 200};
  for (int p = 1; p <= 5; ++p) {
    Net.Elements[p + 1].SetElementType(Types[p - 1]);
    Net.Elements[p + 1].SetValue(Values[p - 1]);
  }
  TElement& Line = Net.Elements[4];
  Line.SetAttenuation(8);
  Line.SetLineLength(10 * 3e8 / Net.GetFrequency() * Line.VelocityFactor);
  Net.Selected = 3;
}

// The chart copies to a screen picture of its own size, as it does to the window's paint box.
struct TScreen {
  TBitmap Picture;
  TScreen() { Picture.SetSize(Width, Height); }
};

void BM_ChartCalculateAndPath(benchmark::State& State) {
  TScreen Screen;
  TSmithChart Chart(&Screen.Picture.Canvas());
  Chart.ShowLabels = true;
  Chart.ShowSWR = true;
  TNetWork Net;
  FiveWithLongLine(Net);
  for (auto _ : State) {
    Chart.DrawChart(Width, Height, Net.GetZn());
    Net.Calculate();
    Chart.DrawNetwork(Net);
  }
  benchmark::DoNotOptimize(Chart.GetSWR());
}
BENCHMARK(BM_ChartCalculateAndPath)->Unit(benchmark::kMillisecond);

void BM_DrawScan(benchmark::State& State) {
  TScreen Screen;
  TSmithChart Chart(&Screen.Picture.Canvas());
  Chart.ShowLabels = true;
  TNetWork Net;
  FiveWithLongLine(Net);
  Net.ScanSteps = static_cast<int>(State.range(0));
  Chart.DrawChart(Width, Height, Net.GetZn());
  for (auto _ : State) Chart.DrawScan(Net, 1e6, 200e3);
  benchmark::DoNotOptimize(Chart.GetSWR());
}
BENCHMARK(BM_DrawScan)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
