// The Bode plot: the network's power transfer in dB over the scan range, on a log frequency axis.
#include <QAction>
#include <QGroupBox>
#include <QScreen>
#include <cmath>

#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/Guard.h"
#include "ui/ResultText.h"
#include "ui/Zomarun.h"

void TForm1::MaakPlot() {
  PlotPanel = new TPlotPanel(centralWidget());
  PlotPanel->setVisible(false);
  PlotPanel->SetHold(true);
  const QRect Screen = screen()->geometry();
  PlotPanel->setGeometry(0, 0, Screen.width() / 4, Screen.height() / 4);
  PlotPanel->SetXLog(true);
  PlotPanel->move(Schema->x() - PlotPanel->width(), 0);
  PlotPanel->PlotPen().SetWidth(2);
  connect(PlotPanel, &TPlotPanel::MouseMove, this, [this](int X, int Y) { Guarded([&] { PlotMouseMove(X, Y); }); });
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
  PlotPanel->SetHold(false);
}

// The panel is held while it takes the sweep, so that it draws once.
void TForm1::UpdatePlot() {
  const TBodeSweep Sweep = Workbench->BodeSweep();
  TPlotPanel& P = *PlotPanel;
  P.SetHold(true);
  P.Clear();
  PlotTitle = Sweep.AxisTitle + Sweep.Note;
  P.SetTitle(PlotTitle);
  P.SetYMax(0);
  P.SetYMin(Sweep.YMin);
  SetPlotBounds(Net->ScanStart / Sweep.Unit, Net->ScanStop / Sweep.Unit);
  P.SetYMarksInterval(Sweep.YMarksInterval);
  for (const TBodePoint& Point : Sweep.Points) P.AddPoint(clRed, 0, Point.Frequency / Sweep.Unit, Point.Db);
  P.SetHold(false);
}

// A logarithmic axis needs positive bounds: a range reaching down to 0 or below shows the
// decade under its top, and a range with no positive frequency keeps the bounds it had.
void TForm1::SetPlotBounds(double Low, double High) {
  if (Low > High) std::swap(Low, High);
  if (!(High > 0)) return;
  PlotPanel->SetXMax(High);
  PlotPanel->SetXMin(Low > 0 ? Low : High / 10);
}

void TForm1::BodeplotClick() {
  PlotPanel->move(Schema->x() - PlotPanel->width(), 0);
  if (!PlotPanel->isHidden()) {
    Bodeplot->setChecked(false);
    PlotPanel->setVisible(false);
    return;
  }
  Bodeplot->setChecked(true);
  PlotPanel->setVisible(true);
  UpdatePlot();
  SmithPbox->update();
}

void TForm1::PlotMouseMove(int X, int Y) {
  long double XV = 0, YV = 0;
  if (PlotPanel->PixelToValue(X, Y, XV, YV))
    PlotPanel->SetTitle(PlotReadOut(XV, YV, FrequencyUnit(Net->ScanStop)));
  else
    PlotPanel->SetTitle(PlotTitle);
}
