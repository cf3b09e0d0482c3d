#pragma once
// Standard values for a solution's parts.
#include <functional>
#include <vector>

#include "synthesis/Part.h"
#include "synthesis/Solution.h"
#include "synthesis/StandardValues.h"

// One value of each list of choices, the combination Cost finds lowest. Every combination is tried
// while they are at most MaxCombinations, which suits the few parts of a matching section; beyond
// that, from the first choice of each, one value at a time changes while that lowers the cost.
inline constexpr std::size_t MaxCombinations = 4096;
std::vector<double> BestCombination(const std::vector<std::vector<double>>& Choices,
                                    const std::function<double(const std::vector<double>&)>& Cost);

// The ladder with every capacitor, inductor and resistor replaced by one of its neighbouring
// values of S: of all the combinations, the one with the lowest VSWR at the point.
TLadder WithStandardValues(const TLadder& Parts, const TMatchPoint& At, TESeries S);
