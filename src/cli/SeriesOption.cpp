#include "cli/SeriesOption.h"

#include <CLI/CLI.hpp>

void AddSeriesOption(CLI::App& Verb, std::optional<std::string>& Series, const std::string& Description) {
  Verb.add_option_function<std::string>(
          "--series", [&Series](const std::string& S) { Series = S; }, Description + ": E6, E12, E24, E48 or E96")
      ->check(CLI::IsMember({"E6", "E12", "E24", "E48", "E96"}));
}
