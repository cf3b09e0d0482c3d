#pragma once
// The loads a verb reads from files.
#include <string>

#include "network/MeasuredLoad.h"

// A Touchstone file of one port. Raises EUsage naming the file and, where its text is at fault,
// the line.
TMeasuredLoad ReadLoadFile(const std::string& File);
