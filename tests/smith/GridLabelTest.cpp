#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "network/NumberText.h"
#include "smith/GridLabel.h"

namespace {

struct TFixedCase {
  double Value;
  int Decimals;
  const char* Text;
};

void PrintTo(const TFixedCase& C, std::ostream* Os) { *Os << C.Text; }

class FixedText : public ::testing::TestWithParam<TFixedCase> {};

TEST_P(FixedText, RoundsToThreeDigitsAndTheDecimals) {
  EXPECT_EQ(FormatFixed(GetParam().Value, 3, GetParam().Decimals), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedText,
    ::testing::Values(TFixedCase{7.5, 0, "8"}, TFixedCase{-7.5, 0, "-8"}, TFixedCase{6.5, 0, "7"},
                      TFixedCase{2.25, 1, "2.3"}, TFixedCase{0.05, 1, "0.1"}, TFixedCase{0.04, 1, "0.0"},
                      TFixedCase{-0.04, 1, "0.0"}, TFixedCase{-0.4, 0, "0"}, TFixedCase{12.345, 1, "12.3"},
                      TFixedCase{123.45, 1, "123.0"}, TFixedCase{999.4, 0, "999"}, TFixedCase{999.6, 0, "1E3"},
                      TFixedCase{1000, 0, "1E3"}, TFixedCase{1200, 0, "1.2E3"}, TFixedCase{-1250, 0, "-1.25E3"},
                      TFixedCase{0, 1, "0.0"}, TFixedCase{std::numeric_limits<double>::quiet_NaN(), 0, "NAN"}));

struct TLabelCase {
  double Value;
  const char* Ohms;        // Zn 50
  const char* Normalised;
};

void PrintTo(const TLabelCase& C, std::ostream* Os) { *Os << C.Normalised; }

class CircleLabel : public ::testing::TestWithParam<TLabelCase> {};

TEST_P(CircleLabel, ReadsInOhmsOrNormalised) {
  EXPECT_EQ(GridLabelText(GetParam().Value, false, 50), GetParam().Ohms);
  EXPECT_EQ(GridLabelText(GetParam().Value, true, 50), GetParam().Normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Circles, CircleLabel,
    ::testing::Values(TLabelCase{0, "0", "0.0"}, TLabelCase{0.1, "5", "0.1"}, TLabelCase{0.2, "10", "0.2"},
                      TLabelCase{0.3, "15", "0.3"}, TLabelCase{0.4, "20", "0.4"}, TLabelCase{0.5, "25", "0.5"},
                      TLabelCase{0.7, "35", "0.7"}, TLabelCase{1, "50", "1.0"}, TLabelCase{1.5, "75", "1.5"},
                      TLabelCase{2, "100", "2.0"}, TLabelCase{3, "150", "3.0"}, TLabelCase{5, "250", "5.0"},
                      TLabelCase{-1, "-50", "-1.0"}, TLabelCase{-0.2, "-10", "-0.2"}));

TEST(CircleLabelOtherZn, HalvesOfOhmsGoUpAndLargeValuesTurnGeneral) {
  EXPECT_EQ(GridLabelText(0.1, false, 75), "8");
  EXPECT_EQ(GridLabelText(5, false, 300), "1.5E3");
  EXPECT_EQ(GridLabelText(5, false, 200), "1E3");
  EXPECT_EQ(GridLabelText(0.1, false, 1), "0");
}

}  // namespace
