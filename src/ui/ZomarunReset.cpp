// Start-up, the reset to a fresh network, and shutdown.
#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/Guard.h"
#include "ui/SchemaTiles.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

void TForm1::FormCreate() {
  DrawSchema(SchemaBitmap);
  SmithChart = std::make_unique<TSmithChart>(&SmithPbox->Canvas());
  Net = std::make_unique<TNetWork>();
  Net->SetNrOfElements(5);
  MaakPlot();
}

// The reset runs when the window is first shown, never again when focus comes back from a dialog.
void TForm1::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (ResetDone) return;
  ResetDone = true;
  Guarded([this] { LoadPictureClick(); });
}

// The whole window, frame included, covers the screen's width and its height less HeightReserve.
void TForm1::SizeToScreen() {
  const QRect Screen = screen()->geometry();
  const QMargins Frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  setGeometry(QRect(Screen.topLeft(), QSize(Screen.width(), Screen.height() - HeightReserve)).marginsRemoved(Frame));
}

void TForm1::ApplyHeight() {
  const QRect Screen = screen()->geometry();
  const int FrameHeight = frameGeometry().height() - geometry().height();
  resize(width(), Screen.height() - HeightReserve - FrameHeight);
  SmithPbox->resize(SmithPbox->width(), ClientHeight());
}

int TForm1::ClientHeight() const { return height() - menuBar()->height(); }

void TForm1::LoadPictureClick() {
  SizeToScreen();
  SmithPbox->resize(width() - Schema->width(), ClientHeight());
  SmithchartLabels->setChecked(false);
  SmithChart->ShowLabels = false;
  x1->setChecked(true);
  for (QAction* Item : {x2, x5, x10}) Item->setChecked(false);
  SmithChart->Zoom = 1;
  ZinSer->setText(QStringLiteral(" Not yet calculated"));
  ZinPar->setText(QStringLiteral(" Not yet calculated"));
  Edit_1->setText(QStringLiteral("0"));
  Edit0->setText(QStringLiteral("0"));
  MajorMark = 1e6;
  MinorMark = MajorMark / 5;
  UpDownInterval = 1e7;
  Normalized = true;
  Net->Reset();
  Net->SetNrOfElements(5);  // a fresh network has the five positions the diagram shows
  FreqText->setText(QString::fromStdString(FormatValue(4, "Hz", Net->GetFrequency())));
  ZnEdit->setText(QString::fromStdString(FormatValue(3, "ohm", Net->GetZn())));
  HaalIni();
  SWRedit->clear();
  setWindowTitle(QStringLiteral("ZOMAR"));
  ZinBox->update();
  ZlBox->update();
  for (int p = 1; p <= 5; ++p) {
    DrawTile(p);
    ValueEdits[p]->setText(QStringLiteral("0"));
    TypeLabels[p]->setText(QString::fromStdString(TypeName(Net->Elements[p + 1].ElementType)));
    ValueLabels[p]->setText(QStringLiteral("Value :"));
    LineButtons[p]->hide();
  }
  const bool WasScan = Scan->isChecked();
  CalcE->setChecked(true);
  if (WasScan) Scan_CalcClick();
  ButClick(B0);
}

void TForm1::NieuwClick() { LoadPictureClick(); }

void TForm1::AfsluitenClick() { close(); }

void TForm1::closeEvent(QCloseEvent* Event) {
  bool CanClose = false;
  Guarded([&] { CanClose = FormCloseQuery(); });
  if (CanClose)
    Event->accept();
  else
    Event->ignore();
}

bool TForm1::FormCloseQuery() {
  if (Dialogs().MessageBox("Do you really want to quit", TMsgKind::Information, {TMsgButton::Yes, TMsgButton::No}) !=
      TMsgButton::Yes)
    return false;
  CloseNetwork();
  return true;
}

void TForm1::CloseNetwork() {
  delete PlotPanel;
  PlotPanel = nullptr;
  SmithChart.reset();
  Net.reset();
}
