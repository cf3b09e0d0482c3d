#include <gtest/gtest.h>

#include "network/NetCalc.h"
#include "ui/ResultText.h"

namespace {

const double Omega100MHz = 628318530.7179586;

TEST(ResultText, InductiveInputShowsSeriesInductanceWithFourDigits) {
  const TInputTexts T = InputTexts({20, 30}, Omega100MHz);
  EXPECT_EQ(T.ZinSer, "Re: 20     Im: +30 ohm (Ls=47.75 nH)");
  // Rp = 20 + 900/20 = 65, Xp = 30 + 400/30 = 43.3, Lp = 43.3 / omega = 69.0 nH
  EXPECT_EQ(T.ZinPar, "Re: 65  // Im: 43.3 ohm (Lp=69 nH)");
}

TEST(ResultText, CapacitiveInputShowsSeriesCapacitance) {
  const TInputTexts T = InputTexts({50, -50}, Omega100MHz);
  EXPECT_EQ(T.ZinSer, "Re: 50     Im: -50 ohm (Cs=31.8 pF)");
  EXPECT_EQ(T.ZinPar, "Re: 100  // Im: -100 ohm (Cp=15.9 pF)");
}

TEST(ResultText, TinyPartsAreShownAsZeroAndTakeTheInductiveBranch) {
  const TInputTexts T = InputTexts({50, 1e-16}, Omega100MHz);
  EXPECT_EQ(T.ZinSer, "Re: 50     Im: +0 ohm (Ls=0 H)");
  EXPECT_EQ(T.ZinPar.substr(0, 12), "Re: 50  // I");
  const TInputTexts Short = InputTexts({-0.00005, -300}, Omega100MHz);
  EXPECT_EQ(Short.ZinSer.substr(0, 9), "Re: 0    ");
}

TEST(ResultText, ZeroFrequencyIsAnArithmeticFault) { EXPECT_THROW(InputTexts({20, 30}, 0), EMathError); }

TEST(ResultText, PlotReadOutInEngineeringUnits) {
  EXPECT_EQ(PlotReadOut(123.4L, -12.34L, 1e6), "X= 123 MHz    Y= -12.3 dB");
  EXPECT_EQ(PlotReadOut(123.4L, -0.5L, 1e6), "X= 123 MHz    Y= -500 mdB");
  EXPECT_EQ(PlotReadOut(950, 0, 1e3), "X= 950 kHz    Y= 0 dB");
}

TEST(ResultText, SWRInThreeDigitsOrInfinite) {
  EXPECT_EQ(SWRText(1), "1");
  EXPECT_EQ(SWRText(1.5), "1.5");
  EXPECT_EQ(SWRText(2.349), "2.35");
  EXPECT_EQ(SWRText(12.34), "12.3");
  EXPECT_EQ(SWRText(1500), "1.5E3");
  EXPECT_EQ(SWRText(-1), "infinite");
}

}  // namespace
