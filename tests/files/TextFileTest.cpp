#include "files/TextFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "FileTesting.h"
#include "platform/Errors.h"

namespace {

namespace fs = std::filesystem;

// A disk that fills up midway is played by a file-size limit. Saving through a link replaces the
// file it points to and keeps that file's permissions.
TEST(WriteLines, ReplacesAFileWholeOrNotAtAll) {
  TTempDir Dir;
  Dir.Write("a.txt", std::string(100, 'x'));
  fs::permissions(Dir / "a.txt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("a.txt", Dir / "link.txt");
  rlimit Old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  const rlimit Small{64, Old.rlim_max};
  const auto PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  const std::string Error = ErrorOf<EFileError>([&] { WriteLines(Dir / "link.txt", Lines(100, "0123456789")); });
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, PreviousHandler);
  EXPECT_EQ(Error, Dir / "link.txt" + ": File too large");
  EXPECT_EQ(Dir.Bytes("a.txt"), std::string(100, 'x'));
  EXPECT_EQ(Dir.Entries(), (std::set<std::string>{"a.txt", "link.txt"}));
  WriteLines(Dir / "link.txt", {"#", "", ":Q"});
  EXPECT_EQ(Dir.Bytes("a.txt"), "#\r\n\r\n:Q\r\n");
  EXPECT_TRUE(fs::is_symlink(Dir / "link.txt"));
  EXPECT_EQ(fs::status(Dir / "a.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(WriteLines, AFailureNamesTheFileAndLeavesNoTemporary) {
  TTempDir Dir;
  const std::string Missing = Dir / "missing/a.txt";
  EXPECT_EQ(ErrorOf<EFileError>([&] { WriteLines(Missing, {"x"}); }), Missing + ": No such file or directory");
  fs::create_directory(Dir / "a.snf");  // the rename over it fails
  EXPECT_EQ(ErrorOf<EFileError>([&] { WriteLines(Dir / "a.snf", {"x"}); }), Dir / "a.snf" + ": Is a directory");
  EXPECT_EQ(Dir.Entries(), std::set<std::string>{"a.snf"});
}

// A link is followed to the file it names, through a chain of links, even to a file not there yet.
TEST(WriteLines, FollowsLinksAndKeepsThem) {
  TTempDir Dir;
  fs::create_symlink("made.txt", Dir / "dangling");
  fs::create_symlink("dangling", Dir / "chain");
  WriteLines(Dir / "chain", {"x"});
  EXPECT_EQ(Dir.Bytes("made.txt"), "x\r\n");
  EXPECT_TRUE(fs::is_symlink(Dir / "dangling") && fs::is_symlink(Dir / "chain"));
  fs::create_symlink("loop", Dir / "loop");
  EXPECT_EQ(ErrorOf<EFileError>([&] { WriteLines(Dir / "loop", {"x"}); }),
            Dir / "loop" + ": Too many levels of symbolic links");
}

// Root may write any file; an ordinary user may not write a read-only one. The error Action
// raises, with an ordinary user's rights.
std::string ErrorOfOrdinaryUser(const std::function<void()>& Action) {
  int Pipe[2];
  if (pipe(Pipe) != 0) return "no pipe";
  const pid_t Child = fork();
  if (Child == 0) {
    close(Pipe[0]);
    constexpr uid_t Nobody = 65534;
    if (geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0)) _exit(1);
    const std::string Error = ErrorOf<EFileError>(Action);
    _exit(write(Pipe[1], Error.data(), Error.size()) == static_cast<ssize_t>(Error.size()) ? 0 : 1);
  }
  close(Pipe[1]);
  std::string Error;
  char Buffer[256];
  for (ssize_t N; (N = read(Pipe[0], Buffer, sizeof Buffer)) > 0;) Error.append(Buffer, N);
  close(Pipe[0]);
  int Status = 0;
  waitpid(Child, &Status, 0);
  return WIFEXITED(Status) && WEXITSTATUS(Status) == 0 ? Error : "child failed";
}

// A read-only file is not replaced, nor a pipe by a file.
TEST(WriteLines, RefusesATargetThatIsNoFileItMayWrite) {
  TTempDir Dir;
  fs::permissions(Dir.Path, fs::perms::all);  // the ordinary user may add files beside the target
  Dir.Write("locked.snf", "old");
  fs::permissions(Dir / "locked.snf", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ASSERT_EQ(mkfifo((Dir / "pipe").c_str(), 0666), 0);
  EXPECT_EQ(ErrorOfOrdinaryUser([&] { WriteLines(Dir / "locked.snf", {"new"}); }),
            Dir / "locked.snf" + ": Permission denied");
  EXPECT_EQ(ErrorOf<EFileError>([&] { WriteLines(Dir / "pipe", {"x"}); }), Dir / "pipe" + ": not a regular file");
  EXPECT_EQ(Dir.Bytes("locked.snf"), "old");
  EXPECT_EQ(Dir.Entries(), (std::set<std::string>{"locked.snf", "pipe"}));
}

// What a save that was killed left behind is taken over by the next save of that file; nothing
// else by the temporary's name is touched.
TEST(WriteLines, TakesOverOnlyItsOwnLeftTemporary) {
  const std::string Temporary = "a.snf.zomar-save";
  const struct {
    const char* Case;
    std::function<void(const TTempDir&)> Arrange;
    std::string Error;  // after the file name
    std::set<std::string> Entries;
  } Cases[] = {
      {"left by a killed save", [&](const TTempDir& D) { D.Write(Temporary, std::string(5000, 'z')); }, "",
       {"a.snf", "precious"}},
      {"a link", [&](const TTempDir& D) { fs::create_symlink("precious", D / Temporary); },
       Temporary + ": File exists", {"a.snf", "precious", Temporary}},
      {"a second name", [&](const TTempDir& D) { fs::create_hard_link(D / "precious", D / Temporary); },
       Temporary + ": File exists", {"a.snf", "precious", Temporary}},
      {"a directory", [&](const TTempDir& D) { fs::create_directory(D / Temporary); },
       Temporary + ": File exists", {"a.snf", "precious", Temporary}}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Case);
    TTempDir Dir;
    Dir.Write("a.snf", "old");
    Dir.Write("precious", "mine");
    C.Arrange(Dir);
    const std::string Error = ErrorOf<EFileError>([&] { WriteLines(Dir / "a.snf", {"new"}); });
    EXPECT_EQ(Error, C.Error.empty() ? "" : Dir / C.Error);
    EXPECT_EQ(Dir.Bytes("a.snf"), C.Error.empty() ? "new\r\n" : "old");
    EXPECT_EQ(Dir.Bytes("precious"), "mine");
    EXPECT_EQ(Dir.Entries(), C.Entries);
  }
}

// A save still running holds the lock of its temporary, which the next one leaves alone.
TEST(WriteLines, LeavesATemporaryInUseToItsSave) {
  TTempDir Dir;
  Dir.Write("a.snf", "old");
  Dir.Write("a.snf.zomar-save", "half");
  const int Running = open((Dir / "a.snf.zomar-save").c_str(), O_RDWR);
  ASSERT_EQ(flock(Running, LOCK_EX), 0);
  EXPECT_EQ(ErrorOf<EFileError>([&] { WriteLines(Dir / "a.snf", {"new"}); }),
            Dir / "a.snf" + ": another save of it is in progress");
  close(Running);
  EXPECT_EQ(Dir.Bytes("a.snf") + "|" + Dir.Bytes("a.snf.zomar-save"), "old|half");
}

// Lines end with CR LF when written: a text that would grow past what ReadLines opens is refused.
TEST(WriteLines, EverySavedFileOpensAgain) {
  TTempDir Dir;
  const Lines Largest(MaxTextFileSize / 1024, std::string(1022, 'x'));
  WriteLines(Dir / "largest", Largest);
  EXPECT_EQ(ReadLines(Dir / "largest"), Largest);
  Lines TooLarge = Largest;
  TooLarge.push_back("");
  EXPECT_EQ(ErrorOf<EFileError>([&] { WriteLines(Dir / "largest", TooLarge); }),
            Dir / "largest" + ": larger than 1048576 bytes, more than this program opens");
  EXPECT_EQ(Dir.Entries(), std::set<std::string>{"largest"});
}

// A table larger than our own files reaches the target only when committed; one abandoned or cut
// short by a full disk (played by a file-size limit) leaves the old file and no temporary.
TEST(ExportFile, ReplacesTheTargetOnlyWhenCommitted) {
  TTempDir Dir;
  Dir.Write("t.csv", "old");
  constexpr int Rows = 200'000;
  const auto WriteRows = [&](TExportFile& F) {
    for (int i = 0; i < Rows; ++i) F.Write("0123456789");
  };
  {
    TExportFile F(Dir / "t.csv");
    WriteRows(F);
    EXPECT_EQ(Dir.Bytes("t.csv"), "old");
  }
  EXPECT_EQ(Dir.Bytes("t.csv"), "old");
  EXPECT_EQ(Dir.Entries(), std::set<std::string>{"t.csv"});
  rlimit Old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  const rlimit Small{64, Old.rlim_max};
  const auto PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  const std::string Error = ErrorOf<EFileError>([&] {
    TExportFile F(Dir / "t.csv");
    WriteRows(F);
    F.Commit();
  });
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, PreviousHandler);
  EXPECT_EQ(Error, Dir / "t.csv" + ": File too large");
  EXPECT_EQ(Dir.Bytes("t.csv"), "old");
  EXPECT_EQ(Dir.Entries(), std::set<std::string>{"t.csv"});
  TExportFile F(Dir / "t.csv");
  WriteRows(F);
  F.Commit();
  std::string Expected;
  for (int i = 0; i < Rows; ++i) Expected += "0123456789\r\n";
  EXPECT_TRUE(Dir.Bytes("t.csv") == Expected);
  EXPECT_EQ(Dir.Entries(), std::set<std::string>{"t.csv"});
}

TEST(ReadLines, ReportsWhatItCannotRead) {
  TTempDir Dir;
  EXPECT_EQ(ErrorOf<EFileError>([&] { ReadLines(Dir / "none"); }), Dir / "none" + ": No such file or directory");
  ASSERT_EQ(mkfifo((Dir / "pipe").c_str(), 0600), 0);  // a plain read would block
  EXPECT_EQ(ErrorOf<EFileError>([&] { ReadLines(Dir / "pipe"); }), Dir / "pipe" + ": not a regular file");
  Dir.Write("big", std::string(MaxTextFileSize + 1, '\n'));
  EXPECT_EQ(ErrorOf<EFileError>([&] { ReadLines(Dir / "big"); }),
            Dir / "big" + ": larger than 1048576 bytes, not a file of this program");
  Dir.Write("full", std::string(MaxTextFileSize, 'a'));
  EXPECT_EQ(ReadLines(Dir / "full").at(0).size(), MaxTextFileSize);
}

}  // namespace
