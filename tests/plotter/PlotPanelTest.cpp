#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <ostream>

#include "PlotFixture.h"
#include "platform/Errors.h"
#include "platform/Fonts.h"

namespace {

struct TLayerCase {
  int Given, Stored;
};

void PrintTo(const TLayerCase& C, std::ostream* Os) { *Os << C.Given << " -> " << C.Stored; }

class PointLayers : public ::testing::TestWithParam<TLayerCase> {};

TEST_P(PointLayers, AnyIntegerSelectsALayerByItsLowBits) {
  QWidget Window;
  TPlotPanel P(&Window);
  P.AddPoint(clRed, GetParam().Given, 2, 3);
  for (int L = 0; L < PlotLayers; ++L) EXPECT_EQ(P.PointCount(L), L == GetParam().Stored ? 2 : 1) << L;
  EXPECT_EQ(P.Points(GetParam().Stored)[1].Y, 3);
}

INSTANTIATE_TEST_SUITE_P(Layers, PointLayers,
                         ::testing::Values(TLayerCase{0, 0}, TLayerCase{8, 0}, TLayerCase{-1, 7},
                                           TLayerCase{13, 5}));

TEST(PlotPanel, PointsWithoutALogarithmAreRefusedUnderXLog) {
  TBodePanel B;
  TPlotPanel& P = *B.Panel;
  EXPECT_THROW(P.AddPoint(clRed, 0, 0, -10), EMathError);
  EXPECT_THROW(P.AddPoint(clRed, 0, -5, -10), EMathError);
  EXPECT_THROW(P.AddPoint(clRed, 0, 1e6L, std::nanl("")), EMathError);
  EXPECT_EQ(P.PointCount(0), 1);
  P.AddPoint(clRed, 0, 1e6L, -10);
  EXPECT_EQ(P.Points(0)[1].X, 6);
}

TEST(PlotPanel, TitleFontFollowsTheParentUntilItIsSet) {
  QWidget Window;
  Window.setFont(PointFont("MS Sans Serif", 8, true));
  TPlotPanel P(&Window);
  EXPECT_TRUE(P.Font().Value().Bold);
  EXPECT_EQ(P.Font().Value().Size, 8);
  Window.setFont(PointFont("Verdana", 10, false));
  EXPECT_FALSE(P.Font().Value().Bold);
  EXPECT_EQ(P.Font().Value().Size, 10);
  P.SetTitle("T");
  EXPECT_EQ(P.TopMargin(), 13 + 15 + 2);
  P.Font().SetSize(8);
  Window.setFont(PointFont("Verdana", 12, true));
  EXPECT_EQ(P.Font().Value().Size, 8);
  EXPECT_FALSE(P.Font().Value().Bold);
  EXPECT_EQ(P.TopMargin(), 11 + 15 + 2);
}

class TCountingPanel : public TPlotPanel {
public:
  using TPlotPanel::TPlotPanel;
  int Paints = 0;

protected:
  void paintEvent(QPaintEvent* Event) override {
    ++Paints;
    TPlotPanel::paintEvent(Event);
  }
};

TEST(PlotPanel, PaintingRedrawsWithoutAskingForAnotherPaint) {
  QWidget Window;
  auto* P = new TCountingPanel(&Window);
  Window.resize(400, 300);
  Window.show();
  for (int I = 0; I < 5; ++I) QCoreApplication::processEvents();
  const int Shown = P->Paints;
  EXPECT_GE(Shown, 1);
  for (int I = 0; I < 5; ++I) QCoreApplication::processEvents();
  EXPECT_EQ(P->Paints, Shown);
  EXPECT_EQ(FromQColor(P->Screen().pixelColor(100, 110)), clWhite);
}

TEST(PlotPanel, APaintWhileHeldShowsNoNewPoints) {
  QWidget Window;
  auto* P = new TPlotPanel(&Window);
  Window.show();
  P->SetHold(true);
  P->AddPoint(clRed, 0, 2, 5);
  P->AddPoint(clRed, 0, 8, 5);
  P->repaint();
  EXPECT_EQ(CountIn(P->Screen(), clRed), 0);
  P->SetHold(false);
  EXPECT_GT(CountIn(P->Screen(), clRed), 0);
}

}  // namespace
