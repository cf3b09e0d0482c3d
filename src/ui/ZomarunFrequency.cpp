// Frequency, Zn and Q through input boxes, the mode switch, and stepping the frequency with
// auto-repeat.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "network/Checked.h"
#include "platform/Dialogs.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace {

constexpr double FallbackFrequency = 1e6;
constexpr double FallbackZn = 50;

// A frequency the window can derive a step, marks and a scan range from, and that its frequency
// text (which every calculation reads back) can show: from 0.001 pHz to below 1000 GHz.
bool ProperFrequency(double F) { return F >= 1e-15 && F < 1e12; }

// About 1 % of the frequency, rounded to one significant digit; 0.001 Hz when that is 0.
double StepFor(double F) {
  Ext d = 1;
  do d *= 10;
  while (F / d >= 10);
  const double Step = Store(std::nearbyint(F / d) * d / 100);
  return Step == 0 ? 0.001 : Step;
}

}  // namespace

void TForm1::FreqButtonClick() {
  const std::string Answer = Dialogs().InputBox("Frequency ", "Enter new value", FreqText->text().toStdString());
  Net->SetFrequency(ParseValue(Answer, "Hz"));
  if (!ProperFrequency(Net->GetFrequency())) {
    Dialogs().MessageBox("This is not a proper value for the frequentie", TMsgKind::Information, {TMsgButton::OK});
    Net->SetFrequency(FallbackFrequency);
  }
  const double F = Net->GetFrequency();
  FreqText->setText(QString::fromStdString(FormatValue(3, "Hz", F)));
  UpDownInterval = StepFor(F);
  MajorMark = 2 * UpDownInterval;
  MinorMark = UpDownInterval / 2;
  Net->ScanStart = Store(0.8L * F);
  Net->ScanStop = Store(1.25L * F);
  Bereken();
}

void TForm1::ZnButtonClick() {
  ZnEdit->setText(QString::fromStdString(Dialogs().InputBox("Z norm in ohm", "Enter new value", ZnEdit->text().toStdString())));
  Net->SetZn(ParseValue(ZnEdit->text().toStdString(), "ohm"));
  if (Net->GetZn() == 0) {
    Dialogs().MessageBox("This is not a proper value for Z-norm", TMsgKind::Information, {TMsgButton::OK});
    Net->SetZn(FallbackZn);
  }
  ZnEdit->setText(QString::fromStdString(FormatValue(3, "", Net->GetZn())));
  Bereken();
}

void TForm1::QFactorClick() {
  const std::string Prompt =
      "Capaciors are considered lossless\nInductors can have a Q-factor between 1 and 500.\n"
      "Other values will result in lossless inductors\nEnter a Q-value for ALL inductors";
  const double Q = ParseValue(Dialogs().InputBox("Q Factor for inductors", Prompt, FormatGeneral(Net->Q, 15)), "");
  Net->Q = Q >= 1 && Q <= 500 ? Q : 0;
  Bereken();
}

void TForm1::UpDownClick(QPushButton* Sender) {
  const Ext Step = Sender == Up ? UpDownInterval : -UpDownInterval;
  Net->SetFrequency(Store(Net->GetFrequency() + Step));
  Net->ScanStop = Store(Net->ScanStop + Step);
  Net->ScanStart = Store(Net->ScanStart + Step);
  if (Net->GetFrequency() <= 0) Net->SetFrequency(Store(Net->GetFrequency() + Ext(UpDownInterval)));
  if (Net->ScanStart <= 0) Net->ScanStart = Store(Net->ScanStart + Ext(UpDownInterval));
  if (Net->ScanStop <= 0) Net->ScanStop = Store(Net->ScanStop + Ext(UpDownInterval));
  FreqText->setText(QString::fromStdString(FormatValue(5, "Hz", Net->GetFrequency())));
  Bereken();
}

// Holding Up or Dwn repeats the step: the first after 800 ms, then every 300 ms; the button's own
// click on release adds one more.
void TForm1::UpMouseDown(QPushButton* Sender) {
  (Sender == Up ? UpHeld : DwnHeld) = true;
  UDTimer->setInterval(800);
  UDPhase = 1;
  UDTimer->start();
}

void TForm1::UDTimerTimer() {
  if (UDPhase == 1) {
    UDPhase = 2;
    UDTimer->start(300);
  } else if (UDPhase == 2) {
    if (UpHeld) UpDownClick(Up);
    if (DwnHeld) UpDownClick(Dwn);
  }
}

void TForm1::UpMouseUp(QPushButton* Sender) {
  UDTimer->stop();
  (Sender == Up ? UpHeld : DwnHeld) = false;
}
