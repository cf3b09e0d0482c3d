#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "plotter/PlotAxes.h"

namespace {

// The Bode plot's geometry on a 480 x 270 panel.
TPlotAxes Bode(bool XLog) {
  TPlotAxes A;
  A.Width = 480;
  A.Height = 270;
  A.TopMargin = A.BottomMargin = 28;
  A.RightMargin = 37;
  A.XLog = XLog;
  A.XMin = XLog ? std::log10(150000.0L) : 0;
  A.XMax = XLog ? std::log10(950000.0L) : 1000;
  A.YMin = -50;
  A.YMax = 0;
  CalcScale(A);
  return A;
}

TEST(Scale, EqualBoundsArePushedApartAtExtendedPrecision) {
  TPlotAxes A;
  A.XMin = A.XMax = 6;
  A.YMin = A.YMax = -1;
  CalcScale(A);
  EXPECT_EQ(A.XMax, 6 + 2e-16L);
  EXPECT_EQ(A.YMax, -1 + 3e-16L);
  EXPECT_TRUE(std::isfinite(A.XScale));
  A.YMin = A.YMax = 1e30L;  // the nudge is below this bound's precision
  CalcScale(A);
  EXPECT_GT(A.YMax, A.YMin);
  EXPECT_TRUE(std::isfinite(A.YScale));
}

TEST(Scale, ValuesFarOutsideMapFarOutsideWithoutOverflow) {
  const TPlotAxes A = Bode(false);
  EXPECT_LT(YToPixel(A, 1e300L), -1000000);
  EXPECT_GT(XToPixel(A, 1e300L), 1000000);
  EXPECT_LT(RoundPixel(std::nanl("")), -1000000);
  EXPECT_EQ(RoundPixel(2.5L), 2);  // halves to even
  EXPECT_EQ(RoundPixel(-3.5L), -4);
}

struct TCorner {
  const char* Name;
  bool TopRight;
  int Dx, Dy;  // from the corner
  bool Inside;
};

void PrintTo(const TCorner& C, std::ostream* Os) { *Os << C.Name; }

class PlotCorners : public ::testing::TestWithParam<TCorner> {};

TEST_P(PlotCorners, AreInsideAndOnePixelBeyondIsNot) {
  const TCorner& C = GetParam();
  for (const bool XLog : {false, true}) {
    const TPlotAxes A = Bode(XLog);
    const int X = (C.TopRight ? A.Width - A.RightMargin : A.Margin) + C.Dx;
    const int Y = (C.TopRight ? A.TopMargin : A.Height - A.BottomMargin) + C.Dy;
    long double XV = 0, YV = 0;
    EXPECT_EQ(PixelToValue(A, X, Y, XV, YV), C.Inside) << XLog;
    if (C.Dx != 0 || C.Dy != 0) continue;
    const long double XBound = C.TopRight ? A.XMax : A.XMin;
    const long double XData = XLog ? std::pow(10.0L, XBound) : XBound;
    if (C.TopRight) {
      EXPECT_NEAR(XV, XData, 1e-9L);
      EXPECT_NEAR(YV, A.YMax, 1e-15L);
    } else {
      EXPECT_EQ(XV, XData);
      EXPECT_EQ(YV, A.YMin);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pixels, PlotCorners,
                         ::testing::Values(TCorner{"BottomLeft", false, 0, 0, true},
                                           TCorner{"LeftOfBottomLeft", false, -1, 0, false},
                                           TCorner{"BelowBottomLeft", false, 0, 1, false},
                                           TCorner{"TopRight", true, 0, 0, true},
                                           TCorner{"RightOfTopRight", true, 1, 0, false},
                                           TCorner{"AboveTopRight", true, 0, -1, false}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(PixelToValue, NoPlotAreaHasNoValueUnderAnyPixel) {
  TPlotAxes A = Bode(false);
  A.Height = 56;  // the margins take it all
  CalcScale(A);
  long double XV = 1, YV = 1;
  EXPECT_FALSE(PixelToValue(A, 20, 28, XV, YV));
  EXPECT_EQ(XV, 0);
  EXPECT_EQ(YV, -50);
}

}  // namespace
