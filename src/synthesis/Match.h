#pragma once
// Matching synthesis: every solution of the asked topologies that turns a load into Zn at one
// frequency, each with the VSWR the network gives it.
#include <optional>
#include <string>
#include <vector>

#include "synthesis/Solution.h"
#include "synthesis/StandardValues.h"

struct TMatchRequest {
  TMatchPoint At;
  std::vector<TTopology> Topologies{TTopology::L, TTopology::Pi, TTopology::Tee, TTopology::Stub,
                                    TTopology::QuarterWave};
  double LoadedQ = 5;              // of the pi and tee
  double VelocityFactor = 1;       // of the lines and stubs
  std::optional<TESeries> Series;  // standard values for the capacitors, inductors and resistors
};

struct TMatchResult {
  std::vector<TSolution> Solutions;  // by topology as asked
  std::vector<std::string> Reasons;  // why a topology, or the whole request, has none
};

TMatchResult Match(const TMatchRequest& R);
