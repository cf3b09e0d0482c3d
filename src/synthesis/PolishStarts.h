#pragma once
// Where the local polish starts after the global stage: its best points, each in a valley of its
// own as far as the samples tell.
#include <vector>

#include "synthesis/BandStages.h"
#include "synthesis/Knobs.h"

// Tried from the lowest worst reflection up, leaving out a point within Apart of a start already
// taken in every knob, Apart as a fraction of the knob's range.
inline constexpr double Apart = 0.1;
std::vector<std::vector<double>> PolishStarts(std::vector<TSample> Tried, const std::vector<TKnob>& Knobs);
