#include "files/TextFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

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
