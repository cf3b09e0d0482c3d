#include "files/TextFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <functional>

#include "TempDir.h"
#include "platform/Errors.h"

namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

struct TSplitCase {
  std::string Text;
  Lines Expected;
};

// Test names show the text with its line ends and other bytes spelled out.
void PrintTo(const TSplitCase& C, std::ostream* Os) {
  *Os << "'";
  for (unsigned char Ch : C.Text) {
    if (Ch == '\r')
      *Os << "<CR>";
    else if (Ch == '\n')
      *Os << "<LF>";
    else if (Ch >= 0x20 && Ch < 0x7F && Ch != '\'')
      *Os << Ch;
    else
      *Os << '<' << "0123456789ABCDEF"[Ch >> 4] << "0123456789ABCDEF"[Ch & 15] << '>';
  }
  *Os << "'";
}

class Split : public ::testing::TestWithParam<TSplitCase> {};

TEST_P(Split, FindsTheLines) { EXPECT_EQ(SplitLines(GetParam().Text), GetParam().Expected); }

INSTANTIATE_TEST_SUITE_P(
    LineEnds, Split,
    ::testing::Values(TSplitCase{"", {}}, TSplitCase{"a\r\nb\r\n", {"a", "b"}}, TSplitCase{"a\nb", {"a", "b"}},
                      TSplitCase{"a\rb\r", {"a", "b"}}, TSplitCase{"a\r\r\nb", {"a", "", "b"}},
                      TSplitCase{"\r\n", {""}}, TSplitCase{"a \t\r\n", {"a \t"}},
                      TSplitCase{"\xEF\xBB\xBF#\r\n:Q\n", {"#", ":Q"}},
                      TSplitCase{"a\xEF\xBB\xBF", {"a\xEF\xBB\xBF"}},
                      TSplitCase{std::string("a\0b\n", 4), {std::string("a\0b", 3)}}));

void ExpectFileError(const std::function<void()>& Action, const std::string& Expected) {
  try {
    Action();
    ADD_FAILURE() << "no EFileError";
  } catch (const EFileError& E) {
    EXPECT_EQ(E.what(), Expected);
  }
}

TEST(WriteLines, ReplacesTheFileWholeWithCrLfAndKeepsItsPermissions) {
  TTempDir Dir;
  Dir.Write("a.txt", std::string(5000, 'x'));
  fs::permissions(Dir / "a.txt", fs::perms::owner_read | fs::perms::owner_write);
  WriteLines(Dir / "a.txt", {"#", "", ":Q"});
  EXPECT_EQ(Dir.Bytes("a.txt"), "#\r\n\r\n:Q\r\n");
  EXPECT_EQ(Dir.Entries(), Lines{"a.txt"});
  EXPECT_EQ(fs::status(Dir / "a.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(WriteLines, ThroughALinkReplacesTheFileItPointsTo) {
  TTempDir Dir;
  Dir.Write("real.txt", "old");
  fs::create_symlink("real.txt", Dir / "link.txt");
  WriteLines(Dir / "link.txt", {"new"});
  EXPECT_TRUE(fs::is_symlink(Dir / "link.txt"));
  EXPECT_EQ(Dir.Bytes("real.txt"), "new\r\n");
}

TEST(WriteLines, AFailureNamesTheFileAndLeavesTheDirectoryAsItWas) {
  TTempDir Dir;
  const std::string Missing = Dir / "missing/a.txt";
  ExpectFileError([&] { WriteLines(Missing, {"x"}); }, Missing + ": No such file or directory");
  fs::create_directory(Dir / "a.snf");  // the rename over it fails
  Dir.Write("a.snf/inside", "keep");
  ExpectFileError([&] { WriteLines(Dir / "a.snf", {"x"}); }, Dir / "a.snf" + ": Is a directory");
  EXPECT_EQ(Dir.Entries(), Lines{"a.snf"});
  EXPECT_EQ(Dir.Bytes("a.snf/inside"), "keep");
}

// A disk that fills up midway, played by a file-size limit: the old file survives whole.
TEST(WriteLines, ThatFailsMidwayKeepsTheOldFile) {
  TTempDir Dir;
  Dir.Write("a.txt", "old\r\n");
  rlimit Old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  const auto PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit Small = Old;
  Small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  ExpectFileError([&] { WriteLines(Dir / "a.txt", Lines(100, "0123456789")); }, Dir / "a.txt" + ": File too large");
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, PreviousHandler);
  EXPECT_EQ(Dir.Bytes("a.txt"), "old\r\n");
  EXPECT_EQ(Dir.Entries(), Lines{"a.txt"});
}

TEST(ReadLines, ReportsWhatItCannotRead) {
  TTempDir Dir;
  ExpectFileError([&] { ReadLines(Dir / "none"); }, Dir / "none" + ": No such file or directory");
  ExpectFileError([&] { ReadLines(Dir.Path.string()); }, Dir.Path.string() + ": Is a directory");
  ASSERT_EQ(mkfifo((Dir / "pipe").c_str(), 0600), 0);  // would block a plain read
  ExpectFileError([&] { ReadLines(Dir / "pipe"); }, Dir / "pipe" + ": not a regular file");
  Dir.Write("big", std::string(MaxTextFileSize + 1, '\n'));
  ExpectFileError([&] { ReadLines(Dir / "big"); }, Dir / "big" + ": larger than 1048576 bytes, not a file of this program");
  Dir.Write("full", std::string(MaxTextFileSize, 'a'));
  EXPECT_EQ(ReadLines(Dir / "full").at(0).size(), MaxTextFileSize);
}

}  // namespace
