// The window on a Hi-DPI screen. ScaledScreen runs with QT_SCALE_FACTOR=2 on a screen of
// 1600 x 1200 pixels, laid out as 800 x 600 like the other window tests; ScreenChange moves the
// window from a plain screen to one of ratio 2 and back (tests/CMakeLists.txt sets them up).
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <fstream>

#include "WindowFixture.h"
#include "platform/Fonts.h"
#include "plotter/Plotter.h"

namespace {

// Every device pixel of A inside Area (logical) equals B's at the same place.
bool SameDevicePixels(const QImage& A, const QImage& B, const QRect& Area) {
  const QRect Device = DevicePixels(A, Area).toAlignedRect();
  return A.devicePixelRatio() == B.devicePixelRatio() && A.copy(Device) == B.copy(Device);
}

class HiDpiWindow : public Window {
protected:
  TPlotPanel& Plot() { return *Form->PlotPanel; }
  void ShowPlot() {
    if (!Form->Bodeplot->isChecked()) Form->Bodeplot->trigger();
    Form->Bereken();
  }
  // The ratio of every picture the window keeps: the chart's screen and bitmap, the diagram's
  // strip and boxes, the plot's three pictures.
  std::vector<qreal> Ratios() {
    std::vector<qreal> R{Form->SmithPbox->Image().devicePixelRatio(), Form->SmithChart->ChartBitmap.PixelRatio(),
                         Form->SchemaBitmap.PixelRatio(), Form->ZinBox->Image().devicePixelRatio()};
    for (int p = 0; p <= 5; ++p) R.push_back(Form->DiagramBoxes[p]->Image().devicePixelRatio());
    for (TBitmap* B : {&Plot().Buffer(), &Plot().PlotBMP()}) R.push_back(B->Image().devicePixelRatio());
    R.push_back(Plot().Screen().devicePixelRatio());
    return R;
  }
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  void ExpectPicturesAt(qreal Ratio) {
    EXPECT_EQ(Ratios(), std::vector<qreal>(Ratios().size(), Ratio));
    const TSmithChart& C = *Form->SmithChart;
    // Laid out in logical pixels: the chart fills its box, the pictures hold Ratio times the pixels.
    EXPECT_EQ(QSize(C.ChartWidth, C.ChartHeight), Form->SmithPbox->size());
    EXPECT_EQ(Form->SmithPbox->Image().size(), Form->SmithPbox->size() * Ratio);
    EXPECT_EQ(Form->SmithChart->ChartBitmap.Image().size(), Form->SmithPbox->size() * Ratio);
    EXPECT_EQ(Plot().Screen().size(), Plot().size() * Ratio);
    EXPECT_EQ(Form->SchemaBitmap.Image().size(), QSize(Form->SchemaBitmap.Width(), Form->SchemaBitmap.Height()) * Ratio);
    // Shown one to one: the screen holds the chart's own pixels, a box its piece of the strip.
    EXPECT_TRUE(SameDevicePixels(Form->SmithPbox->Image(), Form->SmithChart->ChartBitmap.Image(),
                                 QRect(0, 0, C.ChartWidth, C.ChartHeight)));
    EXPECT_TRUE(SameDevicePixels(Form->ZinBox->Image(), Form->SchemaBitmap.Image(), Form->ZinBox->rect()));
  }
};

using ScaledScreen = HiDpiWindow;

TEST_F(ScaledScreen, ThePicturesHoldTheScreensPixels) {
  ASSERT_EQ(Form->devicePixelRatioF(), 2.0);
  ASSERT_EQ(Form->screen()->geometry().size(), QSize(800, 600));
  ShowPlot();
  Settle();
  ExpectPicturesAt(2);
  // Text is measured in logical pixels, as the toolkit lays it out, not in the picture's pixels.
  TCanvas& C = Form->SmithChart->ChartBitmap.Canvas();
  const QFontMetrics Logical(PointFont(C.Font.Name, C.Font.Size, C.Font.Bold));
  EXPECT_EQ(std::tuple(C.TextWidth("Smith Chart"), C.TextHeight("Smith Chart")),
            std::tuple(Logical.horizontalAdvance(QStringLiteral("Smith Chart")), Logical.height()));
}

// A PNG keeps every device pixel and says 192 dpi; an SVG keeps the logical size.
TEST_F(ScaledScreen, ExportsKeepTheFullResolution) {
  Settle();
  Dialogs.FileAnswers = {"chart.png", "chart.svg"};
  Form->ExportChartPng->trigger();
  Form->ExportChartSvg->trigger();
  const TSmithChart& C = *Form->SmithChart;
  const QImage Png("chart.png");
  EXPECT_EQ(Png.size(), QSize(2 * C.ChartWidth, 2 * C.ChartHeight));
  EXPECT_EQ(Png.dotsPerMeterX(), 7559);
  EXPECT_EQ(Png.pixel(2 * C.CenterX, 2 * C.CenterY - C.Radius), Form->SmithPbox->Image().pixel(2 * C.CenterX, 2 * C.CenterY - C.Radius));
  std::ifstream In("chart.svg");
  const std::string Svg(std::istreambuf_iterator<char>(In), {});
  EXPECT_NE(Svg.find("viewBox=\"0 0 " + std::to_string(C.ChartWidth) + " " + std::to_string(C.ChartHeight) + "\""),
            std::string::npos);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

using ScreenChange = HiDpiWindow;

// Moved to a screen of ratio 2 the window draws its pictures again at it, and moved back it shows
// what it showed before, pixel for pixel.
TEST_F(ScreenChange, ThePicturesFollowTheScreensRatio) {
  const QList<QScreen*> Screens = QGuiApplication::screens();
  ASSERT_EQ(Screens.size(), 2);
  ASSERT_EQ(Screens[1]->devicePixelRatio(), 2.0);
  ShowPlot();
  Settle();
  ExpectPicturesAt(1);
  const QImage Chart = Form->SmithPbox->Image(), Strip = Form->SchemaBitmap.Image(), PlotShown = Plot().Screen();
  const QPoint Place = Form->pos();
  for (QScreen* To : {Screens[1], Screens[0]}) {
    Form->windowHandle()->setScreen(To);
    Form->move(To->geometry().topLeft() + Place);
    Settle();
    ASSERT_EQ(Form->screen(), To);
    ExpectPicturesAt(To->devicePixelRatio());
  }
  EXPECT_EQ(Form->SmithPbox->Image(), Chart);
  EXPECT_EQ(Form->SchemaBitmap.Image(), Strip);
  EXPECT_EQ(Plot().Screen(), PlotShown);
}

}  // namespace
