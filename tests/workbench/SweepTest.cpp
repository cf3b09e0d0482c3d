#include "workbench/Sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "network/NetCalc.h"
#include "workbench/Reflection.h"
#include "workbench/TwoPort.h"

namespace {

using enum TElementType;
using Cx = std::complex<double>;

Cx Of(const TComplex& Z) { return {Z.Re, Z.Im}; }

constexpr double Inf = std::numeric_limits<double>::infinity();

void ExpectNear(double Actual, double Expected, double Tolerance) {
  if (std::isinf(Expected)) EXPECT_EQ(Actual, Expected);
  else EXPECT_NEAR(Actual, Expected, Tolerance);
}

// Ladders of every kind of element; lossless ones have no resistor, no inductor loss and no line
// loss.
void RandomLadder(TNetWork& Net, std::mt19937& Random, bool Lossless) {
  std::uniform_real_distribution<double> Unit(0.2, 5);
  const std::vector<TElementType> Types =
      Lossless ? std::vector{Cs, Cp, Ls, Lp, Line, None} : std::vector{Cs, Cp, Ls, Lp, Line, None, Rs, Rp};
  Net.SetNrOfElements(std::uniform_int_distribution(2, 8)(Random));
  Net.Q = Lossless ? 0 : 80;
  Net.Elements[1].SetValue(50 * Unit(Random));
  Net.Elements[0].SetValue(40 * Unit(Random) - 100);
  for (int Slot = 2; Slot <= Net.NrOfElements + 1; ++Slot) {
    TElement& E = Net.Elements[Slot];
    E.SetElementType(Types[std::uniform_int_distribution<std::size_t>(0, Types.size() - 1)(Random)]);
    const double Scale = E.ElementType == Cs || E.ElementType == Cp   ? 1e-11
                         : E.ElementType == Ls || E.ElementType == Lp ? 1e-7
                         : E.ElementType == Line                      ? 0.3
                                                                      : 30;
    E.SetAttenuation(Lossless ? 0 : 5);
    E.SetZ0(30 * Unit(Random));
    E.SetValue(Scale * Unit(Random));
  }
}

TEST(SweepFrequencies, IncludesBothEndsInEqualStepsOrRatios) {
  struct {
    double From, To;
    int Points;
    TSweepScale Scale;
    std::vector<double> Expected;
  } const Cases[] = {
      {1e6, 2e6, 3, TSweepScale::Linear, {1e6, 1.5e6, 2e6}},
      {145e6, 146e6, 1, TSweepScale::Linear, {145e6}},
      {7e6, 7e6, 3, TSweepScale::Log, {7e6, 7e6, 7e6}},
      {1e6, 1e8, 3, TSweepScale::Log, {1e6, 1e7, 1e8}},
      {0.1, 0.3, 3, TSweepScale::Linear, {0.1, 0.2, 0.3}},
      {3e6, 3e9, 4, TSweepScale::Log, {3e6, 3e7, 3e8, 3e9}},
  };
  for (const auto& C : Cases) {
    const std::vector<double> F = SweepFrequencies(C.From, C.To, C.Points, C.Scale);
    ASSERT_EQ(F.size(), C.Expected.size());
    EXPECT_EQ(F.front(), C.From);
    EXPECT_EQ(F.back(), C.Points > 1 ? C.To : C.From);
    for (std::size_t i = 0; i < F.size(); ++i) EXPECT_NEAR(F[i], C.Expected[i], 1e-14 * C.Expected[i]) << i;
  }
}

TEST(SweepFrequencies, NeverStepsBackOverAMillionPoints) {
  for (const TSweepScale Scale : {TSweepScale::Linear, TSweepScale::Log}) {
    const std::vector<double> F = SweepFrequencies(1, 1e9, 1'000'000, Scale);
    EXPECT_TRUE(std::is_sorted(F.begin(), F.end()));
  }
}

// A sweep taken in blocks has exactly the frequencies of the whole list, the last one To itself.
TEST(SweepFrequencies, BlocksMakeTheWholeList) {
  for (const TSweepScale Scale : {TSweepScale::Linear, TSweepScale::Log}) {
    const std::vector<double> Whole = SweepFrequencies(3e5, 7e9, 1000, Scale);
    std::vector<double> Blocks;
    for (int First = 0; First < 1000; First += 300) {
      const std::vector<double> B = SweepFrequencies(3e5, 7e9, 1000, Scale, First, std::min(300, 1000 - First));
      Blocks.insert(Blocks.end(), B.begin(), B.end());
    }
    EXPECT_EQ(Blocks, Whole);
    EXPECT_EQ(Blocks.back(), 7e9);
  }
}

TEST(Reflection, GivesGammaVswrAndReturnLoss) {
  struct {
    TComplex Z;
    double Zn;
    Cx Gamma;
    double Vswr, ReturnLoss;
  } const Cases[] = {
      {{50, 0}, 50, 0, 1, Inf},
      {{150, 0}, 50, 0.5, 3, 6.0206},
      {{200, 0}, 50, 0.6, 4, 4.4370},
      {{0, 50}, 50, {0, 1}, Inf, 0},
      {{-5, 3}, 50, {-1.21239, 0.14749}, Inf, -1.73665},
      {{1e-3, 0}, 1e-3, 0, 1, Inf},
  };
  for (const auto& C : Cases) {
    const TComplex G = Reflection(C.Z, C.Zn);
    EXPECT_LT(std::abs(Of(G) - C.Gamma), 1e-4) << Of(C.Z);
    ExpectNear(Vswr(G), C.Vswr, 1e-12 * C.Vswr);
    ExpectNear(ReturnLossDb(G), C.ReturnLoss, 1e-4);
  }
  EXPECT_THROW(Reflection({-50, 0}, 50), EMathError);
}

TEST(SweepNetwork, AgreesWithTheNetworkAndKeepsItsFrequency) {
  std::mt19937 Random(7);
  for (int Trial = 0; Trial < 50; ++Trial) {
    TNetWork Net;
    RandomLadder(Net, Random, false);
    const std::vector<double> F = SweepFrequencies(1e6, 1e9, 17, TSweepScale::Log);
    const TSweepOf<TSweepPoint> Sweep = SweepNetwork(Net, F);
    EXPECT_EQ(Net.GetFrequency(), 1e8);
    ASSERT_EQ(Sweep.Points.size(), F.size());
    for (std::size_t i = 0; i < F.size(); ++i) {
      Net.SetFrequency(F[i]);
      Net.Calculate();
      const TSweepPoint& P = Sweep.Points[i];
      EXPECT_EQ(P.Frequency, F[i]);
      const Cx Zin = Of(Net.Elements[Net.NrOfElements + 1].Z);
      EXPECT_LT(std::abs(Of(P.Zin) - Zin), 1e-9 * std::abs(Zin));
      EXPECT_NEAR(P.Transfer, PowerTransfer(Net), 1e-9 * PowerTransfer(Net));
    }
  }
}

TEST(SweepNetwork, LeavesOutThePointsAFaultStops) {
  TNetWork Net;
  Net.SetNrOfElements(2);
  Net.Elements[1].SetValue(50);
  Net.Elements[2].SetElementType(Cp);  // of 0 F: no reactance
  const TSweepOf<TSweepPoint> Sweep = SweepNetwork(Net, std::vector{1e6, 2e6, 3e6});
  EXPECT_TRUE(Sweep.Points.empty());
  EXPECT_EQ(Sweep.LeftOut, 3u);
  EXPECT_EQ(Sweep.FirstFaultFrequency, 1e6);
  EXPECT_EQ(Sweep.FirstFault, "Floating point division by zero");
  EXPECT_EQ(Net.GetFrequency(), 1e8);
}

// Where the engine has no value the reference decides: it computes the point or leaves it out
// with its fault.
TEST(SweepNetwork, AsksTheReferenceWhereTheEngineHasNoValue) {
  struct {
    TElementType Type;
    double Value;
    std::size_t Points;
    std::string FirstFault;
  } const Cases[] = {{Lp, 1e-7, 2, ""}, {Cp, 1e-11, 1, "Floating point division by zero"}};
  for (const auto& C : Cases) {
    TNetWork Net;
    Net.SetNrOfElements(2);
    Net.Elements[1].SetValue(50);
    Net.Elements[2].SetElementType(C.Type);
    Net.Elements[2].SetValue(C.Value);
    const TSweepOf<TSweepPoint> Sweep = SweepNetwork(Net, std::vector{0.0, 1e6});
    ASSERT_EQ(Sweep.Points.size(), C.Points);
    EXPECT_EQ(Sweep.FirstFault, C.FirstFault);
    EXPECT_EQ(Sweep.Points.back().Frequency, 1e6);
    if (C.Points == 2) {
      Net.SetFrequency(0);
      EXPECT_EQ(Of(Sweep.Points[0].Zin), Of(EvaluatePoint(Net).Zin));
    }
  }
}

// Reciprocal always, lossless without resistors, inductor loss and line loss, and terminated in
// the load it gives the input reflection of the whole ladder.
TEST(TwoPort, ReciprocalLosslessAndTerminatedInTheLoadGivesTheInputReflection) {
  std::mt19937 Random(11);
  for (int Trial = 0; Trial < 2000; ++Trial) {
    TNetWork Net;
    const bool Lossless = Trial % 2 == 0;
    RandomLadder(Net, Random, Lossless);
    const std::vector<double> F{std::uniform_real_distribution(1e6, 1e9)(Random)};
    const TTwoPortPoint T = SweepTwoPort(Net, F).Points.at(0);
    const TSweepPoint P = SweepNetwork(Net, F).Points.at(0);
    const Cx S11 = Of(T.S.S11), S21 = Of(T.S.S21), S12 = Of(T.S.S12), S22 = Of(T.S.S22);
    EXPECT_LT(std::abs(S12 - S21), 1e-9) << Trial;
    const double Power = std::norm(S11) + std::norm(S21);
    if (Lossless) EXPECT_NEAR(Power, 1, 1e-9) << Trial;
    else EXPECT_LE(Power, 1 + 1e-9) << Trial;
    const Cx ZLoad(Net.Elements[1].Value, Net.Elements[0].Value), GammaLoad = (ZLoad - 50.0) / (ZLoad + 50.0);
    const Cx Terminated = S11 + S12 * S21 * GammaLoad / (1.0 - S22 * GammaLoad);
    EXPECT_LT(std::abs(Terminated - Of(P.Gamma)), 1e-9) << Trial;
  }
}

}  // namespace
