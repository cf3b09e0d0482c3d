#pragma once
// The network a verb works on: its file, and the arguments that override what the file holds.
#include <optional>
#include <string>

#include "network/Network.h"

namespace CLI {
class App;
}

struct TNetworkArguments {
  std::string File;
  std::optional<std::string> Load, Zn, Q;
};

// The network file as the verb's first argument, and --load, --zn and --q.
void AddNetworkOptions(CLI::App& Verb, TNetworkArguments& Arguments);

// Reads the file into Net and applies the overrides. Raises EUsage naming the file or argument.
void ReadNetwork(const TNetworkArguments& Arguments, TNetWork& Net);
