#pragma once
// A network a verb makes, written as the workbench saves it.
#include <string>

#include "network/Network.h"

// Whole or not at all. Raises EUsage naming the file.
void WriteNetwork(const std::string& File, TNetWork& Net);
