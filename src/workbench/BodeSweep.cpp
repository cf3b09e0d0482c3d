#include "workbench/BodeSweep.h"

#include <algorithm>
#include <cmath>

#include "network/Checked.h"
#include "network/ScanSteps.h"
#include "network/SweepEngine.h"
#include "network/Transfer.h"
#include "platform/Errors.h"
#include "workbench/Reflection.h"

using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace {

std::string UnitTitle(double Unit) {
  const char* Prefixes[] = {"", "k", "M", "G", "T", "P", "E"};
  const int Index = static_cast<int>(std::lround(std::log10(Unit) / 3));
  return "Frequency (" + std::string(Index < 7 ? Prefixes[Index] : "?") + "Hz)";
}

struct TSkipped {
  int Frequency = 0, Gain = 0, Outside = 0, Fault = 0;
  std::string Note() const {
    std::string Text;
    auto Add = [&Text](int N, const char* What) {
      if (N) Text += (Text.empty() ? "; not plotted: " : ", ") + std::to_string(N) + What;
    };
    Add(Frequency, " at frequencies <= 0");
    Add(Gain, " with no power reaching the load");
    Add(Outside, " outside the measured load's frequencies");
    Add(Fault, " not computable");
    return Text;
  }
};

struct TYRange {
  double Min, Interval;
};
struct TYRow {
  double Above;
  TYRange Range;
};
// Later rows that hold override earlier ones; from -40 dB down the range is -50 .. 0 or deeper.
constexpr TYRow YRows[] = {{-40, {-40, 5}}, {-30, {-30, 5}}, {-20, {-20, 2}}, {-10, {-10, 1}}, {-5, {-5, 1}}, {-1, {-1, 0.2}}};

// Below -50 dB the range ends at the first multiple of its interval under the lowest value: 10 dB
// down to -80 dB, then 20, 50, 100, 200 ... dB, so that it holds at most eight intervals.
TYRange DeepRange(double MinDb) {
  double Interval = 10;
  for (int k = 0; -MinDb >= 8 * Interval; ++k) Interval *= k % 3 == 1 ? 2.5 : 2;
  double Min = Interval * std::floor(MinDb / Interval);
  if (Min >= MinDb) Min -= Interval;
  return {Min, Interval};
}

TYRange YRangeFor(double MinDb) {
  if (MinDb <= -50) return DeepRange(MinDb);
  TYRange Range{-50, 10};
  for (const TYRow& R : YRows)
    if (MinDb > R.Above) Range = R.Range;
  return Range;
}

// A reflection deeper than this counts as this for the Y range: the dip of a good match is cut
// off at the -50 dB floor rather than stretching the range without end.
constexpr double DeepestReflectionDb = -40;

struct TVswrScale {
  double Top, Interval;
};
// The first whose top lies above the largest VSWR; from 10 on, the last.
constexpr TVswrScale VswrScales[] = {{1.5, 0.1}, {2, 0.2}, {3, 0.5}, {5, 1}, {10, 1}};

TVswrScale VswrScaleFor(double MaxVswr) {
  for (const TVswrScale& S : VswrScales)
    if (MaxVswr < S.Top) return S;
  return VswrScales[std::size(VswrScales) - 1];
}

}  // namespace

double FrequencyUnit(double ScanStop) {
  double Unit = 1;
  while (ScanStop / Unit > 1000) Unit *= 1000;
  return Unit;
}

