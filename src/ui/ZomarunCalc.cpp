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

void TForm1::Bereken() {
  if (Bodeplot->isChecked()) UpdatePlot();
  SmithChart->Normalized = Normalized;
  if (CalcE->isChecked()) BerekenElementen();
  if (Scan->isChecked()) SmithChart->DrawScan(*Net, MajorMark, MinorMark);
}

// Frequency, load and Zn are re-read from their texts at every recalculation; element values
// reach the network only when they are committed.
void TForm1::BerekenElementen() {
  SmithChart->DrawChart(SmithPbox->width(), SmithPbox->height(), Net->GetZn());
  Net->SetFrequency(Parse(FreqText, "Hz"));
  Net->Elements[1].SetValue(Parse(Edit0, "ohm"));
  Net->Elements[0].SetValue(Parse(Edit_1, "ohm"));
  Net->SetZn(Parse(ZnEdit, "ohm"));
  Net->Calculate();
  SmithChart->DrawNetwork(*Net);
  SWRedit->clear();
  SWRedit->setText(QString::fromStdString(SWRText(SmithChart->GetSWR())));
  const TInputTexts Texts = InputTexts(Net->Elements[Net->NrOfElements + 1].Z, Net->Omega());
  ZinSer->setText(QString::fromStdString(Texts.ZinSer));
  ZinPar->setText(QString::fromStdString(Texts.ZinPar));
}

void TForm1::Scan_CalcClick() {
  if (Scan->isChecked()) {
    MarkerLabel->setText(QString::fromStdString("Marker steps :" + FormatValue(3, "Hz", MajorMark)));
    MarkerLabel->adjustSize();
    MarkerLabel->show();
  } else {
    MarkerLabel->hide();
  }
  Bereken();
}
