#pragma once
// Two-part matching sections: a series or parallel part next to the load, then one of the other
// kind. With Q > 0 the values are solved with the inductors' loss, so that the match is exact.
#include <vector>

#include "synthesis/Part.h"
#include "synthesis/Solution.h"

// Every section of a First part next to Z, then a Second part of the other kind, that turns Z into
// Zn; a part that would be left with no effect is left out.
std::vector<TLadder> LSections(const Cx& Z, TPartType First, TPartType Second, const TMatchPoint& At);

// Every L section of the point's load, both orders, both signs.
TLadders LSolutions(const TMatchPoint& At);