namespace {

// A logarithmic axis needs positive bounds.
void SetAxis(TBodeSweep& Sweep, const TNetWork& Net) {
  const double Low = std::min(Net.ScanStart, Net.ScanStop), High = std::max(Net.ScanStart, Net.ScanStop);
  if (!(High > 0)) return;
  Sweep.AxisHigh = High;
  Sweep.AxisLow = Low > 0 ? Low : High / 10;
}

// From one step above the start, by repeated addition, up to the first frequency that reaches
// the stop.
std::vector<double> LinearFrequencies(const TNetWork& Net, int Steps) {
  const Ext Step = std::fabs(Ext(Net.ScanStop) - Net.ScanStart) / Steps;
  std::vector<double> F;
  double Frequency = Net.ScanStart;
  for (int i = 0; i <= Steps && (i == 0 || Frequency < Net.ScanStop); ++i)
    F.push_back(Frequency = Store(Frequency + Step));
  return F;
}

// Equal ratios from one step above Low up to High itself, in double precision: a plot has no use
// for the last bits of an extended exponential, and the plot of every change sweeps again.
std::vector<double> LogFrequencies(double Low, double High, int Steps) {
  const double LogStep = std::log(High / Low) / Steps;
  std::vector<double> F(static_cast<std::size_t>(Steps));
  for (int i = 1; i < Steps; ++i) F[i - 1] = Low * std::exp(i * LogStep);
  F.back() = High;
  return F;
}

// A range with no positive frequency has no ratio and is swept linearly, to say so.
std::vector<double> BodeFrequencies(const TNetWork& Net, const TBodeSweep& Sweep, bool Linear) {
  const int Steps = ScanStepCount(Net.ScanSteps);
  if (Linear || !(Sweep.AxisHigh > 0)) return LinearFrequencies(Net, Steps);
  if (Sweep.AxisLow == Sweep.AxisHigh) return {Sweep.AxisHigh};
  return LogFrequencies(Sweep.AxisLow, Sweep.AxisHigh, Steps);
}

struct TInput {
  double Transfer;
  TComplex Zin;
};

// The engine's values where it has them all, the reference's elsewhere. Raises EMathError.
TInput Evaluate(TNetWork& Net, double Frequency, const TLadderResult& Engine, std::size_t i) {
  const TInput Fast{Engine.Transfer[i], {Engine.ZinRe[i], Engine.ZinIm[i]}};
  if (std::isfinite(Fast.Transfer) && std::isfinite(Fast.Zin.Re) && std::isfinite(Fast.Zin.Im)) return Fast;
  Net.SetFrequency(Frequency);
  Net.Calculate();
  return {PowerTransfer(Net), Net.Elements[Net.NrOfElements + 1].Z};
}

// The point at F, or none with the reason counted. Raises EMathError.
std::optional<TBodePoint> Point(TNetWork& Net, double F, const TLadderResult& Engine, std::size_t i, TSkipped& Skipped) {
  const TInput In = Evaluate(Net, F, Engine, i);
  if (F <= 0) {
    ++Skipped.Frequency;
    return std::nullopt;
  }
  if (!(In.Transfer > 0)) {
    ++Skipped.Gain;
    return std::nullopt;
  }
  const TComplex Gamma = Reflection(In.Zin, Net.GetZn());
  return TBodePoint{F, 10 * std::log10(In.Transfer), -ReturnLossDb(Gamma), Vswr(Gamma)};
}

void SweepPoints(TNetWork& Net, const std::vector<double>& F, TBodeSweep& Sweep) {
  const TLadderResult Engine = SweepLadder(Net, F);
  Sweep.Points.reserve(F.size());
  TSkipped Skipped;
  for (std::size_t i = 0; i < F.size(); ++i) {
    try {
      if (const auto P = Point(Net, F[i], Engine, i, Skipped)) Sweep.Points.push_back(*P);
    } catch (const ENoLoadError&) {
      ++Skipped.Outside;
    } catch (const EMathError&) {
      ++Skipped.Fault;
    }
  }
  Sweep.Note = Skipped.Note();
}

// The ranges follow the points; the reflection and VSWR traces are then held within them.
void FitRanges(TBodeSweep& Sweep, bool WithReflection) {
  double MinDb = 0, MaxVswr = 1;
  for (const TBodePoint& P : Sweep.Points) {
    MinDb = std::min({MinDb, P.Db, WithReflection ? std::max(P.ReflectionDb, DeepestReflectionDb) : 0});
    MaxVswr = std::max(MaxVswr, P.Vswr);
  }
  const TYRange Y = YRangeFor(MinDb);
  const TVswrScale V = VswrScaleFor(MaxVswr);
  Sweep.YMin = Y.Min;
  Sweep.YMarksInterval = Y.Interval;
  Sweep.VswrTop = V.Top;
  Sweep.VswrMarksInterval = V.Interval;
  for (TBodePoint& P : Sweep.Points) {
    P.ReflectionDb = std::max(P.ReflectionDb, Sweep.YMin);
    P.Vswr = std::min(P.Vswr, Sweep.VswrTop);
  }
}

}  // namespace

TBodeSweep SweepBode(TNetWork& Net, const TViewSettings& View) {
  const TFrequencyScope Working(Net);
  TBodeSweep Sweep;
  Sweep.Unit = FrequencyUnit(Net.ScanStop);
  Sweep.AxisTitle = UnitTitle(Sweep.Unit);
  SetAxis(Sweep, Net);
  if (Sweep.AxisHigh > 0 && Working.Value() >= Sweep.AxisLow && Working.Value() <= Sweep.AxisHigh)
    Sweep.Working = Working.Value();
  SweepPoints(Net, BodeFrequencies(Net, Sweep, View.BodeLinearSpacing), Sweep);
  FitRanges(Sweep, View.BodeReturnLoss);
  return Sweep;
}
