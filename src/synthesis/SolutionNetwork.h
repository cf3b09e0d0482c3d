#pragma once
// A matching solution as the network the workbench holds, to be saved and opened there.
#include "network/Network.h"
#include "synthesis/Part.h"
#include "synthesis/Solution.h"

// The part as the network's element E: its type and value, a line's or stub's data lossless.
void PlacePart(const TPart& P, TElement& E);

// Net (as constructed) with the parts from the load towards the input at the point's frequency,
// with a scan range around it, Zn, the inductor Q and the load; lines and stubs lossless.
void SolutionNetwork(const TLadder& Parts, const TMatchPoint& At, TNetWork& Net);
