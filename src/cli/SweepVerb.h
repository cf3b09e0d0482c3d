#pragma once
// zomar-cli sweep: the ladder over a band of frequencies, as CSV or Touchstone.
#include <string>

#include "cli/NetworkInput.h"

struct TSweepArguments {
  TNetworkArguments Network;
  std::string From, To, Points, Format = "csv", Output;
  bool Log = false, Timing = false;
};

void AddSweep(CLI::App& App, TSweepArguments& Arguments);
// Version names the program in the Touchstone comment line.
void RunSweep(const TSweepArguments& Arguments, const std::string& Version);
