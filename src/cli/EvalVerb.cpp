#include "cli/EvalVerb.h"

#include <CLI/CLI.hpp>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "cli/Output.h"
#include "network/NumberText.h"
#include "workbench/Tables.h"
#include "workbench/Workbench.h"

void AddEval(CLI::App& App, TEvalArguments& Arguments) {
  CLI::App* Verb =
      App.add_subcommand("eval", "Evaluate the ladder at one frequency: CSV of every node from the load to the input");
  AddNetworkOptions(*Verb, Arguments.Network);
  Verb->add_option_function<std::string>(
      "--freq", [&Arguments](const std::string& S) { Arguments.Frequency = S; },
      "frequency in Hz instead of the file's working frequency, e.g. 145.525M");
}

void RunEval(const TEvalArguments& Arguments) {
  const std::optional<double> F =
      Arguments.Frequency ? std::optional(FrequencyArgument("--freq", *Arguments.Frequency)) : std::nullopt;
  TNetWork Net;
  ReadNetwork(Arguments.Network, Net);
  const std::string& File = Arguments.Network.File;
  if (F) Net.SetFrequency(*F);
  if (!ProperFrequency(Net.GetFrequency()))
    throw EUsage(File + ": working frequency " + ShortestText(Net.GetFrequency()) +
                 " Hz is no proper value; give one with --freq");
  try {
    Net.Calculate();
  } catch (const EMathError& E) {
    throw ENoAnswer(File + " at " + ShortestText(Net.GetFrequency()) + " Hz: " + E.what());
  }
  PutLines(NodeLines(Net), "");
}
