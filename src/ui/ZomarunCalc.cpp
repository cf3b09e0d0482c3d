// The single recalculation path and the result texts.
#include <QAction>
#include <QLabel>
#include <QRadioButton>

#include "platform/PaintBox.h"
#include "ui/ResultText.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

double Parse(const QLineEdit* Edit, const char* Unit) { return ParseValue(Edit->text().toStdString(), Unit); }

}  // namespace

// Frequency, load and Zn are re-read from their texts at every recalculation, before anything is
// drawn from them; element values reach the network only when they are committed. A fault leaves
// no earlier result on show as if it were current.
void TForm1::Bereken() {
  SmithChart->Normalized = Normalized;
  ShowChartView();
  ReadWorkingTexts();
  Workbench->Record();
  ShowHistory();
  if (Bodeplot->isChecked()) UpdatePlot();
  try {
    Net->Calculate();
    ShowMeasuredLoad();
    ShowResults();
  } catch (...) {
    ShowNotCalculated();
    throw;
  }
  RedrawChart();
}

// Also on a screen of another pixel ratio, from the network as the last recalculation left it.
void TForm1::RedrawChart() {
  if (CalcE->isChecked()) BerekenElementen();
  if (Scan->isChecked()) SmithChart->DrawScan(*Net, MajorMark, MinorMark);
}

// A measured load's texts only show it: the fixed load in the network stays for when it is cleared.
void TForm1::ReadWorkingTexts() {
  Net->SetFrequency(Parse(FreqText, "Hz"));
  if (!Net->MeasuredLoad) {
    Net->Elements[1].SetValue(Parse(Edit0, "ohm"));
    Net->Elements[0].SetValue(Parse(Edit_1, "ohm"));
  }
  Net->SetZn(Parse(ZnEdit, "ohm"));
}

void TForm1::BerekenElementen() {
  SmithChart->DrawChart(SmithPbox->width(), SmithPbox->height(), Net->GetZn());
  SmithChart->DrawNetwork(*Net);
}

void TForm1::ShowResults() {
  const TComplex& Zin = Net->Elements[Net->NrOfElements + 1].Z;
  const double Zn = Net->GetZn();
  SmithChart->CalcRho({Zin.Re / Zn, Zin.Im / Zn});
  SWRedit->setText(QString::fromStdString(SWRText(SmithChart->GetSWR())));
  const TInputTexts Texts = InputTexts(Zin, Net->Omega());
  ZinSer->setText(QString::fromStdString(Texts.ZinSer));
  ZinPar->setText(QString::fromStdString(Texts.ZinPar));
}

void TForm1::ShowNotCalculated() {
  ZinSer->setText(QStringLiteral(" Not calculated: the calculation failed"));
  ZinPar->setText(QStringLiteral(" Not calculated: the calculation failed"));
  SWRedit->setText(QStringLiteral("failed"));
  if (Net->MeasuredLoad)
    for (TValueEdit* Edit : {Edit0, Edit_1}) Edit->ShowText(QStringLiteral("none"));
}

void TForm1::Scan_CalcClick() {
  if (Scan->isChecked()) {
    ShowMarkerStep();
    MarkerLabel->show();
  } else {
    MarkerLabel->hide();
  }
  Bereken();
}
