#include <gtest/gtest.h>

#include <complex>

#include "network/NetCalc.h"

namespace {

// For a lossless ladder all the power entering the input reaches the load: the transfer is
// 1 - |reflection at the input|^2, an independent way to the same number.
double MismatchTransfer(const TNetWork& Net) {
  const TComplex& Z = Net.Elements[Net.NrOfElements + 1].Z;
  const std::complex<long double> Zin(Z.Re, Z.Im), Zn(Net.Zn, 0);
  return static_cast<double>(1 - std::norm((Zin - Zn) / (Zin + Zn)));
}

TNetWork& QuarterWaveTransformer(TNetWork& Net) {
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(100);
  TElement& Line = Net.Elements[2];
  Line.SetElementType(TElementType::Line);
  Line.SetAttenuation(0);
  Line.SetZ0(std::sqrt(100.0 * 50));
  Line.SetLineLength(0.67 * 3e8 / 1e8 / 4);
  return Net;
}

TEST(PowerTransfer, LosslessMatchIsWholeAtItsFrequencyAndFollowsTheMismatchElsewhere) {
  TNetWork Net;
  QuarterWaveTransformer(Net).Calculate();
  EXPECT_NEAR(PowerTransfer(Net), 1, 1e-12);
  for (double F : {60e6, 90e6, 130e6, 250e6}) {
    Net.SetFrequency(F);
    Net.Calculate();
    EXPECT_NEAR(PowerTransfer(Net), MismatchTransfer(Net), 1e-12) << F;
    EXPECT_LT(PowerTransfer(Net), 1);
  }
}

TEST(PowerTransfer, LumpedLosslessLadderAgreesWithTheMismatch) {
  TNetWork Net;
  Net.SetNrOfElements(3);
  Net.Elements[1].SetValue(12);
  Net.Elements[0].SetValue(-31);
  const TElementType Types[] = {TElementType::Lp, TElementType::Cs, TElementType::Cp};
  const double Values[] = {3.3e-8, 2.2e-11, 1e-11};
  for (int p = 0; p < 3; ++p) {
    Net.Elements[p + 2].SetElementType(Types[p]);
    Net.Elements[p + 2].SetValue(Values[p]);
  }
  Net.Calculate();
  EXPECT_NEAR(PowerTransfer(Net), MismatchTransfer(Net), 1e-12);
}

TEST(PowerTransfer, SeriesResistorTakesItsShare) {
  TNetWork Net;
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(50);
  Net.Elements[2].SetElementType(TElementType::Rs);
  Net.Elements[2].SetValue(50);
  Net.Calculate();
  // Source 50 ohm, 50 ohm in series, 50 ohm load: P_load / P_available = 4 * 50 * 50 / 150^2.
  EXPECT_NEAR(PowerTransfer(Net), 10000.0 / 22500, 1e-12);
}

TEST(PowerTransfer, LossyInductorDeliversLessThanTheMismatchAllows) {
  TNetWork Net;
  Net.SetNrOfElements(5);
  Net.Q = 20;
  Net.Elements[1].SetValue(50);
  Net.Elements[2].SetElementType(TElementType::Ls);
  Net.Elements[2].SetValue(1e-7);
  Net.Calculate();
  EXPECT_LT(PowerTransfer(Net), MismatchTransfer(Net) - 0.01);
  // The loss is the series resistance omega L / Q in the load's current path.
  const double R = Net.Omega() * 1e-7 / 20;
  const std::complex<double> Zin(50 + R, Net.Omega() * 1e-7);
  const double Expected = 50 * 4 * 50 / std::norm(Zin + 50.0);
  EXPECT_NEAR(PowerTransfer(Net), Expected, 1e-12);
}

TEST(PowerTransfer, NoAvailablePowerIsAnArithmeticFault) {
  TNetWork Net;
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(50);
  Net.Calculate();
  Net.SetZn(0);
  EXPECT_THROW(PowerTransfer(Net), EMathError);
}

}  // namespace
