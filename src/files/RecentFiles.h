#pragma once
// The network files opened or saved last, newest first, kept beside the settings file.
#include <string>
#include <vector>

inline constexpr const char* RecentFilesName = "zomar-recent.txt";
inline constexpr std::size_t MaxRecentFiles = 8;

// Name first, without a second entry of it, at most MaxRecentFiles.
std::vector<std::string> WithRecent(std::vector<std::string> Files, const std::string& Name);

// The list in the working directory; empty when there is none or it cannot be read.
std::vector<std::string> ReadRecentFiles();
// Replaces the list, whole or not at all. Raises EFileError.
void WriteRecentFiles(const std::vector<std::string>& Files);
