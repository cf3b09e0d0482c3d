#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <cmath>

#include "WindowFixture.h"
#include "files/TextFile.h"
#include "plotter/Plotter.h"

namespace {

// The Bode plot shown over the default scan, 80 .. 125 MHz at 100 MHz, of a 25 ohm load.
class BodeView : public Window {
protected:
  void SetUp() override {
    Window::SetUp();
    Commit(Form->Edit0, "25");
    Form->Bodeplot->trigger();
  }
  TPlotPanel& Plot() { return *Form->PlotPanel; }
  static bool Kept(const std::string& Key) {
    const Strings Lines = ReadLines("zomar.ini");
    const auto At = std::find(Lines.begin(), Lines.end(), Key);
    return At != Lines.end() && At + 1 != Lines.end() && At[1] == "1";
  }
};

// Each trace is a layer of its own Options item, kept in the settings at once and read back by
// the next start; with more than one trace the legend names them, and VSWR has its scale.
TEST_F(BodeView, TheTracesFollowTheirItemsAndAreKept) {
  EXPECT_EQ(std::tuple(Plot().PointCount(1), Plot().PointCount(2), Plot().Legend().size()), std::tuple(1, 1, 0u));
  Form->BodeReturnLossItem->trigger();
  Form->BodeVswrItem->trigger();
  EXPECT_EQ(std::tuple(Plot().PointCount(1), Plot().PointCount(2), Plot().Legend().size()), std::tuple(101, 101, 3u));
  // A 25 ohm load against 50 ohm: |Gamma| = 1/3 at every frequency, VSWR 2 on a scale up to 3.
  EXPECT_NEAR(Plot().Points(1)[50].Y, 20 * std::log10(1 / 3.0), 1e-9);
  EXPECT_NEAR(Plot().Points(2)[50].Y, 2, 1e-9);
  ASSERT_TRUE(Plot().LeftScale().has_value());
  EXPECT_EQ(std::pair(Plot().LeftScale()->Min, Plot().LeftScale()->Max), std::pair(1.0L, 3.0L));
  EXPECT_TRUE(Kept(":Bode Return Loss") && Kept(":Bode VSWR"));
  Form = std::make_unique<TForm1>();
  Form->show();
  EXPECT_TRUE(Form->BodeReturnLossItem->isChecked() && Form->BodeVswrItem->isChecked());
  Commit(Form->Edit0, "25");
  Form->BodeVswrItem->trigger();
  Form->Bodeplot->trigger();
  EXPECT_EQ(std::tuple(Plot().PointCount(1), Plot().PointCount(2), Plot().Legend().size()), std::tuple(101, 1, 2u));
  EXPECT_FALSE(Plot().LeftScale().has_value() || Kept(":Bode VSWR"));
}

// The working frequency is marked while the axis shows it.
TEST_F(BodeView, MarksTheWorkingFrequency) {
  ASSERT_TRUE(Plot().XMarker().has_value());
  EXPECT_NEAR(*Plot().XMarker(), 100, 1e-12L);
  Form->Net->ScanStart = 110e6;
  Form->Bereken();
  EXPECT_FALSE(Plot().XMarker().has_value());
}

// Equal steps in Hz stay as a preference.
TEST_F(BodeView, LinearSpacingIsAPreference) {
  Form->BodeLinearItem->trigger();
  EXPECT_TRUE(Kept(":Bode Linear Spacing"));
  ASSERT_EQ(Plot().PointCount(0), 101);
  for (int i = 1; i <= 100; ++i) EXPECT_NEAR(std::pow(10.0L, Plot().Points(0)[i].X), 80 + 0.45L * i, 1e-9L) << i;
}

// Docked, the plot spans the chart area under the chart, which gives it that height: the chart's
// circle and texts stay above it. Hidden, or floating again, it gives the height back.
TEST_F(BodeView, DockedBelowTheChartLeavesTheChartWhole) {
  const int Client = Form->height() - Form->menuBar()->height();
  Form->BodeBelowItem->trigger();
  EXPECT_TRUE(Kept(":Bode Below Chart"));
  const QRect P = Plot().geometry();
  EXPECT_EQ(P, QRect(0, Form->SmithPbox->height(), Form->SmithPbox->width(), Client - Form->SmithPbox->height()));
  EXPECT_LT(Form->SmithPbox->height(), Client);
  const TSmithChart& C = *Form->SmithChart;
  EXPECT_EQ(C.ChartHeight, Form->SmithPbox->height());
  EXPECT_LT(C.CenterY + C.Radius, P.top());
  for (const TPlacedLabel& L : C.Labels.Labels()) EXPECT_LE(L.Box.bottom(), P.top()) << L.Text;
  Form->Bodeplot->trigger();
  EXPECT_EQ(Form->SmithPbox->height(), Client);
  Form->Bodeplot->trigger();
  Form->BodeBelowItem->trigger();
  EXPECT_EQ(Form->SmithPbox->height(), Client);
  const QRect Screen = Form->screen()->geometry();
  EXPECT_EQ(Plot().size(), QSize(Screen.width() / 4, Screen.height() / 4));
  EXPECT_EQ(Plot().geometry().right() + 1, Form->Schema->x());
}

// Floating, the plot is dragged by its frame and stays where it was left; a press in its plot
// area drags nothing. Docked, it does not move.
TEST_F(BodeView, FloatingItIsDraggedByItsFrame) {
  const QPoint Before = Plot().pos();
  const TRect& R = Plot().PlotRect();
  QTest::mousePress(&Plot(), Qt::LeftButton, {}, QPoint(R.Left + 20, R.Top + 20));
  QTest::mouseMove(&Plot(), QPoint(R.Left - 80, R.Top + 60));
  QTest::mouseRelease(&Plot(), Qt::LeftButton, {}, QPoint(R.Left - 80, R.Top + 60));
  EXPECT_EQ(Plot().pos(), Before);
  QTest::mousePress(&Plot(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(&Plot(), QPoint(5 - 100, 5 + 50));
  QTest::mouseRelease(&Plot(), Qt::LeftButton, {}, QPoint(5 - 100, 5 + 50));
  EXPECT_EQ(Plot().pos(), Before + QPoint(-100, 50));
  Form->Bodeplot->trigger();
  Form->Bodeplot->trigger();
  EXPECT_EQ(Plot().pos(), Before + QPoint(-100, 50));
  Form->BodeBelowItem->trigger();
  const QPoint Docked = Plot().pos();
  QTest::mousePress(&Plot(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(&Plot(), QPoint(50, 5));
  QTest::mouseRelease(&Plot(), Qt::LeftButton, {}, QPoint(50, 5));
  EXPECT_EQ(Plot().pos(), Docked);
}

}  // namespace
