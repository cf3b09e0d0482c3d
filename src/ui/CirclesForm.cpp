#include "ui/CirclesForm.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Canvas.h"
#include "platform/Errors.h"

namespace {

struct TFamily {
  const char* Caption;
  const char* Rule;  // what a value of the family must be
  bool (*Proper)(double);
  TCircleSet TViewSettings::*Set;
};

const TFamily Families[] = {
    {"Constant VSWR", "a VSWR above 1", ProperVswrCircle, &TViewSettings::Vswr},
    {"Constant Q", "a Q above 0", ProperQCircle, &TViewSettings::Q},
    {"Constant R (ohm)", "a resistance of 0 ohm or more", ProperRCircle, &TViewSettings::R},
    {"Constant X (ohm)", "a reactance other than 0 ohm", ProperXCircle, &TViewSettings::X},
};

}  // namespace

TCirclesForm::TCirclesForm(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Circles"));
  auto* Grid = new QGridLayout(this);
  Grid->addWidget(new QLabel(QStringLiteral("Values, separated by blanks:"), this), 0, 1);
  for (int Row = 0; Row < 4; ++Row) {
    Grid->addWidget(new QLabel(QString::fromUtf8(Families[Row].Caption), this), Row + 1, 0);
    ValueEdits[Row] = new QLineEdit(this);
    ValueEdits[Row]->setMinimumWidth(220);
    Grid->addWidget(ValueEdits[Row], Row + 1, 1);
    ColourButtons[Row] = new QPushButton(QStringLiteral("Colour..."), this);
    Grid->addWidget(ColourButtons[Row], Row + 1, 2);
    connect(ColourButtons[Row], &QPushButton::clicked, this, [this, Row] { PickColour(Row); });
  }
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  OkButton->setDefault(true);
  Grid->addWidget(OkButton, 5, 1, Qt::AlignRight);
  Grid->addWidget(CancelButton, 5, 2);
  connect(OkButton, &QPushButton::clicked, this, [this] { Accept(); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TCirclesForm::Show(const TViewSettings& View) {
  for (int Row = 0; Row < 4; ++Row) {
    const TCircleSet& Set = View.*Families[Row].Set;
    ValueEdits[Row]->setText(QString::fromStdString(CircleValuesText(Set.Values)));
    Colours[Row] = Set.Color;
    ShowColour(Row);
  }
}

bool TCirclesForm::Read(TViewSettings& View) {
  TViewSettings Read = View;
  for (int Row = 0; Row < 4; ++Row) {
    const TFamily& F = Families[Row];
    const std::string Text = ValueEdits[Row]->text().toStdString();
    std::vector<double> Values;
    try {
      Values = ReadCircleValues(Text);
    } catch (const EConvertError& Error) {
      Dialogs().MessageBox(std::string(F.Caption) + ": " + Error.what(), TMsgKind::Warning, {TMsgButton::OK});
      ValueEdits[Row]->setFocus();
      return false;
    }
    for (double V : Values)
      if (!F.Proper(V)) {
        Dialogs().MessageBox(std::string(F.Caption) + ": " + CircleValuesText({V}) + " is not " + F.Rule + ".",
                             TMsgKind::Warning, {TMsgButton::OK});
        ValueEdits[Row]->setFocus();
        return false;
      }
    Read.*F.Set = {Values, Colours[Row]};
  }
  View = Read;
  return true;
}

bool TCirclesForm::Execute() { return exec() == QDialog::Accepted; }

// Checks the values here, so that a wrong one keeps the form open for mending.
void TCirclesForm::Accept() {
  TViewSettings Probe;
  if (Read(Probe)) accept();
}

void TCirclesForm::ShowColour(int Row) {
  const QColor C = ToQColor(Colours[Row]);
  ColourButtons[Row]->setStyleSheet(QStringLiteral("QPushButton { color: %1; font-weight: bold; }").arg(C.name()));
}

void TCirclesForm::PickColour(int Row) {
  const QColor C = QColorDialog::getColor(ToQColor(Colours[Row]), this, QString::fromUtf8(Families[Row].Caption));
  if (!C.isValid()) return;
  Colours[Row] = FromQColor(C);
  ShowColour(Row);
}
