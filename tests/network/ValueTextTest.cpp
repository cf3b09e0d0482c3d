#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <tuple>

#include "FakeDialogs.h"
#include "network/NetCalc.h"

namespace {

using Texts = std::vector<std::string>;

// Plain notation for decimal exponents -4 up to the precision, otherwise scientific; exact ties go
// away from zero, values that only print like ties round by their true value.
TEST(GeneralFormat, WritesTheDocumentedText) {
  for (const auto& [Value, Precision, Text] :
       {std::tuple{0.0, 15, "0"}, {-0.0, 3, "0"}, {0.0001, 15, "0.0001"}, {1e-5, 15, "1E-5"},
        {123456789012345.0, 15, "123456789012345"}, {1e15, 15, "1E15"}, {2.2e-11, 15, "2.2E-11"}, {999.6, 3, "1E3"},
        {1500.0, 3, "1.5E3"}, {-0.000123456, 3, "-0.000123"}, {1.0 / 3, 15, "0.333333333333333"},
        {1.7976931348623157e308, 15, "1.79769313486232E308"}, {4.9e-324, 15, "4.94065645841247E-324"},
        {2.5, 1, "3"}, {-2.5, 1, "-3"}, {0.125, 2, "0.13"}, {9.5, 1, "1E1"}, {1000.5, 4, "1001"}, {0.15, 1, "0.1"},
        {2.675, 3, "2.67"}, {1.0000000000000002, 15, "1"}})
    EXPECT_EQ(FormatGeneral(Value, Precision), Text) << FormatGeneral(Value, 17);
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

struct TParseCase {
  const char* Text;
  const char* Unit;
  double Value;
  bool Complains = false;
};

void PrintTo(const TParseCase& C, std::ostream* Os) { *Os << "'" << C.Text << "' unit '" << C.Unit << "'"; }

class Parse : public ::testing::TestWithParam<TParseCase> {};

TEST_P(Parse, GivesTheValueAndAtMostItsMessage) {
  TFakeDialogs Dialogs;
  EXPECT_EQ(ParseValue(GetParam().Text, GetParam().Unit), GetParam().Value);
  const std::string Message = GetParam().Text + std::string(" is not a valid number");
  EXPECT_EQ(Dialogs.MessageTexts(), GetParam().Complains ? Texts{Message} : Texts{});
  for (const auto& M : Dialogs.Messages) EXPECT_EQ(M.Buttons, std::vector<TMsgButton>{TMsgButton::OK});
}

// Every prefix letter, the comma, units that remain when the element has none; FormatValue
// writes '1E3 k' for 999.6e3, and the prefix then adds to the exponent, also into the range.
INSTANTIATE_TEST_SUITE_P(Values, Parse,
                         ::testing::ValuesIn(std::vector<TParseCase>{
                             {"10 pF", "F", 1e-11}, {"3n", "", 3e-9}, {"3u", "", 3e-6}, {"15mm", "m", 0.015},
                             {"2cm", "m", 0.02}, {"4,7k", "ohm", 4700}, {"100 MHz", "Hz", 1e8}, {"3G", "", 3e9},
                             {"1m", "m", 1}, {"50ohm", "", 50}, {"100Hz", "", 100}, {"None", "F", 0}, {"F", "F", 0},
                             {"1k5", "ohm", 1000}, {"1E3 kHz", "Hz", 1e6}, {"2.5e-2k", "", 25},
                             {"1e309p", "", 1e297}, {"1e-999", "", 0}}));

// Numbers beyond the range, also once their prefix is applied; prefixes and units without a number.
INSTANTIATE_TEST_SUITE_P(BadText, Parse,
                         ::testing::ValuesIn(std::vector<TParseCase>{
                             {"12x", "ohm", 12, true}, {"1K", "ohm", 1, true}, {"abc", "ohm", 0, true},
                             {"1H", "", 1, true}, {"1oh", "", 1, true}, {"1e999", "", 0, true},
                             {"-2,5,5M", "", -2.5, true}, {"1e308k", "", 0, true},
                             {"1e99999999999999999999k", "", 0, true}, {"nan", "", 0, true}, {"inf", "", 0, true},
                             {"k5", "ohm", 0, true}, {"n", "", 0, true}, {"pF", "F", 0, true}, {"Hz", "", 0, true}}));

TEST(ParseValueText, LongTextIsReadWhole) {
  TFakeDialogs Dialogs;
  EXPECT_EQ(ParseValue("1." + std::string(260, '0') + "k", ""), 1000);
  EXPECT_EQ(ParseValue("1" + std::string(300, '0'), ""), 1e300);
  EXPECT_EQ(ParseValue(std::string(300, 'x'), ""), 0);
  EXPECT_EQ(Dialogs.MessageTexts(), Texts{std::string(300, 'x') + " is not a valid number"});
}

TEST(ParseValueText, AnyBytesGiveANumberAndAtMostOneMessage) {
  TFakeDialogs Dialogs;
  std::mt19937 Random(99);
  const std::string Alphabet = "0123456789.,+-eEpnumckMGHzohF ";
  for (int i = 0; i < 20000; ++i) {
    std::string S(Random() % 12, ' ');
    for (char& C : S) C = i % 2 ? static_cast<char>(Random() % 256) : Alphabet[Random() % Alphabet.size()];
    const std::size_t Before = Dialogs.Messages.size();
    EXPECT_TRUE(std::isfinite(ParseValue(S, i % 3 ? "Hz" : ""))) << S;
    EXPECT_LE(Dialogs.Messages.size() - Before, 1u) << S;
  }
}

TEST(FormatValueText, WritesPrefixAndUnit) {
  for (const auto& [Digits, Unit, Value, Text] :
       {std::tuple{3, "F", 1e-11, "10 pF"}, {3, "H", 2.2e-7, "220 nH"}, {3, "ohm", 1234.5, "1.23 kohm"},
        {4, "Hz", 1e8, "100 MHz"}, {3, "ohm", 0.5, "500 mohm"}, {3, "F", 0.0, "0 F"}, {3, "F", 5e-16, "0 F"},
        {3, "F", 1e-15, "0.001 pF"}, {3, "Hz", 2e12, ">999 GHz"}, {3, "Hz", 999.6, "1E3 Hz"}, {3, "F", 1e-6, "1 uF"},
        {3, "Hz", 1e9, "1 GHz"}, {3, "ohm", -50, "-50 ohm"}, {3, "", 20, "20 "},
        {4, "H", 4.7746482927568605e-8, "47.75 nH"}})
    EXPECT_EQ(FormatValue(Digits, Unit, Value), Text);
}

TEST(FormatValueText, ReadsBackToThreeDigits) {
  TFakeDialogs Dialogs;
  std::mt19937_64 Random(3);
  std::uniform_real_distribution<double> Exponent(-15, 12);
  for (int i = 0; i < 24000; ++i) {
    const char* Unit = std::array{"F", "H", "ohm", "m", "Hz", ""}[i % 6];
    const double X = std::pow(10.0, Exponent(Random)) * (i % 4 < 2 ? -1 : 1);
    const std::string Text = FormatValue(3, Unit, X);
    EXPECT_NEAR(ParseValue(Text, Unit), X, std::abs(X) * 5.0001e-3) << Text;
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST(TypeText, NamesAndUnits) {
  const char* Names[] = {"None", "Cs", "Cp", "Ls", "Lp", "Rs", "Rp", "Line", "Stub", "OpenStub", "ShortStub"};
  const char* Units[] = {"", "F", "F", "H", "H", "ohm", "ohm", "m", "", "m", "m"};
  for (int t = 0; t <= 10; ++t) {
    EXPECT_EQ(TypeName(static_cast<TElementType>(t)), Names[t]);
    EXPECT_EQ(UnitName(static_cast<TElementType>(t)), Units[t]);
    EXPECT_EQ(TypeFromName(Names[t]), static_cast<TElementType>(t));
  }
  for (const char* Unknown : {"line", "Inductor", ""}) EXPECT_EQ(TypeFromName(Unknown), TElementType::None);
}

}  // namespace
