#pragma once
// zomar-cli eval: the node values of the ladder at one frequency.
#include <optional>
#include <string>

#include "cli/NetworkInput.h"

struct TEvalArguments {
  TNetworkArguments Network;
  std::optional<std::string> Frequency;
};

void AddEval(CLI::App& App, TEvalArguments& Arguments);
void RunEval(const TEvalArguments& Arguments);
