#pragma once
// zomar-cli load: what the program understood of a Touchstone file of one port.
#include <string>

namespace CLI {
class App;
}

struct TLoadArguments {
  std::string File;
};

void AddLoad(CLI::App& App, TLoadArguments& Arguments);
void RunLoad(const TLoadArguments& Arguments);
