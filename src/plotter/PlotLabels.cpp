#include "plotter/PlotLabels.h"

#include <algorithm>
#include <cmath>

namespace {

// 1, 2, 5, 10, 20, 50 ... 100000: beyond it no axis has two marks left to thin.
std::vector<long double> Strides() {
  std::vector<long double> N{1};
  while (N.back() < 1e5L) N.push_back(N.back() * (N.size() % 3 == 2 ? 2.5L : 2));
  return N;
}

bool MultipleOf(long double V, long double Step) {
  const long double Ratio = V / Step;
  return std::fabs(Ratio - std::nearbyint(Ratio)) < 1e-9L;
}

// The worth of a log mark: 0 for a decade, then mantissas that are multiples of 5, 2, 1, 0.5,
// 0.2, 0.1 and 0.05, then the rest.
constexpr int LastRank = 8;
int Rank(const TLogMark& M) {
  if (M.Mantissa == 1) return 0;
  constexpr long double Steps[] = {5, 2, 1, 0.5L, 0.2L, 0.1L, 0.05L};
  for (int R = 0; R < LastRank - 1; ++R)
    if (MultipleOf(M.Mantissa, Steps[R])) return R + 1;
  return LastRank;
}

// Shown with Added among them, when all of them still keep apart.
void AddIfApart(std::vector<TMarkBox>& Shown, const std::vector<TMarkBox>& Added, int Gap) {
  if (Added.empty()) return;
  std::vector<TMarkBox> All = Shown;
  All.insert(All.end(), Added.begin(), Added.end());
  std::sort(All.begin(), All.end(), [](const TMarkBox& A, const TMarkBox& B) { return A.Left < B.Left; });
  if (KeepApart(All, Gap)) Shown = std::move(All);
}

// The decades among the marks Own, all of them or, where they crowd, every second, fifth,
// tenth ... one, else the first alone; Thinned says whether they were thinned.
std::vector<TMarkBox> Decades(const std::vector<TLogMark>& Marks, const std::vector<TMarkBox>& Boxes,
                              const std::vector<std::size_t>& Own, int Gap, bool& Thinned) {
  std::vector<TMarkBox> Crowded;
  for (const long double N : Strides()) {
    std::vector<TMarkBox> Chosen;
    for (const std::size_t i : Own)
      if (Rank(Marks[i]) == 0 && std::fmod(Marks[i].Exponent, N) == 0) Chosen.push_back(Boxes[i]);
    Thinned = N > 1;
    if (Chosen.empty()) break;
    if (KeepApart(Chosen, Gap)) return Chosen;
    Crowded = std::move(Chosen);
  }
  if (Crowded.size() > 1) Crowded.resize(1);
  return Crowded;
}

// Rank by rank, decade by decade, the marks Own of a decade and a rank join Shown all or none.
void AddSteps(const std::vector<TLogMark>& Marks, const std::vector<TMarkBox>& Boxes,
              const std::vector<std::size_t>& Own, int Gap, std::vector<TMarkBox>& Shown) {
  for (int R = 1; R <= LastRank; ++R)
    for (std::size_t First = 0, End = 0; First < Own.size(); First = End) {
      std::vector<TMarkBox> Added;
      for (End = First; End < Own.size() && Marks[Own[End]].Exponent == Marks[Own[First]].Exponent; ++End)
        if (Rank(Marks[Own[End]]) == R) Added.push_back(Boxes[Own[End]]);
      AddIfApart(Shown, Added, Gap);
    }
}

}  // namespace

bool KeepApart(const std::vector<TMarkBox>& Boxes, int Gap) {
  for (std::size_t i = 1; i < Boxes.size(); ++i)
    if (Boxes[i - 1].Right + Gap > Boxes[i].Left) return false;
  return true;
}

std::vector<TMarkBox> ThinLogMarks(const std::vector<TLogMark>& Marks, const std::vector<TMarkBox>& Boxes, int Gap) {
  std::vector<std::size_t> Own;  // each decade once
  for (std::size_t i = 0; i < Marks.size(); ++i)
    if (Own.empty() || Rank(Marks[i]) != 0 || Rank(Marks[Own.back()]) != 0 || Marks[i].Exponent != Marks[Own.back()].Exponent)
      Own.push_back(i);
  bool Thinned = false;
  std::vector<TMarkBox> Shown = Decades(Marks, Boxes, Own, Gap, Thinned);
  if (Thinned) return Shown;
  AddSteps(Marks, Boxes, Own, Gap, Shown);
  if (Shown.empty() && !Own.empty()) Shown.push_back(Boxes[Own[0]]);
  return Shown;
}

std::vector<TMarkBox> ThinLinearMarks(const std::vector<TMarkBox>& Boxes, long double Interval, int Gap) {
  std::vector<TMarkBox> Coarsest;
  for (const long double N : Strides()) {
    std::vector<TMarkBox> Chosen;
    for (const TMarkBox& B : Boxes)
      if (MultipleOf(B.Value / Interval, N)) Chosen.push_back(B);
    if (Chosen.empty()) break;
    Coarsest = std::move(Chosen);
    if (KeepApart(Coarsest, Gap)) return Coarsest;
  }
  if (Coarsest.size() > 1) Coarsest.resize(1);
  return Coarsest;
}
