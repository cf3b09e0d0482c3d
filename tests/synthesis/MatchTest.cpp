#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Expect.h"
#include "Reference.h"
#include "synthesis/Match.h"

namespace {

TEST(Match, RefusesWhatHasNoMatch) {
  struct TCase {
    TMatchPoint At;
    double VelocityFactor;
    std::string Reason;
  };
  const TCase Cases[] = {
      {{{30, 10}, 0, 50, 0}, 1, "no match: the frequency must be above 0 Hz"},
      {{{30, 10}, 1e8, 0, 0}, 1, "no match: Zn must be above 0 ohm"},
      {{{30, 10}, 1e8, 50, -1}, 1, "no match: the inductor Q must be 0 (lossless) or above"},
      {{{30, 10}, 1e8, 50, 0}, 0, "no match: the velocity factor must be above 0"},
      {{{0, 10}, 1e8, 50, 0}, 1, "no match: only a load with a resistance above 0 ohm can be matched"},
      {{{-5, 10}, 1e8, 50, 0}, 1, "no match: only a load with a resistance above 0 ohm can be matched"},
      {{{NAN, 10}, 1e8, 50, 0}, 1, "no match: only a load with a resistance above 0 ohm can be matched"},
      {{{50, 0}, 1e8, 50, 0}, 1, "no match: the load already equals Zn"},
  };
  for (const TCase& C : Cases) {
    TMatchRequest R;
    R.At = C.At;
    R.VelocityFactor = C.VelocityFactor;
    const TMatchResult M = Match(R);
    EXPECT_TRUE(M.Solutions.empty());
    EXPECT_EQ(M.Reasons, std::vector<std::string>{C.Reason});
  }
}

// A refused topology gives its reason; the others still give their solutions, in the order asked.
TEST(Match, TopologiesAsAsked) {
  TMatchRequest R;
  R.At = {{1000, 0}, 1e7, 50, 0};
  R.Topologies = {TTopology::QuarterWave, TTopology::Pi, TTopology::L};
  R.LoadedQ = 2;
  const TMatchResult M = Match(R);
  ASSERT_EQ(M.Solutions.size(), 3u);
  EXPECT_EQ(M.Solutions[0].Topology, TTopology::QuarterWave);
  EXPECT_EQ(M.Solutions[1].Topology, TTopology::L);
  EXPECT_EQ(M.Solutions[2].Topology, TTopology::L);
  ASSERT_EQ(M.Reasons.size(), 1u);
  EXPECT_EQ(M.Reasons[0].rfind("pi: a loaded Q of 2 is below", 0), 0u) << M.Reasons[0];
}

// Every solution of every topology, for loads all over the chart, lossless and lossy: the VSWR it
// states is what the network gives it, and that is 1 but for rounding.
TEST(Match, EverySolutionReachesTheVswrItStates) {
  std::mt19937 Random(18);
  std::uniform_real_distribution<double> Decades(0.5, 2.7), Signed(-1, 1);
  for (int i = 0; i < 200; ++i) {
    TMatchRequest R;
    R.At = {{std::pow(10., Decades(Random)), 300 * Signed(Random)}, 1e8 * std::pow(10., Signed(Random)), 50,
            i % 2 ? 0. : 100};
    R.VelocityFactor = 0.66;
    R.LoadedQ = 40;  // above every smallest Q here
    const TMatchResult M = Match(R);
    EXPECT_TRUE(M.Reasons.empty()) << M.Reasons.front();
    EXPECT_GE(M.Solutions.size(), 8u);
    for (const TSolution& S : M.Solutions) {
      SCOPED_TRACE(TopologyName(S.Topology) + " " + expect::Text(S.Parts) + " on " + std::to_string(R.At.Load.Re) +
                   " + j" + std::to_string(R.At.Load.Im));
      for (const TPart& P : S.Parts) EXPECT_TRUE(P.Value > 0 && std::isfinite(P.Value));
      EXPECT_NEAR(S.Vswr, reference::Vswr(S.Parts, R.At), 1e-9);
      EXPECT_NEAR(S.Vswr, 1, 1e-7);
    }
  }
}

TEST(Match, StandardValuesStateTheirOwnVswr) {
  TMatchRequest R;
  R.At = {{200, -100}, 5e8, 100, 50};
  R.Series = TESeries::E24;
  const TMatchResult M = Match(R);
  ASSERT_FALSE(M.Solutions.empty());
  for (const TSolution& S : M.Solutions) {
    for (const TPart& P : S.Parts) {
      if (!IsLumped(P.Type)) continue;
      EXPECT_EQ(NeighbouringValues(P.Value, TESeries::E24).size(), 1u) << P.Value;
    }
    EXPECT_NEAR(S.Vswr, reference::Vswr(S.Parts, R.At), 1e-9);
  }
}

TEST(Match, Names) {
  for (const TTopology T : {TTopology::L, TTopology::Pi, TTopology::Tee, TTopology::Stub, TTopology::QuarterWave})
    EXPECT_EQ(TopologyFromName(TopologyName(T)), T);
  EXPECT_EQ(TopologyName(TTopology::QuarterWave), "quarterwave");
  EXPECT_FALSE(TopologyFromName("all"));
  EXPECT_EQ(PartName(TPartType::OpenStub), "OpenStub");
  EXPECT_EQ(PartName(TPartType::Lp), "Lp");
}

}  // namespace
