#pragma once
// Text files as lists of lines, the way the network file and the settings file are kept.
#include <cstddef>
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

// Reads a regular file of at most MaxTextFileSize bytes and splits it. Raises EFileError.
std::vector<std::string> ReadLines(const std::string& FileName);

// Writes every line ended by CR LF, whole or not at all: the text goes to a new file beside the
// target, which is then renamed over it. On failure it raises EFileError; the old file is left
// as it was and the new one is removed.
void WriteLines(const std::string& FileName, const std::vector<std::string>& Lines);
