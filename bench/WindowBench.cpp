// The window's hot paths: a full recalculation, the read-out under the mouse, a frequency step in
// Scan mode, and the Bode plot's sweep.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QRadioButton>
#include <memory>

#include "platform/PaintBox.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

// A shown window whose chart area is 1356 x 974 (a 1600 x 1000 screen less the diagram and the
// menu), holding a five-element network with a lossy line.
std::unique_ptr<TForm1> FiveElementWindow() {
  auto Form = std::make_unique<TForm1>();
  Form->show();
  Form->SmithPbox->resize(1356, 974);
  Form->Edit0->setText("20");
  Form->Edit_1->setText("30");
  const TElementType Types[] = {TElementType::Cp, TElementType::Ls, TElementType::Line, TElementType::Cs,
                                TElementType::Rp};
  const double Values[] = {2.2e-11, 1e-7, 0.7, 1.5e-11, 500};
  for (int p = 1; p <= 5; ++p) {
    TElement& E = Form->Net->Elements[p + 1];
    E.SetElementType(Types[p - 1]);
    E.SetValue(Values[p - 1]);
    if (Types[p - 1] == TElementType::Line) E.SetLineLength(Values[p - 1]);
  }
  Form->SmithChart->ShowLabels = true;
  Form->SmithChart->ShowSWR = true;
  Form->Net->Selected = 3;
  return Form;
}

void BM_BerekenCalcElements(benchmark::State& State) {
  auto Form = FiveElementWindow();
  for (auto _ : State) Form->Bereken();
}
BENCHMARK(BM_BerekenCalcElements)->Unit(benchmark::kMillisecond);

void BM_MouseMoveReadOut(benchmark::State& State) {
  auto Form = FiveElementWindow();
  Form->Bereken();
  int X = 400;
  for (auto _ : State) {
    Form->SmithPboxMouseMove(X, 500);
    X = X == 900 ? 400 : X + 1;
  }
}
BENCHMARK(BM_MouseMoveReadOut)->Unit(benchmark::kMicrosecond);

void BM_UpStepInScanMode(benchmark::State& State) {
  auto Form = FiveElementWindow();
  Form->Scan->setChecked(true);
  Form->UpDownInterval = 1e5;
  for (auto _ : State) Form->UpDownClick(Form->Up);
}
BENCHMARK(BM_UpStepInScanMode)->Unit(benchmark::kMillisecond);

// One wheel notch on an element with the Bode plot shown: the value, the chart, the results and
// the plot of 100 steps.
void BM_TuneStep(benchmark::State& State) {
  auto Form = FiveElementWindow();
  Form->Bodeplot->setChecked(true);
  Form->Bereken();
  int Direction = 1;
  for (auto _ : State) {
    Form->TuneValue(2, Direction, {});
    Direction = -Direction;
  }
}
BENCHMARK(BM_TuneStep)->Unit(benchmark::kMillisecond);

void BM_UpdatePlot(benchmark::State& State) {
  auto Form = FiveElementWindow();
  Form->Bereken();
  Form->Bodeplot->setChecked(true);
  Form->Net->ScanSteps = static_cast<int>(State.range(0));
  for (auto _ : State) Form->UpdatePlot();
}
BENCHMARK(BM_UpdatePlot)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// A recalculation in Scan mode: the chart, the trace of ScanSteps steps and its frequency marks.
void BM_ScanTrace(benchmark::State& State) {
  auto Form = FiveElementWindow();
  Form->Scan->setChecked(true);
  Form->Net->ScanSteps = static_cast<int>(State.range(0));
  for (auto _ : State) Form->Bereken();
}
BENCHMARK(BM_ScanTrace)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
