#include <gtest/gtest.h>

#include <vector>

#include "Expect.h"
#include "Reference.h"
#include "synthesis/LSection.h"

namespace {

using enum TPartType;

struct TLCase {
  const char* Name;
  TMatchPoint At;
  std::vector<TLadder> Hand;
};

// Worked by hand from the conductance and resistance circles; with Q the lossy inductor's series
// resistance tilts the circle the second part needs, which gives a quadratic.
const TLCase LCases[] = {
    {"above Zn: only the parallel part first", {{200, -100}, 5e8, 100, 0},
     {{{Cp, 9.2277383e-13}, {Ls, 3.8984840e-8}}, {{Lp, 4.6138692e-8}, {Cs, 2.5989893e-12}}}},
    {"lossy inductors, Q 30", {{200, -100}, 5e8, 100, 30},
     {{{Cp, 9.7672764e-13}, {Ls, 3.8699137e-8}}, {{Lp, 4.5811344e-8}, {Cs, 2.7261685e-12}}}},
    {"inside both circles: both orders, both signs", {{20, -30}, 1e8, 50, 0},
     {{{Ls, 8.6731323e-8}, {Cp, 3.8984840e-11}},
      {{Ls, 8.7616429e-9}, {Lp, 6.4974733e-8}},
      {{Lp, 5.0519887e-8}, {Cs, 5.8115168e-11}},
      {{Lp, 1.0863506e-7}, {Ls, 4.3586376e-8}}}},
    // On the R = Zn circle one series part is enough, and both orders find it.
    {"on the resistance circle", {{50, 30}, 1e8, 50, 0},
     {{{Cs, 5.3051648e-11}}, {{Cp, 2.8086166e-11}, {Ls, 4.7746483e-8}}}},
};

class LSectionCases : public testing::TestWithParam<TLCase> {};

TEST_P(LSectionCases, AreTheHandSolutionsAndMatchExactly) {
  const TLCase& C = GetParam();
  const TLadders S = LSolutions(C.At);
  expect::SameLadders(S.Ladders, C.Hand, 1e-7);
  EXPECT_TRUE(S.Refusal.empty());
  for (const TLadder& L : S.Ladders) EXPECT_NEAR(reference::Vswr(L, C.At), 1, 1e-9) << expect::Text(L);
}

INSTANTIATE_TEST_SUITE_P(Hand, LSectionCases, testing::ValuesIn(LCases));

// The lossless values on lossy inductors miss: the loss was solved for, not ignored.
TEST(LSection, LossyValuesDifferFromTheLossless) {
  const TMatchPoint Lossy{{200, -100}, 5e8, 100, 30}, Lossless{{200, -100}, 5e8, 100, 0};
  for (const TLadder& L : LSolutions(Lossless).Ladders) EXPECT_GT(reference::Vswr(L, Lossy), 1.01);
}

TEST(LSection, FromAnyImpedanceWithGivenTypes) {
  const TMatchPoint At{{1, 1}, 5e8, 100, 0};
  EXPECT_TRUE(LSections({200, -100}, Cs, Cp, At).empty());  // a series part cannot lower R
  const auto Found = LSections({200, -100}, Cp, Ls, At);
  expect::SameLadders(Found, {{{Cp, 9.2277383e-13}, {Ls, 3.8984840e-8}}}, 1e-7);
}

}  // namespace
