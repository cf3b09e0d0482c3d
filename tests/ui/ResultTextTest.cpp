#include <gtest/gtest.h>

#include "network/NetCalc.h"
#include "ui/ResultText.h"

namespace {

using Strings = std::vector<std::string>;

TEST(ResultText, InputInSeriesAndParallelForm) {
  const double Omega = 628318530.7179586;  // 100 MHz
  const std::pair<TComplex, Strings> Cases[] = {
      // Rp = 20 + 900/20 = 65, Xp = 30 + 400/30 = 43.3
      {{20, 30}, {"Re: 20     Im: +30 ohm (Ls=47.75 nH)", "Re: 65  // Im: 43.3 ohm (Lp=69 nH)"}},
      {{50, -50}, {"Re: 50     Im: -50 ohm (Cs=31.8 pF)", "Re: 100  // Im: -100 ohm (Cp=15.9 pF)"}},
      // parts below 0.1 mohm are shown as 0, a zero reactance as inductive; the parallel form stays finite
      {{50, 1e-16}, {"Re: 50     Im: +0 ohm (Ls=0 H)", "Re: 50  // Im: >999 Gohm (Lp=39.8 kH)"}},
      {{-0.00005, -300}, {"Re: 0     Im: -300 ohm (Cs=5.31 pF)", "Re: >999 G // Im: -300 ohm (Cp=5.31 pF)"}}};
  for (const auto& [Z, Expected] : Cases) {
    const TInputTexts T = InputTexts(Z, Omega);
    EXPECT_EQ((Strings{T.ZinSer, T.ZinPar}), Expected);
  }
  EXPECT_THROW(InputTexts({20, 30}, 0), EMathError);
}

TEST(ResultText, SWRInThreeDigitsOrInfinite) {
  const std::pair<double, const char*> Cases[] = {
      {1, "1"}, {1.5, "1.5"}, {2.349, "2.35"}, {12.34, "12.3"}, {1500, "1.5E3"}, {-1, "infinite"}};
  for (const auto& [SWR, Expected] : Cases) EXPECT_EQ(SWRText(SWR), Expected);
}

// Worked by hand: z = 1 + j1 has y = (1 - j1) / 2, |Gamma| = 1 / sqrt(5), VSWR 2.618, RL 6.99 dB.
TEST(ResultText, PointDetailsAtKnownPoints) {
  const struct {
    double Rn, Xn, Zn;
    Strings Expected;
  } Cases[] = {{1, 1, 50, {"Y: 10 mS - j 10 mS", "VSWR: 2.62   RL: 6.99 dB   Q: 1"}},
               {1, 0, 50, {"Y: 20 mS + j 0 S", "VSWR: 1   RL: infinite   Q: 0"}},
               {0.5, -2, 75, {"Y: 1.57 mS + j 6.27 mS", "VSWR: 10.4   RL: 1.67 dB   Q: 4"}},
               {0, 1, 50, {"Y: 0 S - j 20 mS", "VSWR: infinite   RL: 0 dB   Q: infinite"}},
               {0, 0, 50, {"Y: infinite", "VSWR: infinite   RL: 0 dB   Q: infinite"}},  // the short
               {1e9, 0, 50, {"Y: 20 pS + j 0 S", "VSWR: 1E9   RL: 1.74E-8 dB   Q: 0"}}};  // the open
  for (const auto& C : Cases) EXPECT_EQ(PointDetailTexts(C.Rn, C.Xn, C.Zn), C.Expected) << C.Rn << " " << C.Xn;
}

TEST(ResultText, PlotReadOutInEngineeringUnits) {
  EXPECT_EQ(PlotReadOut(123.4L, -12.34L, 1e6), "X= 123 MHz    Y= -12.3 dB");
  EXPECT_EQ(PlotReadOut(123.4L, -0.5L, 1e6), "X= 123 MHz    Y= -500 mdB");
  EXPECT_EQ(PlotReadOut(950, 0, 1e3), "X= 950 kHz    Y= 0 dB");
}

}  // namespace
