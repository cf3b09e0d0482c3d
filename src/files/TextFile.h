#pragma once
// Text files as lists of lines, the way the network file and the settings file are kept.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Our files are a few kilobytes; anything far larger is no file of ours, and reading it whole
// would only cost memory.
inline constexpr std::size_t MaxTextFileSize = std::size_t(1) << 20;

// Lines of a text: a line ends at CR LF, LF or a lone CR; a UTF-8 byte-order mark at the start is
// dropped; a last line without a line end counts, an empty text has no lines. Other bytes pass
// through unchanged.
std::vector<std::string> SplitLines(std::string_view Text);

// The bytes of a regular file of at most MaxSize bytes; Why ends the message that refuses a
// larger one. Raises EFileError.
std::string ReadText(const std::string& FileName, std::size_t MaxSize, const char* Why);

// Reads a regular file of at most MaxTextFileSize bytes and splits it. Raises EFileError.
std::vector<std::string> ReadLines(const std::string& FileName);

// Writes every line ended by CR LF, whole or not at all: the text goes to a temporary beside the
// target (its name and ".zomar-save"), reaches the disk, and the temporary is renamed over the
// target; one that a killed save left behind is taken over. A symbolic link is followed and kept.
// Raises EFileError for a target that is no regular file or that we may not write, for a text
// that ReadLines would refuse as too large, and on any failure; the old file is then left as it
// was and no temporary remains.
void WriteLines(const std::string& FileName, const std::vector<std::string>& Lines);

// WriteLines for the tables that other programs read (sweeps of millions of points): no limit
// to the size.
void WriteExport(const std::string& FileName, const std::vector<std::string>& Lines);

// A table written as its lines come, whole or not at all like WriteExport: the lines reach the
// temporary beside the target in blocks, and Commit brings them to the disk and renames the
// temporary over the target. One that ends without Commit removes its temporary and leaves the
// target as it was. Raises EFileError.
class TExportFile {
public:
  explicit TExportFile(const std::string& FileName);
  ~TExportFile();
  TExportFile(const TExportFile&) = delete;
  TExportFile& operator=(const TExportFile&) = delete;

  void Write(std::string_view Line);  // ended by CR LF
  void Commit();

private:
  struct TOpen;
  std::unique_ptr<TOpen> Open;
};
