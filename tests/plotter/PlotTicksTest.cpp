#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "plotter/PlotTicks.h"

namespace {

using TTicks = std::vector<long double>;

void ExpectValues(const TTicks& Actual, const TTicks& Expected) {
  ASSERT_EQ(Actual.size(), Expected.size());
  for (std::size_t I = 0; I < Expected.size(); ++I) EXPECT_NEAR(Actual[I], Expected[I], std::fabs(Expected[I]) * 1e-15L) << I;
}

TEST(LogTicks, FourFifthsOfADecadeHasLinesAtEveryUnitAndLabelsAtEverySecond) {
  const long double Min = std::log10(150000.0L), Max = std::log10(950000.0L);
  ExpectValues(LogGridTicks(Min, Max), {2e5L, 3e5L, 4e5L, 5e5L, 6e5L, 7e5L, 8e5L, 9e5L});
  // 1e6 ends the decade's steps and is labelled although it lies beyond the bound.
  ExpectValues(LogMarkTicks(Min, Max), {2e5L, 4e5L, 6e5L, 8e5L, 1e6L});
}

TEST(LogTicks, ShorterSpansStepMoreFinely) {
  // Bounds that are no line themselves: whether a line on a bound is drawn depends on the last
  // bit of a logarithm.
  // half a decade: steps of half the decade value
  ExpectValues(LogGridTicks(std::log10(1.9e3L), std::log10(5.8e3L)),
               {2e3L, 2.5e3L, 3e3L, 3.5e3L, 4e3L, 4.5e3L, 5e3L, 5.5e3L});
  // a tenth of a decade: steps of a twentieth
  ExpectValues(LogGridTicks(0, std::log10(1.18L)), {1, 1.05L, 1.1L, 1.15L});
}

TEST(LogTicks, SeveralDecadesAreLabelledAtEveryDecade) {
  const TTicks Marks = LogMarkTicks(0, 2.5L);  // 1 .. 316
  ExpectValues(Marks, {1, 2, 4, 6, 8, 10, 10, 20, 40, 60, 80, 100, 100, 200, 400});
}

TEST(LogTicks, EndEvenWhereTheDecadeValueUnderflows) {
  const long double Tiny = std::log10(std::numeric_limits<long double>::denorm_min());
  EXPECT_LT(LogGridTicks(Tiny, Tiny + 0.1L).size(), 200u);
  EXPECT_LT(LogMarkTicks(Tiny, Tiny + 0.1L).size(), 200u);
}

TEST(LinearTicks, WideningKeepsLinesEightPixelsApartOverThePanel) {
  EXPECT_EQ(WidenInterval(300, 0, 1000, 1), 1000 * 8 / 300.0L);
  EXPECT_EQ(WidenInterval(300, -50, 0, 10), 10);
  EXPECT_EQ(WidenInterval(0, 0, 1000, 1), 1);  // a panel without width has nothing to space out
}

TEST(LinearTicks, StartAtTheFirstMultipleAtOrAboveTheLowerBound) {
  EXPECT_EQ(FirstMark(-50, 10), -50);
  EXPECT_EQ(FirstMark(-47, 10), -40);
  EXPECT_EQ(FirstMark(-50.0009L, 10), -50);  // within a ten-thousandth of an interval
  ExpectValues(LinearTicks(-50, 10, 0), {-50, -40, -30, -20, -10, 0});
  ExpectValues(LinearTicks(12, 10, 5), {12});  // the first line is drawn even beyond the bound
}

TEST(LinearTicks, EndWhenTheIntervalIsLostAgainstTheBounds) {
  EXPECT_LE(LinearTicks(1e30L, 1, 1e30L + 1e26L).size(), 4096u);
  EXPECT_LE(LinearTicks(0, 1e-300L, 1e300L).size(), 4096u);
}

}  // namespace
