#include "synthesis/Optimise.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "synthesis/BandSearch.h"
#include "synthesis/BandStages.h"
#include "synthesis/PolishStarts.h"
#include "synthesis/SeriesFit.h"

namespace {

// Of the evaluations: the global stage's share; each polish's, per variable.
constexpr double GlobalShare = 0.2;
constexpr int PolishPerVariable = 100;

// The tuned values and their worst reflection.
struct TTuning {
  std::vector<double> Values;
  double Worst = 0;
};

std::vector<double> ValuesAt(const std::vector<TKnob>& Knobs, const std::vector<double>& x) {
  std::vector<double> V;
  for (std::size_t k = 0; k < Knobs.size(); ++k) V.push_back(Knobs[k].Value(x[k]));
  return V;
}

bool OfSeries(const std::vector<TKnob>& Knobs, const std::vector<double>& Values, TESeries S) {
  for (std::size_t k = 0; k < Knobs.size(); ++k)
    if (!Knobs[k].Line && NeighbouringValues(Values[k], S).size() != 1) return false;
  return true;
}

// The capacitors, inductors and resistors at the combination of their neighbouring standard values
// with the lowest worst reflection over the band; the lines and stubs as tuned.
TTuning Snapped(TBandSearch& S, const std::vector<double>& Tuned, TESeries Series) {
  std::vector<std::vector<double>> Choices;
  for (std::size_t k = 0; k < Tuned.size(); ++k)
    Choices.push_back(S.Knobs()[k].Line ? std::vector{Tuned[k]} : NeighbouringValues(Tuned[k], Series));
  const auto Cost = [&S](const std::vector<double>& Values) { return Worst(S.ReflectionsOfValues(Values)); };
  TTuning T{BestCombination(Choices, Cost), 0};
  T.Worst = Cost(T.Values);
  return T;
}

std::vector<TTunedValue> Rows(const TNetWork& Net, const std::vector<TKnob>& Knobs, const std::vector<double>& After) {
  std::vector<TTunedValue> V;
  for (std::size_t k = 0; k < Knobs.size(); ++k)
    V.push_back({Knobs[k].Slot - 1, Net.Elements[Knobs[k].Slot].ElementType, Knobs[k].Start, After[k]});
  return V;
}

// The start polished first, as it is often near a good design already; then the global stage's
// best points, while the limits last.
void Search(TBandSearch& S) {
  const int PolishEvaluations = PolishPerVariable * static_cast<int>(S.Knobs().size() + 1);
  Polish(S, std::vector<double>(S.Knobs().size(), 0.), PolishEvaluations);
  const int Global = static_cast<int>(GlobalShare * S.EvaluationsLeft());
  for (const std::vector<double>& x : PolishStarts(GlobalStage(S, Global), S.Knobs())) {
    if (S.Over()) return;
    Polish(S, x, PolishEvaluations);
  }
}

}  // namespace

TLoadedBand WhereLoaded(std::span<const double> Frequencies, const TSweepLoad& Load) {
  if (Load.Re.size() != Frequencies.size() || Load.Im.size() != Frequencies.size())
    throw std::invalid_argument("a band needs a load at every frequency");
  TLoadedBand B;
  for (std::size_t i = 0; i < Frequencies.size(); ++i) {
    if (std::isnan(Load.Re[i]) || std::isnan(Load.Im[i])) {
      ++B.LeftOut;
      continue;
    }
    B.Frequencies.push_back(Frequencies[i]);
    B.Load.Re.push_back(Load.Re[i]);
    B.Load.Im.push_back(Load.Im[i]);
  }
  return B;
}

TOptimiseResult Optimise(const TNetWork& Net, const TOptimiseRequest& R) {
  if (R.Frequencies.empty() || R.Frequencies.size() > MaxBandPoints)
    throw std::invalid_argument("a band needs from 1 to " + std::to_string(MaxBandPoints) + " frequencies");
  TBandReflection Band(Net, R.Frequencies, R.Load);
  TBandSearch S(Band, Knobs(Net, (R.Frequencies.front() + R.Frequencies.back()) / 2), R);
  const std::vector<double> Origin(S.Knobs().size(), 0.);
  const TTuning Start{ValuesAt(S.Knobs(), Origin), S.Worst(Origin)};
  Search(S);
  TTuning Best{ValuesAt(S.Knobs(), S.BestPoint()), S.BestWorst()};
  if (R.Series) Best = Snapped(S, Best.Values, *R.Series);
  if (Best.Worst >= Start.Worst) Best = Start;
  TOptimiseResult Result;
  Result.Values = Rows(Net, S.Knobs(), Best.Values);
  Result.WorstBefore = VswrOf(Start.Worst);
  Result.WorstAfter = VswrOf(Best.Worst);
  Result.Standard = R.Series && OfSeries(S.Knobs(), Best.Values, *R.Series);
  Result.Stopped = S.StopRequested();
  Result.Evaluations = S.Evaluations();
  return Result;
}

void ApplyTuning(const std::vector<TTunedValue>& Values, TNetWork& Net) {
  for (const TTunedValue& V : Values) {
    TElement& E = Net.Elements[V.Position + 1];
    if (HasLineData(E.ElementType))
      E.SetLineLength(V.After);
    else
      E.SetValue(V.After);
  }
}
