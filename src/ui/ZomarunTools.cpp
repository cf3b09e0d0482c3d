// Tools > Match... and Optimise over Band...: the workbench finds the ladders, the window lets the
// user pick one and writes it into the diagram.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <stop_token>

#include "plotter/Plotter.h"
#include "ui/ToolForms.h"
#include "ui/Zomarun.h"
#include "workbench/Reflection.h"
#include "workbench/Sweep.h"
#include "workbench/Tools.h"

namespace {

// The VSWR of the network at each frequency, in the plot's layer.
void PlotVswr(TPlotPanel& Plot, TNetWork& Net, const std::vector<double>& F, TColor Colour, int Layer) {
  for (const TSweepPoint& P : SweepNetwork(Net, F).Points)
    if (const double V = Vswr(P.Gamma); std::isfinite(V)) Plot.AddPoint(Colour, Layer, P.Frequency / 1e6, V);
}

}  // namespace

void TForm1::MatchClick() {
  MatchForm->Show(MatchNetworkLoad(*Net));
  if (!Dialogs().ShowModal(*MatchForm) || MatchForm->Chosen() < 0) return;
  const TMatchResult Result = MatchNetworkLoad(*Net);
  ApplyLadder(Result.Solutions.at(MatchForm->Chosen()).Parts, *Net);
  ShowNetworkValues();
  Bereken();
}

void TForm1::OptimiseClick() {
  OptimiseForm->FromEdit->setText(QString::fromStdString(FormatExact(4, "Hz", Net->ScanStart)));
  OptimiseForm->ToEdit->setText(QString::fromStdString(FormatExact(4, "Hz", Net->ScanStop)));
  OptimiseForm->ResultLabel->clear();
  OptimiseForm->ApplyButton->setEnabled(false);
  Tuning.reset();
  if (!Dialogs().ShowModal(*OptimiseForm) || !Tuning) return;
  ApplyTuning(Tuning->Values, *Net);
  ShowNetworkValues();
  Bereken();
}

// A long run shows its progress and can be cancelled; it keeps the best found so far.
void TForm1::RunOptimiser() {
  TOptimiseForm& F = *OptimiseForm;
  const double From = ParseValue(F.FromEdit->text().toStdString(), "Hz"), To = ParseValue(F.ToEdit->text().toStdString(), "Hz");
  const int Points = StrToInt(F.PointsEdit->text().toStdString());
  if (!(From > 0 && From < To) || Points < 2 || Points > 10000)
    throw EConvertError("The band needs 0 < From < To and 2 to 10,000 points");
  QProgressDialog Progress(QStringLiteral("Optimising..."), QStringLiteral("Cancel"), 0, 100, &F);
  Progress.setWindowModality(Qt::WindowModal);
  std::stop_source Stop;
  Tuning = OptimiseBand(*Net, From, To, Points, Stop.get_token(), [&](double Done) {
    Progress.setValue(static_cast<int>(100 * Done));
    QApplication::processEvents();
    if (Progress.wasCanceled()) Stop.request_stop();
  });
  F.ResultLabel->setText(QStringLiteral("Worst VSWR before %1, after %2%3")
                             .arg(QString::fromStdString(FormatGeneral(Tuning->WorstBefore, 4)),
                                  QString::fromStdString(FormatGeneral(Tuning->WorstAfter, 4)),
                                  Tuning->Stopped ? QStringLiteral(" (cancelled: the best found so far)") : QString()));
  const std::vector<double> Band = SweepFrequencies(From, To, Points, TSweepScale::Linear);
  F.VswrPlot->SetHold(true);
  F.VswrPlot->Clear();
  F.VswrPlot->SetXMin(From / 1e6);
  F.VswrPlot->SetXMax(To / 1e6);
  F.VswrPlot->SetYMin(1);
  F.VswrPlot->SetYMax(std::max(2.0, std::min(Tuning->WorstBefore, 10.0)));
  PlotVswr(*F.VswrPlot, *Net, Band, clBlue, 0);
  ApplyTuning(Tuning->Values, *Net);
  PlotVswr(*F.VswrPlot, *Net, Band, clRed, 1);
  std::vector<TTunedValue> Back = Tuning->Values;
  for (TTunedValue& V : Back) V.After = V.Before;
  ApplyTuning(Back, *Net);
  F.VswrPlot->SetHold(false);
  F.ApplyButton->setEnabled(true);
}
