// Start-up, the reset to a fresh network, and shutdown.
#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/Guard.h"
#include "ui/SchemaTiles.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

void TForm1::FormCreate() {
  SchemaBitmap.SetPixelRatio(ZinBox->Canvas().PixelRatio());
  DrawSchema(SchemaBitmap);
  SmithChart = std::make_unique<TSmithChart>(&SmithPbox->Canvas());
  MaakPlot();
}

// The reset runs when the window is first shown, never again when focus comes back from a dialog.
void TForm1::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (ResetDone) return;
  ResetDone = true;
  Guarded([this] { LoadPictureClick(); });
}

// The whole window, frame included, covers the width of the screen's available area and its height
// less HeightReserve.
void TForm1::SizeToScreen() {
  const QRect Area = screen()->availableGeometry();
  setGeometry(QRect(Area.topLeft(), QSize(Area.width(), Area.height() - HeightReserve)).marginsRemoved(FrameMargins()));
}

void TForm1::ApplyHeight() {
  const QMargins Frame = FrameMargins();
  resize(width(), screen()->availableGeometry().height() - HeightReserve - Frame.top() - Frame.bottom());
  SmithPbox->resize(SmithPbox->width(), ClientHeight());
  DockPlot();
}

// Until a window manager has framed the window its frame is unknown; the style's title bar height
// stands in for the frame's top then, so the title bar never lands above the screen.
QMargins TForm1::FrameMargins() const {
  const QMargins Frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  if (!Frame.isNull() || QGuiApplication::platformName() == "offscreen") return Frame;
  return {0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0};
}

int TForm1::ClientHeight() const { return height() - menuBar()->height(); }

void TForm1::LoadPictureClick() {
  SizeToScreen();
  SmithPbox->resize(width() - Schema->width(), ClientHeight());
  SmithchartLabels->setChecked(false);
  SmithChart->ShowLabels = false;
  SmithChart->ResetView(1);
  ShowZoomChecks();
  ZinSer->setText(QStringLiteral(" Not yet calculated"));
  ZinPar->setText(QStringLiteral(" Not yet calculated"));
  Edit_1->setText(QStringLiteral("0"));
  Edit0->setText(QStringLiteral("0"));
  const TSettingsRead Settings = Workbench->Reset();
  ShowLoadSource();
  ShowFrequency(4);
  ShowZn("ohm");
  if (Settings.Found) HaalIni();
  ShowBodeView();
  SWRedit->clear();
  setWindowTitle(QStringLiteral("ZOMAR"));
  ZinBox->update();
  ZlBox->update();
  for (int p = 1; p <= 5; ++p) ShowRow(p, "0");
  const bool WasScan = Scan->isChecked();
  CalcE->setChecked(true);
  if (WasScan) Scan_CalcClick();
  ButClick(B0);
  Workbench->MarkSaved();
  if (!Settings.Note.empty()) Dialogs().MessageBox(Settings.Note, TMsgKind::Warning, {TMsgButton::OK});
}

void TForm1::AfsluitenClick() { close(); }

void TForm1::closeEvent(QCloseEvent* Event) {
  bool CanClose = false;
  Guarded([&] { CanClose = FormCloseQuery(); });
  if (CanClose)
    Event->accept();
  else
    Event->ignore();
}

// A changed network asks whether to save it instead of whether to quit.
bool TForm1::FormCloseQuery() {
  if (Workbench->Modified()) {
    if (!AskToSaveChanges()) return false;
  } else if (Dialogs().MessageBox("Do you really want to quit", TMsgKind::Information,
                                  {TMsgButton::Yes, TMsgButton::No}) != TMsgButton::Yes) {
    return false;
  }
  CloseNetwork();
  return true;
}

void TForm1::CloseNetwork() {
  delete PlotPanel;
  PlotPanel = nullptr;
  SmithChart.reset();
  Net = nullptr;
  Workbench.reset();
}
