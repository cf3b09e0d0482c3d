// zomar-cli: the workbench's computations from the command line, for scripts and batch work.
#include <CLI/CLI.hpp>
#include <clocale>
#include <cstdio>
#include <exception>

#include "cli/EvalVerb.h"
#include "cli/Failures.h"
#include "cli/LoadVerb.h"
#include "cli/MatchVerb.h"
#include "cli/OptimizeVerb.h"
#include "cli/SweepVerb.h"

namespace {

constexpr const char* Version = "zomar-cli " ZOMAR_VERSION;

int Fail(int Status, const char* Message) {
  std::fprintf(stderr, "zomar-cli: %s\n", Message);
  return Status;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  CLI::App App{"ZOMAR without a window: evaluates, sweeps, synthesises and optimises impedance-matching networks, "
               "shows measured loads.",
               "zomar-cli"};
  App.set_version_flag("--version", Version);
  App.require_subcommand(1);
  TEvalArguments Eval;
  TSweepArguments Sweep;
  TLoadArguments Load;
  TMatchArguments Match;
  TOptimizeArguments Optimize;
  AddEval(App, Eval);
  AddSweep(App, Sweep);
  AddLoad(App, Load);
  AddMatch(App, Match);
  AddOptimize(App, Optimize);
  try {
    App.parse(argc, argv);
  } catch (const CLI::Success& E) {
    return App.exit(E);  // --help and --version
  } catch (const CLI::ParseError& E) {
    return Fail(2, E.what());
  }
  try {
    if (App.got_subcommand("eval")) RunEval(Eval);
    else if (App.got_subcommand("load")) RunLoad(Load);
    else if (App.got_subcommand("match")) RunMatch(Match);
    else if (App.got_subcommand("optimize")) RunOptimize(Optimize);
    else RunSweep(Sweep, Version);
  } catch (const ENoAnswer& E) {
    return Fail(1, E.what());
  } catch (const std::exception& E) {
    return Fail(2, E.what());
  }
  return 0;
}
