#include "synthesis/SeriesFit.h"

#include <cstddef>
#include <vector>

#include "synthesis/Evaluate.h"

TLadder WithStandardValues(const TLadder& Parts, const TMatchPoint& At, TESeries S) {
  std::vector<std::vector<double>> Choices;
  std::size_t Combinations = 1;
  for (const TPart& P : Parts) {
    Choices.push_back(IsLumped(P.Type) ? NeighbouringValues(P.Value, S) : std::vector{P.Value});
    Combinations *= Choices.back().size();
  }
  TLadder Best = Parts, Trial = Parts;
  double BestVswr = 0;
  for (std::size_t c = 0; c < Combinations; ++c) {
    std::size_t Rest = c;
    for (std::size_t p = 0; p < Parts.size(); ++p) {
      Trial[p].Value = Choices[p][Rest % Choices[p].size()];
      Rest /= Choices[p].size();
    }
    const double V = Vswr(Trial, At);
    if (c == 0 || V < BestVswr) {
      Best = Trial;
      BestVswr = V;
    }
  }
  return Best;
}
