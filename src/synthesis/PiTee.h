#pragma once
// Three-part matching sections for a loaded Q: the pi (parallel, series, parallel from the load)
// and the tee (series, parallel, series), each two L halves meeting at a virtual resistance.
// The loaded Q is the larger Q of the two halves.
#include "synthesis/Part.h"
#include "synthesis/Solution.h"

TLadders PiSolutions(const TMatchPoint& At, double LoadedQ);
TLadders TeeSolutions(const TMatchPoint& At, double LoadedQ);
