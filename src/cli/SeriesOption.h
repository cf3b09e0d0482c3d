#pragma once
// --series, as the synthesis verbs share it.
#include <optional>
#include <string>

namespace CLI {
class App;
}

// --series S, one of E6, E12, E24, E48 and E96.
void AddSeriesOption(CLI::App& Verb, std::optional<std::string>& Series, const std::string& Description);
