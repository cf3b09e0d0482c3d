// The Bode plot: the network's power transfer in dB over the scan range, on a log frequency axis.
#include <QAction>
#include <QGroupBox>
#include <QScreen>
#include <cmath>

#include "network/Checked.h"
#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/Guard.h"
#include "ui/ResultText.h"
#include "ui/Zomarun.h"

using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace {

constexpr int MaxSweepSteps = 100000;

// Hz, kHz, MHz, ... : the unit that keeps the scan's stop frequency at or below 1000.
double FrequencyUnit(double ScanStop) {
  double Unit = 1;
  while (ScanStop / Unit > 1000) Unit *= 1000;
  return Unit;
}

std::string UnitTitle(double Unit) {
  const char* Prefixes[] = {"", "k", "M", "G", "T", "P", "E"};
  const int Index = static_cast<int>(std::lround(std::log10(Unit) / 3));
  return "Frequency (" + std::string(Index < 7 ? Prefixes[Index] : "?") + "Hz)";
}

// A scan of no steps, or of a negative count, still takes one step; a huge count is capped.
// The magnitude is taken in 64 bits: the most negative int has no 32-bit magnitude.
int SweepSteps(int ScanSteps) {
  return static_cast<int>(std::clamp<long long>(std::llabs(ScanSteps), 1, MaxSweepSteps));
}

// What a sweep could not plot, said after the title.
struct TSkipped {
  int Frequency = 0, Gain = 0, Fault = 0;
  std::string Note() const {
    std::string Text;
    auto Add = [&Text](int N, const char* What) {
      if (N) Text += (Text.empty() ? "; not plotted: " : ", ") + std::to_string(N) + What;
    };
    Add(Frequency, " at frequencies <= 0");
    Add(Gain, " with no power reaching the load");
    Add(Fault, " not computable");
    return Text;
  }
};

// The sweep changes the network's frequency and holds the panel's picture back; both are put
// back whatever happens.
class TSweepScope {
public:
  TSweepScope(TNetWork& Net, TPlotPanel& Panel) : Net(Net), Panel(Panel), Saved(Net.GetFrequency()) {
    Panel.SetHold(true);
  }
  ~TSweepScope() {
    Net.SetFrequency(Saved);
    Panel.SetHold(false);
  }
  TSweepScope(const TSweepScope&) = delete;
  TSweepScope& operator=(const TSweepScope&) = delete;

private:
  TNetWork& Net;
  TPlotPanel& Panel;
  double Saved;
};

struct TYRange {
  double Above, Min, Interval;
};
// Later rows that hold override earlier ones; below -40 dB the range stays -50 .. 0.
constexpr TYRange YRanges[] = {{-40, -40, 5}, {-30, -30, 5}, {-20, -20, 2}, {-10, -10, 1}, {-5, -5, 1}, {-1, -1, 0.2}};

}  // namespace

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

void TForm1::UpdatePlot() {
  TPlotPanel& P = *PlotPanel;
  const TSweepScope Scope(*Net, P);
  const int Steps = SweepSteps(Net->ScanSteps);
  const Ext Step = std::fabs(Ext(Net->ScanStop) - Net->ScanStart) / Steps;
  Net->SetFrequency(Net->ScanStart);
  P.Clear();
  const double Unit = FrequencyUnit(Net->ScanStop);
  P.SetTitle(UnitTitle(Unit));
  P.SetYMax(0);
  P.SetYMin(-50);
  SetPlotBounds(Net->ScanStart / Unit, Net->ScanStop / Unit);
  P.SetYMarksInterval(10);
  double MinDb = 0;
  TSkipped Skipped;
  // The first point lies one step above the start; the last is the first to reach the stop.
  for (int i = 0; i <= Steps && (i == 0 || Net->GetFrequency() < Net->ScanStop); ++i) {
    Net->SetFrequency(Store(Net->GetFrequency() + Step));
    double Ratio = 0;
    try {
      Net->Calculate();
      Ratio = PowerTransfer(*Net);
    } catch (const EMathError&) {
      ++Skipped.Fault;
      continue;
    }
    if (Net->GetFrequency() <= 0) {
      ++Skipped.Frequency;
    } else if (!(Ratio > 0)) {
      ++Skipped.Gain;
    } else {
      const double Db = 10 * std::log10(Ratio);
      MinDb = std::min(MinDb, Db);
      P.AddPoint(clRed, 0, Net->GetFrequency() / Unit, Db);
    }
  }
  PlotNote = Skipped.Note();
  if (!PlotNote.empty()) P.SetTitle(UnitTitle(Unit) + PlotNote);
  for (const TYRange& R : YRanges)
    if (MinDb > R.Above) {
      P.SetYMin(R.Min);
      P.SetYMarksInterval(R.Interval);
    }
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
  const double Unit = FrequencyUnit(Net->ScanStop);
  long double XV = 0, YV = 0;
  if (PlotPanel->PixelToValue(X, Y, XV, YV))
    PlotPanel->SetTitle(PlotReadOut(XV, YV, Unit));
  else
    PlotPanel->SetTitle(UnitTitle(Unit) + PlotNote);
}
