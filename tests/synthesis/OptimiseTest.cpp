#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <random>
#include <stdexcept>
#include <stop_token>
#include <tuple>
#include <vector>

#include "network/NetCalc.h"
#include "synthesis/LSection.h"
#include "synthesis/Optimise.h"

namespace {

using enum TElementType;
using Cx = std::complex<double>;

struct TStep {
  TElementType Type;
  double Value;
};

void Build(TNetWork& Net, Cx Load, const std::vector<TStep>& Steps, double Q = 0) {
  Net.SetNrOfElements(static_cast<int>(Steps.size()));
  Net.Q = Q;
  Net.Elements[1].SetValue(Load.real());
  Net.Elements[0].SetValue(Load.imag());
  int Slot = 2;
  for (const TStep& S : Steps) {
    TElement& E = Net.Elements[Slot++];
    E.SetElementType(S.Type);
    E.SetZ0(75);
    E.SetVelocityFactor(0.66);
    E.SetAttenuation(0);
    E.SetValue(S.Value);
  }
}

std::vector<double> Band(double From, double To, int Points) {
  std::vector<double> F;
  for (int i = 0; i < Points; ++i) F.push_back(From + (To - From) * i / std::max(1, Points - 1));
  return F;
}

// Bounded by evaluations alone, so that a slow build finds what a fast one does.
TOptimiseRequest Request(const TNetWork& Net, std::vector<double> Frequencies) {
  TOptimiseRequest R;
  R.Limits = {4000, std::numeric_limits<double>::infinity()};
  R.Load = FixedLoad(Net, Frequencies.size());
  R.Frequencies = std::move(Frequencies);
  return R;
}

// The largest VSWR over the band by the network's own extended-precision calculation.
double ReferenceWorst(TNetWork& Net, const TOptimiseRequest& R) {
  double Worst = 1;
  for (std::size_t i = 0; i < R.Frequencies.size(); ++i) {
    Net.SetFrequency(R.Frequencies[i]);
    Net.Elements[1].Value = R.Load.Re[i];
    Net.Elements[0].Value = R.Load.Im[i];
    Net.Calculate();
    const TComplex& Z = Net.Elements[Net.NrOfElements + 1].Z;
    const double Rho = std::abs((Cx(Z.Re, Z.Im) - Net.Zn) / (Cx(Z.Re, Z.Im) + Net.Zn));
    Worst = std::max(Worst, Rho < 1 ? (1 + Rho) / (1 - Rho) : std::numeric_limits<double>::infinity());
  }
  return Worst;
}

double Tuned(TNetWork& Net, const TOptimiseRequest& R, const TOptimiseResult& Result) {
  ApplyTuning(Result.Values, Net);
  return ReferenceWorst(Net, R);
}

// Every L section of a load, its values put off by half and by a third: over a band of 0.2 % the
// optimiser brings each back to the match, or does better at the band's edges.
TEST(Optimise, ReturnsADetunedLSectionToItsMatch) {
  const TMatchPoint Points[] = {{{200, -100}, 5e8, 100, 0}, {{10, 25}, 1.4e7, 50, 0}, {{300, 40}, 1e9, 50, 120}};
  for (const TMatchPoint& At : Points)
    for (const TLadder& L : LSolutions(At).Ladders) {
      const auto Ladder = [&](double First, double Second, TNetWork& Net) {
        Net.SetZn(At.Zn);
        std::vector<TStep> Steps;
        for (const TPart& P : L)
          Steps.push_back({static_cast<TElementType>(P.Type), P.Value * (Steps.empty() ? First : Second)});
        Build(Net, ToCx(At.Load), Steps, At.Q);
      };
      TNetWork Net, Match;
      Ladder(1.5, 0.67, Net);
      Ladder(1, 1, Match);
      const TOptimiseRequest R = Request(Net, Band(At.Frequency * 0.999, At.Frequency * 1.001, 5));
      const TOptimiseResult Result = Optimise(Net, R);
      EXPECT_GT(Result.WorstBefore, 1.3);
      EXPECT_LE(Result.WorstAfter, ReferenceWorst(Match, R) * (1 + 1e-9));
      EXPECT_LT(Result.WorstAfter, 1.01);
      EXPECT_NEAR(Tuned(Net, R, Result), Result.WorstAfter, 1e-9);
    }
}

// Two parts, a series inductor on the load and a parallel capacitor, over a band of 40 %: the
// optimiser's worst VSWR is that of a dense grid of both values, refined around its best.
TEST(Optimise, ReachesTheMinimaxOfADenseGrid) {
  const double R = 20, Zn = 50;
  const std::vector<double> F = Band(4e8, 6e8, 11);
  const auto Worst = [&](double L, double C) {
    double W = 0;
    for (const double f : F) {
      const double w = 2 * std::numbers::pi * f;
      const Cx Z = 1. / (1. / Cx(R, w * L) + Cx(0, w * C));
      W = std::max(W, std::abs((Z - Zn) / (Z + Zn)));
    }
    return (1 + W) / (1 - W);
  };
  double BestL = 1e-8, BestC = 5e-12, Best = Worst(BestL, BestC);
  for (double Span = 10; Span > 1.0001; Span = std::pow(Span, 0.02)) {
    const double L0 = BestL, C0 = BestC;
    for (int i = -100; i <= 100; ++i)
      for (int j = -100; j <= 100; ++j) {
        const double L = L0 * std::pow(Span, i / 100.), C = C0 * std::pow(Span, j / 100.), W = Worst(L, C);
        if (W < Best) std::tie(Best, BestL, BestC) = std::tie(W, L, C);
      }
  }
  TNetWork Net;
  Build(Net, {R, 0}, {{Ls, 1e-8}, {Cp, 5e-12}});
  const TOptimiseResult Result = Optimise(Net, Request(Net, F));
  EXPECT_LE(Result.WorstAfter, Best * (1 + 1e-9));
  EXPECT_NEAR(Result.WorstAfter, Best, 1e-6);
}

// Ladders all over the chart with a small budget: never worse than the start, and the VSWR it
// states is what the tuned network gives.
TEST(Optimise, NeverWorseThanItsStart) {
  std::mt19937 Random(18);
  std::uniform_real_distribution<double> Unit(0, 1);
  const TElementType Types[] = {Cs, Cp, Ls, Lp, Rs, Rp, Line, OpenStub, ShortStub};
  for (int Case = 0; Case < 40; ++Case) {
    TNetWork Net;
    std::vector<TStep> Steps;
    for (int k = 0; k < 1 + Case % 6; ++k) {
      const TElementType T = Types[static_cast<int>(Unit(Random) * 9)];
      const double Scale = HasLineData(T) ? 0.3 : T == Rs || T == Rp ? 50 : T == Cs || T == Cp ? 1e-11 : 3e-8;
      Steps.push_back({T, Scale * std::pow(10., Unit(Random) - 0.5)});
    }
    Build(Net, {std::pow(10., 0.5 + 2 * Unit(Random)), 300 * (Unit(Random) - 0.5)}, Steps, Case % 2 ? 0 : 50);
    TOptimiseRequest R = Request(Net, Band(4e8, 5e8, 21));
    R.Limits.MaxEvaluations = 1 + Case * 10;
    const double Before = ReferenceWorst(Net, R);
    const TOptimiseResult Result = Optimise(Net, R);
    EXPECT_NEAR(Result.WorstBefore, Before, 1e-9 * Before);
    EXPECT_LE(Result.WorstAfter, Result.WorstBefore);
    EXPECT_NEAR(Tuned(Net, R, Result), Result.WorstAfter, 1e-9 * Result.WorstAfter);
  }
}

// Nothing beats the start: the values stay as they were.
TEST(Optimise, KeepsTheStartWhenNothingBeatsIt) {
  struct TCase {
    std::vector<TStep> Steps;
    int MaxEvaluations;
    std::size_t Tuned;
  } const Cases[] = {
      {{{Ls, 1e-8}, {Cp, 5e-12}}, 1, 2},            // no evaluation left after the start
      {{{Stub, 0}, {Cs, 0}, {None, 0}}, 20000, 0},  // nothing with a value to tune
      {{{Rs, 30}}, 20000, 1},                       // a series resistor on 20 ohm is best at 30
  };
  for (const TCase& C : Cases) {
    TNetWork Net;
    Build(Net, {20, 0}, C.Steps);
    TOptimiseRequest R = Request(Net, Band(1e8, 1e8, 1));
    R.Limits.MaxEvaluations = C.MaxEvaluations;
    const TOptimiseResult Result = Optimise(Net, R);
    ASSERT_EQ(Result.Values.size(), C.Tuned);
    for (const TTunedValue& V : Result.Values) EXPECT_EQ(V.After, V.Before);
    EXPECT_EQ(Result.WorstAfter, Result.WorstBefore);
  }
}

TNetWork& FiveElements(TNetWork& Net) {
  Build(Net, {12.5, -8}, {{Ls, 8e-9}, {Cp, 1e-11}, {Line, 0.05}, {ShortStub, 0.08}, {Ls, 3e-9}}, 100);
  return Net;
}

TEST(Optimise, StopsWhenAskedAndKeepsToItsLimit) {
  TNetWork Net;
  TOptimiseRequest R = Request(FiveElements(Net), Band(4.75e8, 5.25e8, 101));
  R.Limits.MaxEvaluations = 3000;
  std::vector<double> Reported;
  R.Progress = [&Reported](double Done) { Reported.push_back(Done); };
  const TOptimiseResult Whole = Optimise(Net, R);
  EXPECT_FALSE(Whole.Stopped);
  EXPECT_LE(Whole.Evaluations, R.Limits.MaxEvaluations);
  ASSERT_FALSE(Reported.empty());
  EXPECT_TRUE(std::ranges::is_sorted(Reported));
  EXPECT_LE(Reported.back(), 1);

  std::stop_source Stop;
  R.Stop = Stop.get_token();
  R.Progress = [&Stop](double) { Stop.request_stop(); };
  const TOptimiseResult Stopped = Optimise(Net, R);
  EXPECT_TRUE(Stopped.Stopped);
  // The first report comes after 1 % of the evaluations; a gradient of five knobs may follow.
  EXPECT_LE(Stopped.Evaluations, 30 + 6);
  EXPECT_LE(Stopped.WorstAfter, Stopped.WorstBefore);
}

// The load of each frequency is the one the ladder is tuned for: a series resonance, a measured
// antenna as it might be.
TEST(Optimise, TunesForTheLoadAtEachFrequency) {
  TNetWork Net;
  TOptimiseRequest R = Request(FiveElements(Net), Band(4.75e8, 5.25e8, 41));
  for (std::size_t i = 0; i < R.Frequencies.size(); ++i) {
    const double w = 2 * std::numbers::pi * R.Frequencies[i];
    R.Load.Re[i] = 30;
    R.Load.Im[i] = w * 4e-8 - 1 / (w * 2.75e-12);
  }
  const TOptimiseResult Result = Optimise(Net, R);
  EXPECT_NEAR(Result.WorstBefore, ReferenceWorst(Net, R), 1e-9 * Result.WorstBefore);
  EXPECT_LT(Result.WorstAfter, Result.WorstBefore);
  EXPECT_NEAR(Tuned(Net, R, Result), Result.WorstAfter, 1e-9 * Result.WorstAfter);
}

// Snapped to E12 among the neighbours of the values it finds without the series: better than
// each value at its nearest standard one, the line and the stub as tuned.
TEST(Optimise, SnapsToStandardValuesAmongNeighbours) {
  TNetWork Net;
  TOptimiseRequest R = Request(FiveElements(Net), Band(4.75e8, 5.25e8, 101));
  const TOptimiseResult Free = Optimise(Net, R);
  R.Series = TESeries::E12;
  const TOptimiseResult Snapped = Optimise(Net, R);
  EXPECT_TRUE(Snapped.Standard);
  EXPECT_LE(Snapped.WorstAfter, Snapped.WorstBefore);
  ASSERT_EQ(Snapped.Values.size(), Free.Values.size());
  std::vector<TTunedValue> Nearest = Free.Values;
  for (std::size_t k = 0; k < Free.Values.size(); ++k) {
    const TTunedValue &S = Snapped.Values[k], &F = Free.Values[k];
    if (HasLineData(S.Type)) {
      EXPECT_EQ(S.After, F.After);
      continue;
    }
    const std::vector<double> Neighbours = NeighbouringValues(F.After, TESeries::E12);
    EXPECT_NE(std::ranges::find(Neighbours, S.After), Neighbours.end()) << S.Position;
    Nearest[k].After =
        std::abs(std::log(Neighbours.front() / F.After)) < std::abs(std::log(Neighbours.back() / F.After))
            ? Neighbours.front()
            : Neighbours.back();
  }
  ApplyTuning(Nearest, Net);
  EXPECT_LE(Snapped.WorstAfter, ReferenceWorst(Net, R) * (1 + 1e-9));
}

TEST(Optimise, SameAnswerEveryTime) {
  TNetWork Net;
  const TOptimiseRequest R = Request(FiveElements(Net), Band(4.75e8, 5.25e8, 101));
  const TOptimiseResult First = Optimise(Net, R), Second = Optimise(Net, R);
  ASSERT_EQ(First.Values.size(), Second.Values.size());
  for (std::size_t k = 0; k < First.Values.size(); ++k) EXPECT_EQ(First.Values[k].After, Second.Values[k].After);
  EXPECT_EQ(First.WorstAfter, Second.WorstAfter);
}

TEST(Optimise, RefusesABandItCannotTake) {
  TNetWork Net;
  TOptimiseRequest R = Request(FiveElements(Net), Band(1e8, 2e8, static_cast<int>(MaxBandPoints) + 1));
  EXPECT_THROW(Optimise(Net, R), std::invalid_argument);
  R = Request(Net, {});
  EXPECT_THROW(Optimise(Net, R), std::invalid_argument);
  EXPECT_THROW(WhereLoaded(std::vector<double>{1, 2}, FixedLoad(Net, 1)), std::invalid_argument);
}

TEST(Optimise, LeavesOutThePointsWithoutALoad) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  const std::vector<double> F{1, 2, 3, 4};
  const TLoadedBand B = WhereLoaded(F, {{NaN, 10, 20, NaN}, {0, 1, NaN, 3}});
  EXPECT_EQ(B.Frequencies, std::vector<double>{2});
  EXPECT_EQ(B.Load.Re, std::vector<double>{10});
  EXPECT_EQ(B.Load.Im, std::vector<double>{1});
  EXPECT_EQ(B.LeftOut, 3u);
}

}  // namespace
