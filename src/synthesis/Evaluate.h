#pragma once
// A ladder evaluated by the network's own calculation, so that a solution states the VSWR the
// workbench will show for it.
#include "network/Complex.h"
#include "synthesis/Part.h"
#include "synthesis/Solution.h"

// The input impedance of the ladder on the point's load, thirty parts at a time as the network
// holds them. Raises EMathError as the network does.
TComplex InputImpedance(const TLadder& Parts, const TMatchPoint& At);
// The VSWR against Zn; infinite from |Gamma| = 1 on.
double Vswr(const TComplex& Zin, double Zn);
double Vswr(const TLadder& Parts, const TMatchPoint& At);
