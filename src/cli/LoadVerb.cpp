#include "cli/LoadVerb.h"

#include <CLI/CLI.hpp>

#include "cli/LoadInput.h"
#include "cli/Output.h"
#include "network/NumberText.h"

namespace {

// One row per frequency of the file, with the impedance there.
std::vector<std::string> LoadLines(const TMeasuredLoad& Load) {
  std::vector<std::string> Lines;
  Lines.reserve(Load.Points().size() + 1);
  Lines.emplace_back("frequency_Hz,R_ohm,X_ohm");
  for (const TLoadPoint& P : Load.Points()) {
    const TComplex Z = ImpedanceOf(P.Gamma, Load.Reference());
    Lines.push_back(ShortestText(P.Frequency) + ',' + ShortestText(Z.Re) + ',' + ShortestText(Z.Im));
  }
  return Lines;
}

}  // namespace

void AddLoad(CLI::App& App, TLoadArguments& Arguments) {
  CLI::App* Verb = App.add_subcommand(
      "load", "Show the load a Touchstone file of one port describes: CSV of R and X in ohm at each frequency");
  Verb->add_option("FILE", Arguments.File, "Touchstone file of one port, version 1 or 2 (.s1p)")->required();
}

void RunLoad(const TLoadArguments& Arguments) { PutLines(LoadLines(ReadLoadFile(Arguments.File)), ""); }
