#include "cli/SweepVerb.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "cli/Output.h"
#include "files/TouchstoneWriter.h"
#include "network/NumberText.h"
#include "workbench/Tables.h"

namespace {

using TClock = std::chrono::steady_clock;

// Points evaluated and written at a time: the memory of a sweep of millions of points stays that
// of one block.
constexpr int BlockPoints = 1 << 16;

// The points left out of all blocks, with the first one's fault.
struct TLeftOut {
  std::size_t Count = 0, Kept = 0;
  double FirstFrequency = 0;
  std::string FirstFault;

  template <class TPoint>
  void Add(const TSweepOf<TPoint>& Block) {
    if (Block.LeftOut > 0 && Count == 0) {
      FirstFrequency = Block.FirstFaultFrequency;
      FirstFault = Block.FirstFault;
    }
    Count += Block.LeftOut;
    Kept += Block.Points.size();
  }

  // One line for the points left out; no point left is no answer.
  void Report(const std::string& File) const {
    if (Count == 0) return;
    const std::string Message = File + ": " + std::to_string(Count) + " of " + std::to_string(Count + Kept) +
                                " points left out, the first at " + ShortestText(FirstFrequency) + " Hz: " + FirstFault;
    if (Kept == 0) throw ENoAnswer(Message);
    std::fprintf(stderr, "zomar-cli: %s\n", Message.c_str());
  }
};

// Evaluates the points block by block, timed apart from everything else, and puts the lines of
// the format as they come: the header before the first row, none at all without a row.
template <class TPoint, class TSweeper, class TRows>
void Stream(const TSweepArguments& Arguments, double From, double To, int Points, TSweeper Sweeper,
            const std::vector<std::string>& Header, TRows Rows) {
  const TSweepScale Scale = Arguments.Log ? TSweepScale::Log : TSweepScale::Linear;
  TLineSink Sink(Arguments.Output);
  TLeftOut LeftOut;
  std::chrono::duration<double> Seconds{0};
  for (int First = 0; First < Points; First += BlockPoints) {
    const std::vector<double> F =
        SweepFrequencies(From, To, Points, Scale, First, std::min(BlockPoints, Points - First));
    const TClock::time_point Start = TClock::now();
    const TSweepOf<TPoint> Block = Sweeper(F);
    Seconds += TClock::now() - Start;
    if (LeftOut.Kept == 0 && !Block.Points.empty()) Sink.Put(Header);
    LeftOut.Add(Block);
    Sink.Put(Rows(Block.Points));
  }
  if (Arguments.Timing) std::fprintf(stderr, "sweep_seconds=%s\n", ShortestText(Seconds.count()).c_str());
  LeftOut.Report(Arguments.Network.File);
  Sink.Finish();
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
  const double Zn = Net.GetZn();
  const std::string Comment = Version + ", " + Arguments.Network.File;
  if (Arguments.Format == "s2p") {
    Stream<TTwoPortPoint>(
        Arguments, From, To, Points, [&](const std::vector<double>& F) { return SweepTwoPort(Net, F); },
        TouchstoneHeader(Comment + ", the ladder without its load", Zn), S2pRows);
  } else if (Arguments.Format == "s1p") {
    Stream<TSweepPoint>(
        Arguments, From, To, Points, [&](const std::vector<double>& F) { return SweepNetwork(Net, F); },
        TouchstoneHeader(Comment + ", input reflection", Zn), S1pRows);
  } else {
    Stream<TSweepPoint>(
        Arguments, From, To, Points, [&](const std::vector<double>& F) { return SweepNetwork(Net, F); }, {SweepHeader},
        SweepCsvRows);
  }
}
