#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <tuple>

#include "network/NetCalc.h"

namespace {

using enum TElementType;
using Cx = std::complex<long double>;

Cx Of(const TComplex& Z) { return {Z.Re, Z.Im}; }

void ExpectClose(const TComplex& Actual, Cx Expected, long double Relative = 1e-12L) {
  EXPECT_LE(std::abs(Of(Actual) - Expected), Relative * std::abs(Expected)) << Of(Actual) << " vs " << Expected;
}

struct TStep {
  TElementType Type;
  double Value;
};

// The load R + jX and the elements from position 1 towards the input.
TNetWork& Build(TNetWork& Net, double R, double X, std::initializer_list<TStep> Steps) {
  Net.SetNrOfElements(static_cast<int>(Steps.size()));
  Net.Elements[1].SetValue(R);
  Net.Elements[0].SetValue(X);
  int Slot = 2;
  for (const TStep& S : Steps) {
    Net.Elements[Slot].SetElementType(S.Type);
    Net.Elements[Slot++].SetValue(S.Value);
  }
  return Net;
}

const TElement& Input(const TNetWork& Net) { return Net.Elements[Net.NrOfElements + 1]; }

TEST(Complex, ParallelCombinations) {
  TComplex R;
  CParallel({50, 0}, {50, 0}, R);
  EXPECT_DOUBLE_EQ(R.Re, 25);
  EXPECT_NEAR(R.Im, -2.5e-15, 1e-29);  // the substitute for a zero imaginary sum shows
  CParallel({0, 100}, {0, -100}, R);   // resonance: large, not a fault
  EXPECT_NEAR(R.Re, 5e17, 1e3);
  EXPECT_NEAR(R.Im, -5e17, 1e3);
  CDiv({3, 4}, {0, 0}, R);
  EXPECT_EQ(Of(R), Cx(0));
}

// A long line turns through many periods: the argument reduction must stay exact far out.
TEST(Complex, HyperbolicFunctionsAgreeWithTheLibrary) {
  for (const TComplex Z : {TComplex{0.3, -2.1}, {-1.5, 4}, {0.5, 123456.789}, {0, 987654321}, {0, -1e15}}) {
    TComplex S, C;
    CSinh(Z, S);
    CCosh(Z, C);
    ExpectClose(S, std::sinh(Of(Z)), 1e-15L);
    ExpectClose(C, std::cosh(Of(Z)), 1e-15L);
  }
}

TEST(Complex, ResultMayOverwriteAnInput) {
  const TComplex A{3, -1}, B{0.5, 2};
  for (auto Op : {CAdd, CMul, CDiv, CParallel}) {
    TComplex Apart, X = A, Y = B;
    Op(A, B, Apart);
    Op(X, B, X);
    Op(A, Y, Y);
    EXPECT_EQ(std::pair(Of(X), Of(Y)), std::pair(Of(Apart), Of(Apart)));
  }
  for (auto Op : {CSinh, CCosh, CReciprocal}) {
    TComplex Apart, X = B;
    Op(B, Apart);
    Op(X, X);
    EXPECT_EQ(Of(X), Of(Apart));
  }
}

// Squares beyond the double range are fine while the results fit; results that do not fit are
// raised, never stored.
TEST(Complex, ExtendedIntermediatesAndOverflow) {
  EXPECT_DOUBLE_EQ(CAbs({3e200, 4e200}), 5e200);
  TComplex R;
  CDiv({1e300, 0}, {1e300, 0}, R);
  EXPECT_EQ(Of(R), Cx(1));
  EXPECT_THROW(CAdd({1.7e308, 0}, {1.7e308, 0}, R), EMathError);
  EXPECT_THROW(CMul({1e200, 0}, {1e200, 0}, R), EMathError);
  EXPECT_THROW(CDiv({1e300, 0}, {1e-300, 0}, R), EMathError);
}

TEST(NetWork, StartsWithTheDefaults) {
  const TNetWork Net;
  EXPECT_EQ(std::tuple(Net.NrOfElements, Net.Frequency, Net.ScanStart, Net.ScanStop, Net.ScanSteps, Net.Q, Net.Zn),
            std::tuple(0, 1e8, 8e7, 1.25e8, 100, 0.0, 50.0));
  EXPECT_EQ(Net.Omega(), 628318530.7179586);
  for (const TElement& E : Net.Elements) {
    EXPECT_EQ(std::tuple(E.ElementType, E.Value, E.Z0, E.VelocityFactor, E.Attenuation, E.AttenuationFreq,
                         E.LineLength, E.Network),
              std::tuple(None, 0.0, 50.0, 0.67, 5.0, 1e7, 0.4, &Net));
  }
}

TEST(NetWork, ElementCountIsClampedToTheSlots) {
  TNetWork Net;
  for (const auto& [Asked, Kept] : {std::pair{-1, 2}, {31, 30}, {5, 5}}) {
    Net.SetNrOfElements(Asked);
    EXPECT_EQ(Net.NrOfElements, Kept);
  }
}

// Z after one element as the textbook has it: an inductor loses omega L / Q in series; the line
// (75 ohm, 12 dB per 100 m at 10 MHz) follows the telegraph equation.
Cx After(Cx Z, const TStep& S, long double Omega, double Q) {
  const auto Par = [](Cx A, Cx B) { return A * B / (A + B); };
  const Cx Coil(Q ? Omega * S.Value / Q : 0, Omega * S.Value), Cap(0, -1 / (Omega * S.Value));
  switch (S.Type) {
    case Cs: return Z + Cap;
    case Cp: return Par(Z, Cap);
    case Ls: return Z + Coil;
    case Lp: return Par(Z, Coil);
    case Rs: return Z + Cx(S.Value);
    case Rp: return Par(Z, S.Value);
    default: {
      const Cx Th = std::tanh(Cx(std::sqrt(10.0L) * 12 / 869 * S.Value, Omega * S.Value / (0.67L * 3e8L)));
      return 75.0L * (Z + 75.0L * Th) / (75.0L + Z * Th);
    }
  }
}

TEST(NetWork, EveryNodeAgreesWithAnIndependentModelAndKeepsZEqualToVOverI) {
  const auto Steps = {TStep{Lp, 2.2e-7}, {Cs, 1.5e-11}, {Line, 3.7}, {Cp, 4.7e-11}, {Ls, 1e-7}, {Rs, 3.3}, {Rp, 680}};
  for (double Q : {0.0, 60.0}) {
    TNetWork Net;
    Build(Net, 12, -40, Steps).Q = Q;
    Net.Elements[4].SetZ0(75);
    Net.Elements[4].SetAttenuation(12);
    Net.Calculate();
    Cx Z(12, -40);
    int Slot = 2;
    for (const TStep& S : Steps) {
      const TElement& E = Net.Elements[Slot++];
      Z = After(Z, S, Net.Omega(), Q);
      ExpectClose(E.Z, Z);
      ExpectClose(E.Z, Of(E.V) / Of(E.I));
    }
  }
}

// The load node carries 1 A. Zero values get small substitutes; a line of length 0 passes its
// node on unchanged.
TEST(NetWork, LoadNodeAndZeroValues) {
  TNetWork Net;
  Build(Net, 33, 0, {{Cs, 0}, {Line, 0}}).Calculate();
  const TElement& Load = Net.Elements[1];
  EXPECT_EQ(std::tuple(Of(Load.Z), Of(Load.I), Of(Load.V)), std::tuple(Cx(33, 1e-16), Cx(1), Cx(33, 1e-16)));
  EXPECT_EQ(Net.Elements[2].Value, 1e-15);
  for (auto Member : {&TElement::Z, &TElement::V, &TElement::I})
    ExpectClose(Net.Elements[3].*Member, Of(Net.Elements[2].*Member), 1e-15L);
  TComplex Zin;
  Net.LineZin({33, 12}, 2, 0, Zin);
  ExpectClose(Zin, Cx(33, 12), 1e-15L);
}

// A lossless stub of an eighth wave (100 MHz, velocity factor 0.67) adds +j/Z0 when open and -j/Z0
// when short; a lossy one adds tanh(gamma l) / Z0 or coth(gamma l) / Z0. Of length 0 an open stub
// passes the impedance on and a short one shorts the node.
TEST(NetWork, StubsAddTheAdmittanceOfTheirLine) {
  const double Eighth = 0.67 * 3e8 / 1e8 / 8;
  const long double Alpha = std::sqrt(10.0L) * 12 / 869;
  const Cx GammaL(Alpha * 1.3L, 2 * std::numbers::pi_v<long double> * 1e8L * 1.3L / (0.67L * 3e8L));
  const Cx Load(30, -20);
  const struct {
    TElementType Type;
    double Length, Z0, Attenuation;
    Cx Z;
  } Cases[] = {
      {OpenStub, Eighth, 50, 0, 1.0L / (1.0L / Load + Cx(0, 1.0L / 50))},
      {ShortStub, Eighth, 50, 0, 1.0L / (1.0L / Load - Cx(0, 1.0L / 50))},
      {OpenStub, Eighth, 75, 0, 1.0L / (1.0L / Load + Cx(0, 1.0L / 75))},
      {OpenStub, 1.3, 75, 12, 1.0L / (1.0L / Load + std::tanh(GammaL) / 75.0L)},
      {ShortStub, 1.3, 75, 12, 1.0L / (1.0L / Load + 1.0L / std::tanh(GammaL) / 75.0L)},
      {OpenStub, 0, 50, 5, Load},
  };
  for (const auto& C : Cases) {
    TNetWork Net;
    Build(Net, Load.real(), Load.imag(), {{C.Type, C.Length}});
    TElement& E = Net.Elements[2];
    E.SetZ0(C.Z0);
    E.SetAttenuation(C.Attenuation);
    Net.Calculate();
    SCOPED_TRACE(TypeName(C.Type) + " " + std::to_string(C.Length));
    EXPECT_EQ(E.LineLength, C.Length);
    ExpectClose(E.Z, C.Z, 1e-12L);
    ExpectClose(E.V, Load, 1e-15L);
    ExpectClose(E.Z, Of(E.V) / Of(E.I));
  }
  TNetWork Net;
  Build(Net, 30, -20, {{ShortStub, 0}}).Calculate();
  EXPECT_EQ(Of(Net.Elements[2].Z), Cx(0));
}

constexpr TComplex Stale{-7, -7};

TNetWork& MakeStale(TNetWork& Net) {
  for (TElement& E : Net.Elements) E.Z = E.V = E.I = Stale;
  return Net;
}

// A Stub has no model: it passes the impedance on like None. Slots beyond the input are no part
// of the ladder.
TEST(NetWork, StubPassesTheImpedanceOnAndSlotsBeyondTheInputKeepTheirValues) {
  TNetWork Net;
  Build(MakeStale(Net), 50, 10, {{None, 0}, {Stub, 1}, {Rs, 5}}).Calculate();
  EXPECT_EQ(Of(Net.Elements[3].Z), Cx(50, 10));
  EXPECT_EQ(Of(Net.Elements[4].Z), Cx(55, 10));
  EXPECT_EQ(Of(Net.Elements[5].Z), Of(Stale));
}

constexpr const char* DivByZero = "Floating point division by zero";
constexpr const char* Invalid = "Invalid floating point operation";
constexpr const char* Overflow = "Floating point overflow";

// The fault sits at position 3, after a sound Rs and Ls.
struct TFault {
  const char* Name;
  TElementType Type;
  double Value = 0.3, Frequency = 1e8, AttenuationFreq = 1e7, VelocityFactor = 0.67, Attenuation = 5;
  const char* Message = DivByZero;
};

void PrintTo(const TFault& F, std::ostream* Os) { *Os << F.Name; }

class FaultAtANode : public ::testing::TestWithParam<TFault> {};

TEST_P(FaultAtANode, StopsThereKeepingEarlierResultsAndLaterStaleOnes) {
  const TFault& F = GetParam();
  TNetWork Net;
  Build(MakeStale(Net), 50, 0, {{Rs, 10}, {Ls, 1e-7}, {F.Type, F.Value}, {None, 0}, {None, 0}});
  Net.SetFrequency(F.Frequency);
  Net.Elements[4].SetAttenuationFreq(F.AttenuationFreq);
  Net.Elements[4].SetVelocityFactor(F.VelocityFactor);
  Net.Elements[4].SetAttenuation(F.Attenuation);
  try {
    Net.Calculate();
    ADD_FAILURE() << "no fault raised";
  } catch (const EMathError& Error) {
    EXPECT_STREQ(Error.what(), F.Message);
  }
  EXPECT_EQ(Net.Elements[2].Z.Re, 60);
  EXPECT_NE(Of(Net.Elements[3].V), Of(Stale));
  for (int Slot = 4; Slot <= 6; ++Slot)
    for (auto Member : {&TElement::Z, &TElement::V, &TElement::I})
      EXPECT_EQ(Of(Net.Elements[Slot].*Member), Of(Stale)) << "slot " << Slot;
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, FaultAtANode,
    ::testing::Values(
        TFault{.Name = "ParallelCapacitorOfZero", .Type = Cp, .Value = 0},
        TFault{.Name = "ParallelCapacitorAtZeroHertz", .Type = Cp, .Frequency = 0},
        TFault{.Name = "SeriesCapacitorAtZeroHertz", .Type = Cs, .Frequency = 0},
        TFault{.Name = "LineWithoutAttenuationFrequency", .Type = Line, .AttenuationFreq = 0},
        TFault{.Name = "LineWithoutVelocityFactor", .Type = Line, .VelocityFactor = 0},
        TFault{.Name = "LineAtNegativeFrequencyRatio", .Type = Line, .AttenuationFreq = -1e7, .Message = Invalid},
        TFault{.Name = "LineAtZeroHertzWithoutAttenuationFrequency", .Type = Line, .Frequency = 0,
               .AttenuationFreq = 0, .Message = Invalid},
        TFault{.Name = "LineSoLossyItsHyperbolicsOverflow", .Type = Line, .Attenuation = 1e6, .Message = Overflow},
        TFault{.Name = "OpenStubWithoutVelocityFactor", .Type = OpenStub, .VelocityFactor = 0},
        TFault{.Name = "ShortStubWithoutAttenuationFrequency", .Type = ShortStub, .AttenuationFreq = 0},
        TFault{.Name = "ShortStubSoLossyItsHyperbolicsOverflow", .Type = ShortStub, .Attenuation = 1e6,
               .Message = Overflow},
        TFault{.Name = "ReactanceBeyondTheDoubleRange", .Type = Ls, .Value = 1e300, .Message = Overflow}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// Whatever the values, an evaluation completes with finite results or stops with a fault.
TEST(NetWork, NoEvaluationLeavesANonFiniteResult) {
  std::mt19937_64 Random(20261206);
  auto Any = [&] {
    const double Magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-320, 308)(Random));
    return std::array{0.0, -Magnitude, Magnitude, Magnitude}[Random() % 4];
  };
  const auto Step = [&] { return TStep{static_cast<TElementType>(Random() % 11), Any()}; };
  int Completed = 0;
  for (int Trial = 0; Trial < 3000; ++Trial) {
    TNetWork Net;
    Build(Net, Any(), Any(), {Step(), Step(), Step(), Step(), Step()}).SetFrequency(std::abs(Any()));
    Net.Q = Any();
    for (TElement& E : Net.Elements)
      for (double* V : {&E.Z0, &E.Attenuation, &E.AttenuationFreq, &E.VelocityFactor, &E.LineLength}) *V = Any();
    try {
      Net.Calculate();
    } catch (const EMathError&) {
      continue;
    }
    ++Completed;
    for (int Slot = 1; Slot <= 6; ++Slot)
      for (const TComplex& C : {Net.Elements[Slot].Z, Net.Elements[Slot].V, Net.Elements[Slot].I})
        ASSERT_TRUE(std::isfinite(C.Re) && std::isfinite(C.Im)) << "trial " << Trial << " slot " << Slot;
  }
  EXPECT_GT(Completed, 100);
}

// A lossless quarter wave (at 100 MHz with the default velocity factor) turns 100 ohm into 25 and
// matches it to that Zn. Without loss all the power entering the input reaches the load: the
// transfer is 1 - |reflection at the input|^2 at any frequency.
TEST(PowerTransfer, LosslessLineFollowsTheMismatch) {
  TNetWork Net;
  Build(Net, 100, 0, {{Line, 0.67 * 3e8 / 1e8 / 4}}).Elements[2].SetAttenuation(0);
  Net.SetZn(25);
  Net.Calculate();
  ExpectClose(Input(Net).Z, 25, 1e-10L);
  EXPECT_NEAR(PowerTransfer(Net), 1, 1e-12);
  for (double F : {60e6, 250e6}) {
    Net.SetFrequency(F);
    Net.Calculate();
    const Cx Zin = Of(Input(Net).Z);
    EXPECT_NEAR(PowerTransfer(Net), 1 - std::norm((Zin - 25.0L) / (Zin + 25.0L)), 1e-12) << F;
  }
}

// The load shares its current with a series loss: it gets 4 Zn RL / |Zin + Zn|^2 of the power.
TEST(PowerTransfer, SeriesLossTakesItsShare) {
  for (const auto& [Type, Value, Q] : {std::tuple{Rs, 50.0, 0.0}, {Ls, 1e-7, 20.0}}) {
    TNetWork Net;
    Build(Net, 50, 0, {{Type, Value}}).Q = Q;
    Net.Calculate();
    const double X = Type == Ls ? Net.Omega() * Value : 0, R = Type == Rs ? Value : X / Q;
    EXPECT_NEAR(PowerTransfer(Net), 4 * 50 * 50 / std::norm(std::complex<double>(50 + 50 + R, X)), 1e-12);
    Net.SetZn(0);
    EXPECT_THROW(PowerTransfer(Net), EMathError);
  }
}

}  // namespace
