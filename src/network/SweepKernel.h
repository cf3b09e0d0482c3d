#pragma once
// The engine's inner loops over one range of points, compiled for every instruction set and chosen at run time for the
// processor at hand.
#include <span>

#include "network/SweepEngine.h"

namespace sweep_detail {

struct TLadderSpans {
  std::span<const double> Frequency, LoadRe, LoadIm;
  std::span<double> ZinRe, ZinIm, Transfer;
};

struct TChainSpans {
  std::span<const double> Frequency;
  std::span<double> ARe, AIm, BRe, BIm, CRe, CIm, DRe, DIm;
};

void RunLadder(const TSweepProgram& Program, const TLadderSpans& Points);
void RunChain(const TSweepProgram& Program, const TChainSpans& Points);

}  // namespace sweep_detail
