#include "synthesis/BandStages.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr unsigned long Seed = 18;
// Of a knob's variable, relative to its size from 1 on: a forward difference step that keeps half
// the digits of the reflections, and the step that ends the polish.
constexpr double DifferenceStep = 1e-7, Settled = 1e-9;

using TOptimiser = std::unique_ptr<nlopt_opt_s, decltype(&nlopt_destroy)>;

// One stage: it stops at its own share of the evaluations or when the search is over.
struct TStage {
  TBandSearch& Search;
  nlopt_opt Optimiser;
  int Until;
  std::vector<TSample>* Tried = nullptr;

  void Check() {
    if (Search.Over() || Search.Evaluations() >= Until) nlopt_force_stop(Optimiser);
  }
};

TOptimiser Create(nlopt_algorithm A, std::size_t Variables) {
  return {nlopt_create(A, static_cast<unsigned>(Variables)), &nlopt_destroy};
}

// The knobs' boxes, and t from 0 on where there is a t.
void SetBounds(nlopt_opt O, const std::vector<TKnob>& Knobs, bool WithT) {
  std::vector<double> Lower, Upper;
  for (const TKnob& K : Knobs) {
    Lower.push_back(K.Lower);
    Upper.push_back(K.Upper);
  }
  if (WithT) {
    Lower.push_back(0);
    Upper.push_back(std::numeric_limits<double>::infinity());
  }
  nlopt_set_lower_bounds(O, Lower.data());
  nlopt_set_upper_bounds(O, Upper.data());
}

double WorstAt(unsigned n, const double* x, double*, void* Data) {
  TStage& Stage = *static_cast<TStage*>(Data);
  const double W = Stage.Search.Worst({x, n});
  Stage.Tried->push_back({W, {x, x + n}});
  Stage.Check();
  return W;
}

double T(unsigned n, const double* x, double* Gradient, void*) {
  if (Gradient) {
    std::fill(Gradient, Gradient + n, 0.);
    Gradient[n - 1] = 1;
  }
  return x[n - 1];
}

void SquaresOverT(std::span<const double> Reflections, double t, double* Result) {
  for (std::size_t i = 0; i < Reflections.size(); ++i) Result[i] = Reflections[i] * Reflections[i] - t;
}

// Row i, column k: the derivative of constraint i by variable k; t's column is -1. Left at 0 from
// where the search is over, as the stage then stops without using it.
void Differences(TBandSearch& S, unsigned m, unsigned n, const double* x, const double* Result, double* Gradient) {
  std::fill(Gradient, Gradient + std::size_t(m) * n, 0.);
  std::vector<double> Moved(x, x + n - 1), Changed(m);
  for (unsigned k = 0; k + 1 < n && !S.Over(); ++k) {
    const double h = DifferenceStep * std::max(1., std::abs(x[k]));
    Moved[k] = x[k] + h;
    SquaresOverT(S.Reflections(Moved), x[n - 1], Changed.data());
    for (unsigned i = 0; i < m; ++i) Gradient[i * n + k] = (Changed[i] - Result[i]) / h;
    Moved[k] = x[k];
  }
  for (unsigned i = 0; i < m; ++i) Gradient[i * n + n - 1] = -1;
}

void BelowT(unsigned m, double* Result, unsigned n, const double* x, double* Gradient, void* Data) {
  TStage& Stage = *static_cast<TStage*>(Data);
  SquaresOverT(Stage.Search.Reflections({x, n - 1}), x[n - 1], Result);
  if (Gradient) Differences(Stage.Search, m, n, x, Result, Gradient);
  Stage.Check();
}

}  // namespace

std::vector<TSample> GlobalStage(TBandSearch& S, int Evaluations) {
  const std::size_t n = S.Knobs().size();
  std::vector<TSample> Tried;
  if (n == 0 || Evaluations <= 0 || S.Over()) return Tried;
  const TOptimiser O = Create(NLOPT_GN_ISRES, n);
  TStage Stage{S, O.get(), S.Evaluations() + Evaluations, &Tried};
  SetBounds(O.get(), S.Knobs(), false);
  nlopt_set_min_objective(O.get(), WorstAt, &Stage);
  nlopt_srand(Seed);
  std::vector<double> x(n, 0.);
  double Worst = 0;
  nlopt_optimize(O.get(), x.data(), &Worst);
  return Tried;
}

void Polish(TBandSearch& S, std::vector<double> x, int Evaluations) {
  const std::size_t n = S.Knobs().size();
  if (n == 0 || Evaluations <= 0 || S.Over()) return;
  const TOptimiser O = Create(NLOPT_LD_SLSQP, n + 1);
  TStage Stage{S, O.get(), S.Evaluations() + Evaluations};
  const std::span<const double> Start = S.Reflections(x);
  const unsigned Points = static_cast<unsigned>(Start.size());
  x.push_back(std::pow(Worst(Start), 2));
  SetBounds(O.get(), S.Knobs(), true);
  nlopt_set_min_objective(O.get(), T, nullptr);
  const std::vector<double> Tolerances(Points, 0.);
  nlopt_add_inequality_mconstraint(O.get(), Points, BelowT, &Stage, Tolerances.data());
  nlopt_set_xtol_abs1(O.get(), Settled);
  double t = 0;
  nlopt_optimize(O.get(), x.data(), &t);
}
