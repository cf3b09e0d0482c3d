#pragma once
// The quarter-wave transformer: a series line of Z0 = Zn from the load to the nearest point where
// the impedance is real, then a quarter-wave line of the Z0 that turns it into Zn. Lossless lines.
#include "synthesis/Part.h"
#include "synthesis/Solution.h"

TLadder QuarterWaveSolution(const TMatchPoint& At, double VelocityFactor);
