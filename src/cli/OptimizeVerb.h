#pragma once
// zomar-cli optimize: the network's values and line lengths tuned for the lowest worst VSWR over a band.
#include <optional>
#include <string>

#include "cli/NetworkInput.h"

struct TOptimizeArguments {
  TNetworkArguments Network;
  std::string From, To, Points = "101", Output;
  std::optional<std::string> Series;
};

void AddOptimize(CLI::App& App, TOptimizeArguments& Arguments);
void RunOptimize(const TOptimizeArguments& Arguments);
