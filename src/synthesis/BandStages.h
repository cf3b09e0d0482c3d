#pragma once
// The stages of the band optimisation through NLopt, each ending early when the search is over.
#include <vector>

#include "synthesis/BandSearch.h"

struct TSample {
  double Worst = 0;  // reflection
  std::vector<double> x;
};

// An evolutionary search of the whole box of the knobs on the worst reflection itself, seeded so
// that it is the same every time: every point it tried.
std::vector<TSample> GlobalStage(TBandSearch& S, int Evaluations);

// The minimax from x as a smooth problem in one variable more, t: minimise t while every point's
// |Gamma|^2 stays at most t. Squared, the reflections have a gradient even where one reaches 0.
void Polish(TBandSearch& S, std::vector<double> x, int Evaluations);
