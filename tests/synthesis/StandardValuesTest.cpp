#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Reference.h"
#include "synthesis/SeriesFit.h"
#include "synthesis/StandardValues.h"

namespace {

using enum TESeries;

std::vector<int> Decade(TESeries S) {
  const auto D = SeriesDecade(S);
  return {D.begin(), D.end()};
}

// Every other value of a series is the series below it: a typo in one table shows in the other.
std::vector<int> EveryOther(const std::vector<int>& V) {
  std::vector<int> Half;
  for (std::size_t i = 0; i < V.size(); i += 2) Half.push_back(V[i]);
  return Half;
}

TEST(StandardValues, Tables) {
  const std::vector<int> E24Decade{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                   330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
  EXPECT_EQ(Decade(E24), E24Decade);
  EXPECT_EQ(EveryOther(Decade(E24)), Decade(E12));
  EXPECT_EQ(EveryOther(Decade(E12)), Decade(E6));
  EXPECT_EQ(EveryOther(Decade(E96)), Decade(E48));
  EXPECT_EQ(Decade(E48).size(), 48u);
  // E48 and E96 are the geometric series rounded to three digits.
  for (const TESeries S : {E48, E96}) {
    const std::vector<int> D = Decade(S);
    for (std::size_t i = 0; i < D.size(); ++i)
      EXPECT_NEAR(D[i], 100 * std::pow(10., double(i) / D.size()), 0.5) << SeriesName(S) << " " << i;
  }
}

TEST(StandardValues, Neighbours) {
  struct TCase {
    double Value;
    TESeries S;
    std::vector<double> Hand;
  };
  const TCase Cases[] = {
      {5e-12, E12, {4.7e-12, 5.6e-12}},    {4.7e-12, E12, {4.7e-12}},       {9.5e-9, E24, {9.1e-9, 1e-8}},
      {1e-6, E6, {1e-6}},                  {0.95, E6, {0.68, 1}},           {123, E96, {121, 124}},
      {1.0001e3, E48, {1e3, 1.05e3}},      {9.9e4, E96, {9.76e4, 1e5}},     {3.3e-13, E6, {3.3e-13}},
  };
  for (const TCase& C : Cases) {
    const std::vector<double> Found = NeighbouringValues(C.Value, C.S);
    ASSERT_EQ(Found.size(), C.Hand.size()) << C.Value;
    for (std::size_t i = 0; i < Found.size(); ++i) EXPECT_NEAR(Found[i], C.Hand[i], 1e-12 * C.Hand[i]) << C.Value;
  }
}

// Never the value itself, also across a decade.
TEST(StandardValues, NextValueUpAndDown) {
  const std::tuple<double, bool, double> Cases[] = {
      {6.72e-8, true, 6.8e-8}, {6.8e-8, true, 7.5e-8}, {6.8e-8, false, 6.2e-8}, {1e-9, false, 9.1e-10}, {9.1e3, true, 1e4}};
  for (const auto& [Value, Up, Next] : Cases) EXPECT_NEAR(NextStandardValue(Value, E24, Up), Next, 1e-12 * Next) << Value;
}

TEST(StandardValues, Names) {
  for (const TESeries S : {E6, E12, E24, E48, E96}) EXPECT_EQ(SeriesFromName(SeriesName(S)), S);
  EXPECT_FALSE(SeriesFromName("E192"));
  EXPECT_FALSE(SeriesFromName("e24"));
}

// 100 - j100 on 50 ohm at 100 MHz: Cp 5.825 pF, Ls 137.8 nH. In E6 the neighbours are 4.7 / 6.8 pF
// and 100 / 150 nH. Each rounded to its nearest gives VSWR 1.281; 4.7 pF with 150 nH gives 1.158.
TEST(StandardValues, TheBestCombinationOfNeighboursNotEachNearest) {
  const TMatchPoint At{{100, -100}, 1e8, 50, 0};
  const TLadder Exact{{TPartType::Cp, 5.8254752e-12}, {TPartType::Ls, 1.3783222e-7}};
  const TLadder Fit = WithStandardValues(Exact, At, E6);
  ASSERT_EQ(Fit.size(), 2u);
  EXPECT_NEAR(Fit[0].Value, 4.7e-12, 1e-24);
  EXPECT_NEAR(Fit[1].Value, 1.5e-7, 1e-19);
  EXPECT_NEAR(reference::Vswr(Fit, At), 1.158, 1e-3);
  EXPECT_NEAR(reference::Vswr({{TPartType::Cp, 6.8e-12}, {TPartType::Ls, 1.5e-7}}, At), 1.281, 1e-3);
}

// Lines keep their lengths; only capacitors, inductors and resistors are standard parts.
TEST(StandardValues, LinesAreLeftAlone) {
  const TMatchPoint At{{60, -80}, 2e9, 50, 0};
  const TLadder Stub{{TPartType::Line, 0.0165634828, 50, 1}, {TPartType::ShortStub, 0.0142461932, 50, 1}};
  const TLadder Fit = WithStandardValues(Stub, At, E6);
  EXPECT_EQ(Fit[0].Value, Stub[0].Value);
  EXPECT_EQ(Fit[1].Value, Stub[1].Value);
}

}  // namespace
