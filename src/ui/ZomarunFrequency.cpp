// Frequency, Zn and Q through input boxes, the mode switch, and stepping the frequency with
// auto-repeat. The rules are the workbench's; the window asks and shows.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/Dialogs.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

// The texts show every digit the values need, since each calculation reads them back.
void TForm1::ShowFrequency(int Digits) {
  FreqText->setText(QString::fromStdString(FormatExact(Digits, "Hz", Net->GetFrequency())));
}

void TForm1::ShowZn(const char* Unit) { ZnEdit->setText(QString::fromStdString(FormatExact(3, Unit, Net->GetZn()))); }

void TForm1::ShowMarkerStep() {
  MarkerLabel->setText(QString::fromStdString("Marker steps :" + FormatValue(3, "Hz", MajorMark)));
  MarkerLabel->adjustSize();
}

void TForm1::FreqButtonClick() {
  const std::string Answer = Dialogs().InputBox("Frequency ", "Enter new value", FreqText->text().toStdString());
  Workbench->EnterFrequency(ParseValue(Answer, "Hz"));
  ShowFrequency(3);
  ShowMarkerStep();
  Bereken();
}

void TForm1::ZnButtonClick() {
  ZnEdit->setText(QString::fromStdString(Dialogs().InputBox("Z norm in ohm", "Enter new value", ZnEdit->text().toStdString())));
  Workbench->EnterZn(ParseValue(ZnEdit->text().toStdString(), "ohm"));
  ShowZn("");
  Bereken();
}

void TForm1::QFactorClick() {
  const std::string Prompt =
      "Capaciors are considered lossless\nInductors can have a Q-factor between 1 and 500.\n"
      "Other values will result in lossless inductors\nEnter a Q-value for ALL inductors";
  Workbench->EnterQ(ParseValue(Dialogs().InputBox("Q Factor for inductors", Prompt, FormatGeneral(Net->Q, 15)), ""));
  Bereken();
}

// A refused step ends a held button's repeat.
void TForm1::UpDownClick(QPushButton* Sender) {
  if (!Workbench->StepFrequency(Sender == Up)) {
    UpMouseUp(Sender);
    return;
  }
  ShowFrequency(5);
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
