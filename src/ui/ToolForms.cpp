#include "ui/ToolForms.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "network/NumberText.h"
#include "network/ValueText.h"
#include "plotter/Plotter.h"

namespace {

QPushButton* Button(QWidget* Parent, const char* Caption) { return new QPushButton(QString::fromUtf8(Caption), Parent); }

// "Cs 63.7 pF, Lp 79.6 nH", a line or stub with its impedance: "Line 412 mm of 50 ohm".
QString PartsText(const TLadder& Parts) {
  std::string Text;
  for (const TPart& P : Parts) {
    if (!Text.empty()) Text += ", ";
    Text += PartName(P.Type) + " " + FormatValue(3, UnitName(static_cast<TElementType>(P.Type)), P.Value);
    if (!IsLumped(P.Type)) Text += " of " + FormatValue(3, "ohm", P.Z0);
  }
  return QString::fromStdString(Text);
}

}  // namespace

TMatchForm::TMatchForm(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Match"));
  Solutions = new QTableWidget(0, 3, this);
  Solutions->setHorizontalHeaderLabels({QStringLiteral("Topology"), QStringLiteral("Elements from the load"),
                                        QStringLiteral("VSWR")});
  Solutions->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  Solutions->setSelectionBehavior(QAbstractItemView::SelectRows);
  Solutions->setSelectionMode(QAbstractItemView::SingleSelection);
  Solutions->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Reasons = new QLabel(this);
  Reasons->setWordWrap(true);
  ApplyButton = Button(this, "Apply");
  CloseButton = Button(this, "Close");
  auto* Grid = new QGridLayout(this);
  Grid->addWidget(Solutions, 0, 0, 1, 3);
  Grid->addWidget(Reasons, 1, 0, 1, 3);
  Grid->addWidget(ApplyButton, 2, 1);
  Grid->addWidget(CloseButton, 2, 2);
  resize(760, 360);
  connect(ApplyButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TMatchForm::Show(const TMatchResult& Result) {
  Solutions->setRowCount(static_cast<int>(Result.Solutions.size()));
  for (int Row = 0; Row < Solutions->rowCount(); ++Row) {
    const TSolution& S = Result.Solutions[Row];
    const QString Cells[] = {QString::fromStdString(TopologyName(S.Topology)), PartsText(S.Parts),
                             QString::fromStdString(FormatGeneral(S.Vswr, 4))};
    for (int Column = 0; Column < 3; ++Column) Solutions->setItem(Row, Column, new QTableWidgetItem(Cells[Column]));
  }
  Solutions->resizeColumnToContents(0);
  if (Solutions->rowCount() > 0) Solutions->selectRow(0);
  QString Why;
  for (const std::string& R : Result.Reasons) Why += QString::fromStdString(R) + QLatin1Char('\n');
  Reasons->setText(Why.trimmed());
  ApplyButton->setEnabled(Solutions->rowCount() > 0);
}

int TMatchForm::Chosen() const { return Solutions->currentRow(); }

bool TMatchForm::Execute() { return exec() == QDialog::Accepted; }

TOptimiseForm::TOptimiseForm(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Optimise over Band"));
  FromEdit = new QLineEdit(this);
  ToEdit = new QLineEdit(this);
  PointsEdit = new QLineEdit(QStringLiteral("101"), this);
  RunButton = Button(this, "Optimise");
  ApplyButton = Button(this, "Apply");
  CloseButton = Button(this, "Close");
  ResultLabel = new QLabel(this);
  VswrPlot = new TPlotPanel(this);
  VswrPlot->setMinimumSize(420, 220);
  VswrPlot->SetTitle("VSWR over the band: before (blue), after (red)");
  auto* Grid = new QGridLayout(this);
  const std::pair<const char*, QLineEdit*> Rows[] = {{"From", FromEdit}, {"To", ToEdit}, {"Points", PointsEdit}};
  for (int r = 0; r < 3; ++r) {
    Grid->addWidget(new QLabel(QString::fromUtf8(Rows[r].first), this), r, 0);
    Grid->addWidget(Rows[r].second, r, 1);
  }
  Grid->addWidget(RunButton, 2, 2);
  Grid->addWidget(ResultLabel, 3, 0, 1, 3);
  Grid->addWidget(VswrPlot, 4, 0, 1, 3);
  Grid->addWidget(ApplyButton, 5, 1);
  Grid->addWidget(CloseButton, 5, 2);
  ApplyButton->setEnabled(false);
  connect(RunButton, &QPushButton::clicked, this, &TOptimiseForm::Run);
  connect(ApplyButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool TOptimiseForm::Execute() { return exec() == QDialog::Accepted; }
