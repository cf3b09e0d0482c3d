#include "files/TextFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/Errors.h"

namespace fs = std::filesystem;

namespace {

struct TFileCloser {
  void operator()(std::FILE* F) const { std::fclose(F); }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;

// Beside the target under a fixed name, so that the next save of the target finds what a killed
// save left behind.
constexpr const char* TemporarySuffix = ".zomar-save";
constexpr int MaxLinkHops = 40;      // as the system counts them
constexpr int MaxOpenAttempts = 100;  // against a temporary that keeps being renamed under us

std::string Reason(int Error) {
  return std::generic_category().message(Error ? Error : EIO);
}

std::string TooLarge(std::size_t MaxSize, const char* Why) {
  return "larger than " + std::to_string(MaxSize) + " bytes, " + Why;
}

// Saving through a symbolic link writes the file it points to, creating it when the link
// dangles, and keeps the link.
fs::path ResolvedTarget(const std::string& FileName) {
  fs::path Path = FileName;
  for (int Hops = 0;; ++Hops) {
    std::error_code Ec;
    if (!fs::is_symlink(fs::symlink_status(Path, Ec))) return Path;
    if (Hops == MaxLinkHops) throw EFileError(FileName, Reason(ELOOP));
    const fs::path Link = fs::read_symlink(Path, Ec);
    if (Ec) throw EFileError(FileName, Ec.message());
    Path = Link.is_absolute() ? Link : Path.parent_path() / Link;
  }
}

// The status of a target that exists, which must be a regular file we may write: the rename
// would otherwise replace a read-only file, or a pipe or a device by a file.
std::optional<struct stat> WritableTarget(const std::string& FileName, const fs::path& Target) {
  struct stat Status {};
  if (::stat(Target.c_str(), &Status) != 0) {
    if (errno == ENOENT) return std::nullopt;
    throw EFileError(FileName, Reason(errno));
  }
  if (S_ISDIR(Status.st_mode)) throw EFileError(FileName, Reason(EISDIR));
  if (!S_ISREG(Status.st_mode)) throw EFileError(FileName, "not a regular file");
  if (::access(Target.c_str(), W_OK) != 0) throw EFileError(FileName, Reason(errno));
  return Status;
}

bool SameFile(int Fd, const fs::path& Name) {
  struct stat Open {}, Named {};
  return ::fstat(Fd, &Open) == 0 && ::lstat(Name.c_str(), &Named) == 0 && Open.st_dev == Named.st_dev &&
         Open.st_ino == Named.st_ino;
}

bool WriteAll(int Fd, std::string_view Text) {
  while (!Text.empty()) {
    errno = 0;
    const ssize_t Written = ::write(Fd, Text.data(), Text.size());
    if (Written < 0 && errno == EINTR) continue;
    if (Written <= 0) return false;
    Text.remove_prefix(static_cast<std::size_t>(Written));
  }
  return true;
}

// The temporary is ours while we hold its lock and its name still leads to it; a save that is
// still running holds the lock, one that was killed no longer does. Anything else by that name
// (a link, a directory, another user's file, one with more names) is left alone.
class TTemporary {
public:
  TTemporary(const std::string& FileName, const fs::path& Target)
      : FileName(FileName), Name(Target.string() + TemporarySuffix) {
    for (int Attempt = 0; Attempt < MaxOpenAttempts; ++Attempt) {
      Fd = ::open(Name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (Fd < 0 && (errno == ELOOP || errno == EISDIR)) throw InTheWay();
      if (Fd < 0) throw EFileError(FileName, Reason(errno));
      if (::flock(Fd, LOCK_EX | LOCK_NB) != 0)
        Abandon(errno == EWOULDBLOCK ? "another save of it is in progress" : Reason(errno));
      if (SameFile(Fd, Name)) {
        TakeOver();
        return;
      }
      ::close(Fd);  // renamed or removed by the save that held it
    }
    Fd = -1;
    throw EFileError(FileName, Reason(EAGAIN));
  }
  ~TTemporary() {
    if (!Renamed && SameFile(Fd, Name)) ::unlink(Name.c_str());
    ::close(Fd);
  }
  TTemporary(const TTemporary&) = delete;
  TTemporary& operator=(const TTemporary&) = delete;

  void Append(std::string_view Text) {
    if (!WriteAll(Fd, Text)) throw EFileError(FileName, Reason(errno));
  }

  // The text on the disk, then the temporary renamed over the target with the target's permissions.
  void Replace(const fs::path& Target, const std::optional<struct stat>& Old) {
    if (::fsync(Fd) != 0) throw EFileError(FileName, Reason(errno));
    if (Old) ::fchmod(Fd, Old->st_mode & 07777);
    if (::rename(Name.c_str(), Target.c_str()) != 0) throw EFileError(FileName, Reason(errno));
    Renamed = true;
  }

private:
  std::string FileName;
  fs::path Name;
  int Fd = -1;
  bool Renamed = false;

  EFileError InTheWay() const { return EFileError(Name.string(), Reason(EEXIST)); }

  [[noreturn]] void Abandon(const std::string& Why) {
    ::close(Fd);
    throw EFileError(FileName, Why);
  }

  void TakeOver() {
    struct stat Status {};
    if (::fstat(Fd, &Status) != 0) Abandon(Reason(errno));
    if (!S_ISREG(Status.st_mode) || Status.st_uid != ::geteuid() || Status.st_nlink != 1) {
      ::close(Fd);
      throw InTheWay();
    }
    if (::ftruncate(Fd, 0) != 0) {
      const int Error = errno;
      ::unlink(Name.c_str());
      Abandon(Reason(Error));
    }
  }
};

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

std::string ReadText(const std::string& FileName, std::size_t MaxSize, const char* Why) {
  std::error_code Ec;
  const fs::file_status Status = fs::status(FileName, Ec);
  if (Ec) throw EFileError(FileName, Ec.message());
  // A directory, a pipe or a device is no text file; a pipe would also block the read.
  if (fs::is_directory(Status)) throw EFileError(FileName, Reason(EISDIR));
  if (!fs::is_regular_file(Status)) throw EFileError(FileName, "not a regular file");

  errno = 0;
  const TFilePtr F(std::fopen(FileName.c_str(), "rb"));
  if (!F) throw EFileError(FileName, Reason(errno));
  // One read of the size the file has now; a byte more shows a file that grew since.
  const std::uintmax_t Expected = fs::file_size(FileName, Ec);
  std::string Text(Ec ? 0 : std::min<std::uintmax_t>(Expected, MaxSize) + 1, '\0');
  std::size_t Size = 0;
  while ((Size += std::fread(Text.data() + Size, 1, Text.size() - Size, F.get())) == Text.size()) {
    if (Size > MaxSize) throw EFileError(FileName, TooLarge(MaxSize, Why));
    Text.resize(std::min(2 * Text.size() + 1, MaxSize + 1));
  }
  if (std::ferror(F.get())) throw EFileError(FileName, Reason(errno));
  Text.resize(Size);
  return Text;
}

std::vector<std::string> ReadLines(const std::string& FileName) {
  return SplitLines(ReadText(FileName, MaxTextFileSize, "not a file of this program"));
}

namespace {

std::string CrLfText(const std::vector<std::string>& Lines) {
  std::string Text;
  for (const std::string& Line : Lines) Text.append(Line).append("\r\n");
  return Text;
}

// Lines are gathered into writes of about this many bytes.
constexpr std::size_t WriteBlock = std::size_t(1) << 20;

}  // namespace

struct TExportFile::TOpen {
  TOpen(const std::string& FileName, fs::path Target)
      : Target(std::move(Target)), Old(WritableTarget(FileName, this->Target)), Temporary(FileName, this->Target) {}
  fs::path Target;
  std::optional<struct stat> Old;
  TTemporary Temporary;
  std::string Pending;
};

TExportFile::TExportFile(const std::string& FileName)
    : Open(std::make_unique<TOpen>(FileName, ResolvedTarget(FileName))) {}

TExportFile::~TExportFile() = default;

void TExportFile::Write(std::string_view Line) {
  Open->Pending.append(Line).append("\r\n");
  if (Open->Pending.size() < WriteBlock) return;
  Open->Temporary.Append(Open->Pending);
  Open->Pending.clear();
}

void TExportFile::Commit() {
  Open->Temporary.Append(Open->Pending);
  Open->Pending.clear();
  Open->Temporary.Replace(Open->Target, Open->Old);
}

namespace {

void WriteWhole(const std::string& FileName, const std::string& Text) {
  const fs::path Target = ResolvedTarget(FileName);
  const std::optional<struct stat> Old = WritableTarget(FileName, Target);
  TTemporary Temporary(FileName, Target);
  Temporary.Append(Text);
  Temporary.Replace(Target, Old);
}

}  // namespace

void WriteLines(const std::string& FileName, const std::vector<std::string>& Lines) {
  const std::string Text = CrLfText(Lines);
  if (Text.size() > MaxTextFileSize)
    throw EFileError(FileName, TooLarge(MaxTextFileSize, "more than this program opens"));
  WriteWhole(FileName, Text);
}

void WriteExport(const std::string& FileName, const std::vector<std::string>& Lines) {
  WriteWhole(FileName, CrLfText(Lines));
}
