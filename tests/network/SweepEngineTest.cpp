#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cmath>
#include <complex>
#include <iostream>
#include <numbers>
#include <optional>
#include <random>
#include <vector>

#include "network/NetCalc.h"
#include "network/SweepEngine.h"

namespace {

using enum TElementType;
using Cx = std::complex<double>;

constexpr double Tolerance = 1e-9;
constexpr std::size_t Frequencies = 8;

struct TReference {
  Cx Zin;
  double Transfer;
};

std::optional<TReference> Reference(TNetWork& Net, double F) {
  Net.SetFrequency(F);
  try {
    Net.Calculate();
    const TComplex& Z = Net.Elements[Net.NrOfElements + 1].Z;
    return TReference{{Z.Re, Z.Im}, PowerTransfer(Net)};
  } catch (const EMathError&) {
    return std::nullopt;
  }
}

// Runs Check once on every instruction set the engine was built for and this processor has, so that the vector widths
// and the scalar fallback of other processors are tested here too.
template <class TCheck>
void OnEveryInstructionSet(TCheck Check) {
  for (const std::int64_t Target : hwy::SupportedAndGeneratedTargets()) {
    SCOPED_TRACE(hwy::TargetName(Target));
    hwy::SetSupportedTargetsForTest(Target);
    Check();
  }
  hwy::SetSupportedTargetsForTest(0);
}

double RelativeError(Cx Actual, Cx Expected) { return std::abs(Actual - Expected) / std::abs(Expected); }

// The largest relative move of Zin or the transfer over the relative change of one input (an element's value, a line's
// Z0, the load, Q, the frequency). Double rounding in the engine moves its result by about this times its unit
// roundoff; where this is large the reference itself is the answer to an ill-posed question (a resonance, a pole) and
// no double evaluation can agree.
double Condition(TNetWork& Net, double F, const TReference& At) {
  constexpr double h = 1e-7;
  double Worst = 0;
  auto Probe = [&](double& Input) {
    const double Kept = Input;
    Input *= 1 + h;
    const std::optional<TReference> Moved = Reference(Net, F);
    Input = Kept;
    if (!Moved) return void(Worst = INFINITY);
    Worst = std::max({Worst, RelativeError(Moved->Zin, At.Zin) / h,
                      std::abs(Moved->Transfer - At.Transfer) / std::abs(At.Transfer) / h});
  };
  for (int Slot = 0; Slot <= Net.NrOfElements + 1; ++Slot) {
    TElement& E = Net.Elements[Slot];
    Probe(HasLineData(E.ElementType) ? E.LineLength : E.Value);
    if (HasLineData(E.ElementType)) Probe(E.Z0);
  }
  Probe(Net.Q);
  const std::optional<TReference> Moved = Reference(Net, F * (1 + h));
  if (!Moved) return INFINITY;
  return std::max(Worst, RelativeError(Moved->Zin, At.Zin) / h);
}

// Reactances of 0.1 to 10 Zn at the ladder's centre frequency, lines and stubs of up to a few wavelengths with loss given
// anywhere from 1 MHz to 1 GHz, loads with a zero part now and then.
struct TLadderMaker {
  std::mt19937 Random{2024};
  double Uniform(double A, double B) { return std::uniform_real_distribution(A, B)(Random); }
  double LogUniform(double A, double B) { return std::exp(Uniform(std::log(A), std::log(B))); }

