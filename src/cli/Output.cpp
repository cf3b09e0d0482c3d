#include "cli/Output.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "cli/Failures.h"
#include "files/TextFile.h"
#include "platform/Errors.h"

namespace {

// A full disk or a closed pipe must not pass for a finished table.
void PrintLines(const std::vector<std::string>& Lines) {
  errno = 0;
  for (const std::string& Line : Lines) {
    std::fwrite(Line.data(), 1, Line.size(), stdout);
    std::fputc('\n', stdout);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    throw EUsage("standard output: " + std::generic_category().message(errno ? errno : EIO));
}

}  // namespace

void PutLines(const std::vector<std::string>& Lines, const std::string& File) {
  if (File.empty()) return PrintLines(Lines);
  try {
    WriteExport(File, Lines);
  } catch (const EFileError& E) {
    throw EUsage(E.what());
  }
}
