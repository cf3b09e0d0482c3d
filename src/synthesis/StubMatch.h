#pragma once
// Single-stub matching: a series line of Z0 = Zn from the load to where the conductance is 1 / Zn,
// then a parallel stub of Z0 = Zn, open or short at its far end, that cancels the susceptance there.
// Lines and stubs are lossless.
#include <vector>

#include "synthesis/Part.h"
#include "synthesis/Solution.h"

// For the open stubs, then the short ones: the two places on the line, each with the shortest
// stub, nearer place first; every length the shortest there is.
std::vector<TLadder> StubSolutions(const TMatchPoint& At, double VelocityFactor);
