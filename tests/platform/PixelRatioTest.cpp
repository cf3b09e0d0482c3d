// Pictures on a Hi-DPI screen: a bitmap at ratio 2 holds two device pixels each way for every
// logical pixel the drawing code speaks of. What lies on whole pixels at ratio 1 (lines along an
// axis, fills, text boxes) covers the doubled pixels; curves and glyphs use the finer grid.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "platform/Canvas.h"

namespace {

TColor DevicePixel(TBitmap& Bitmap, int X, int Y) { return FromQColor(Bitmap.Image().pixelColor(X, Y)); }

void ExpectDevicePixels(TBitmap& Bitmap, std::initializer_list<std::tuple<int, int, TColor>> Pixels) {
  for (const auto& [X, Y, Colour] : Pixels) EXPECT_EQ(DevicePixel(Bitmap, X, Y), Colour) << X << "," << Y;
}

// 2 x 2 blocks of device pixels that are not all one colour: none in a picture merely doubled.
int MixedBlocks(TBitmap& Bitmap) {
  const QImage& I = Bitmap.Image();
  int Mixed = 0;
  for (int Y = 0; Y + 1 < I.height(); Y += 2)
    for (int X = 0; X + 1 < I.width(); X += 2) {
      const QRgb C = I.pixel(X, Y);
      Mixed += I.pixel(X + 1, Y) != C || I.pixel(X, Y + 1) != C || I.pixel(X + 1, Y + 1) != C;
    }
  return Mixed;
}

// The same drawing on a picture at ratio 1 and on one at ratio 2.
struct Pair {
  TBitmap One, Two;
  explicit Pair(int Width = 40, int Height = 30) {
    Two.SetPixelRatio(2);
    One.SetSize(Width, Height);
    Two.SetSize(Width, Height);
  }
  void Draw(const std::function<void(TCanvas&)>& Drawing) {
    Drawing(One.Canvas());
    Drawing(Two.Canvas());
  }
  // Device pixels of Two that differ from the ratio-1 pixel under them.
  int Differences() {
    const QImage &A = One.Image(), &B = Two.Image();
    int N = 0;
    for (int Y = 0; Y < B.height(); ++Y)
      for (int X = 0; X < B.width(); ++X) N += B.pixel(X, Y) != A.pixel(X / 2, Y / 2);
    return N;
  }
};

TEST(PixelRatio, APictureAtRatioTwoHasTwiceThePixelsEachWay) {
  TBitmap B;
  B.SetPixelRatio(2);
  B.SetSize(40, 30);
  EXPECT_EQ(std::tuple(B.Width(), B.Height(), B.PixelRatio()), std::tuple(40, 30, 2.0));
  EXPECT_EQ(B.Image().size(), QSize(80, 60));
  EXPECT_EQ(B.Image().devicePixelRatio(), 2.0);
  EXPECT_EQ(B.Image().deviceIndependentSize(), QSizeF(40, 30));
  ExpectDevicePixels(B, {{0, 0, clWhite}, {79, 59, clWhite}});
}

TEST(PixelRatio, ANewRatioTakesEffectAtTheNextSize) {
  TBitmap B;
  B.SetSize(10, 10);
  B.Canvas().Brush.SetColor(clRed);
  B.Canvas().FillRect({0, 0, 10, 10});
  B.SetPixelRatio(2);
  EXPECT_EQ(B.Image().size(), QSize(10, 10));  // kept for its owner to show until it draws again
  ExpectDevicePixels(B, {{9, 9, clRed}});
  B.SetSize(10, 10);
  EXPECT_EQ(B.Image().size(), QSize(20, 20));
  ExpectDevicePixels(B, {{19, 19, clWhite}});
  B.SetPixelRatio(1.5);
  B.SetSize(11, 10);  // enough device pixels to cover the last logical one
  EXPECT_EQ(B.Image().size(), QSize(17, 15));
  for (const qreal Bad : {0.0, -2.0, std::nan("")}) {
    B.SetPixelRatio(Bad);
    EXPECT_EQ(B.PixelRatio(), 1.0) << Bad;
  }
}

TEST(PixelRatio, ABitmapFollowsTheRatioOfTheScreenItIsCopiedTo) {
  TBitmap Screen, Chart;
  Chart.FollowPixelRatio(&Screen.Canvas());
  Screen.SetPixelRatio(2);
  Chart.SetSize(10, 10);
  EXPECT_EQ(std::tuple(Chart.PixelRatio(), Chart.Image().size()), std::tuple(2.0, QSize(20, 20)));
  Screen.SetPixelRatio(1);
  Chart.SetSize(10, 10);
  EXPECT_EQ(std::tuple(Chart.PixelRatio(), Chart.Image().size()), std::tuple(1.0, QSize(10, 10)));
}

TEST(PixelRatio, LinesAndFillsCoverTheDoubledPixels) {
  Pair P;
  P.Draw([](TCanvas& C) {
    C.Pen.Color = clRed;
    C.MoveTo(2, 5);
    C.LineTo(10, 5);
  });
  // Logical (2..9, 5): device columns 4..19, rows 10 and 11.
  ExpectDevicePixels(P.Two, {{4, 10, clRed}, {19, 11, clRed}, {3, 10, clWhite}, {20, 10, clWhite},
                             {4, 9, clWhite}, {4, 12, clWhite}});
  P.Draw([](TCanvas& C) {
    C.LineTo(10, 12);  // down, then back left and up: lines either way along an axis
    C.LineTo(3, 12);
    C.LineTo(3, 7);
    for (const int Width : {2, 3, 4}) {
      C.Pen.Width = Width;
      C.Pen.Color = Width == 3 ? clBlue : clGreen;
      C.MoveTo(14 + 5 * Width, 3);
      C.LineTo(14 + 5 * Width, 25);
      C.MoveTo(38, 4 + 5 * Width);
      C.LineTo(14, 4 + 5 * Width);
    }
    C.Brush.SetColor(clLime);
    C.FillRect({33, 2, 38, 9});
  });
  EXPECT_EQ(P.Differences(), 0);
}

// As at ratio 1, a line covers the same pixels whichever way it is drawn: from the lower end of
// its longer axis, without the other end.
TEST(PixelRatio, SlantedLinesCoverTheSameWhicheverWayTheyAreDrawn) {
  for (const auto& [From, To] : {std::pair(QPoint(3, 3), QPoint(36, 17)), std::pair(QPoint(3, 27), QPoint(16, 2)),
                                 std::pair(QPoint(5, 5), QPoint(25, 25))}) {
    TBitmap Forward, Backward;
    for (auto [B, A, Z] : {std::tuple(&Forward, From, To), std::tuple(&Backward, To, From)}) {
      B->SetPixelRatio(2);
      B->SetSize(40, 30);
      B->Canvas().MoveTo(A.x(), A.y());
      B->Canvas().LineTo(Z.x(), Z.y());
    }
    EXPECT_EQ(Forward.Image(), Backward.Image()) << From.x() << "," << From.y();
    const QPoint D = To - From;
    const QPoint Low = (std::abs(D.x()) >= std::abs(D.y()) ? D.x() : D.y()) > 0 ? From : To;
    EXPECT_EQ(DevicePixel(Forward, 2 * Low.x() + 1, 2 * Low.y() + 1), clBlack);
  }
}

// A curve drawn as a polyline of one-pixel steps, right to left as the chart draws its flattest
// arcs, stays one unbroken line two device pixels thick.
TEST(PixelRatio, APolylineOfShortStepsHasNoGaps) {
  TBitmap B;
  B.SetPixelRatio(2);
  B.SetSize(60, 30);
  TCanvas& C = B.Canvas();
  C.MoveTo(55, 25);
  for (int X = 54; X >= 5; --X) C.LineTo(X, 25 - static_cast<int>(std::lround(0.004 * (55 - X) * (55 - X))));
  const QImage& I = B.Image();
  for (int X = 12; X < 110; ++X) {
    int Ink = 0;
    for (int Y = 0; Y < I.height(); ++Y) Ink += I.pixel(X, Y) != qRgb(255, 255, 255);
    EXPECT_GE(Ink, 2) << X;
  }
}

TEST(PixelRatio, OutlinesKeepTheirBoxesAndCurvesUseTheFinerGrid) {
  Pair P;
  P.Draw([](TCanvas& C) {
    C.Pen.Color = clGreen;
    C.Brush.SetColor(clLime);
    C.Ellipse(4, 4, 16, 16);
    C.Pen.Color = clBlue;
    C.Arc(20, 4, 33, 17, 40, 10, 26, 0);  // from 3 to 12 o'clock
  });
  // The box 4..15 is device 8..31 at the middle row and column, as at ratio 1 doubled.
  ExpectDevicePixels(P.Two, {{8, 20, clGreen}, {31, 20, clGreen}, {7, 20, clWhite}, {32, 20, clWhite},
                             {20, 8, clGreen}, {20, 31, clGreen}, {20, 7, clWhite}, {20, 32, clWhite},
                             {20, 20, clLime}, {65, 20, clBlue}, {54, 8, clBlue}, {40, 20, clWhite}});
  EXPECT_GT(MixedBlocks(P.Two), 0);
}

TEST(PixelRatio, TextMetricsStayLogicalAndTheTextIsDrawnAtFullResolution) {
  Pair P;
  for (TBitmap* B : {&P.One, &P.Two}) B->Canvas().Font = TFont{"Verdana", 8, false, clBlack};
  const int W = P.One.Canvas().TextWidth("Zn"), H = P.One.Canvas().TextHeight("Zn");
  EXPECT_EQ(std::tuple(P.Two.Canvas().TextWidth("Zn"), P.Two.Canvas().TextHeight("Zn")), std::tuple(W, H));
  P.Draw([](TCanvas& C) {
    C.Brush.SetColor(clYellow);
    C.TextOut(3, 4, "Zn");
  });
  const int Right = 2 * (3 + W), Bottom = 2 * (4 + H);
  ExpectDevicePixels(P.Two, {{6, 8, clYellow}, {Right - 1, 8, clYellow}, {6, Bottom - 1, clYellow},
                             {5, 8, clWhite}, {Right, 8, clWhite}, {6, 7, clWhite}, {6, Bottom, clWhite}});
  EXPECT_GT(MixedBlocks(P.Two), 0);
}

// Source at ratio 2 with detail finer than a logical pixel: a diagonal and a circle over cells.
void Pattern(TBitmap& Source) {
  Source.SetPixelRatio(2);
  Source.SetSize(40, 30);
  TCanvas& C = Source.Canvas();
  for (int Y = 0; Y < 30; Y += 3)
    for (int X = 0; X < 40; X += 4) {
      C.Brush.SetColor(static_cast<TColor>(X * 6 | (Y * 8) << 8 | ((X + Y) * 3) << 16));
      C.FillRect({X, Y, X + 4, Y + 3});
    }
  C.Pen.Color = clBlack;
  C.MoveTo(0, 0);
  C.LineTo(40, 27);
  C.Brush.Style = TBrushStyle::Clear;
  C.Ellipse(5, 5, 26, 26);
}

TEST(PixelRatio, CopyRectCopiesTheRegionDevicePixelForDevicePixel) {
  TBitmap Source, Target;
  Pattern(Source);
  ASSERT_GT(MixedBlocks(Source), 0);
  Target.SetPixelRatio(2);
  Target.SetSize(40, 30);
  Target.Canvas().CopyRect({5, 7, 25, 17}, Source.Canvas(), {3, 4, 23, 14});
  const QImage &S = Source.Image(), &T = Target.Image();
  int Wrong = 0;
  for (int Y = 0; Y < T.height(); ++Y)
    for (int X = 0; X < T.width(); ++X) {
      const bool Inside = X >= 10 && X < 50 && Y >= 14 && Y < 34;
      Wrong += T.pixel(X, Y) != (Inside ? S.pixel(X - 10 + 6, Y - 14 + 8) : qRgb(255, 255, 255));
    }
  EXPECT_EQ(Wrong, 0);
}

TEST(PixelRatio, DrawPlacesARatioTwoPictureAtALogicalOffset) {
  TBitmap Source, Target;
  Pattern(Source);
  Target.SetPixelRatio(2);
  Target.SetSize(30, 30);
  Target.Canvas().Draw(-7, 3, Source);
  const QImage &S = Source.Image(), &T = Target.Image();
  int Wrong = 0;
  for (int Y = 0; Y < T.height(); ++Y)
    for (int X = 0; X < T.width(); ++X)
      Wrong += T.pixel(X, Y) != (Y >= 6 ? S.pixel(X + 14, Y - 6) : qRgb(255, 255, 255));
  EXPECT_EQ(Wrong, 0);
}

// A picture not yet drawn again at a new ratio still shows, its pixels doubled.
TEST(PixelRatio, ARatioOnePictureCopiedToRatioTwoIsDoubled) {
  TBitmap Source, Target;
  Source.SetSize(20, 20);
  Source.Canvas().Pen.Color = clRed;
  Source.Canvas().MoveTo(1, 1);
  Source.Canvas().LineTo(15, 11);
  Target.SetPixelRatio(2);
  Target.SetSize(20, 20);
  Target.Canvas().CopyRect({0, 0, 20, 20}, Source.Canvas(), {0, 0, 20, 20});
  const QImage &S = Source.Image(), &T = Target.Image();
  int Wrong = 0;
  for (int Y = 0; Y < T.height(); ++Y)
    for (int X = 0; X < T.width(); ++X) Wrong += T.pixel(X, Y) != S.pixel(X / 2, Y / 2);
  EXPECT_EQ(Wrong, 0);
}

}  // namespace
