#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Errors.h"
#include "plotter/PlotBounds.h"

namespace {

constexpr long double Inf = std::numeric_limits<long double>::infinity();
constexpr long double Huge = std::numeric_limits<long double>::max();

TEST(LinearBounds, PushTheOtherBoundAUnitAwayWhenTheyWouldInvert) {
  TPlotAxes A;
  AssignYMin(A, 20);
  EXPECT_EQ(A.YMax, 21);
  AssignYMin(A, 0);
  AssignYMax(A, -60);
  EXPECT_EQ(A.YMin, -61);
  AssignYMax(A, -61);  // equal is inverted too
  EXPECT_EQ(A.YMin, -62);
  AssignXMin(A, 20);
  EXPECT_EQ(A.XMax, 21);
  AssignXMax(A, -5);
  EXPECT_EQ(A.XMin, -6);
}

TEST(LogBounds, AreStoredAsLogarithmsWithoutTouchingTheOtherBound) {
  TPlotAxes A;
  AssignXLog(A, true);
  EXPECT_EQ(A.XMin, -16);
  EXPECT_EQ(A.XMax, 1);
  AssignXLog(A, true);  // the same state again converts nothing
  EXPECT_EQ(A.XMax, 1);
  AssignXMax(A, 1e6L);
  EXPECT_EQ(A.XMax, 6);
  AssignXMin(A, 1e8L);
  EXPECT_EQ(A.XMin, 8);  // above XMax: left as it is
  AssignXMin(A, 0);
  EXPECT_EQ(A.XMin, -16);
  AssignXLog(A, false);
  AssignXLog(A, false);
  EXPECT_NEAR(A.XMax, 1e6L, 1e-9L);
}

// The assignment raises the error and leaves every bound and the axis as they were.
template <typename TAssign>
void ExpectFault(TPlotAxes A, TAssign Assign, const char* Error) {
  const TPlotAxes Before = A;
  try {
    Assign(A);
    ADD_FAILURE() << "no error";
  } catch (const EMathError& E) {
    EXPECT_STREQ(E.what(), Error);
  }
  EXPECT_EQ(A.XLog, Before.XLog);
  EXPECT_EQ(A.XMin, Before.XMin);
  EXPECT_EQ(A.XMax, Before.XMax);
  EXPECT_EQ(A.YMin, Before.YMin);
  EXPECT_EQ(A.YMax, Before.YMax);
}

TEST(BoundFaults, LeaveTheBoundsAsTheyWere) {
  const char* Invalid = "Invalid floating point operation";
  TPlotAxes Log;
  AssignXLog(Log, true);
  ExpectFault(Log, [](TPlotAxes& A) { AssignXMin(A, -1); }, Invalid);
  ExpectFault(Log, [](TPlotAxes& A) { AssignXMax(A, -1e6L); }, Invalid);
  ExpectFault(Log, [](TPlotAxes& A) { AssignXMax(A, Inf); }, Invalid);
  ExpectFault({}, [](TPlotAxes& A) { AssignYMin(A, std::nanl("")); }, Invalid);
  ExpectFault({}, [](TPlotAxes& A) { AssignXMin(A, -Inf); }, Invalid);
  TPlotAxes Wide;
  AssignYMax(Wide, Huge);
  ExpectFault(Wide, [](TPlotAxes& A) { AssignYMin(A, -Huge); }, "Floating point overflow");
  TPlotAxes FromZero;
  AssignXMin(FromZero, 0);
  ExpectFault(FromZero, [](TPlotAxes& A) { AssignXLog(A, true); }, "Floating point division by zero");
  Log.XMax = 5000;  // fine as a logarithm, beyond the range as a value
  ExpectFault(Log, [](TPlotAxes& A) { AssignXLog(A, false); }, "Floating point overflow");
}

}  // namespace
