#include "cli/SweepVerb.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "cli/Output.h"
#include "network/NumberText.h"
#include "workbench/Tables.h"

namespace {

using TClock = std::chrono::steady_clock;

// One line for the points left out; no point left is no answer.
template <class TPoint>
void ReportLeftOut(const TSweepOf<TPoint>& Sweep, const std::string& File) {
  if (Sweep.LeftOut == 0) return;
  const std::string Message = File + ": " + std::to_string(Sweep.LeftOut) + " of " +
                              std::to_string(Sweep.LeftOut + Sweep.Points.size()) + " points left out, the first at " +
                              ShortestText(Sweep.FirstFaultFrequency) + " Hz: " + Sweep.FirstFault;
  if (Sweep.Points.empty()) throw ENoAnswer(Message);
  std::fprintf(stderr, "zomar-cli: %s\n", Message.c_str());
}

// Evaluates the points, timed apart from everything else, and makes the lines of the format.
template <class TPoint, class TSweeper, class TLines>
std::vector<std::string> Lines(const TSweepArguments& Arguments, TSweeper Sweeper, TLines ToLines) {
  const TClock::time_point Start = TClock::now();
  const TSweepOf<TPoint> Sweep = Sweeper();
  const std::chrono::duration<double> Seconds = TClock::now() - Start;
  if (Arguments.Timing) std::fprintf(stderr, "sweep_seconds=%s\n", ShortestText(Seconds.count()).c_str());
  ReportLeftOut(Sweep, Arguments.Network.File);
  return ToLines(Sweep.Points);
}

}  // namespace

void AddSweep(CLI::App& App, TSweepArguments& Arguments) {
  CLI::App* Verb = App.add_subcommand("sweep", "Evaluate the ladder over a band: CSV, or Touchstone s1p / s2p");
  AddNetworkOptions(*Verb, Arguments.Network);
  Verb->add_option("--from", Arguments.From, "first frequency in Hz, e.g. 144M")->required();
  Verb->add_option("--to", Arguments.To, "last frequency in Hz, not below --from")->required();
  Verb->add_option("--points", Arguments.Points, "number of frequencies, 1 to 10000000, both ends included")
      ->required();
  Verb->add_flag("--log", Arguments.Log, "frequencies in equal ratios instead of equal steps");
  Verb->add_option("--format", Arguments.Format,
                   "csv (default); s1p: the input reflection; s2p: the ladder without its load as a two-port")
      ->check(CLI::IsMember({"csv", "s1p", "s2p"}));
  Verb->add_option("--output", Arguments.Output, "write to this file, whole or not at all, instead of standard output");
  Verb->add_flag("--timing", Arguments.Timing, "print sweep_seconds=<s>, the time spent evaluating, to standard error");
}

void RunSweep(const TSweepArguments& Arguments, const std::string& Version) {
  const double From = FrequencyArgument("--from", Arguments.From), To = FrequencyArgument("--to", Arguments.To);
  if (From > To) throw EUsage("--from '" + Arguments.From + "' lies above --to '" + Arguments.To + "'");
  const int Points = PointsArgument("--points", Arguments.Points);
  TNetWork Net;
  ReadNetwork(Arguments.Network, Net);
  const std::vector<double> F =
      SweepFrequencies(From, To, Points, Arguments.Log ? TSweepScale::Log : TSweepScale::Linear);
  const double Zn = Net.GetZn();
  const std::string Comment = Version + ", " + Arguments.Network.File;
  std::vector<std::string> Text;
  if (Arguments.Format == "s2p") {
    Text = Lines<TTwoPortPoint>(
        Arguments, [&] { return SweepTwoPort(Net, F); },
        [&](const auto& P) { return S2pLines(P, Zn, Comment + ", the ladder without its load"); });
  } else if (Arguments.Format == "s1p") {
    Text = Lines<TSweepPoint>(
        Arguments, [&] { return SweepNetwork(Net, F); },
        [&](const auto& P) { return S1pLines(P, Zn, Comment + ", input reflection"); });
  } else {
    Text = Lines<TSweepPoint>(Arguments, [&] { return SweepNetwork(Net, F); }, SweepCsvLines);
  }
  PutLines(Text, Arguments.Output);
}
