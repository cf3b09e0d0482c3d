#pragma once
// The rows of zomar-cli match and optimize read back.
#include <charconv>
#include <string>
#include <vector>

#include "CliRunning.h"

struct TElementText {
  std::string Type;
  double Value = 0, Z0 = 0, VelocityFactor = 0;
};

struct TSolutionRow {
  int Solution = 0;
  std::string Topology;
  std::vector<TElementText> Elements;
  double Vswr = 0;
};

inline double Number(const std::string& Text) {
  double D = 0;
  const auto R = std::from_chars(Text.data(), Text.data() + Text.size(), D);
  EXPECT_TRUE(R.ec == std::errc() && R.ptr == Text.data() + Text.size()) << Text;
  return D;
}

// "Cp:9.228e-13" or "Line:0.123@50/1".
inline TElementText Element(const std::string& Text) {
  TElementText E;
  const std::size_t Colon = Text.find(':'), At = Text.find('@'), Slash = Text.find('/');
  E.Type = Text.substr(0, Colon);
  E.Value = Number(Text.substr(Colon + 1, At == std::string::npos ? std::string::npos : At - Colon - 1));
  if (At != std::string::npos) {
    E.Z0 = Number(Text.substr(At + 1, Slash - At - 1));
    E.VelocityFactor = Number(Text.substr(Slash + 1));
  }
  return E;
}

// The rows after the header, which must be the match verb's.
inline std::vector<TSolutionRow> SolutionRows(const Lines& Out) {
  std::vector<TSolutionRow> Rows;
  EXPECT_FALSE(Out.empty());
  if (Out.empty()) return Rows;
  EXPECT_EQ(Out[0], "solution,topology,elements,VSWR");
  for (std::size_t i = 1; i < Out.size(); ++i) {
    const std::vector<std::string> F = Fields(Out[i], ',');
    EXPECT_EQ(F.size(), 4u) << Out[i];
    if (F.size() != 4) continue;
    TSolutionRow R{static_cast<int>(Number(F[0])), F[1], {}, Number(F[3])};
    for (const std::string& Text : Fields(F[2], ' ')) R.Elements.push_back(Element(Text));
    Rows.push_back(R);
  }
  return Rows;
}
