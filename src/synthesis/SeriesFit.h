#pragma once
// Standard values for a solution's parts.
#include "synthesis/Part.h"
#include "synthesis/Solution.h"
#include "synthesis/StandardValues.h"

// The ladder with every capacitor, inductor and resistor replaced by one of its neighbouring
// values of S: of all the combinations, the one with the lowest VSWR at the point. Every
// combination is tried, which suits the few parts of a matching section.
TLadder WithStandardValues(const TLadder& Parts, const TMatchPoint& At, TESeries S);
