#include <gtest/gtest.h>

#include <cmath>

#include "PlotFixture.h"
#include "plotter/MarkText.h"

namespace {

struct PlotPicture : ::testing::Test, TBodePanel {
  TPlotPanel& P = *Panel;
  int MarkTop() { return P.height() - P.BottomMargin() + 3; }
  int MarkLeft(int X, const std::string& Text) {
    TBitmap B;
    B.Canvas().Font = P.XMarksFont().Value();
    return X - B.Canvas().TextWidth(Text) / 2;
  }
};

TEST_F(PlotPicture, BodeMarginsMakeRoomForTitleAndMarks) {
  EXPECT_EQ(P.TopMargin(), 28);
  EXPECT_EQ(P.BottomMargin(), 28);
  EXPECT_EQ(P.RightMargin(), 37);
  EXPECT_EQ(P.PlotRect().Right, 443);
  EXPECT_EQ(P.PlotRect().Bottom, 242);
}

TEST_F(PlotPicture, LogGridStandsAtEveryHundredThousandAndIsLabelledAtEverySecond) {
  Sweep();
  const int Row = 220;  // between the Y lines of -50 and -40
  for (const int X : {82, 176, 294, 430}) EXPECT_EQ(At(X, Row), clBlack) << X;  // 2e5, 3e5, 5e5, 9e5
  for (const int X : {15, 133, 442}) EXPECT_EQ(At(X, Row), clWhite) << X;        // 150 k, 250 k, the right edge
  const TFont& Font = P.XMarksFont().Value();
  EXPECT_TRUE(ShowsText(MarkLeft(82, "2e5"), MarkTop(), "2e5", Font));
  EXPECT_TRUE(ShowsText(MarkLeft(455, "1e6"), MarkTop(), "1e6", Font));  // just right of the plot area
  EXPECT_FALSE(ShowsText(MarkLeft(176, "3e5"), MarkTop(), "3e5", Font));
}

TEST_F(PlotPicture, YMarksReadFromMinusFiftyToZeroBesideTheirLines) {
  const TFont& Font = P.YMarksFont().Value();
  TBitmap B;
  B.Canvas().Font = Font;
  const int Half = B.Canvas().TextHeight("0") / 2;
  for (const int V : {-50, -40, -30, -20, -10, 0}) {
    const int Line = 242 - static_cast<int>(std::nearbyint((V + 50) * 4.28));
    EXPECT_EQ(At(200, Line), clBlack) << V;
    EXPECT_TRUE(ShowsText(448, Line - 3 - Half, YMarkText(V), Font)) << V;
  }
}

TEST_F(PlotPicture, TitleIsCentredInTheParentsBoldInBlue) {
  TFont Font = P.Font().Value();
  EXPECT_TRUE(Font.Bold);
  EXPECT_EQ(Font.Color, clBlue);
  TBitmap B;
  B.Canvas().Font = Font;
  const std::string Title = "Amplitude (dB) vs Frequency";
  EXPECT_TRUE(ShowsText((480 - B.Canvas().TextWidth(Title)) / 2, 2 + 15 / 2, Title, Font));
}

TEST_F(PlotPicture, LinearGridWidensItsIntervalOnA300PixelPanel) {
  TPlotPanel Plain(&Window);
  Plain.SetXMin(0);
  Plain.SetXMax(1000);
  EXPECT_NEAR(Plain.XMarksInterval(), 26.666666666666666667L, 1e-17L);
  const QImage& Picture = Plain.PlotBMP().Image();
  // 7.2 pixels apart from the left edge of a 270-pixel plot area
  for (const int X : {15, 22, 29, 37, 44}) EXPECT_EQ(FromQColor(Picture.pixelColor(X, 110)), clBlack) << X;
  for (const int X : {18, 26, 33}) EXPECT_EQ(FromQColor(Picture.pixelColor(X, 110)), clWhite) << X;
}

TEST_F(PlotPicture, FirstLinePointOnlyMovesThePen) {
  Sweep();
  P.AddPoint(clRed, 0, 200000, -20);
  EXPECT_EQ(Count(clRed), 0);
  EXPECT_EQ(P.LastX(0), 15 + (std::log10(200000.0L) - P.XMin()) * P.XScale());
  P.AddPoint(clRed, 0, 500000, -20);
  EXPECT_EQ(At(82, 114), clRed);
  EXPECT_EQ(At(293, 114), clRed);
  EXPECT_EQ(At(294, 114), clBlack);  // the grid line: the segment leaves out its end
}

TEST_F(PlotPicture, LayersKeepTheirOwnLastPoint) {
  Sweep();
  P.PlotPen().SetWidth(1);
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clBlue, 1, 200000, -40);
  P.AddPoint(clRed, 0, 500000, -20);
  P.AddPoint(clBlue, 1, 500000, -40);
  EXPECT_EQ(At(200, 114), clRed);
  EXPECT_EQ(At(200, 199), clBlue);
  EXPECT_EQ(Count(clRed), 294 - 82);  // one row from 2e5 up to 5e5, over the grid lines it crosses
}

