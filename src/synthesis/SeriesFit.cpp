#include "synthesis/SeriesFit.h"

#include <cstddef>

#include "synthesis/Evaluate.h"

namespace {

std::size_t Combinations(const std::vector<std::vector<double>>& Choices) {
  std::size_t Count = 1;
  for (const std::vector<double>& C : Choices) {
    if (C.size() > 1 && Count > MaxCombinations / C.size()) return MaxCombinations + 1;
    Count *= C.size();
  }
  return Count;
}

std::vector<double> EveryCombination(const std::vector<std::vector<double>>& Choices, std::size_t Count,
                                     const std::function<double(const std::vector<double>&)>& Cost) {
  std::vector<double> Best, Trial(Choices.size());
  double BestCost = 0;
  for (std::size_t c = 0; c < Count; ++c) {
    std::size_t Rest = c;
    for (std::size_t p = 0; p < Choices.size(); ++p) {
      Trial[p] = Choices[p][Rest % Choices[p].size()];
      Rest /= Choices[p].size();
    }
    const double V = Cost(Trial);
    if (c == 0 || V < BestCost) {
      Best = Trial;
      BestCost = V;
    }
  }
  return Best;
}

// Each round tries every other choice of every value, until one changes nothing; as many rounds as
// values at most, which leaves every value room to change more than once.
std::vector<double> OneAtATime(const std::vector<std::vector<double>>& Choices,
                               const std::function<double(const std::vector<double>&)>& Cost) {
  std::vector<double> Best;
  for (const std::vector<double>& C : Choices) Best.push_back(C.front());
  double BestCost = Cost(Best);
  bool Lowered = true;
  for (std::size_t Round = 0; Lowered && Round < Choices.size(); ++Round) {
    Lowered = false;
    for (std::size_t p = 0; p < Choices.size(); ++p)
      for (const double V : Choices[p]) {
        if (V == Best[p]) continue;
        std::vector<double> Trial = Best;
        Trial[p] = V;
        if (const double C = Cost(Trial); C < BestCost) {
          Best = std::move(Trial);
          BestCost = C;
          Lowered = true;
        }
      }
  }
  return Best;
}

}  // namespace

std::vector<double> BestCombination(const std::vector<std::vector<double>>& Choices,
                                    const std::function<double(const std::vector<double>&)>& Cost) {
  const std::size_t Count = Combinations(Choices);
  return Count <= MaxCombinations ? EveryCombination(Choices, Count, Cost) : OneAtATime(Choices, Cost);
}

TLadder WithStandardValues(const TLadder& Parts, const TMatchPoint& At, TESeries S) {
  std::vector<std::vector<double>> Choices;
  for (const TPart& P : Parts)
    Choices.push_back(IsLumped(P.Type) ? NeighbouringValues(P.Value, S) : std::vector{P.Value});
  TLadder Trial = Parts;
  const auto Fitted = [&](const std::vector<double>& Values) {
    for (std::size_t p = 0; p < Parts.size(); ++p) Trial[p].Value = Values[p];
    return Trial;
  };
  return Fitted(BestCombination(Choices, [&](const std::vector<double>& Values) { return Vswr(Fitted(Values), At); }));
}
