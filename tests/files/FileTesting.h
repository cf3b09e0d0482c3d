#pragma once
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// A fresh directory for one test and its working directory while it runs: no test writes into
// the source tree.
struct TTempDir {
  std::filesystem::path Previous = std::filesystem::current_path(), Path = Make();

  TTempDir() { std::filesystem::current_path(Path); }
  ~TTempDir() {
    std::error_code Ignored;
    std::filesystem::current_path(Previous, Ignored);
    std::filesystem::remove_all(Path, Ignored);
  }
  static std::filesystem::path Make() {
    std::string Name = (std::filesystem::temp_directory_path() / "zomar-files-XXXXXX").string();
    return mkdtemp(Name.data());
  }
  std::string operator/(const std::string& Name) const { return (Path / Name).string(); }
  std::set<std::string> Entries() const {
    std::set<std::string> Names;
    for (const auto& E : std::filesystem::directory_iterator(Path)) Names.insert(E.path().filename().string());
    return Names;
  }
  std::string Bytes(const std::string& Name) const {
    std::ifstream In(Path / Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& Name, const std::string& Bytes) const {
    std::ofstream(Path / Name, std::ios::binary) << Bytes;
  }
};

// Lines ended with CR LF, as the files are written.
inline std::string CrLf(const Lines& L) {
  std::string S;
  for (const std::string& Line : L) S += Line + "\r\n";
  return S;
}

inline Lines Replaced(Lines L, std::size_t Index, const std::string& Line) {
  L.at(Index) = Line;
  return L;
}

// The text of the error Action raises, or empty when it raises none.
template <class TError = std::runtime_error, class TAction>
std::string ErrorOf(TAction Action) {
  try {
    Action();
  } catch (const TError& E) {
    return E.what();
  }
  return "";
}
