#include <gtest/gtest.h>

#include <tuple>

#include "platform/Canvas.h"

namespace {

void ExpectPixels(TBitmap& Bitmap, std::initializer_list<std::tuple<int, int, TColor>> Pixels) {
  for (const auto& [X, Y, Colour] : Pixels)
    EXPECT_EQ(FromQColor(Bitmap.Image().pixelColor(X, Y)), Colour) << X << "," << Y;
}

struct Picture : ::testing::Test {
  TBitmap Bitmap;
  TCanvas& C = Bitmap.Canvas();
  Picture() { Bitmap.SetSize(40, 30); }
};

// A zero-length line draws nothing, not even the pixel it would leave out.
TEST_F(Picture, LinesLeaveOutTheirEndPixel) {
  C.Pen.Color = clRed;
  C.MoveTo(2, 5);
  C.LineTo(10, 5);
  ExpectPixels(Bitmap, {{2, 5, clRed}, {9, 5, clRed}, {10, 5, clWhite}});
  C.LineTo(10, 12);
  C.LineTo(10, 12);
  ExpectPixels(Bitmap, {{10, 5, clRed}, {10, 11, clRed}, {10, 12, clWhite}});
}

TEST_F(Picture, EllipseFillsItsBoxWithoutTheRightAndBottomEdges) {
  C.Pen.Color = clGreen;
  C.Brush.SetColor(clLime);
  C.Ellipse(16, 16, 4, 4);  // corners in any order
  C.Brush.Style = TBrushStyle::Clear;
  C.Ellipse(20, 4, 32, 16);
  ExpectPixels(Bitmap, {{10, 4, clGreen}, {4, 10, clGreen}, {15, 10, clGreen}, {10, 15, clGreen}, {16, 10, clWhite},
                        {10, 16, clWhite}, {10, 10, clLime}, {26, 10, clWhite}});
}

TEST_F(Picture, ArcRunsCounterClockwiseFromStartToEnd) {
  C.Pen.Color = clBlue;
  C.Arc(4, 4, 25, 25, 30, 14, 14, 0);  // from 3 to 12 o'clock
  C.Pen.Color = clRed;
  C.Arc(4, 4, 25, 25, 14, 0, 30, 14);  // swapped: the other three quarters
  ExpectPixels(Bitmap, {{20, 6, clBlue}, {23, 10, clBlue}, {7, 6, clRed}, {4, 14, clRed}, {23, 17, clRed}});
}

TEST_F(Picture, TextIsOpaqueUnlessTheBrushIsClear) {
  C.Brush.SetColor(clYellow);
  C.TextOut(1, 1, "Z");
  C.Brush.Style = TBrushStyle::Clear;
  C.TextOut(20, 1, "Z");
  ExpectPixels(Bitmap, {{20, 1, clWhite}, {1, 1, clYellow}});
}

TEST_F(Picture, FillAndCopyUseExclusiveRectanglesAndReportTheChange) {
  C.Brush.Style = TBrushStyle::Clear;
  C.Brush.SetColor(clRed);  // a colour makes the brush solid again
  C.FillRect({2, 2, 6, 5});
  ExpectPixels(Bitmap, {{5, 4, clRed}, {6, 4, clWhite}, {5, 5, clWhite}});
  TBitmap Target;
  Target.SetSize(10, 10);
  int Changes = 0;
  Target.Canvas().OnChange = [&] { ++Changes; };
  Target.Canvas().CopyRect({0, 0, 4, 4}, C, {0, 0, 4, 4});
  EXPECT_EQ(Changes, 1);
  ExpectPixels(Target, {{3, 3, clRed}, {4, 4, clWhite}});
}

TEST_F(Picture, DrawPlacesABitmapAtAnOffsetAndClipsIt) {
  TBitmap Strip;
  Strip.SetSize(100, 40);
  Strip.Canvas().Brush.SetColor(clBlue);
  Strip.Canvas().FillRect({60, 0, 70, 40});
  C.Draw(-60, 0, Strip);
  ExpectPixels(Bitmap, {{0, 0, clBlue}, {9, 29, clBlue}, {10, 0, clWhite}});
}

TEST(Bitmap, EmptyBitmapIgnoresDrawing) {
  TBitmap Empty;
  Empty.Canvas().LineTo(5, 5);
  Empty.Canvas().FillRect({0, 0, 5, 5});
  EXPECT_TRUE(Empty.Image().isNull());
}

TEST(Colour, RedLivesInTheLowByte) {
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(FromQColor(QColor(0, 0, 255)), clBlue);
}

}  // namespace
