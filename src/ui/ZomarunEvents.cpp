// Wiring of the window's events to its handlers. Every handler runs through Guarded, the one
// place where an error is shown to the user.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "platform/PaintBox.h"
#include "ui/Guard.h"
#include "ui/PrefUnit.h"
#include "ui/ToolForms.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

void TForm1::Connect() {
  connect(Nieuw, &QAction::triggered, this, [this] { Guarded([this] { NieuwClick(); }); });
  connect(Openen, &QAction::triggered, this, [this] { Guarded([this] { OpenenClick(); }); });
  connect(RecentMenu, &QMenu::aboutToShow, this, [this] { Guarded([this] { ShowRecentFiles(); }); });
  connect(ImportLoadItem, &QAction::triggered, this, [this] { Guarded([this] { ImportLoadClick(); }); });
  connect(ClearLoadItem, &QAction::triggered, this, [this] { Guarded([this] { ClearLoadClick(); }); });
  connect(Bewaren, &QAction::triggered, this, [this] { Guarded([this] { BewarenClick(); }); });
  connect(BewarenAls, &QAction::triggered, this, [this] { Guarded([this] { BewarenAlsClick(); }); });
  connect(PrintIt, &QAction::triggered, this, [this] { Guarded([this] { PrintItClick(); }); });
  for (const auto& [Item, Format] : {std::pair{ExportChartPng, TPictureFormat::Png}, {ExportChartSvg, TPictureFormat::Svg}})
    connect(Item, &QAction::triggered, this, [this, Format] { Guarded([&] { ExportChart(Format); }); });
  for (const auto& [Item, Format] : {std::pair{ExportPlotPng, TPictureFormat::Png}, {ExportPlotSvg, TPictureFormat::Svg}})
    connect(Item, &QAction::triggered, this, [this, Format] { Guarded([&] { ExportPlot(Format); }); });
  const std::pair<QAction*, TExport> Tables[] = {{ExportPlotCsv, TExport::BodeCsv},
                                                 {ExportSweepCsv, TExport::SweepCsv},
                                                 {ExportSweepS1p, TExport::SweepS1p},
                                                 {ExportSweepS2p, TExport::SweepS2p},
                                                 {ExportNetlist, TExport::SpiceNetlist}};
  for (const auto& [Item, What] : Tables)
    connect(Item, &QAction::triggered, this, [this, What] { Guarded([&] { ExportTable(What); }); });
  connect(Bodeplot, &QAction::triggered, this, [this] { Guarded([this] { BodeplotClick(); }); });
  for (QAction* Item : {BodeReturnLossItem, BodeVswrItem, BodeLinearItem, BodeBelowItem})
    connect(Item, &QAction::triggered, this, [this] { Guarded([this] { BodeViewClick(); }); });
  connect(Help2, &QAction::triggered, this, [this] { Guarded([this] { Help2Click(); }); });
  connect(About, &QAction::triggered, this, [this] { Guarded([this] { AboutClick(); }); });
  connect(Afsluiten, &QAction::triggered, this, [this] { Guarded([this] { AfsluitenClick(); }); });

  connect(ZinBox, &TPaintBox::Paint, this, [this] { Guarded([this] { ZinBoxPaint(); }); });
  connect(ZlBox, &TPaintBox::Paint, this, [this] { Guarded([this] { ZlBoxPaint(); }); });
  for (TPaintBox* Box : {ZinBox, PaintBox1, PaintBox2, PaintBox3, PaintBox4, PaintBox5, ZlBox})
    connect(Box, &TPaintBox::PixelRatioChanged, this, [this, Box] { Guarded([&] { SchemaRatioChanged(Box); }); });
  for (int p = 0; p <= 5; ++p) {
    TPaintBox* Box = DiagramBoxes[p];
    if (p > 0) connect(Box, &TPaintBox::Paint, this, [this, Box] { Guarded([&] { PaintBoxPaint(Box); }); });
    connect(Box, &TPaintBox::MouseDown, this,
            [this, Box](Qt::MouseButton Button) { Guarded([&] { MouseDown(Box, Button); }); });
    QPushButton* B = ElementButtons[p];
    connect(B, &QPushButton::clicked, this, [this, B] { Guarded([&] { ButClick(B); }); });
  }
  for (int i = -1; i <= 5; ++i) {
    TValueEdit* E = ValueEdits[i];
    connect(E, &TValueEdit::Clicked, this, [this, E] { Guarded([&] { SEditClick(E); }); });
    connect(E, &TValueEdit::KeyDown, this, [this, E](int Key, Qt::KeyboardModifiers Shift) {
      Guarded([&] { FormKeyDown(E, Key, Shift); });
    });
  }
  connect(SmithPbox, &TPaintBox::MouseMove, this, [this](Qt::KeyboardModifiers, int X, int Y) {
    Guarded([&] { SmithPboxMouseMove(X, Y); });
  });
  connect(SmithPbox, &TPaintBox::MouseDown, this,
          [this](Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
            Guarded([&] { SmithPboxPress(Button, Shift, X, Y); });
          });
  connect(SmithPbox, &TPaintBox::MouseUp, this, [this] { SmithPboxRelease(); });
  connect(SmithPbox, &TPaintBox::MouseLeave, this, [this] { Guarded([this] { SmithPboxLeave(); }); });
  connect(SmithPbox, &TPaintBox::Wheel, this, [this](int Notches, Qt::KeyboardModifiers, int X, int Y) {
    Guarded([&] { SmithPboxWheel(Notches, X, Y); });
  });
  connect(SmithPbox, &TPaintBox::Paint, this, [this] { Guarded([this] { SmithPboxPaint(); }); });
  // After the paint that saw the new ratio, as a redraw may raise and no message box opens in a
  // paint; by then the window may have closed its network.
  connect(
      SmithPbox, &TPaintBox::PixelRatioChanged, this,
      [this] {
        if (SmithChart && Net) Guarded([this] { RedrawChart(); });
      },
      Qt::QueuedConnection);
  for (QAction* Item : {x1, x2, x5, x10})
    connect(Item, &QAction::triggered, this, [this, Item] { Guarded([&] { ZoomClick(Item); }); });
  connect(SmithchartLabels, &QAction::triggered, this, [this] { Guarded([this] { SmithchartLabelsClick(); }); });
  connect(AdmittanceGridItem, &QAction::triggered, this, [this] { Guarded([this] { AdmittanceGridClick(); }); });
  connect(CirclesItem, &QAction::triggered, this, [this] { Guarded([this] { CirclesClick(); }); });
  connect(DrawSWR, &QPushButton::clicked, this, [this] { Guarded([this] { DrawSWRClick(); }); });
  connect(FreqButton, &QPushButton::clicked, this, [this] { Guarded([this] { FreqButtonClick(); }); });
  connect(ZnButton, &QPushButton::clicked, this, [this] { Guarded([this] { ZnButtonClick(); }); });
  connect(QFactor, &QAction::triggered, this, [this] { Guarded([this] { QFactorClick(); }); });
  for (QPushButton* B : {Up, Dwn}) {
    connect(B, &QPushButton::clicked, this, [this, B] { Guarded([&] { UpDownClick(B); }); });
    connect(B, &QPushButton::pressed, this, [this, B] { Guarded([&] { UpMouseDown(B); }); });
    connect(B, &QPushButton::released, this, [this, B] { Guarded([&] { UpMouseUp(B); }); });
  }
  connect(UDTimer, &QTimer::timeout, this, [this] { Guarded([this] { UDTimerTimer(); }); });
  connect(TuneTimer, &QTimer::timeout, this, [this] { Guarded([this] { TuneTimerTimer(); }); });
  connect(UndoItem, &QAction::triggered, this, [this] { Guarded([this] { UndoClick(); }); });
  connect(MatchItem, &QAction::triggered, this, [this] { Guarded([this] { MatchClick(); }); });
  connect(OptimiseItem, &QAction::triggered, this, [this] { Guarded([this] { OptimiseClick(); }); });
  connect(OptimiseForm, &TOptimiseForm::Run, this, [this] { Guarded([this] { RunOptimiser(); }); });
  connect(RedoItem, &QAction::triggered, this, [this] { Guarded([this] { RedoClick(); }); });
  for (int p = 1; p <= 5; ++p) {
    const auto Tune = [this, p](int N, Qt::KeyboardModifiers Shift) { Guarded([&] { TuneValue(p, N, Shift); }); };
    connect(ValueEdits[p], &TValueEdit::Wheel, this, Tune);
    connect(DiagramBoxes[p], &TPaintBox::Wheel, this,
            [Tune](int N, Qt::KeyboardModifiers Shift, int, int) { Tune(N, Shift); });
  }
  for (int p = 1; p <= 5; ++p) {
    QPushButton* B = LineButtons[p];
    connect(B, &QPushButton::clicked, this, [this, B] { Guarded([&] { TB1Click(B); }); });
  }
  connect(PrefMenu, &QAction::triggered, this, [this] { Guarded([this] { PrefMenuClick(); }); });
  connect(PrefForm, &TPrefForm::NormalizedClick, this, [this](bool On) { Guarded([&] { NormalizedClick(On); }); });
  connect(PrefForm, &TPrefForm::FullScreenClick, this, [this](bool On) { Guarded([&] { FullScreenClick(On); }); });
  for (QRadioButton* R : {CalcE, Scan})
    connect(R, &QRadioButton::clicked, this, [this] { Guarded([this] { Scan_CalcClick(); }); });
}
