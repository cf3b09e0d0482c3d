#include "files/TextFile.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "platform/Errors.h"

namespace fs = std::filesystem;

namespace {

struct TFileCloser {
  void operator()(std::FILE* F) const { std::fclose(F); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

std::string Reason(int Error) {
  return std::generic_category().message(Error ? Error : EIO);
}

// Saving through a symbolic link replaces the file it points to and keeps the link.
fs::path ResolvedTarget(const std::string& FileName) {
  std::error_code Ec;
  if (fs::is_symlink(fs::symlink_status(FileName, Ec))) {
    fs::path Resolved = fs::weakly_canonical(FileName, Ec);
    if (!Ec) return Resolved;
  }
  return FileName;
}

// A new file beside Target under a name no one else uses; "x" makes the open fail rather than
// share a file that already exists.
std::FILE* CreateTemporary(const fs::path& Target, fs::path& Name) {
  static std::mt19937_64 Random{std::random_device{}()};
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    char Suffix[17];
    const auto End = std::to_chars(Suffix, Suffix + sizeof Suffix - 1, Random(), 16).ptr;
    Name = Target;
    Name += ".tmp" + std::string(Suffix, End);
    errno = 0;
    if (std::FILE* F = std::fopen(Name.c_str(), "wbx")) return F;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view Text) {
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  if (Text.starts_with(ByteOrderMark)) Text.remove_prefix(ByteOrderMark.size());
  std::vector<std::string> Lines;
  std::size_t Start = 0;
  while (Start < Text.size()) {
    const std::size_t End = Text.find_first_of("\r\n", Start);
    if (End == std::string_view::npos) {
      Lines.emplace_back(Text.substr(Start));
      break;
    }
    Lines.emplace_back(Text.substr(Start, End - Start));
    const bool CrLf = Text[End] == '\r' && End + 1 < Text.size() && Text[End + 1] == '\n';
    Start = End + (CrLf ? 2 : 1);
  }
  return Lines;
}

std::vector<std::string> ReadLines(const std::string& FileName) {
  std::error_code Ec;
  const fs::file_status Status = fs::status(FileName, Ec);
  if (Ec) throw EFileError(FileName, Ec.message());
  // A directory, a pipe or a device is no text file; a pipe would also block the read.
  if (fs::is_directory(Status)) throw EFileError(FileName, Reason(EISDIR));
  if (!fs::is_regular_file(Status)) throw EFileError(FileName, "not a regular file");

  errno = 0;
  const TFilePtr F(std::fopen(FileName.c_str(), "rb"));
  if (!F) throw EFileError(FileName, Reason(errno));
  std::string Text;
  char Buffer[1 << 16];
  std::size_t Count;
  while ((Count = std::fread(Buffer, 1, sizeof Buffer, F.get())) > 0) {
    if (Text.size() + Count > MaxTextFileSize)
      throw EFileError(FileName, "larger than " + std::to_string(MaxTextFileSize) + " bytes, not a file of this program");
    Text.append(Buffer, Count);
  }
  if (std::ferror(F.get())) throw EFileError(FileName, Reason(errno));
  return SplitLines(Text);
}

void WriteLines(const std::string& FileName, const std::vector<std::string>& Lines) {
  std::string Text;
  for (const std::string& Line : Lines) Text.append(Line).append("\r\n");

  const fs::path Target = ResolvedTarget(FileName);
  fs::path Temporary;
  std::FILE* F = CreateTemporary(Target, Temporary);
  if (!F) throw EFileError(FileName, Reason(errno));

  errno = 0;
  bool Written = std::fwrite(Text.data(), 1, Text.size(), F) == Text.size() && std::fflush(F) == 0;
  std::string Why = Written ? "" : Reason(errno);
  errno = 0;
  if (std::fclose(F) != 0 && Written) {
    Written = false;
    Why = Reason(errno);
  }
  if (Written) {
    std::error_code Ec;
    const fs::file_status Old = fs::status(Target, Ec);
    if (fs::is_regular_file(Old)) fs::permissions(Temporary, Old.permissions(), Ec);
    fs::rename(Temporary, Target, Ec);
    if (!Ec) return;
    Why = Ec.message();
  }
  std::error_code Ignored;
  fs::remove(Temporary, Ignored);
  throw EFileError(FileName, Why);
}
