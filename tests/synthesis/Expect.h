#pragma once
// Ladders compared with the values a designer works out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "synthesis/Part.h"

namespace expect {

// The ladder's types in order, and each value within Relative of the hand value.
inline bool Matches(const TLadder& L, const TLadder& Hand, double Relative) {
  return std::ranges::equal(L, Hand, [Relative](const TPart& A, const TPart& B) {
    return A.Type == B.Type && std::abs(A.Value - B.Value) <= Relative * B.Value &&
           std::abs(A.Z0 - B.Z0) <= Relative * B.Z0;
  });
}

inline std::string Text(const TLadder& L) {
  std::ostringstream S;
  S.precision(9);
  for (const TPart& P : L) S << PartName(P.Type) << ":" << P.Value << "@" << P.Z0 << " ";
  return S.str();
}

inline std::string Text(const std::vector<TLadder>& Ls) {
  std::string S;
  for (const TLadder& L : Ls) S += Text(L) + "\n";
  return S;
}

// Exactly the hand ladders, in any order.
inline void SameLadders(const std::vector<TLadder>& Found, const std::vector<TLadder>& Hand, double Relative) {
  EXPECT_EQ(Found.size(), Hand.size()) << Text(Found);
  for (const TLadder& H : Hand)
    EXPECT_TRUE(std::ranges::any_of(Found, [&](const TLadder& L) { return Matches(L, H, Relative); }))
        << "missing " << Text(H) << "among\n" << Text(Found);
}

}  // namespace expect
