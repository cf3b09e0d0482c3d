#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "platform/Errors.h"
#include "plotter/PlotAxes.h"
#include "plotter/PlotBounds.h"

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

TEST(Scale, BoundsLieOnTheEdgesOfThePlotArea) {
  const TPlotAxes A = Bode(false);
  EXPECT_EQ(A.PlotWidth, 428);
  EXPECT_EQ(A.PlotHeight, 214);
  EXPECT_EQ(XToPixel(A, 0), 15);
  EXPECT_EQ(XToPixel(A, 1000), 443);
  EXPECT_EQ(YToPixel(A, -50), 242);
  EXPECT_EQ(YToPixel(A, 0), 28);
  EXPECT_EQ(YToPixel(A, -20), 242 - 128);  // 30 * 4.28 = 128.4
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
  int Dx, Dy;  // from the corner
  bool Inside;
};

void PrintTo(const TCorner& C, std::ostream* Os) { *Os << C.Name; }

class PlotCorners : public ::testing::TestWithParam<TCorner> {};

TEST_P(PlotCorners, AreInsideAndOnePixelBeyondIsNot) {
  for (const bool XLog : {false, true}) {
    const TPlotAxes A = Bode(XLog);
    const bool Right = GetParam().Name[1] == 'R', Top = GetParam().Name[0] == 'T';
    const int X = (Right ? A.Width - A.RightMargin : A.Margin) + GetParam().Dx;
    const int Y = (Top ? A.TopMargin : A.Height - A.BottomMargin) + GetParam().Dy;
    long double XV = 0, YV = 0;
    EXPECT_EQ(PixelToValue(A, X, Y, XV, YV), GetParam().Inside) << XLog;
    if (GetParam().Dx == 0 && GetParam().Dy == 0) {
      const long double XBound = Right ? A.XMax : A.XMin;
      EXPECT_NEAR(XV, XLog ? std::pow(10.0L, XBound) : XBound, 1e-9L);
      EXPECT_NEAR(YV, Top ? A.YMax : A.YMin, 1e-15L);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Pixels, PlotCorners,
                         ::testing::Values(TCorner{"BL", 0, 0, true}, TCorner{"BL", -1, 0, false},
                                           TCorner{"BL", 0, 1, false}, TCorner{"TR", 0, 0, true},
                                           TCorner{"TR", 1, 0, false}, TCorner{"TR", 0, -1, false},
                                           TCorner{"TL", 0, 0, true}, TCorner{"BR", 0, 0, true}),
                         [](const auto& Info) {
                           return std::string(Info.param.Name) + (Info.param.Inside ? "Corner" : "Beyond") +
                                  std::to_string(Info.index);
                         });

TEST(PixelToValue, BottomLeftIsExactlyTheLowerBounds) {
  const TPlotAxes A = Bode(true);
  long double XV = 0, YV = 0;
  EXPECT_TRUE(PixelToValue(A, A.Margin, A.Height - A.BottomMargin, XV, YV));
  EXPECT_EQ(XV, std::pow(10.0L, A.XMin));
  EXPECT_EQ(YV, -50);
}

TEST(PixelToValue, NoPlotAreaHasNoValueUnderAnyPixel) {
  TPlotAxes A = Bode(false);
  A.Height = 56;  // the margins take it all
  CalcScale(A);
  long double XV = 1, YV = 1;
  EXPECT_FALSE(PixelToValue(A, 20, 28, XV, YV));
  EXPECT_EQ(XV, 0);
  EXPECT_EQ(YV, -50);
}

struct TBoundCase {
  const char* Name;
  void (*Assign)(TPlotAxes&, long double);
  long double Value, Min, Max;
};

void PrintTo(const TBoundCase& C, std::ostream* Os) { *Os << C.Name; }

class LinearBounds : public ::testing::TestWithParam<TBoundCase> {};

TEST_P(LinearBounds, PushTheOtherBoundAUnitAway) {
  TPlotAxes A;
  A.XMin = 0;
  GetParam().Assign(A, GetParam().Value);
  const bool IsX = GetParam().Name[0] == 'X';
  EXPECT_EQ(IsX ? A.XMin : A.YMin, GetParam().Min);
  EXPECT_EQ(IsX ? A.XMax : A.YMax, GetParam().Max);
}

INSTANTIATE_TEST_SUITE_P(Setters, LinearBounds,
                         ::testing::Values(TBoundCase{"YMinAboveYMax", AssignYMin, 20, 20, 21},
                                           TBoundCase{"YMaxBelowYMin", AssignYMax, -60, -61, -60},
                                           TBoundCase{"YMinEqualYMax", AssignYMin, 10, 10, 11},
                                           TBoundCase{"YMinBelow", AssignYMin, -50, -50, 10},
                                           TBoundCase{"XMinAboveXMax", AssignXMin, 20, 20, 21},
                                           TBoundCase{"XMaxBelowXMin", AssignXMax, -5, -6, -5}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(LogBounds, AreStoredAsLogarithmsWithoutTouchingTheOtherBound) {
  TPlotAxes A;
  AssignXLog(A, true);
  EXPECT_EQ(A.XMin, -16);
  EXPECT_EQ(A.XMax, 1);
  AssignXMax(A, 1e6L);
  EXPECT_EQ(A.XMax, 6);
  AssignXMin(A, 1e8L);
  EXPECT_EQ(A.XMin, 8);  // above XMax: left as it is
  AssignXMin(A, 0);
  EXPECT_EQ(A.XMin, -16);
}

TEST(LogBounds, AssigningTheSameStateDoesNotConvertAgain) {
  TPlotAxes A;
  AssignXLog(A, true);
  AssignXLog(A, true);
  EXPECT_EQ(A.XMax, 1);
  AssignXLog(A, false);
  AssignXLog(A, false);
  EXPECT_NEAR(A.XMax, 10, 1e-17L);
  EXPECT_NEAR(A.XMin, 1e-16L, 1e-33L);
}

struct TFault {
  const char* Name;
  bool XLog;
  void (*Assign)(TPlotAxes&, long double);
  long double Value;
  const char* Error;
};

void PrintTo(const TFault& F, std::ostream* Os) { *Os << F.Name; }

class BoundFaults : public ::testing::TestWithParam<TFault> {};

TEST_P(BoundFaults, RaiseAndKeepEveryBound) {
  TPlotAxes A;
  AssignXLog(A, GetParam().XLog);
  const TPlotAxes Before = A;
  try {
    GetParam().Assign(A, GetParam().Value);
    ADD_FAILURE() << "no error";
  } catch (const EMathError& E) {
    EXPECT_STREQ(E.what(), GetParam().Error);
  }
  EXPECT_EQ(A.XMin, Before.XMin);
  EXPECT_EQ(A.XMax, Before.XMax);
  EXPECT_EQ(A.YMin, Before.YMin);
  EXPECT_EQ(A.YMax, Before.YMax);
}

const char* Invalid = "Invalid floating point operation";
const long double Inf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Setters, BoundFaults,
    ::testing::Values(TFault{"NegativeLogXMin", true, AssignXMin, -1, Invalid},
                      TFault{"NegativeLogXMax", true, AssignXMax, -1e6L, Invalid},
                      TFault{"InfiniteLogXMax", true, AssignXMax, Inf, Invalid},
                      TFault{"NaNYMin", false, AssignYMin, std::nanl(""), Invalid},
                      TFault{"InfiniteXMin", false, AssignXMin, -Inf, Invalid}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(LinearBounds, ASpanBeyondTheExtendedRangeRaisesOverflow) {
  TPlotAxes A;
  AssignYMax(A, std::numeric_limits<long double>::max());
  EXPECT_THROW(AssignYMin(A, -std::numeric_limits<long double>::max()), EMathError);
  EXPECT_EQ(A.YMin, 0);
}

TEST(LogBounds, SwitchingOnWithABoundWithoutLogarithmRaisesAndKeepsTheLinearAxis) {
  TPlotAxes A;
  AssignXMin(A, 0);
  EXPECT_THROW(AssignXLog(A, true), EMathError);
  EXPECT_FALSE(A.XLog);
  EXPECT_EQ(A.XMin, 0);
  EXPECT_EQ(A.XMax, 10);
}

}  // namespace
