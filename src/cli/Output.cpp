#include "cli/Output.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "cli/Failures.h"
#include "platform/Errors.h"

namespace {

template <class TAction>
void ForFile(TAction Action) {
  try {
    Action();
  } catch (const EFileError& E) {
    throw EUsage(E.what());
  }
}

}  // namespace

TLineSink::TLineSink(const std::string& File) {
  if (!File.empty()) ForFile([&] { Export.emplace(File); });
  errno = 0;
}

void TLineSink::Put(const std::vector<std::string>& Lines) {
  if (Export)
    return ForFile([&] {
      for (const std::string& Line : Lines) Export->Write(Line);
    });
  for (const std::string& Line : Lines) {
    std::fwrite(Line.data(), 1, Line.size(), stdout);
    std::fputc('\n', stdout);
  }
}

// A full disk or a closed pipe must not pass for a finished table.
void TLineSink::Finish() {
  if (Export) return ForFile([&] { Export->Commit(); });
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    throw EUsage("standard output: " + std::generic_category().message(errno ? errno : EIO));
}

void PutLines(const std::vector<std::string>& Lines, const std::string& File) {
  TLineSink Sink(File);
  Sink.Put(Lines);
  Sink.Finish();
}
