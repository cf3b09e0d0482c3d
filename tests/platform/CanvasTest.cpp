#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/Fonts.h"

namespace {

struct Picture : ::testing::Test {
  TBitmap Bitmap;
  Picture() { Bitmap.SetSize(40, 30); }
  TCanvas& C() { return Bitmap.Canvas(); }
  TColor At(int X, int Y) { return FromQColor(Bitmap.Image().pixelColor(X, Y)); }
  int Count(TColor Colour) {
    int N = 0;
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x) N += At(x, y) == Colour;
    return N;
  }
};

TEST_F(Picture, LinesLeaveOutTheirEndPixel) {
  C().Pen.Color = clRed;
  C().MoveTo(2, 5);
  C().LineTo(10, 5);
  EXPECT_EQ(At(2, 5), clRed);
  EXPECT_EQ(At(9, 5), clRed);
  EXPECT_EQ(At(10, 5), clWhite);
  C().LineTo(10, 12);
  EXPECT_EQ(At(10, 5), clRed);  // the next segment starts on it
  EXPECT_EQ(At(10, 12), clWhite);
  EXPECT_EQ(C().PenPos(), QPoint(10, 12));
  C().LineTo(10, 12);
  EXPECT_EQ(At(10, 12), clWhite);
}

TEST_F(Picture, EllipseFillsItsBoxWithoutTheRightAndBottomEdges) {
  C().Pen.Color = clGreen;
  C().Brush.SetColor(clLime);
  C().Ellipse(16, 16, 4, 4);  // corners in any order
  EXPECT_EQ(At(10, 4), clGreen);
  EXPECT_EQ(At(4, 10), clGreen);
  EXPECT_EQ(At(15, 10), clGreen);
  EXPECT_EQ(At(10, 15), clGreen);
  EXPECT_EQ(At(16, 10), clWhite);
  EXPECT_EQ(At(10, 16), clWhite);
  EXPECT_EQ(At(10, 10), clLime);
  C().Brush.Style = TBrushStyle::Clear;
  C().Ellipse(20, 4, 32, 16);
  EXPECT_EQ(At(26, 10), clWhite);
  C().Brush.SetColor(clYellow);  // a colour makes the brush solid again
  EXPECT_EQ(C().Brush.Style, TBrushStyle::Solid);
}

TEST_F(Picture, ArcRunsCounterClockwiseFromStartToEnd) {
  C().Pen.Color = clBlue;
  // From the right end to the top: only the upper right quarter.
  C().Arc(4, 4, 25, 25, 30, 14, 14, 0);
  EXPECT_GT(Count(clBlue), 10);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (At(x, y) == clBlue) {
        EXPECT_GE(x, 13) << x << "," << y;
        EXPECT_LE(y, 15) << x << "," << y;
      }
}

TEST_F(Picture, ArcWithStartAndEndSwappedTakesTheOtherPart) {
  C().Pen.Color = clBlue;
  C().Arc(4, 4, 25, 25, 14, 0, 30, 14);  // the three other quarters
  EXPECT_EQ(At(4, 14), clBlue);
  EXPECT_EQ(At(14, 24), clBlue);
  EXPECT_NE(At(21, 7), clBlue);
}

TEST_F(Picture, TextIsOpaqueUnlessTheBrushIsClear) {
  C().Brush.SetColor(clYellow);
  C().TextOut(1, 1, "Z");
  EXPECT_EQ(At(1, 1), clYellow);
  EXPECT_GT(C().TextWidth("Z"), 3);
  EXPECT_EQ(C().TextHeight("Z"), QFontMetrics(PointFont(C().Font.Name, 8, false)).height());
  C().Brush.Style = TBrushStyle::Clear;
  C().TextOut(20, 1, "Z");
  EXPECT_EQ(At(20, 1), clWhite);
  EXPECT_EQ(TFont{}.Height(), -11);
}

TEST_F(Picture, FillAndCopyUseExclusiveRectangles) {
  C().Brush.SetColor(clRed);
  C().FillRect({2, 2, 6, 5});
  EXPECT_EQ(At(5, 4), clRed);
  EXPECT_EQ(At(6, 4), clWhite);
  EXPECT_EQ(At(5, 5), clWhite);
  TBitmap Target;
  Target.SetSize(10, 10);
  int Changes = 0;
  Target.Canvas().OnChange = [&] { ++Changes; };
  Target.Canvas().CopyRect({0, 0, 10, 10}, C(), {0, 0, 10, 10});
  EXPECT_EQ(FromQColor(Target.Image().pixelColor(3, 3)), clRed);
  EXPECT_EQ(Changes, 1);
}

TEST_F(Picture, DrawPlacesABitmapAtAnOffsetAndClipsIt) {
  TBitmap Strip;
  Strip.SetSize(100, 10);
  Strip.Canvas().Brush.SetColor(clBlue);
  Strip.Canvas().FillRect({60, 0, 70, 10});
  C().Draw(-60, 0, Strip);
  EXPECT_EQ(At(0, 0), clBlue);
  EXPECT_EQ(At(9, 9), clBlue);
  EXPECT_EQ(At(10, 0), clWhite);
  EXPECT_EQ(At(0, 10), clWhite);
}

TEST(Bitmap, EmptyBitmapIgnoresDrawing) {
  TBitmap B;
  B.Canvas().LineTo(5, 5);
  B.Canvas().FillRect({0, 0, 5, 5});
  EXPECT_TRUE(B.Image().isNull());
}

TEST(Colour, RedLivesInTheLowByte) {
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
  EXPECT_EQ(FromQColor(QColor(0, 128, 0)), clGreen);
}

}  // namespace