  double Make(TNetWork& Net) {
    static const TElementType Types[] = {Cs, Cp, Ls, Lp, Rs, Rp, Line, Line, None, Stub, OpenStub, ShortStub};
    const double F0 = LogUniform(1e5, 1e9), Omega0 = 2 * std::numbers::pi * F0;
    Net.SetNrOfElements(std::uniform_int_distribution(2, 12)(Random));
    Net.Q = Uniform(0, 1) < 0.3 ? 0 : LogUniform(5, 500);
    Net.SetZn(LogUniform(10, 300));
    Net.Elements[1].SetValue(Uniform(0, 1) < 0.1 ? 0 : LogUniform(1, 1000));
    Net.Elements[0].SetValue(Uniform(0, 1) < 0.2 ? 0 : Uniform(-500, 500));
    for (int Slot = 2; Slot <= Net.NrOfElements + 1; ++Slot) {
      TElement& E = Net.Elements[Slot];
      E.SetElementType(Types[std::uniform_int_distribution<std::size_t>(0, std::size(Types) - 1)(Random)]);
      const double X = Net.Zn * LogUniform(0.1, 10);
      switch (E.ElementType) {
        case Cs:
        case Cp:
          E.SetValue(1 / (Omega0 * X));
          break;
        case Ls:
        case Lp:
          E.SetValue(X / Omega0);
          break;
        case Line:
        case OpenStub:
        case ShortStub:
          E.SetZ0(LogUniform(20, 150));
          E.SetVelocityFactor(Uniform(0.5, 1));
          E.SetAttenuation(Uniform(0, 1) < 0.3 ? 0 : LogUniform(0.1, 50));
          E.SetAttenuationFreq(LogUniform(1e6, 1e9));
          E.SetLineLength(Uniform(0, 3) * E.VelocityFactor * 3e8 / F0);
          break;
        default:
          E.SetValue(X);
      }
    }
    return F0;
  }
};

TEST(SweepEngine, AgreesWithCalculateOnThousandsOfRandomLadders) {
  OnEveryInstructionSet([] {
    TLadderMaker Maker;
    int Compared = 0, Skipped = 0;
    for (int Trial = 0; Trial < 3000; ++Trial) {
      TNetWork Net;
      const double F0 = Maker.Make(Net);
      std::vector<double> F(Frequencies);
      for (double& f : F) f = F0 * Maker.LogUniform(0.03, 30);
      const TLadderResult Engine = SweepLadder(Net, F);
      for (std::size_t i = 0; i < F.size(); ++i) {
        const std::optional<TReference> R = Reference(Net, F[i]);
        ASSERT_TRUE(R) << Trial;
        if (Condition(Net, F[i], *R) > 1e4) {
          ++Skipped;
          continue;
        }
        ++Compared;
        EXPECT_LT(RelativeError({Engine.ZinRe[i], Engine.ZinIm[i]}, R->Zin), Tolerance) << Trial << " at " << F[i];
        EXPECT_LT(std::abs(Engine.Transfer[i] - R->Transfer), Tolerance * std::abs(R->Transfer)) << Trial;
      }
    }
    std::cout << Compared << " points compared, " << Skipped << " ill-conditioned ones skipped\n";
    EXPECT_LT(Skipped, Compared / 10);
  });
}

// A fixed network with a load that changes with the frequency, as a measured one does.
TEST(SweepEngine, TakesTheLoadOfEveryFrequencyFromItsArray) {
  TLadderMaker Maker;
  for (int Trial = 0; Trial < 200; ++Trial) {
    TNetWork Net;
    const double F0 = Maker.Make(Net);
    std::vector<double> F(Frequencies);
    TSweepLoad Load;
    for (double& f : F) {
      f = F0 * Maker.LogUniform(0.3, 3);
      Load.Re.push_back(Maker.Uniform(0, 1) < 0.2 ? 0 : Maker.LogUniform(1, 500));
      Load.Im.push_back(Maker.Uniform(0, 1) < 0.2 ? 0 : Maker.Uniform(-300, 300));
    }
    TLadderResult Engine;
    EvaluateLadder(CompileSweep(Net), F, Load, Engine);
    for (std::size_t i = 0; i < F.size(); ++i) {
      Net.Elements[1].SetValue(Load.Re[i]);
      Net.Elements[0].SetValue(Load.Im[i]);
      const std::optional<TReference> R = Reference(Net, F[i]);
      ASSERT_TRUE(R);
      if (Condition(Net, F[i], *R) > 1e4) continue;
      EXPECT_LT(RelativeError({Engine.ZinRe[i], Engine.ZinIm[i]}, R->Zin), Tolerance) << Trial;
      EXPECT_LT(std::abs(Engine.Transfer[i] - R->Transfer), Tolerance * std::abs(R->Transfer)) << Trial;
    }
  }
  TLadderResult Engine;
  const TSweepLoad Short{{50}, {0}};
  EXPECT_THROW(EvaluateLadder(CompileSweep(TNetWork()), std::vector{1e6, 2e6}, Short, Engine), std::invalid_argument);
}

// Terminated in the load, the chain matrix gives the input impedance of the whole ladder.
TEST(SweepEngine, ChainMatrixTerminatedInTheLoadGivesZin) {
  TLadderMaker Maker;
  for (int Trial = 0; Trial < 500; ++Trial) {
    TNetWork Net;
    const double F0 = Maker.Make(Net);
    std::vector<double> F(Frequencies);
    for (double& f : F) f = F0 * Maker.LogUniform(0.3, 3);
    TChainResult C;
    EvaluateChain(CompileSweep(Net), F, C);
    for (std::size_t i = 0; i < F.size(); ++i) {
      const std::optional<TReference> R = Reference(Net, F[i]);
      ASSERT_TRUE(R);
      if (Condition(Net, F[i], *R) > 1e4) continue;
      const Cx ZL(Net.Elements[1].Value == 0 ? 1e-16 : Net.Elements[1].Value,
                  Net.Elements[0].Value == 0 ? 1e-16 : Net.Elements[0].Value);
      const Cx A(C.ARe[i], C.AIm[i]), B(C.BRe[i], C.BIm[i]), Cc(C.CRe[i], C.CIm[i]), D(C.DRe[i], C.DIm[i]);
      EXPECT_LT(RelativeError((A * ZL + B) / (Cc * ZL + D), R->Zin), 1e-8) << Trial;
    }
  }
}

// Where the reference faults, or treats a value in a way of its own, the engine leaves the point NaN for it to decide;
// the values it absorbs the engine absorbs alike.
TEST(SweepEngine, LeavesToTheReferenceWhatItTreatsInItsOwnWay) {
  struct TCase {
    const char* Name;
    TElementType Type;
    double Value, Frequency;
    bool ZinNaN, TransferNaN;
    void (*Adjust)(TNetWork&);
  };
  const auto Nothing = [](TNetWork&) {};
  const TCase Cases[] = {
      {"shunt C of 0 F", Cp, 0, 1e8, true, true, Nothing},
      {"shunt C at 0 Hz", Cp, 1e-11, 0, true, true, Nothing},
      {"series C at 0 Hz", Cs, 1e-11, 0, true, true, Nothing},
      {"shunt L at 0 Hz", Lp, 1e-7, 0, true, true, Nothing},
      {"shunt R of 0 ohm", Rp, 0, 1e8, true, true, Nothing},
      {"line at a negative frequency", Line, 1, -1e8, true, true, Nothing},
      {"line without velocity", Line, 1, 1e8, true, true, [](TNetWork& N) { N.Elements[2].SetVelocityFactor(0); }},
      {"line of Z0 0", Line, 1, 1e8, true, true, [](TNetWork& N) { N.Elements[2].SetZ0(0); }},
      {"line loss at 0 Hz", Line, 1, 1e8, true, true, [](TNetWork& N) { N.Elements[2].SetAttenuationFreq(0); }},
      {"line past the double range", Line, 1, 1e8, true, true, [](TNetWork& N) { N.Elements[2].SetAttenuation(1e6); }},
      {"open stub without velocity", OpenStub, 1, 1e8, true, true,
       [](TNetWork& N) { N.Elements[2].SetVelocityFactor(0); }},
      {"short stub of 0 m", ShortStub, 0, 1e8, true, true, Nothing},
      {"an element type with no model here", static_cast<TElementType>(11), 1, 1e8, true, true, Nothing},
      {"Zn of 0", Ls, 1e-7, 1e8, false, true, [](TNetWork& N) { N.SetZn(0); }},
      {"series C of 0 F", Cs, 0, 1e8, false, false, Nothing},
      {"a stub passes through", Stub, 1, 1e8, false, false, Nothing},
      {"open stub of 0 m", OpenStub, 0, 1e8, false, false, Nothing},
      {"series L at 0 Hz", Ls, 1e-7, 0, false, false, Nothing},
      {"load of 0 ohm", Rs, 10, 1e8, false, false, [](TNetWork& N) { N.Elements[1].SetValue(0); }},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    TNetWork Net;
    Net.SetNrOfElements(2);
    Net.Elements[1].SetValue(50);
    Net.Elements[0].SetValue(0);
    Net.Elements[2].SetElementType(C.Type);
    Net.Elements[2].SetValue(C.Value);
    Net.Elements[3].SetElementType(Ls);
    Net.Elements[3].SetValue(1e-8);
    C.Adjust(Net);
    const TLadderResult Engine = SweepLadder(Net, std::vector{C.Frequency});
    EXPECT_EQ(std::isnan(Engine.ZinRe[0]), C.ZinNaN);
    EXPECT_EQ(std::isnan(Engine.Transfer[0]), C.TransferNaN);
    const std::optional<TReference> R = Reference(Net, C.Frequency);
    if (!C.ZinNaN && R) {
      EXPECT_LT(RelativeError({Engine.ZinRe[0], Engine.ZinIm[0]}, R->Zin), Tolerance);
    }
  }
}

// Every length, whole vectors or not, and sweeps split between the cores give the same points as one core does.
TEST(SweepEngine, GivesTheSamePointsWhateverTheLengthAndTheCores) {
  OnEveryInstructionSet([] {
    TLadderMaker Maker;
    TNetWork Net;
    const double F0 = Maker.Make(Net);
    const TSweepProgram Program = CompileSweep(Net);
    for (const std::size_t N :
         {std::size_t(1), std::size_t(3), std::size_t(8), std::size_t(17), 3 * MinPointsPerCore + 5}) {
      std::vector<double> F(N);
      for (std::size_t i = 0; i < N; ++i) F[i] = F0 * (0.5 + double(i) / double(N));
      const TSweepLoad Load = FixedLoad(Net, N);
      TLadderResult Split, One;
      EvaluateLadder(Program, F, Load, Split);
      EvaluateLadderOnOneCore(Program, F, Load, One);
      EXPECT_EQ(Split.ZinRe, One.ZinRe) << N;
      EXPECT_EQ(Split.Transfer, One.Transfer) << N;
      for (const std::size_t i : {std::size_t(0), N / 2, N - 1}) {
        const std::optional<TReference> R = Reference(Net, F[i]);
        ASSERT_TRUE(R);
        EXPECT_LT(RelativeError({One.ZinRe[i], One.ZinIm[i]}, R->Zin), 1e-6) << N << " " << i;
      }
    }
  });
}

}  // namespace
