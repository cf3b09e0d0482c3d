#include "cli/MatchVerb.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "cli/LoadSource.h"
#include "cli/NetworkOutput.h"
#include "cli/Output.h"
#include "cli/SeriesOption.h"
#include "network/NumberText.h"
#include "synthesis/Match.h"
#include "synthesis/SolutionNetwork.h"

namespace {

std::vector<std::string> SolutionLines(const std::vector<TSolution>& Solutions) {
  std::vector<std::string> Lines{"solution,topology,elements,VSWR"};
  for (std::size_t s = 0; s < Solutions.size(); ++s) {
    const TSolution& S = Solutions[s];
    Lines.push_back(std::to_string(s + 1) + ',' + TopologyName(S.Topology) + ',' + LadderText(S.Parts) + ',' +
                    ShortestText(S.Vswr));
  }
  return Lines;
}

std::vector<TTopology> Topologies(const std::string& Name) {
  if (Name == "all") return TMatchRequest{}.Topologies;
  return {*TopologyFromName(Name)};
}

double PositiveArgument(const std::string& Name, const std::string& Text, const std::string& Why) {
  const double V = ArgumentValue(Name, Text, "");
  if (!(V > 0) || !std::isfinite(V)) throw EUsage(Name + " '" + Text + "': " + Why);
  return V;
}

double VelocityFactorArgument(const std::string& Text) {
  const double V = ArgumentValue("--vf", Text, "");
  if (!(V > 0 && V <= 1)) throw EUsage("--vf '" + Text + "': a velocity factor must be above 0 and at most 1");
  return V;
}

void CheckLossless(const std::string& Text) {
  if (ArgumentValue("--att", Text, "") != 0)
    throw EUsage("--att '" + Text + "': the lines and stubs are matched lossless; give 0 or leave it out");
}

int PickArgument(const std::string& Text) {
  const double K = ArgumentValue("--pick", Text, "");
  if (!(K >= 1 && K <= 1e6) || K != std::floor(K))
    throw EUsage("--pick '" + Text + "': must be a whole number from 1 on");
  return static_cast<int>(K);
}

// The load at F: a measured one has none outside its frequencies.
TComplex LoadAt(const TLoadSource& Source, const std::string& Text, double F) {
  if (const TComplex* Fixed = std::get_if<TComplex>(&Source)) return *Fixed;
  const TMeasuredLoad& Measured = std::get<TMeasuredLoad>(Source);
  if (const std::optional<TComplex> Z = Measured.ImpedanceAt(F)) return *Z;
  throw ENoAnswer(Text + ": " + ShortestText(F) + " Hz lies outside its frequencies, " + MeasuredRange(Measured));
}

TMatchRequest Request(const TMatchArguments& A) {
  TMatchRequest R;
  const double F = FrequencyArgument("--freq", A.Frequency);
  R.At.Zn = ZnArgument("--zn", A.Zn);
  R.At.Q = QArgument("--q", A.Q);
  R.Topologies = Topologies(A.Topology);
  R.LoadedQ = PositiveArgument("--qloaded", A.LoadedQ, "a loaded Q must be above 0");
  R.VelocityFactor = VelocityFactorArgument(A.VelocityFactor);
  CheckLossless(A.Attenuation);
  if (A.Series) R.Series = SeriesFromName(*A.Series);
  R.At.Frequency = F;
  R.At.Load = LoadAt(LoadSourceArgument("--load", A.Load), A.Load, F);
  return R;
}

void WriteSolution(const TMatchArguments& A, int Pick, const TMatchResult& M, const TMatchRequest& R) {
  if (Pick > static_cast<int>(M.Solutions.size()))
    throw EUsage("--pick '" + A.Pick + "': there are only " + std::to_string(M.Solutions.size()) + " solutions");
  TNetWork Net;
  SolutionNetwork(M.Solutions[Pick - 1].Parts, R.At, Net);
  Net.Creator = "Zomar";
  WriteNetwork(A.Output, Net);
}

}  // namespace

void AddMatch(CLI::App& App, TMatchArguments& Arguments) {
  CLI::App* Verb = App.add_subcommand(
      "match", "Every matching section of the asked topologies that turns the load at one frequency into Zn");
  Verb->add_option("--load", Arguments.Load, "load R,X in ohm, e.g. 25,-10, or a Touchstone file of one port")
      ->required();
  Verb->add_option("--freq", Arguments.Frequency, "frequency in Hz, e.g. 145.525M")->required();
  Verb->add_option("--zn", Arguments.Zn, "impedance to match to in ohm (default 50)");
  Verb->add_option("--q", Arguments.Q, "Q of all inductors: 0 (lossless, default) or 1 to 500");
  Verb->add_option("--topology", Arguments.Topology, "all (default), L, pi, tee, stub or quarterwave")
      ->check(CLI::IsMember({"all", "L", "pi", "tee", "stub", "quarterwave"}));
  Verb->add_option("--qloaded", Arguments.LoadedQ, "loaded Q of the pi and tee sections (default 5)");
  AddSeriesOption(*Verb, Arguments.Series, "replace every L, C and R value with the best of its standard neighbours");
  Verb->add_option("--pick", Arguments.Pick, "the solution --output writes (default 1)");
  Verb->add_option("--output", Arguments.Output, "write the picked solution as a network file at the frequency");
  Verb->add_option("--vf", Arguments.VelocityFactor, "velocity factor of the lines and stubs (default 1)");
  Verb->add_option("--att", Arguments.Attenuation, "attenuation of the lines and stubs: only 0, they are lossless");
}

void RunMatch(const TMatchArguments& Arguments) {
  const int Pick = PickArgument(Arguments.Pick);
  const TMatchRequest R = Request(Arguments);
  const TMatchResult M = Match(R);
  if (M.Solutions.empty()) {
    std::string Why;
    for (const std::string& Reason : M.Reasons) Why += (Why.empty() ? "" : "; ") + Reason;
    throw ENoAnswer(Why);
  }
  if (!Arguments.Output.empty()) WriteSolution(Arguments, Pick, M, R);
  for (const std::string& Reason : M.Reasons) std::fprintf(stderr, "zomar-cli: %s\n", Reason.c_str());
  PutLines(SolutionLines(M.Solutions), "");
}
