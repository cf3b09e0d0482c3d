#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "network/NetCalc.h"

namespace {

struct TGeneralCase {
  double Value;
  int Precision;
  const char* Text;
};

void PrintTo(const TGeneralCase& C, std::ostream* Os) { *Os << FormatGeneral(C.Value, 17) << " to " << C.Precision; }

class GeneralFormat : public ::testing::TestWithParam<TGeneralCase> {};

TEST_P(GeneralFormat, WritesTheDocumentedText) {
  EXPECT_EQ(FormatGeneral(GetParam().Value, GetParam().Precision), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    PlainAndScientific, GeneralFormat,
    ::testing::Values(TGeneralCase{0, 15, "0"}, TGeneralCase{-0.0, 3, "0"}, TGeneralCase{0.0001, 15, "0.0001"},
                      TGeneralCase{1e-5, 15, "1E-5"}, TGeneralCase{123456789012345, 15, "123456789012345"},
                      TGeneralCase{1e15, 15, "1E15"}, TGeneralCase{2.2e-11, 15, "2.2E-11"},
                      TGeneralCase{999.6, 3, "1E3"}, TGeneralCase{1500, 3, "1.5E3"},
                      TGeneralCase{-0.000123456, 3, "-0.000123"}, TGeneralCase{1.0 / 3, 15, "0.333333333333333"},
                      TGeneralCase{1.7976931348623157e308, 15, "1.79769313486232E308"},
                      TGeneralCase{4.9e-324, 15, "4.94065645841247E-324"}));

// Exact ties go away from zero; values that only print like ties round by their true value.
INSTANTIATE_TEST_SUITE_P(Ties, GeneralFormat,
                         ::testing::Values(TGeneralCase{2.5, 1, "3"}, TGeneralCase{-2.5, 1, "-3"},
                                           TGeneralCase{0.125, 2, "0.13"}, TGeneralCase{9.5, 1, "1E1"},
                                           TGeneralCase{1000.5, 4, "1001"}, TGeneralCase{0.15, 1, "0.1"},
                                           TGeneralCase{2.675, 3, "2.67"}, TGeneralCase{1.0000000000000002, 15, "1"}));

TEST(GeneralFormat, FifteenDigitsReadBackWithinHalfAUnit) {
  std::mt19937_64 Random(7);
  std::uniform_real_distribution<double> Exponent(-300, 300), Mantissa(1, 10);
  for (int i = 0; i < 20000; ++i) {
    const double X = Mantissa(Random) * std::pow(10.0, Exponent(Random)) * (i % 2 ? -1 : 1);
    EXPECT_NEAR(StrToFloat(FormatGeneral(X, 15)), X, std::abs(X) * 5e-15) << FormatGeneral(X, 15);
    EXPECT_EQ(StrToFloat(FormatGeneral(X, 17)), X);
  }
}

TEST(FixedFormat, RoundsToSignificantDigitsThenShowsExactDecimals) {
  for (const auto& [Value, Precision, Digits, Text] :
       {std::tuple{0.199, 3, 3, "0.199"}, {1.2345, 3, 3, "1.230"}, {0.0, 3, 2, "0.00"}, {0.999, 3, 2, "1.00"},
        {0.125, 3, 2, "0.13"}, {0.12456, 3, 2, "0.12"}, {0.005, 3, 2, "0.01"}, {0.0049, 3, 2, "0.00"},
        {-0.001, 3, 2, "0.00"}, {-7.5, 3, 0, "-8"}, {99.96, 3, 1, "100.0"}, {1234.5, 3, 1, "1.23E3"}})
    EXPECT_EQ(FormatFixed(Value, Precision, Digits), Text) << Value;
}

template <class TConvert>
std::string ErrorOf(TConvert Convert, const std::string& Text) {
  try {
    Convert(Text);
  } catch (const EConvertError& E) {
    return E.what();
  }
  return "accepted";
}

TEST(PlainConversion, AcceptsPlainNumbersOnly) {
  for (const auto& [Text, Value] : {std::pair{"1e2", 100.0}, {"-0.5", -0.5}, {"+5", 5.0}, {".5", 0.5}, {"5.", 5.0},
                                    {" 7 ", 7.0}, {"1E-999", 0.0}})
    EXPECT_EQ(StrToFloat(Text), Value) << Text;
  for (const std::string Bad : {"abc", "0,66", "", "-", "1e", "5k", "50 ohm", "1e999", "1..2", "0x10", "inf", "nan"})
    EXPECT_EQ(ErrorOf(StrToFloat, Bad), "'" + Bad + "' is not a valid floating point value");
}

TEST(PlainConversion, IntegersAreDecimalAndInRange) {
  for (const auto& [Text, Value] : {std::pair{"100", 100}, {"-5", -5}, {"+12", 12}, {"2147483647", 2147483647}})
    EXPECT_EQ(StrToInt(Text), Value) << Text;
  for (const std::string Bad : {"1O0", "", "1.0", "2147483648", "+-3", "1e2", "0x1F", " "})
    EXPECT_EQ(ErrorOf(StrToInt, Bad), "'" + Bad + "' is not a valid integer value");
}

}  // namespace