TEST_F(PlotPicture, BarsRiseFromTheLevelOfZero) {
  Sweep();
  P.PlotPen().SetWidth(1);
  P.SetPlotMode(pmBar);
  P.AddPoint(clRed, 0, 250000, -20);
  EXPECT_EQ(At(133, 27), clBtnFace);
  EXPECT_EQ(At(133, 28), clRed);  // Y = 0 is the top edge
  EXPECT_EQ(At(133, 113), clRed);
  EXPECT_NE(At(133, 114), clRed);
  EXPECT_EQ(Count(clRed), 114 - 28);
}

TEST_F(PlotPicture, DotsArePenWideSquares) {
  Sweep();
  P.SetPlotMode(pmDot);
  P.AddPoint(clRed, 0, 250000, -20);
  EXPECT_EQ(Count(clRed), 4);
  EXPECT_EQ(At(133, 114), clRed);
}

TEST_F(PlotPicture, PlotAreaClipsTheData) {
  Sweep();
  P.AddPoint(clRed, 0, 100000, 30);  // left of XMin, above YMax
  P.AddPoint(clRed, 0, 500000, -45);
  EXPECT_GT(Count(clRed), 100);
  EXPECT_EQ(Count(clRed, false), 0);
  EXPECT_EQ(P.PointCount(0), 3);
}

TEST_F(PlotPicture, HoldKeepsPointsOffScreenUntilReleased) {
  Sweep();
  P.SetHold(true);
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clRed, 0, 500000, -20);
  EXPECT_EQ(Count(clRed), 0);
  P.SetTitle("Frequency (kHz)");  // redraws off screen only
  EXPECT_GT(Count(clRed), 200);
  EXPECT_EQ(CountIn(P.Screen(), clRed), 0);
  P.SetHold(false);
  EXPECT_EQ(CountIn(P.Screen(), clRed), Count(clRed));
}

TEST_F(PlotPicture, NewYMinReplaysTheStoredPointsOnTheNewScale) {
  Sweep();
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clRed, 0, 500000, -20);
  P.SetYMin(-30);  // 214 pixels for 30 dB
  EXPECT_EQ(At(200, 171), clRed);
  EXPECT_NE(At(200, 114), clRed);
}

TEST_F(PlotPicture, PenAndFontChangesRedrawAtOnce) {
  Sweep();
  P.PlotPen().SetWidth(1);
  P.AddPoint(clRed, 0, 200000, -20);
  P.AddPoint(clRed, 0, 500000, -20);
  const int Thin = Count(clRed);
  P.PlotPen().SetWidth(3);
  EXPECT_EQ(Count(clRed), 3 * Thin);
  P.XMarksFont().SetSize(12);
  EXPECT_EQ(P.BottomMargin(), 16 + 15 + 2);
  P.Font().SetColor(clRed);
  EXPECT_GT(Count(clRed, false), 0);
}

TEST_F(PlotPicture, APanelTooSmallForAPlotAreaShowsOnlyItsColour) {
  P.resize(60, 50);
  Sweep();
  P.AddPoint(clRed, 0, 200000, -20);
  EXPECT_LE(P.PlotHeight(), 0);
  EXPECT_EQ(CountIn(P.PlotBMP().Image(), clBtnFace), P.InnerRect().Width() * P.InnerRect().Height());
  long double XV = 0, YV = 0;
  EXPECT_FALSE(P.PixelToValue(30, 25, XV, YV));
}

}  // namespace
