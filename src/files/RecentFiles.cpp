#include "files/RecentFiles.h"

#include <algorithm>
#include <filesystem>

#include "files/TextFile.h"
#include "platform/Errors.h"

std::vector<std::string> WithRecent(std::vector<std::string> Files, const std::string& Name) {
  std::erase(Files, Name);
  Files.insert(Files.begin(), Name);
  if (Files.size() > MaxRecentFiles) Files.resize(MaxRecentFiles);
  return Files;
}

// A list that cannot be read is no reason to stop the workbench: it starts empty.
std::vector<std::string> ReadRecentFiles() {
  std::error_code Ec;
  if (!std::filesystem::exists(RecentFilesName, Ec)) return {};
  try {
    std::vector<std::string> Files = ReadLines(RecentFilesName);
    std::erase(Files, std::string());
    if (Files.size() > MaxRecentFiles) Files.resize(MaxRecentFiles);
    return Files;
  } catch (const EFileError&) {
    return {};
  }
}

void WriteRecentFiles(const std::vector<std::string>& Files) { WriteLines(RecentFilesName, Files); }
