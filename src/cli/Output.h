#pragma once
// Where a verb's lines go.
#include <string>
#include <vector>

// To the file File, whole or not at all, or to standard output when File is empty. Raises
// EUsage naming the file when it cannot be written.
void PutLines(const std::vector<std::string>& Lines, const std::string& File);
