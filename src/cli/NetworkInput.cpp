#include "cli/NetworkInput.h"

#include <CLI/CLI.hpp>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NumberText.h"
#include "platform/Errors.h"
#include "workbench/Workbench.h"

namespace {

void ReadFile(const std::string& File, TNetWork& Net) {
  try {
    ReadSnfLines(ReadLines(File), Net);
  } catch (const EFileError& E) {
    throw EUsage(E.what());  // names the file already
  } catch (const std::runtime_error& E) {
    throw EUsage(File + ": " + E.what());
  }
}

}  // namespace

void AddNetworkOptions(CLI::App& Verb, TNetworkArguments& Arguments) {
  Verb.add_option("NETWORK", Arguments.File, "network file (.snf)")->required();
  Verb.add_option_function<std::string>(
      "--load", [&Arguments](const std::string& S) { Arguments.Load = S; },
      "fixed load R,X in ohm, e.g. 25,-10 or 1.2k,300, instead of the file's");
  Verb.add_option_function<std::string>(
      "--zn", [&Arguments](const std::string& S) { Arguments.Zn = S; }, "normalising impedance in ohm");
  Verb.add_option_function<std::string>(
      "--q", [&Arguments](const std::string& S) { Arguments.Q = S; }, "Q of all inductors: 0 (lossless) or 1 to 500");
}

void ReadNetwork(const TNetworkArguments& Arguments, TNetWork& Net) {
  // The arguments first: a mistyped one is reported without reading the file.
  const std::optional<TComplex> Load =
      Arguments.Load ? std::optional(LoadArgument("--load", *Arguments.Load)) : std::nullopt;
  const std::optional<double> Zn = Arguments.Zn ? std::optional(ZnArgument("--zn", *Arguments.Zn)) : std::nullopt;
  const std::optional<double> Q = Arguments.Q ? std::optional(QArgument("--q", *Arguments.Q)) : std::nullopt;
  ReadFile(Arguments.File, Net);
  if (Load) {
    Net.Elements[1].Value = Load->Re;
    Net.Elements[0].Value = Load->Im;
  }
  if (Zn) Net.SetZn(*Zn);
  if (Q) Net.Q = *Q;
  if (!ProperZn(Net.GetZn()))
    throw EUsage(Arguments.File + ": Zn " + ShortestText(Net.GetZn()) + " is no proper value; give one with --zn");
}
