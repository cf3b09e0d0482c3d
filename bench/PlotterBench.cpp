#include <benchmark/benchmark.h>

#include <QWidget>
#include <cmath>

#include "plotter/Plotter.h"

namespace {

// The Bode plot's panel on a 1920 x 1080 screen: 480 x 270, logarithmic X axis, marks, title,
// a pen of width 2.
void BodePanel(TPlotPanel& P) {
  P.SetHold(true);
  P.resize(480, 270);
  P.SetXLog(true);
  P.PlotPen().SetWidth(2);
  P.SetXMarks(true);
  P.SetYMarks(true);
  P.SetTitle("Frequency (MHz)");
  P.SetYMarksInterval(10);
  P.SetYMax(0);
  P.SetYMin(-50);
  P.SetXMax(150);
  P.SetXMin(15);
  P.SetHold(false);
}

void Sweep(TPlotPanel& P, int Points) {
  P.SetHold(true);
  P.Clear();
  for (int I = 1; I <= Points; ++I) {
    const long double F = 15 + I * (135.0L / Points);
    P.AddPoint(clRed, 0, F, -30 * std::fabs(std::log10(F / 60)) - 40 * std::sin(I * 0.01L));
  }
  P.SetHold(false);
}

void BM_RedrawTenThousandLinePoints(benchmark::State& State) {
  QWidget Window;
  TPlotPanel P(&Window);
  BodePanel(P);
  Sweep(P, 10000);
  for (auto _ : State) P.Redraw();
}
BENCHMARK(BM_RedrawTenThousandLinePoints)->Unit(benchmark::kMillisecond);

// The part of every redraw that does not depend on the points.
void BM_RedrawWithoutPoints(benchmark::State& State) {
  QWidget Window;
  TPlotPanel P(&Window);
  BodePanel(P);
  for (auto _ : State) P.Redraw();
}
BENCHMARK(BM_RedrawWithoutPoints)->Unit(benchmark::kMillisecond);

// One point shown at once: its segment, the plot area to PlotBMP and the interior to the screen.
void BM_AddPoint(benchmark::State& State) {
  QWidget Window;
  TPlotPanel P(&Window);
  BodePanel(P);
  Sweep(P, 100);
  long double F = 15;
  for (auto _ : State) {
    P.AddPoint(clRed, 0, F, -25);
    F = F < 150 ? F + 0.01L : 15;
  }
}
BENCHMARK(BM_AddPoint)->Unit(benchmark::kMicrosecond);

}  // namespace
