#include "cli/NetworkInput.h"

#include <CLI/CLI.hpp>
#include <filesystem>

#include "cli/Arguments.h"
#include "cli/Failures.h"
#include "cli/LoadInput.h"
#include "cli/LoadSource.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NumberText.h"
#include "platform/Errors.h"
#include "workbench/Workbench.h"

namespace {

// The measured load a network file names, relative to the file's folder.
void ReadLoadFileOf(const std::string& File, const std::vector<std::string>& Lines, TNetWork& Net) {
  int Index = 0;
  std::string Value;
  if (!FindKey(Lines, false, Index, ":Load file", Value) || TrimBlanks(Value).empty()) return;
  const std::filesystem::path Load = std::filesystem::path(File).parent_path() / TrimBlanks(Value);
  Net.MeasuredLoad = std::make_shared<const TMeasuredLoad>(ReadLoadFile(Load.lexically_normal().string()));
}

// A --load given takes the place of the file's own measured load, which is then not read.
void ReadFile(const std::string& File, TNetWork& Net, bool WithItsLoad) {
  std::vector<std::string> Lines;
  try {
    Lines = ReadLines(File);
    ReadSnfLines(Lines, Net);
  } catch (const EFileError& E) {
    throw EUsage(E.what());  // names the file already
  } catch (const std::runtime_error& E) {
    throw EUsage(File + ": " + E.what());
  }
  if (WithItsLoad) ReadLoadFileOf(File, Lines, Net);
}

}  // namespace

void AddNetworkOptions(CLI::App& Verb, TNetworkArguments& Arguments) {
  Verb.add_option("NETWORK", Arguments.File, "network file (.snf)")->required();
  Verb.add_option_function<std::string>(
      "--load", [&Arguments](const std::string& S) { Arguments.Load = S; },
      "the load instead of the file's: R,X in ohm (e.g. 25,-10 or 1.2k,300) or a Touchstone file of one port");
  Verb.add_option_function<std::string>(
      "--zn", [&Arguments](const std::string& S) { Arguments.Zn = S; }, "normalising impedance in ohm");
  Verb.add_option_function<std::string>(
      "--q", [&Arguments](const std::string& S) { Arguments.Q = S; }, "Q of all inductors: 0 (lossless) or 1 to 500");
}

void ReadNetwork(const TNetworkArguments& Arguments, TNetWork& Net) {
  // The arguments first: a mistyped one is reported without reading the file.
  const std::optional<TLoadSource> Load =
      Arguments.Load ? std::optional(LoadSourceArgument("--load", *Arguments.Load)) : std::nullopt;
  // Plain values with a flag: GCC 12 takes an optional<double> here for maybe uninitialised.
  const double Zn = Arguments.Zn ? ZnArgument("--zn", *Arguments.Zn) : 0;
  const double Q = Arguments.Q ? QArgument("--q", *Arguments.Q) : 0;
  ReadFile(Arguments.File, Net, !Load);
  if (const TComplex* Fixed = Load ? std::get_if<TComplex>(&*Load) : nullptr) {
    Net.MeasuredLoad.reset();
    Net.Elements[1].Value = Fixed->Re;
    Net.Elements[0].Value = Fixed->Im;
  } else if (Load) {
    Net.MeasuredLoad = std::make_shared<const TMeasuredLoad>(std::get<TMeasuredLoad>(*Load));
  }
  if (Arguments.Zn) Net.SetZn(Zn);
  if (Arguments.Q) Net.Q = Q;
  if (!ProperZn(Net.GetZn()))
    throw EUsage(Arguments.File + ": Zn " + ShortestText(Net.GetZn()) + " is no proper value; give one with --zn");
}
