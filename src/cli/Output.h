#pragma once
// Where a verb's lines go.
#include <optional>
#include <string>
#include <vector>

#include "files/TextFile.h"

// Lines as they come, to the file File, whole or not at all, or to standard output when File is
// empty. Finish commits the file, or makes sure standard output took every line; a sink that ends
// without Finish leaves the file as it was. Raises EUsage naming the file when it cannot be written.
class TLineSink {
public:
  explicit TLineSink(const std::string& File);
  void Put(const std::vector<std::string>& Lines);
  void Finish();

private:
  std::optional<TExportFile> Export;
};

// All of them at once.
void PutLines(const std::vector<std::string>& Lines, const std::string& File);
