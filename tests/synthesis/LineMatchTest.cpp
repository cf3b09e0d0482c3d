#include <gtest/gtest.h>

#include <vector>

#include "Expect.h"
#include "Reference.h"
#include "synthesis/QuarterWave.h"
#include "synthesis/StubMatch.h"

namespace {

using TPartType::OpenStub, TPartType::ShortStub;

// Lengths in wavelengths of the velocity factor's line, Z0 in ohm.
TPart LineOf(double Wavelengths, double Z0, double Lambda) { return {TPartType::Line, Wavelengths * Lambda, Z0}; }
TPart Stub(TPartType T, double Wavelengths, double Lambda) { return {T, Wavelengths * Lambda, 50}; }

// 60 - j80 on 50 ohm: tan(beta d) = (X +- sqrt(R ((Z0 - R)^2 + X^2) / Z0)) / (R - Z0) puts the
// admittance at 1 +- j1.4720 after 0.11042 and 0.25944 wavelengths; the stubs add -+j1.4720.
TEST(StubMatch, SixtyMinusJEightyOnFifty) {
  const TMatchPoint At{{60, -80}, 2e9, 50, 0};
  const double Lambda = 0.15;
  const std::vector<TLadder> Hand{
      {LineOf(0.11042322, 50, Lambda), Stub(OpenStub, 0.34497462, Lambda)},
      {LineOf(0.25944453, 50, Lambda), Stub(OpenStub, 0.15502538, Lambda)},
      {LineOf(0.11042322, 50, Lambda), Stub(ShortStub, 0.09497462, Lambda)},
      {LineOf(0.25944453, 50, Lambda), Stub(ShortStub, 0.40502538, Lambda)}};
  const std::vector<TLadder> Found = StubSolutions(At, 1);
  ASSERT_EQ(Found.size(), Hand.size());
  for (std::size_t i = 0; i < Hand.size(); ++i) {
    EXPECT_TRUE(expect::Matches(Found[i], Hand[i], 1e-7)) << expect::Text(Found[i]);  // in the order promised
    EXPECT_NEAR(reference::Vswr(Found[i], At), 1, 1e-9);
    for (const TPart& P : Found[i]) EXPECT_EQ(P.VelocityFactor, 1);
  }
}

// A load on the conductance circle needs no line before its stub; a velocity factor shortens all.
TEST(StubMatch, OnTheConductanceCircleTheStubSitsAtTheLoad) {
  const TMatchPoint At{{25, 25}, 1e8, 50, 0};  // Y = (1 - j) / 50
  const double Lambda = 3 * 0.8;
  const std::vector<TLadder> Found = StubSolutions(At, 0.8);
  ASSERT_EQ(Found.size(), 4u);
  EXPECT_TRUE(expect::Matches(Found[0], {Stub(OpenStub, 0.125, Lambda)}, 1e-9)) << expect::Text(Found[0]);
  EXPECT_TRUE(expect::Matches(Found[2], {Stub(ShortStub, 0.375, Lambda)}, 1e-9)) << expect::Text(Found[2]);
  for (const TLadder& L : Found) EXPECT_NEAR(reference::Vswr(L, At), 1, 1e-9) << expect::Text(L);
}

struct TQuarterCase {
  const char* Name;
  TMatchPoint At;
  double VelocityFactor;
  TLadder Hand;
};

// Lambda is 3 m at 100 MHz. 50 +- j50 on 50 ohm: |Gamma| = 0.44721 at +-63.435 degrees; the
// impedance is real, 130.90 or 19.098 ohm, after the line turns Gamma to 0 or 180 degrees.
const TQuarterCase QuarterCases[] = {
    {"real load", {{100, 0}, 1e8, 50, 0}, 0.8, {LineOf(0.25, 70.710678, 2.4)}},
    {"real load below Zn", {{25, 0}, 1e8, 50, 0}, 1, {LineOf(0.25, 35.355339, 3)}},
    {"to the largest real impedance", {{50, 50}, 1e8, 50, 0}, 1,
     {LineOf(0.088104096, 50, 3), LineOf(0.25, 80.901699, 3)}},
    {"to the smallest real impedance", {{50, -50}, 1e8, 50, 0}, 1,
     {LineOf(0.16189590, 50, 3), LineOf(0.25, 30.901699, 3)}},
};

class QuarterWaveCases : public testing::TestWithParam<TQuarterCase> {};

TEST_P(QuarterWaveCases, IsTheHandSolution) {
  const TQuarterCase& C = GetParam();
  const TLadder Found = QuarterWaveSolution(C.At, C.VelocityFactor);
  EXPECT_TRUE(expect::Matches(Found, C.Hand, 1e-7)) << expect::Text(Found);
  EXPECT_NEAR(reference::Vswr(Found, C.At), 1, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Hand, QuarterWaveCases, testing::ValuesIn(QuarterCases));

}  // namespace
