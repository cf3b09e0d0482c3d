#include "synthesis/Match.h"

#include <cmath>

#include "synthesis/Evaluate.h"
#include "synthesis/LSection.h"
#include "synthesis/PiTee.h"
#include "synthesis/QuarterWave.h"
#include "synthesis/SeriesFit.h"
#include "synthesis/StubMatch.h"

namespace {

// A load this close to Zn would leave the parts of its match no effect beyond rounding.
constexpr double Matched = 1e-9;

bool Positive(double V) { return V > 0 && std::isfinite(V); }

// What makes the whole request unanswerable, if anything.
std::string Refusal(const TMatchRequest& R) {
  const TMatchPoint& At = R.At;
  if (!Positive(At.Frequency)) return "the frequency must be above 0 Hz";
  if (!Positive(At.Zn)) return "Zn must be above 0 ohm";
  if (!(At.Q >= 0) || !std::isfinite(At.Q)) return "the inductor Q must be 0 (lossless) or above";
  if (!Positive(R.VelocityFactor)) return "the velocity factor must be above 0";
  if (!std::isfinite(At.Load.Im) || !Positive(At.Load.Re))
    return "only a load with a resistance above 0 ohm can be matched";
  if (std::abs(ToCx(At.Load) - At.Zn) <= Matched * At.Zn) return "the load already equals Zn";
  return {};
}

TLadders Synthesised(TTopology T, const TMatchRequest& R) {
  switch (T) {
    case TTopology::L: return LSolutions(R.At);
    case TTopology::Pi: return PiSolutions(R.At, R.LoadedQ);
    case TTopology::Tee: return TeeSolutions(R.At, R.LoadedQ);
    case TTopology::Stub: return {StubSolutions(R.At, R.VelocityFactor), {}};
    default: return {{QuarterWaveSolution(R.At, R.VelocityFactor)}, {}};
  }
}

}  // namespace

TMatchResult Match(const TMatchRequest& R) {
  TMatchResult Result;
  if (const std::string Why = Refusal(R); !Why.empty()) {
    Result.Reasons.push_back("no match: " + Why);
    return Result;
  }
  for (const TTopology T : R.Topologies) {
    const TLadders S = Synthesised(T, R);
    if (!S.Refusal.empty()) Result.Reasons.push_back(S.Refusal);
    for (const TLadder& L : S.Ladders) {
      const TLadder Parts = R.Series ? WithStandardValues(L, R.At, *R.Series) : L;
      Result.Solutions.push_back({T, Parts, Vswr(Parts, R.At)});
    }
  }
  return Result;
}
