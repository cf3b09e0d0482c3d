#pragma once
// zomar-cli match: every matching solution of the asked topologies for a load at one frequency.
#include <optional>
#include <string>

namespace CLI {
class App;
}

struct TMatchArguments {
  std::string Load, Frequency, Zn = "50", Q = "0", Topology = "all", LoadedQ = "5", Pick = "1", Output;
  std::string VelocityFactor = "1", Attenuation = "0";
  std::optional<std::string> Series;
};

void AddMatch(CLI::App& App, TMatchArguments& Arguments);
void RunMatch(const TMatchArguments& Arguments);
