// The Bode plot: the network's power transfer in dB over the scan range, on a log frequency axis,
// with the input's reflection and VSWR as optional traces and the working frequency marked.
#include <QAction>
#include <QGroupBox>
#include <QScreen>
#include <cmath>

#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/FrameDrag.h"
#include "ui/Guard.h"
#include "ui/ResultText.h"
#include "ui/Zomarun.h"

namespace {

enum TBodeLayer { TransferLayer, ReflectionLayer, VswrLayer };
constexpr TColor TransferColor = clRed, ReflectionColor = clBlue, VswrColor = clGreen;

// Only a plot of more than one trace needs to say which is which.
std::vector<TLegendEntry> BodeLegend(const TViewSettings& View) {
  if (!View.BodeReturnLoss && !View.BodeVswr) return {};
  std::vector<TLegendEntry> Legend{{"Transfer dB", TransferColor}};
  if (View.BodeReturnLoss) Legend.push_back({"|\u0393| dB", ReflectionColor});
  if (View.BodeVswr) Legend.push_back({"VSWR", VswrColor});
  return Legend;
}

}  // namespace

void TForm1::MaakPlot() {
  PlotPanel = new TPlotPanel(centralWidget());
  PlotPanel->setVisible(false);
  PlotPanel->SetHold(true);
  PlotPanel->resize(FloatingPlotSize());
  PlotPanel->SetXLog(true);
  PlotPanel->move(Schema->x() - PlotPanel->width(), 0);
  PlotPanel->PlotPen().SetWidth(2);
  connect(PlotPanel, &TPlotPanel::MouseMove, this, [this](int X, int Y) { Guarded([&] { PlotMouseMove(X, Y); }); });
  new TFrameDrag(PlotPanel, {[this](QPoint At) { return PlotGrips(At); }, [this] { return QRect({0, 0}, SmithPbox->size()); },
                             [this](QPoint Corner) { PlotSpot = Corner; }});
  for (TPlotFont* F : {&PlotPanel->XMarksFont(), &PlotPanel->YMarksFont()}) {
    F->SetSize(8);
    F->SetName("ArialNarrow");
  }
  PlotPanel->Font().SetSize(8);
  PlotPanel->Font().SetColor(clBlue);
  PlotPanel->Font().SetName("ArialNarrow");
  PlotPanel->SetXMarks(true);
  PlotPanel->SetYMarks(true);
  PlotPanel->SetTitle("Amplitude (dB) vs Frequency");
  PlotPanel->SetYMarksInterval(10);
  PlotPanel->SetYMax(0);
  PlotPanel->SetYMin(-50);
  PlotPanel->SetXMax(Net->ScanStop);
  PlotPanel->SetXMin(Net->ScanStop / 10);
  PlotPanel->SetLayerOnLeftScale(VswrLayer, true);
  PlotPanel->SetHold(false);
}

// The panel is held while it takes the sweep, so that it draws once.
void TForm1::UpdatePlot() {
  const TBodeSweep Sweep = Workbench->BodeSweep();
  const TViewSettings& View = Workbench->View;
  TPlotPanel& P = *PlotPanel;
  P.SetHold(true);
  P.Clear();
  PlotTitle = Sweep.AxisTitle + Sweep.Note;
  P.SetTitle(PlotTitle);
  P.SetYMax(0);
  P.SetYMin(Sweep.YMin);
  if (Sweep.AxisHigh > 0) {  // else the axis stays as it was
    P.SetXMax(Sweep.AxisHigh / Sweep.Unit);
    P.SetXMin(Sweep.AxisLow / Sweep.Unit);
  }
  P.SetYMarksInterval(Sweep.YMarksInterval);
  P.SetXMarker(Sweep.Working ? std::optional<long double>(*Sweep.Working / Sweep.Unit) : std::nullopt);
  P.SetLeftScale(View.BodeVswr ? std::optional<TPlotScale>({1, Sweep.VswrTop, Sweep.VswrMarksInterval, VswrColor})
                               : std::nullopt);
  P.SetLegend(BodeLegend(View));
  for (const TBodePoint& Point : Sweep.Points) {
    const double F = Point.Frequency / Sweep.Unit;
    P.AddPoint(TransferColor, TransferLayer, F, Point.Db);
    if (View.BodeReturnLoss) P.AddPoint(ReflectionColor, ReflectionLayer, F, Point.ReflectionDb);
    if (View.BodeVswr) P.AddPoint(VswrColor, VswrLayer, F, Point.Vswr);
  }
  P.SetHold(false);
}

void TForm1::BodeplotClick() {
  const bool Shown = PlotPanel->isHidden();
  Bodeplot->setChecked(Shown);
  PlotPanel->setVisible(Shown);
  DockPlot();
  Bereken();
  FloatPlot();
}

// The Options items of the plot's view, kept in the settings at once.
void TForm1::BodeViewClick() {
  TViewSettings& View = Workbench->View;
  View.BodeReturnLoss = BodeReturnLossItem->isChecked();
  View.BodeVswr = BodeVswrItem->isChecked();
  View.BodeLinearSpacing = BodeLinearItem->isChecked();
  View.BodeBelowChart = BodeBelowItem->isChecked();
  Workbench->SaveView();
  DockPlot();
  Bereken();
  FloatPlot();
}

void TForm1::ShowBodeView() {
  const TViewSettings& View = Workbench->View;
  BodeReturnLossItem->setChecked(View.BodeReturnLoss);
  BodeVswrItem->setChecked(View.BodeVswr);
  BodeLinearItem->setChecked(View.BodeLinearSpacing);
  BodeBelowItem->setChecked(View.BodeBelowChart);
  DockPlot();
  FloatPlot();
}

void TForm1::PlotMouseMove(int X, int Y) {
  long double XV = 0, YV = 0;
  if (PlotPanel->PixelToValue(X, Y, XV, YV))
    PlotPanel->SetTitle(PlotReadOut(XV, YV, FrequencyUnit(Net->ScanStop)));
  else
    PlotPanel->SetTitle(PlotTitle);
}
