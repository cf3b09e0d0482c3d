#include "cli/LoadSource.h"

#include <filesystem>

#include "cli/Arguments.h"
#include "cli/LoadInput.h"
#include "network/NumberText.h"

TLoadSource LoadSourceArgument(const std::string& Name, const std::string& Text) {
  std::error_code Ignored;
  if (!std::filesystem::exists(Text, Ignored) && Text.find(',') != std::string::npos) return LoadArgument(Name, Text);
  return ReadLoadFile(Text);
}

std::string MeasuredRange(const TMeasuredLoad& Load) {
  return ShortestText(Load.Points().front().Frequency) + " to " + ShortestText(Load.Points().back().Frequency) + " Hz";
}
