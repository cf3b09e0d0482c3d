#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "network/NetCalc.h"

namespace {

constexpr TComplex Stale{-7, -7};

struct TFaultCase {
  const char* Name;
  std::function<void(TNetWork&)> Arrange;  // puts the fault at position 3 (slot 4)
  const char* Message;
};

void PrintTo(const TFaultCase& C, std::ostream* Os) { *Os << C.Name; }

class FaultAtANode : public ::testing::TestWithParam<TFaultCase> {};

void MakeLine(TElement& E) {
  E.SetElementType(TElementType::Line);
  E.SetLineLength(0.3);
}

// Positions 1 and 2 are sound; the fault sits at position 3; positions 4 and 5 follow it.
TEST_P(FaultAtANode, StopsThereKeepingEarlierResultsAndLaterStaleOnes) {
  TNetWork Net;
  Net.SetNrOfElements(5);
  Net.Elements[1].SetValue(50);
  Net.Elements[2].SetElementType(TElementType::Rs);
  Net.Elements[2].SetValue(10);
  Net.Elements[3].SetElementType(TElementType::Ls);
  Net.Elements[3].SetValue(1e-7);
  for (int Slot = 2; Slot <= 6; ++Slot) Net.Elements[Slot].Z = Net.Elements[Slot].V = Net.Elements[Slot].I = Stale;
  GetParam().Arrange(Net);
  try {
    Net.Calculate();
    FAIL() << "no fault raised";
  } catch (const EMathError& E) {
    EXPECT_STREQ(E.what(), GetParam().Message);
  }
  EXPECT_EQ(Net.Elements[2].Z.Re, 60);
  EXPECT_NE(Net.Elements[3].Z.Im, Stale.Im);
  for (int Slot = 4; Slot <= 6; ++Slot) {
    EXPECT_EQ(Net.Elements[Slot].Z.Re, Stale.Re) << "slot " << Slot;
    EXPECT_EQ(Net.Elements[Slot].V.Re, Stale.Re) << "slot " << Slot;
    EXPECT_EQ(Net.Elements[Slot].I.Re, Stale.Re) << "slot " << Slot;
  }
}

const char* const DivByZero = "Floating point division by zero";
const char* const Invalid = "Invalid floating point operation";
const char* const Overflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Calculate, FaultAtANode,
    ::testing::Values(
        TFaultCase{"ParallelCapacitorOfZero",
                   [](TNetWork& N) { N.Elements[4].SetElementType(TElementType::Cp); }, DivByZero},
        TFaultCase{"ParallelCapacitorAtZeroHertz",
                   [](TNetWork& N) {
                     N.Elements[4].SetElementType(TElementType::Cp);
                     N.Elements[4].SetValue(1e-11);
                     N.SetFrequency(0);
                   },
                   DivByZero},
        TFaultCase{"SeriesCapacitorAtZeroHertz",
                   [](TNetWork& N) {
                     N.Elements[4].SetElementType(TElementType::Cs);
                     N.SetFrequency(0);
                   },
                   DivByZero},
        TFaultCase{"LineWithoutAttenuationFrequency",
                   [](TNetWork& N) {
                     MakeLine(N.Elements[4]);
                     N.Elements[4].SetAttenuationFreq(0);
                   },
                   DivByZero},
        TFaultCase{"LineWithoutVelocityFactor",
                   [](TNetWork& N) {
                     MakeLine(N.Elements[4]);
                     N.Elements[4].SetVelocityFactor(0);
                   },
                   DivByZero},
        TFaultCase{"LineAtNegativeFrequencyRatio",
                   [](TNetWork& N) {
                     MakeLine(N.Elements[4]);
                     N.Elements[4].SetAttenuationFreq(-1e7);
                   },
                   Invalid},
        TFaultCase{"LineAtZeroHertzWithoutAttenuationFrequency",
                   [](TNetWork& N) {
                     MakeLine(N.Elements[4]);
                     N.Elements[4].SetAttenuationFreq(0);
                     N.SetFrequency(0);
                   },
                   Invalid},
        TFaultCase{"LineSoLossyItsHyperbolicsOverflow",
                   [](TNetWork& N) {
                     MakeLine(N.Elements[4]);
                     N.Elements[4].SetAttenuation(1e6);
                   },
                   Overflow},
        TFaultCase{"SeriesReactanceBeyondTheDoubleRange",
                   [](TNetWork& N) {
                     N.Elements[4].SetElementType(TElementType::Ls);
                     N.Elements[4].SetValue(1e300);
                   },
                   Overflow}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Fault, LineLengthIsStoredBeforeAMissingVelocityFactorFaults) {
  TNetWork Net;
  TElement& E = Net.Elements[2];
  E.SetElementType(TElementType::Line);
  E.SetVelocityFactor(0);
  EXPECT_THROW(E.SetLineLength(2), EMathError);
  EXPECT_EQ(E.LineLength, 2);
  EXPECT_EQ(E.Value, 2);
}

// Whatever the element values, an evaluation either completes with finite results everywhere or
// stops with an arithmetic fault; it never leaves an infinity or a NaN behind.
TEST(Fault, NoEvaluationLeavesANonFiniteResult) {
  std::mt19937_64 Random(20261206);
  std::uniform_int_distribution<int> Type(0, 8);
  std::uniform_real_distribution<double> Exponent(-320, 308);
  std::uniform_int_distribution<int> Sign(0, 5);
  auto Any = [&] {
    const int S = Sign(Random);
    if (S == 0) return 0.0;
    const double M = std::pow(10.0, Exponent(Random));
    return S == 1 ? -M : M;
  };
  int Completed = 0;
  for (int Trial = 0; Trial < 3000; ++Trial) {
    TNetWork Net;
    Net.SetNrOfElements(5);
    Net.SetFrequency(std::abs(Any()));
    Net.Q = Any();
    Net.Elements[0].SetValue(Any());
    Net.Elements[1].SetValue(Any());
    for (int Slot = 2; Slot <= 6; ++Slot) {
      TElement& E = Net.Elements[Slot];
      E.SetElementType(static_cast<TElementType>(Type(Random)));
      E.SetValue(Any());
      E.SetZ0(Any());
      E.SetAttenuation(Any());
      E.SetAttenuationFreq(Any());
      E.SetVelocityFactor(Any());
      E.LineLength = Any();
    }
    try {
      Net.Calculate();
    } catch (const EMathError&) {
      continue;
    }
    ++Completed;
    for (int Slot = 1; Slot <= 6; ++Slot)
      for (const TComplex& C : {Net.Elements[Slot].Z, Net.Elements[Slot].V, Net.Elements[Slot].I}) {
        ASSERT_TRUE(std::isfinite(C.Re) && std::isfinite(C.Im)) << "trial " << Trial << " slot " << Slot;
      }
  }
  EXPECT_GT(Completed, 100);
}

}  // namespace
