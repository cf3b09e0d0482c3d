#include "cli/Arguments.h"

#include <cmath>

#include "cli/Failures.h"
#include "network/NumberText.h"
#include "network/ValueText.h"
#include "platform/Dialogs.h"
#include "workbench/Workbench.h"

namespace {

constexpr double MaxPoints = 10'000'000;
constexpr double LowestQ = 1, HighestQ = 500;

// Keeps the first message that the value parser shows while it is installed.
class TRecordingDialogs : public TDialogs {
public:
  std::string Message;

  TRecordingDialogs() : Previous(&Dialogs()) { SetDialogs(this); }
  ~TRecordingDialogs() override { SetDialogs(Previous); }
  TRecordingDialogs(const TRecordingDialogs&) = delete;
  TRecordingDialogs& operator=(const TRecordingDialogs&) = delete;

  TMsgButton MessageBox(const std::string& Text, TMsgKind, std::vector<TMsgButton>) override {
    if (Message.empty()) Message = Text;
    return TMsgButton::OK;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string& Default) override { return Default; }
  std::optional<std::string> OpenFileName(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  bool ShowModal(TModalForm&) override { return false; }

private:
  TDialogs* Previous;
};

[[noreturn]] void Refuse(const std::string& Name, const std::string& Text, const std::string& Reason) {
  throw EUsage(Name + " '" + Text + "': " + Reason);
}

}  // namespace

double ArgumentValue(const std::string& Name, const std::string& Text, const std::string& Unit) {
  if (TrimBlanks(Text).empty()) Refuse(Name, Text, "no value");
  const TRecordingDialogs Recorder;
  const double Value = ParseValue(Text, Unit);
  if (!Recorder.Message.empty()) throw EUsage(Name + ": " + Recorder.Message);
  return Value;
}

double FrequencyArgument(const std::string& Name, const std::string& Text) {
  const double F = ArgumentValue(Name, Text, "Hz");
  if (!ProperFrequency(F)) Refuse(Name, Text, "a frequency must be from 1e-15 Hz to below 1e12 Hz");
  return F;
}

double ZnArgument(const std::string& Name, const std::string& Text) {
  const double Zn = ArgumentValue(Name, Text, "ohm");
  if (!ProperZn(Zn)) Refuse(Name, Text, "Zn must be from 1e-15 ohm to below 1e12 ohm");
  return Zn;
}

double QArgument(const std::string& Name, const std::string& Text) {
  const double Q = ArgumentValue(Name, Text, "");
  if (Q != 0 && !(Q >= LowestQ && Q <= HighestQ)) Refuse(Name, Text, "Q must be 0 (lossless) or from 1 to 500");
  return Q;
}

int PointsArgument(const std::string& Name, const std::string& Text) {
  const double N = ArgumentValue(Name, Text, "");
  if (!(N >= 1 && N <= MaxPoints) || N != std::floor(N))
    Refuse(Name, Text, "must be a whole number from 1 to 10000000");
  return static_cast<int>(N);
}

TComplex LoadArgument(const std::string& Name, const std::string& Text) {
  const std::size_t Comma = Text.find(',');
  if (Comma == std::string::npos || Text.find(',', Comma + 1) != std::string::npos)
    Refuse(Name, Text, "not a fixed load R,X in ohm");
  try {
    return {ArgumentValue(Name, Text.substr(0, Comma), "ohm"), ArgumentValue(Name, Text.substr(Comma + 1), "ohm")};
  } catch (const EUsage&) {
    Refuse(Name, Text, "R and X must both be values in ohm");
  }
}
