#include "ui/TLine.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "network/NetCalc.h"
#include "platform/Fonts.h"
#include "ui/Layout.h"
#include "ui/Guard.h"

namespace {

QLineEdit* Edit(QWidget* Parent, int Left, int Top, int Width) {
  auto* E = new QLineEdit(Parent);
  E->setGeometry(Left, Top, Width, 21);
  return E;
}

}  // namespace

TTLineForm::TTLineForm(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Transmissionline data"));
  setFont(PixelFont("MS Sans Serif", 11, false));
  Elabel = NewLabel(this, "Elabel", 72, 16);
  QLabel* Captions[] = {NewLabel(this, "Length in meter", 48, 48), NewLabel(this, "Characteristic impedance", 8, 80),
                        NewLabel(this, "Velocity factor", 56, 112), NewLabel(this, "Attenuation in dB/100 m ", 8, 144)};
  const int Column = EditColumn(136, 8, {Captions[0], Captions[1], Captions[2], Captions[3]});
  const int Shift = Column - 136;
  for (QLabel* C : Captions) EndBefore(C, Column, C->y());
  LenEdit = Edit(this, Column, 40, 57);
  ZoEdit = Edit(this, Column, 72, 57);
  kEdit = Edit(this, Column, 104, 57);
  aEdit = Edit(this, Column, 136, 57);
  NewLabel(this, "at ", 200 + Shift, 144);
  fEdit = Edit(this, 216 + Shift, 136, 52);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setGeometry(184 + Shift, 176, 57, 25);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  CancelButton->setGeometry(248 + Shift, 176, 59, 25);
  OKButton->setDefault(true);
  setGeometry(417, 202, 337 + Shift, 248);
  setTabOrder(LenEdit, ZoEdit);
  setTabOrder(ZoEdit, kEdit);
  setTabOrder(kEdit, aEdit);
  setTabOrder(aEdit, OKButton);
  setTabOrder(OKButton, CancelButton);
  setTabOrder(CancelButton, fEdit);
  connect(OKButton, &QPushButton::clicked, this, [this] { Guarded([this] { OKButtonClick(); }); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { Guarded([this] { CancelButtonClick(); }); });
}

bool TTLineForm::Execute() {
  OKButton->setFocus();
  return exec() == QDialog::Accepted;
}

// Velocity factor, impedance and attenuation must be plain numbers, and a line needs a velocity
// factor above 0; the length and the frequency are read with prefixes and units later. A refused
// form stays open.
void TTLineForm::OKButtonClick() {
  try {
    for (const QLineEdit* E : {kEdit, ZoEdit, aEdit}) StrToFloat(E->text().toStdString());
  } catch (const EConvertError& Error) {
    Dialogs().MessageBox(std::string("Error in data\n") + Error.what(), TMsgKind::Error, {TMsgButton::OK});
    return;
  }
  const double VelocityFactor = StrToFloat(kEdit->text().toStdString());
  if (!(VelocityFactor > 0 && std::isfinite(VelocityFactor))) {
    Dialogs().MessageBox("Error in data\nThe velocity factor must be a number above 0", TMsgKind::Error,
                         {TMsgButton::OK});
    return;
  }
  accept();
}

void TTLineForm::CancelButtonClick() { reject(); }
