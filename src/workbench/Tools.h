#pragma once
// The Tools of the workbench: the matching solutions for the load at the working frequency, the
// band optimiser, and a chosen solution or tuning written into the network.
#include <functional>
#include <stop_token>

#include "network/Network.h"
#include "synthesis/Match.h"
#include "synthesis/Optimise.h"

// Every solution of every topology for the network's load (measured or fixed) at the working
// frequency, its Zn and Q. Raises ENoLoadError outside a measured load.
TMatchResult MatchNetworkLoad(const TNetWork& Net);

// The ladder in positions 1 .. n from the load, the positions after it None.
void ApplyLadder(const TLadder& Ladder, TNetWork& Net);

// The largest VSWR over Points frequencies from From to To, tuned within the limits; the points
// where a measured load has no value are left out.
TOptimiseResult OptimiseBand(const TNetWork& Net, double From, double To, int Points, std::stop_token Stop,
                             std::function<void(double)> Progress);
