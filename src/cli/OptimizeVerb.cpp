#include "cli/OptimizeVerb.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "cli/LoadSource.h"
#include "cli/NetworkOutput.h"
#include "cli/Output.h"
#include "cli/SeriesOption.h"
#include "network/NumberText.h"
#include "network/ValueText.h"
#include "synthesis/Optimise.h"
#include "workbench/Sweep.h"

namespace {

void Say(const std::string& Message) { std::fprintf(stderr, "zomar-cli: %s\n", Message.c_str()); }

// --load in place of the network's own load.
void ReplaceLoad(const TLoadSource& Source, TNetWork& Net) {
  if (const TComplex* Fixed = std::get_if<TComplex>(&Source)) {
    Net.MeasuredLoad.reset();
    Net.Elements[1].Value = Fixed->Re;
    Net.Elements[0].Value = Fixed->Im;
    return;
  }
  Net.MeasuredLoad = std::make_shared<const TMeasuredLoad>(std::get<TMeasuredLoad>(Source));
}

// One line for the points left out; none left is no answer.
void ReportLeftOut(const TLoadedBand& Band, const std::string& Named, const TMeasuredLoad& Measured) {
  if (Band.LeftOut == 0) return;
  const std::string Message = Named + ": " + std::to_string(Band.LeftOut) + " of " +
                              std::to_string(Band.LeftOut + Band.Frequencies.size()) +
                              " points left out, outside its frequencies, " + MeasuredRange(Measured);
  if (Band.Frequencies.empty()) throw ENoAnswer(Message);
  Say(Message);
}

std::vector<std::string> TunedLines(const TOptimiseResult& Result) {
  std::vector<std::string> Lines{"position,type,value_before,value_after"};
  for (const TTunedValue& V : Result.Values)
    Lines.push_back(std::to_string(V.Position) + ',' + TypeName(V.Type) + ',' + ShortestText(V.Before) + ',' +
                    ShortestText(V.After));
  return Lines;
}

}  // namespace

void AddOptimize(CLI::App& App, TOptimizeArguments& Arguments) {
  CLI::App* Verb = App.add_subcommand(
      "optimize", "Tune the ladder's values and line lengths for the lowest worst VSWR over a band, types kept");
  AddNetworkOptions(*Verb, Arguments.Network);
  Verb->get_option("--load")->description(
      "load R,X in ohm, e.g. 25,-10, or a Touchstone file of one port, instead of the file's");
  Verb->add_option("--from", Arguments.From, "first frequency of the band in Hz, e.g. 144M")->required();
  Verb->add_option("--to", Arguments.To, "last frequency of the band in Hz, not below --from")->required();
  Verb->add_option("--points", Arguments.Points,
                   "frequencies of the band in equal steps, both ends included, 1 to " + std::to_string(MaxBandPoints) +
                       " (default 101)");
  AddSeriesOption(*Verb, Arguments.Series, "snap the tuned L, C and R values to the best of their standard neighbours");
  Verb->add_option("--output", Arguments.Output, "write the tuned network to this network file");
}

void RunOptimize(const TOptimizeArguments& Arguments) {
  const double From = FrequencyArgument("--from", Arguments.From), To = FrequencyArgument("--to", Arguments.To);
  if (From > To) throw EUsage("--from '" + Arguments.From + "' lies above --to '" + Arguments.To + "'");
  const int Points = PointsArgument("--points", Arguments.Points);
  if (static_cast<std::size_t>(Points) > MaxBandPoints)
    throw EUsage("--points '" + Arguments.Points + "': the optimiser takes at most " + std::to_string(MaxBandPoints));
  const std::optional<TLoadSource> Source =
      Arguments.Network.Load ? std::optional(LoadSourceArgument("--load", *Arguments.Network.Load)) : std::nullopt;
  TNetworkArguments Network = Arguments.Network;
  Network.Load.reset();
  TNetWork Net;
  ReadNetwork(Network, Net);
  if (Source) ReplaceLoad(*Source, Net);
  const std::vector<double> F = SweepFrequencies(From, To, Points, TSweepScale::Linear);
  TLoadedBand Band = WhereLoaded(F, NetworkLoad(Net, F));
  if (Net.MeasuredLoad) ReportLeftOut(Band, Source ? *Arguments.Network.Load : Network.File, *Net.MeasuredLoad);

  TOptimiseRequest R;
  R.Frequencies = std::move(Band.Frequencies);
  R.Load = std::move(Band.Load);
  if (Arguments.Series) R.Series = SeriesFromName(*Arguments.Series);
  const TOptimiseResult Result = Optimise(Net, R);
  if (Result.Values.empty()) throw ENoAnswer(Arguments.Network.File + ": no element has a value to tune");
  if (R.Series && !Result.Standard)
    Say("--series '" + *Arguments.Series +
        "': no standard values did better than the network as it is, which keeps its values");
  ApplyTuning(Result.Values, Net);
  if (!Arguments.Output.empty()) WriteNetwork(Arguments.Output, Net);
  PutLines(TunedLines(Result), "");
  std::fprintf(stderr, "worst_VSWR before=%s after=%s\n", ShortestText(Result.WorstBefore).c_str(),
               ShortestText(Result.WorstAfter).c_str());
}
