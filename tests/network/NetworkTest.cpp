#include <gtest/gtest.h>

#include <complex>
#include <numbers>

#include "network/NetCalc.h"

namespace {

using Cx = std::complex<long double>;

Cx ToCx(const TComplex& Z) { return {Z.Re, Z.Im}; }

void ExpectClose(const TComplex& Actual, Cx Expected, double Relative = 1e-12) {
  const long double Tolerance = Relative * std::abs(Expected) + 1e-300;
  EXPECT_NEAR(Actual.Re, Expected.real(), Tolerance);
  EXPECT_NEAR(Actual.Im, Expected.imag(), Tolerance);
}

// A network with five positions, as the window uses it.
struct Ladder : ::testing::Test {
  TNetWork Net;
  Ladder() { Net.SetNrOfElements(5); }
  void Load(double R, double X) {
    Net.Elements[1].SetValue(R);
    Net.Elements[0].SetValue(X);
  }
  TElement& At(int Position) { return Net.Elements[Position + 1]; }
  void Place(int Position, TElementType T, double Value) {
    At(Position).SetElementType(T);
    At(Position).SetValue(Value);
  }
  void PlaceLine(int Position, double Length, double Z0, double Attenuation) {
    At(Position).SetElementType(TElementType::Line);
    At(Position).SetZ0(Z0);
    At(Position).SetAttenuation(Attenuation);
    At(Position).SetLineLength(Length);
  }
  long double Omega() const { return 2 * std::numbers::pi_v<long double> * Net.Frequency; }
};

TEST(NetWork, StartsWithTheDefaults) {
  TNetWork Net;
  EXPECT_EQ(Net.NrOfElements, 0);
  EXPECT_EQ(Net.Frequency, 1e8);
  EXPECT_EQ(Net.ScanStart, 8e7);
  EXPECT_EQ(Net.ScanStop, 1.25e8);
  EXPECT_EQ(Net.ScanSteps, 100);
  EXPECT_EQ(Net.Q, 0);
  EXPECT_EQ(Net.Zn, 50);
  for (const TElement& E : Net.Elements) {
    EXPECT_EQ(E.ElementType, TElementType::None);
    EXPECT_EQ(E.Value, 0);
    EXPECT_EQ(E.Z0, 50);
    EXPECT_EQ(E.VelocityFactor, 0.67);
    EXPECT_EQ(E.Attenuation, 5);
    EXPECT_EQ(E.AttenuationFreq, 1e7);
    EXPECT_EQ(E.LineLength, 0.4);
    EXPECT_EQ(E.Network, &Net);
  }
  EXPECT_EQ(Net.Omega(), 628318530.7179586);
}

TEST(NetWork, ElementCountIsClampedToTheSlots) {
  TNetWork Net;
  Net.SetNrOfElements(0);
  EXPECT_EQ(Net.NrOfElements, 2);
  Net.SetNrOfElements(31);
  EXPECT_EQ(Net.NrOfElements, 30);
  Net.SetNrOfElements(5);
  EXPECT_EQ(Net.NrOfElements, 5);
}

TEST(NetWork, ResetKeepsWhatIsNotADefault) {
  TNetWork Net;
  Net.SetNrOfElements(7);
  Net.Selected = 3;
  Net.Rg = 12;
  Net.Title = "T";
  Net.Creator = "C";
  Net.Elements[4].SetElementType(TElementType::Line);
  Net.Elements[4].SetLineLength(1);
  Net.Elements[4].Z = {1, 2};
  Net.SetFrequency(5e6);
  Net.Q = 80;
  Net.Reset();
  EXPECT_EQ(Net.NrOfElements, 7);
  EXPECT_EQ(Net.Selected, 3);
  EXPECT_EQ(Net.Rg, 12);
  EXPECT_EQ(Net.Title, "T");
  EXPECT_EQ(Net.Creator, "C");
  EXPECT_NEAR(Net.Elements[4].ElectricalLength, 1e8 / (0.67 * 3e8), 1e-15);
  EXPECT_EQ(Net.Elements[4].Z.Im, 2);
  EXPECT_EQ(Net.Elements[4].ElementType, TElementType::None);
  EXPECT_EQ(Net.Frequency, 1e8);
  EXPECT_EQ(Net.Q, 0);
}

TEST(NetWork, ValueAndLineLengthStayEqualOnlyForLines) {
  TNetWork Net;
  TElement& E = Net.Elements[2];
  E.SetElementType(TElementType::Cs);
  E.SetValue(1.5);
  EXPECT_EQ(E.LineLength, 0.4);
  E.SetElementType(TElementType::Line);
  E.SetValue(1.5);
  EXPECT_EQ(E.LineLength, 1.5);
  E.SetLineLength(0.4);
  EXPECT_EQ(E.Value, 0.4);
  EXPECT_NEAR(E.ElectricalLength, 0.199, 0.0005);
  E.SetVelocityFactor(0.8);  // the electrical length waits for the next length change
  EXPECT_NEAR(E.ElectricalLength, 0.199, 0.0005);
  E.SetElementType(TElementType::Rs);
  E.SetValue(50);
  E.SetElementType(TElementType::Cs);
  EXPECT_EQ(E.Value, 50);
}

TEST_F(Ladder, EmptyLadderRepeatsTheLoad) {
  Load(50, 0);
  Net.Calculate();
  for (int Slot = 1; Slot <= 6; ++Slot) {
    EXPECT_EQ(Net.Elements[Slot].Z.Re, 50);
    EXPECT_EQ(Net.Elements[Slot].Z.Im, 1e-16);
    EXPECT_EQ(Net.Elements[Slot].I.Re, 1);
    EXPECT_EQ(Net.Elements[Slot].I.Im, 0);
    EXPECT_EQ(Net.Elements[Slot].V.Re, 50);
    EXPECT_EQ(Net.Elements[Slot].V.Im, 1e-16);
  }
  EXPECT_EQ(Net.Elements[1].Value, 50);
  EXPECT_EQ(Net.Elements[0].Value, 0);  // the substitute is only computed, not stored
}

TEST_F(Ladder, ZeroSeriesCapacitorBecomesOneFemtofarad) {
  Load(50, 0);
  Place(1, TElementType::Cs, 0);
  Net.Calculate();
  EXPECT_EQ(At(1).Value, 1e-15);
  EXPECT_NEAR(At(1).Z.Im, -1.5915494309e6, 1);
}

TEST_F(Ladder, ParallelResistorHalvesAMatchedLoad) {
  Load(50, 0);
  Place(1, TElementType::Rp, 50);
  Net.Calculate();
  EXPECT_NEAR(At(1).Z.Re, 25, 1e-12);
  EXPECT_NEAR(At(1).Z.Im, 0, 1e-12);
  EXPECT_EQ(At(1).V.Re, Net.Elements[1].V.Re);
  EXPECT_EQ(At(1).V.Im, Net.Elements[1].V.Im);
  EXPECT_NEAR(At(1).I.Re, 2, 1e-12);
}

TEST_F(Ladder, SeriesInductorLossFollowsQ) {
  Load(20, 30);
  Place(1, TElementType::Ls, 1e-7);
  Net.Calculate();
  EXPECT_EQ(At(1).Z.Re, 20);
  EXPECT_NEAR(At(1).Z.Im, 30 + Omega() * 1e-7, 1e-12);
  Net.Q = 100;
  Net.Calculate();
  EXPECT_NEAR(At(1).Z.Re, 20 + Omega() * 1e-7 / 100, 1e-12);
}

TEST_F(Ladder, LumpedElementsAgreeWithAnIndependentLadder) {
  Load(12, -40);
  Net.Q = 60;
  Place(1, TElementType::Lp, 2.2e-7);
  Place(2, TElementType::Cs, 1.5e-11);
  Place(3, TElementType::Cp, 4.7e-11);
  Place(4, TElementType::Rs, 3.3);
  Place(5, TElementType::Rp, 680);
  Net.Calculate();
  const long double w = Omega();
  const auto Par = [](Cx A, Cx B) { return A * B / (A + B); };
  Cx Z{12, -40};
  Z = Par(Z, Cx(w * 2.2e-7L / 60, w * 2.2e-7L));
  ExpectClose(At(1).Z, Z);
  Z += Cx(0, -1 / (w * 1.5e-11L));
  ExpectClose(At(2).Z, Z);
  Z = Par(Z, Cx(0, -1 / (w * 4.7e-11L)));
  ExpectClose(At(3).Z, Z);
  Z += 3.3L;
  ExpectClose(At(4).Z, Z);
  Z = Par(Z, 680.0L);
  ExpectClose(At(5).Z, Z);
}

TEST_F(Ladder, QuarterWaveLineInvertsTheLoad) {
  Load(100, 0);
  const double QuarterWave = 0.67 * 3e8 / 1e8 / 4;
  PlaceLine(1, QuarterWave, 50, 0);
  Net.Calculate();
  EXPECT_NEAR(At(1).Z.Re, 25, 1e-9);
  EXPECT_NEAR(At(1).Z.Im, 0, 1e-9);
}

TEST_F(Ladder, LossyLineAgreesWithTheTelegraphEquation) {
  Load(30, 75);
  PlaceLine(2, 3.7, 75, 12);
  Net.Calculate();
  const long double Alpha = std::sqrt(1e8L / 1e7L) * 12 / 869 * 3.7L;
  const long double Beta = 1e8L * 2 * std::numbers::pi_v<long double> * 3.7L / (0.67L * 3e8L);
  const Cx Th = std::tanh(Cx(Alpha, Beta));
  const Cx ZL{30, 75};
  ExpectClose(At(2).Z, 75.0L * (ZL + 75.0L * Th) / (75.0L + ZL * Th));
}

TEST_F(Ladder, EveryNodeKeepsZEqualToVOverI) {
  Load(7, -120);
  Net.Q = 35;
  Place(1, TElementType::Cp, 3e-11);
  PlaceLine(2, 1.3, 93, 20);
  Place(3, TElementType::Lp, 4e-8);
  Place(4, TElementType::Ls, 1e-7);
  PlaceLine(5, 0.21, 300, 2);
  Net.Calculate();
  for (int Slot = 1; Slot <= 6; ++Slot) {
    TComplex Ratio;
    CDiv(Net.Elements[Slot].V, Net.Elements[Slot].I, Ratio);
    ExpectClose(Ratio, ToCx(Net.Elements[Slot].Z), 1e-11);
  }
}

TEST_F(Ladder, LineOfLengthZeroPassesTheNodeOn) {
  Load(33, 12);
  Place(1, TElementType::Cs, 2e-11);
  PlaceLine(2, 0, 75, 5);
  Net.Calculate();
  ExpectClose(At(2).Z, ToCx(At(1).Z), 1e-15);
  ExpectClose(At(2).V, ToCx(At(1).V), 1e-15);
  ExpectClose(At(2).I, ToCx(At(1).I), 1e-15);
  TComplex Zin;
  Net.LineZin({33, 12}, 2, 0, Zin);
  ExpectClose(Zin, Cx(33, 12), 1e-15);
}

TEST_F(Ladder, StubNodeKeepsItsStaleValues) {
  Load(50, 10);
  At(2).SetElementType(TElementType::Stub);
  At(2).Z = {7, 8};
  At(2).V = {70, 80};
  At(2).I = {10, 0};
  Place(3, TElementType::Rs, 5);
  Net.Calculate();
  EXPECT_EQ(At(2).Z.Re, 7);
  EXPECT_EQ(At(2).V.Im, 80);
  EXPECT_EQ(At(3).Z.Re, 12);
  EXPECT_EQ(At(3).Z.Im, 8);
  EXPECT_EQ(At(3).I.Re, 10);
}

TEST(NetWork, OnlyTheLoadIsComputedBeforeTheCountIsSet) {
  TNetWork Net;
  Net.Elements[1].SetValue(75);
  Net.Elements[2].Z = {1, 1};
  Net.Calculate();
  EXPECT_EQ(Net.Elements[1].Z.Re, 75);
  EXPECT_EQ(Net.Elements[2].Z.Re, 1);
}

TEST(NetWork, SlotsBeyondTheInputAreNeverWritten) {
  TNetWork Net;
  Net.SetNrOfElements(30);
  Net.Elements[1].SetValue(50);
  for (int Slot = 2; Slot <= 31; ++Slot) {
    Net.Elements[Slot].SetElementType(TElementType::Rs);
    Net.Elements[Slot].SetValue(1);
  }
  Net.Calculate();
  EXPECT_EQ(Net.Elements[31].Z.Re, 80);
  Net.SetNrOfElements(3);
  Net.Elements[5].Z = {-1, -1};
  Net.Calculate();
  EXPECT_EQ(Net.Elements[4].Z.Re, 53);
  EXPECT_EQ(Net.Elements[5].Z.Re, -1);
}

}  // namespace
