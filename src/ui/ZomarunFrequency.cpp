// Frequency, Zn and Q through input boxes, the mode switch, and stepping the frequency with
// auto-repeat.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "network/Checked.h"
#include "network/ProperValues.h"
#include "platform/Dialogs.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace {

constexpr double FallbackFrequency = 1e6;
constexpr double FallbackZn = 50;


// About 1 % of the frequency, rounded to one significant digit; 0.001 Hz when that is 0.
double StepFor(double F) {
  Ext d = 1;
  do d *= 10;
  while (F / d >= 10);
  const double Step = Store(std::nearbyint(F / d) * d / 100);
  return Step == 0 ? 0.001 : Step;
}

}  // namespace

double TForm1::RefuseFrequency(double Fallback) {
  Dialogs().MessageBox(ImproperFrequency, TMsgKind::Information, {TMsgButton::OK});
  return Fallback;
}

double TForm1::RefuseZn(double Fallback) {
  Dialogs().MessageBox(ImproperZn, TMsgKind::Information, {TMsgButton::OK});
  return Fallback;
}

// The texts show every digit the values need, since each calculation reads them back.
void TForm1::ShowFrequency(double F, int Digits) {
  Net->SetFrequency(F);
  FreqText->setText(QString::fromStdString(FormatExact(Digits, "Hz", F)));
}

void TForm1::ShowZn(double Z, const char* Unit) {
  Net->SetZn(Z);
  ZnEdit->setText(QString::fromStdString(FormatExact(3, Unit, Z)));
}

void TForm1::ShowMarkerStep() {
  MarkerLabel->setText(QString::fromStdString("Marker steps :" + FormatValue(3, "Hz", MajorMark)));
  MarkerLabel->adjustSize();
}

void TForm1::FreqButtonClick() {
  const std::string Answer = Dialogs().InputBox("Frequency ", "Enter new value", FreqText->text().toStdString());
  const double Typed = ParseValue(Answer, "Hz");
  const double F = ProperFrequency(Typed) ? Typed : RefuseFrequency(FallbackFrequency);
  ShowFrequency(F, 3);
  UpDownInterval = StepFor(F);
  MajorMark = 2 * UpDownInterval;
  MinorMark = UpDownInterval / 2;
  ShowMarkerStep();
  Net->ScanStart = Store(0.8L * F);
  Net->ScanStop = Store(1.25L * F);
  Bereken();
}

void TForm1::ZnButtonClick() {
  ZnEdit->setText(QString::fromStdString(Dialogs().InputBox("Z norm in ohm", "Enter new value", ZnEdit->text().toStdString())));
  const double Typed = ParseValue(ZnEdit->text().toStdString(), "ohm");
  ShowZn(ProperZn(Typed) ? Typed : RefuseZn(FallbackZn), "");
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

// A step the frequency text cannot show is refused and ends a held button's repeat. The scan range
// moves with the frequency while it stays above 0; otherwise it stays where it is, never inverted.
void TForm1::UpDownClick(QPushButton* Sender) {
  const Ext Step = Sender == Up ? UpDownInterval : -UpDownInterval;
  const double F = Store(Net->GetFrequency() + Step);
  if (!ProperFrequency(F)) {
    UpMouseUp(Sender);
    RefuseFrequency(F);
    return;
  }
  ShowFrequency(F, 5);
  const double Start = Store(Net->ScanStart + Step), Stop = Store(Net->ScanStop + Step);
  if (Start > 0 && Start < Stop) {
    Net->ScanStart = Start;
    Net->ScanStop = Stop;
  }
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
