#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "FakeDialogs.h"
#include "network/NetCalc.h"

namespace {

struct TParseCase {
  const char* Text;
  const char* Unit;
  double Value;
  const char* Message = nullptr;
};

void PrintTo(const TParseCase& C, std::ostream* Os) { *Os << "'" << C.Text << "' unit '" << C.Unit << "'"; }

class Parse : public ::testing::TestWithParam<TParseCase> {};

TEST_P(Parse, GivesTheValueAndAtMostItsMessage) {
  TFakeDialogs Dialogs;
  EXPECT_EQ(ParseValue(GetParam().Text, GetParam().Unit), GetParam().Value);
  if (!GetParam().Message) {
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{});
  } else {
    ASSERT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(Dialogs.Messages[0].Buttons, std::vector<TMsgButton>{TMsgButton::OK});
  }
}

INSTANTIATE_TEST_SUITE_P(
    UnitsAndPrefixes, Parse,
    ::testing::Values(TParseCase{"10 pF", "F", 1e-11}, TParseCase{"3n", "", 3e-9}, TParseCase{"3u", "", 3e-6},
                      TParseCase{"15mm", "m", 0.015}, TParseCase{"2cm", "m", 0.02}, TParseCase{"4,7k", "ohm", 4700},
                      TParseCase{"100 MHz", "Hz", 1e8}, TParseCase{"3G", "", 3e9}, TParseCase{"1m", "m", 1},
                      TParseCase{"50ohm", "", 50}, TParseCase{"100Hz", "", 100}, TParseCase{"None", "F", 0},
                      TParseCase{"F", "F", 0}, TParseCase{"1k5", "ohm", 1000}, TParseCase{"1,5e3", "", 1500},
                      TParseCase{"+7", "", 7}, TParseCase{"-2,5,5M", "", -2.5, "-2,5,5M is not a valid number"}));

// FormatValue writes '1E3 k' for 999.6e3; the prefix then adds to the exponent.
INSTANTIATE_TEST_SUITE_P(PrefixAfterAnExponent, Parse,
                         ::testing::Values(TParseCase{"1E3 kHz", "Hz", 1e6}, TParseCase{"2.5e-2k", "", 25},
                                           TParseCase{"1e99999999999999999999k", "", 0}));

INSTANTIATE_TEST_SUITE_P(
    BadText, Parse,
    ::testing::Values(TParseCase{"12x", "ohm", 12, "12x is not a valid number"},
                      TParseCase{"1K", "ohm", 1, "1K is not a valid number"},
                      TParseCase{"abc", "ohm", 0, "abc is not a valid number"},
                      TParseCase{"1H", "", 1, "1H is not a valid number"},
                      TParseCase{"1oh", "", 1, "1oh is not a valid number"},
                      TParseCase{"-", "", 0, "- is not a valid number"},
                      TParseCase{"1e999", "", 0, "1e999 is not a valid number"}, TParseCase{"1e-999", "", 0},
                      TParseCase{"10 pF", "", 1e-11}));

TEST(ParseValueText, LongTextIsCutTo255Characters) {
  TFakeDialogs Dialogs;
  EXPECT_EQ(ParseValue("1" + std::string(300, '0'), ""), 1e254);
  EXPECT_EQ(ParseValue(std::string(300, 'x'), ""), 0);
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{std::string(255, 'x') + " is not a valid number"});
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
  for (const char* Unit : {"F", "H", "ohm", "m", "Hz", ""}) {
    for (int i = 0; i < 4000; ++i) {
      const double X = std::pow(10.0, Exponent(Random)) * (i % 2 ? -1 : 1);
      if (std::abs(X) >= 1e12) continue;
      const std::string Text = FormatValue(3, Unit, X);
      EXPECT_NEAR(ParseValue(Text, Unit), X, std::abs(X) * 5.0001e-3) << Text;
    }
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST(TypeText, NamesAndUnits) {
  const char* Names[] = {"None", "Cs", "Cp", "Ls", "Lp", "Rs", "Rp", "Line", "Stub"};
  const char* Units[] = {"", "F", "F", "H", "H", "ohm", "ohm", "m", "Stub"};
  for (int t = 0; t <= 8; ++t) {
    EXPECT_EQ(TypeName(static_cast<TElementType>(t)), Names[t]);
    EXPECT_EQ(UnitName(static_cast<TElementType>(t)), Units[t]);
    EXPECT_EQ(TypeFromName(Names[t]), static_cast<TElementType>(t));
  }
  for (const char* Unknown : {"line", "Inductor", ""}) EXPECT_EQ(TypeFromName(Unknown), TElementType::None);
}

}  // namespace
