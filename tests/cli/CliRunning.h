#pragma once
// zomar-cli run as a script runs it: arguments in, exit status, standard output and standard
// error out.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "../files/FileTesting.h"
#include "files/TextFile.h"

extern char** environ;

struct TRun {
  int Status = -1;
  std::string Out, Err;
  Lines OutLines() const { return SplitLines(Out); }
  Lines ErrLines() const { return SplitLines(Err); }
};

// Runs zomar-cli in the working directory with standard output to StdOut.
inline TRun RunCli(const TTempDir& Dir, const std::vector<std::string>& Arguments, const std::string& StdOut = "") {
  const std::string Out = StdOut.empty() ? Dir / "stdout" : StdOut, Err = Dir / "stderr";
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&Actions, 1, Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&Actions, 2, Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> Argv{const_cast<char*>(ZOMAR_CLI)};
  for (const std::string& A : Arguments) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  pid_t Pid = 0;
  TRun R;
  if (posix_spawn(&Pid, ZOMAR_CLI, &Actions, nullptr, Argv.data(), environ) == 0) {
    int WaitStatus = 0;
    waitpid(Pid, &WaitStatus, 0);
    R.Status = WIFEXITED(WaitStatus) ? WEXITSTATUS(WaitStatus) : 128 + WTERMSIG(WaitStatus);
  }
  posix_spawn_file_actions_destroy(&Actions);
  R.Out = StdOut.empty() ? Dir.Bytes("stdout") : "";
  R.Err = Dir.Bytes("stderr");
  return R;
}

inline std::vector<std::string> Fields(const std::string& Line, char Separator) {
  std::vector<std::string> F;
  std::stringstream S(Line);
  for (std::string Field; std::getline(S, Field, Separator);)
    if (!Field.empty()) F.push_back(Field);
  return F;
}

// The fields of a row read back as the doubles they were written from: exact comparisons hold.
inline std::vector<double> Numbers(const std::string& Line, char Separator = ',', std::size_t Skip = 0) {
  std::vector<double> V;
  for (const std::string& Field : Fields(Line, Separator)) {
    if (Skip > 0 && Skip--) continue;
    double D = 0;
    const auto R = std::from_chars(Field.data(), Field.data() + Field.size(), D);
    EXPECT_TRUE(R.ec == std::errc() && R.ptr == Field.data() + Field.size()) << Field;
    V.push_back(D);
  }
  return V;
}
