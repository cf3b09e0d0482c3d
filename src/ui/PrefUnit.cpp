#include "ui/PrefUnit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "network/NetCalc.h"
#include "platform/Fonts.h"
#include "ui/Layout.h"
#include "ui/Guard.h"
#include "workbench/Workbench.h"

namespace {

QLineEdit* Edit(QWidget* Parent, const char* Text, int Left, int Top) {
  auto* E = new QLineEdit(QString::fromUtf8(Text), Parent);
  E->setGeometry(Left, Top, 65, 21);
  return E;
}

QCheckBox* Check(QWidget* Parent, const char* Caption, int Left, int Top, int Width, int Height) {
  auto* C = new QCheckBox(QString::fromUtf8(Caption), Parent);
  C->setGeometry(Left, Top, std::max(Width, C->sizeHint().width()), Height);
  return C;
}

}  // namespace

TPrefForm::TPrefForm(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Preferences"));
  setFont(PointFont("MS Sans Serif", 8, false));
  CreateGeneral();
  CreateScanOptions();
  ScanBox->move(GroupBox1->geometry().right() + 8, 8);
  Savesettings = Check(this, "Save current settings to be used at start", 16, 200, 233, 25);
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancel"), this);
  BitBtn2->setGeometry(std::max(272, Savesettings->geometry().right() + 8), 200, 75, 25);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  BitBtn1->setGeometry(BitBtn2->x() + 96, 200, 75, 25);
  BitBtn1->setDefault(true);
  setFixedSize(std::max({460, ScanBox->geometry().right() + 12, BitBtn1->geometry().right() + 18}), 260);
  move(screen()->geometry().center() - rect().center());
  SetTabOrder();
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(FreqEdit, &QLineEdit::textChanged, this, [this] { Guarded([this] { FreqEditChange(); }); });
  connect(Normalized, &QCheckBox::toggled, this, &TPrefForm::NormalizedClick);
  connect(FullScreen, &QCheckBox::toggled, this, &TPrefForm::FullScreenClick);
}

void TPrefForm::CreateGeneral() {
  GroupBox1 = new QGroupBox(QStringLiteral("General"), this);
  QLabel* Captions[] = {NewLabel(GroupBox1, "Frequency", 96, 24), NewLabel(GroupBox1, "Up / Down Steps", 64, 48),
                        NewLabel(GroupBox1, "Zn", 128, 80), NewLabel(GroupBox1, "Q factor", 112, 104)};
  const int Column = EditColumn(160, 8, {Captions[0], Captions[1], Captions[2], Captions[3]});
  for (QLabel* C : Captions) EndBefore(C, Column, C->y());
  FreqEdit = Edit(GroupBox1, "100 MHz", Column, 16);
  UDEdit = Edit(GroupBox1, "1 MHz", Column, 44);
  ZnEdit = Edit(GroupBox1, "50", Column, 72);
  QEdit = Edit(GroupBox1, "0", Column, 100);
  Normalized = Check(GroupBox1, "Show Smithchart Normalized", 16, 136, 177, 17);
  Normalized->setChecked(true);
  FullScreen = Check(GroupBox1, "FullScreen", 16, 160, 97, 17);
  FullScreen->setToolTip(QStringLiteral("Show Mainwindow Fullscreen"));
  GroupBox1->setGeometry(8, 8, std::max({241, Column + 81, Normalized->geometry().right() + 8}), 185);
}

void TPrefForm::CreateScanOptions() {
  ScanBox = new QGroupBox(QStringLiteral("Scan Options"), this);
  QLabel* Rows[] = {NewLabel(ScanBox, "Start Frequentie ", 24, 24), NewLabel(ScanBox, "StopFrequentie", 24, 48),
                    NewLabel(ScanBox, "Number of Steps", 24, 72)};
  QLabel* Marks[] = {NewLabel(ScanBox, "Major", 80, 128), NewLabel(ScanBox, "Minor", 80, 152)};
  const int Column = EditColumn(112, 24, {Rows[0], Rows[1], Rows[2]});
  for (QLabel* M : Marks)
    if (M->geometry().right() + CaptionGap > Column) EndBefore(M, Column, M->y());
  StartFreqEdit = Edit(ScanBox, "StartFreqEdit", Column, 16);
  StopFreqEdit = Edit(ScanBox, "StopFreqEdit", Column, 40);
  StepsEdit = Edit(ScanBox, "100", Column, 64);
  auto* Bevel1 = new QFrame(ScanBox);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(8, 96, Column + 65, 2);
  NewLabel(ScanBox, "Marker Interval", 32, 104);
  MajorMarkEdit = Edit(ScanBox, "1 MHz", Column, 120);
  MinorMarkEdit = Edit(ScanBox, "200 kHz", Column, 144);
  ScanBox->resize(Column + 81, 185);
}

// Scan Options first, then OK and Cancel, then General, then the save switch.
void TPrefForm::SetTabOrder() {
  QWidget* Order[] = {StartFreqEdit, StopFreqEdit, StepsEdit, MajorMarkEdit, MinorMarkEdit, BitBtn1, BitBtn2,
                      UDEdit,        Normalized,   FullScreen, FreqEdit,     QEdit,         ZnEdit,  Savesettings};
  for (std::size_t i = 1; i < std::size(Order); ++i) setTabOrder(Order[i - 1], Order[i]);
}

bool TPrefForm::Execute() { return exec() == QDialog::Accepted; }

// Typing a frequency proposes a scan from 0.9 to 1.1 times it; it takes effect only on OK.
void TPrefForm::FreqEditChange() {
  const TScanRange Scan = TWorkbench::ProposedScan(ParseValue(FreqEdit->text().toStdString(), "Hz"));
  StartFreqEdit->setText(QString::fromStdString(FormatValue(4, "Hz", Scan.Start)));
  StopFreqEdit->setText(QString::fromStdString(FormatValue(4, "Hz", Scan.Stop)));
}
