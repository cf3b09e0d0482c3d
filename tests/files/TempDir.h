#pragma once
// A fresh directory for one test, the working directory while the test runs, removed afterwards:
// no test writes into the source tree.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

class TTempDir {
public:
  TTempDir() : Previous(std::filesystem::current_path()) {
    std::random_device Random;
    Path = std::filesystem::temp_directory_path() / ("zomar-files-" + std::to_string(Random()) + std::to_string(Random()));
    std::filesystem::create_directories(Path);
    std::filesystem::current_path(Path);
  }
  ~TTempDir() {
    std::error_code Ignored;
    std::filesystem::current_path(Previous, Ignored);
    std::filesystem::permissions(Path, std::filesystem::perms::all, Ignored);
    std::filesystem::remove_all(Path, Ignored);
  }
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  std::string operator/(const std::string& Name) const { return (Path / Name).string(); }

  // The names in the directory, sorted.
  std::vector<std::string> Entries() const {
    std::vector<std::string> Names;
    for (const auto& E : std::filesystem::directory_iterator(Path)) Names.push_back(E.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
  }

  std::string Bytes(const std::string& Name) const {
    std::ifstream In(Path / Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }

  void Write(const std::string& Name, const std::string& Bytes) const {
    std::ofstream(Path / Name, std::ios::binary) << Bytes;
  }

  std::filesystem::path Path;

private:
  std::filesystem::path Previous;
};

// Lines joined with CR LF after every line, as the files are written.
inline std::string CrLf(const std::vector<std::string>& Lines) {
  std::string S;
  for (const std::string& L : Lines) S += L + "\r\n";
  return S;
}
