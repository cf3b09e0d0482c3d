#include "workbench/BodeSweep.h"

#include <algorithm>
#include <cmath>

#include "network/Checked.h"
#include "network/ScanSteps.h"
#include "network/SweepEngine.h"
#include "network/Transfer.h"
#include "platform/Errors.h"

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
  double Above, Min, Interval;
};
// Later rows that hold override earlier ones; below -40 dB the range stays -50 .. 0.
constexpr TYRange YRanges[] = {{-40, -40, 5}, {-30, -30, 5}, {-20, -20, 2}, {-10, -10, 1}, {-5, -5, 1}, {-1, -1, 0.2}};

}  // namespace

double FrequencyUnit(double ScanStop) {
  double Unit = 1;
  while (ScanStop / Unit > 1000) Unit *= 1000;
  return Unit;
}

namespace {

// From one step above the start, by repeated addition, up to the first frequency that reaches
// the stop.
std::vector<double> BodeFrequencies(const TNetWork& Net) {
  const int Steps = ScanStepCount(Net.ScanSteps);
  const Ext Step = std::fabs(Ext(Net.ScanStop) - Net.ScanStart) / Steps;
  std::vector<double> F;
  double Frequency = Net.ScanStart;
  for (int i = 0; i <= Steps && (i == 0 || Frequency < Net.ScanStop); ++i)
    F.push_back(Frequency = Store(Frequency + Step));
  return F;
}

// The engine's transfer where it has one, the reference's elsewhere. Raises EMathError.
double Transfer(TNetWork& Net, double Frequency, double Engine) {
  if (std::isfinite(Engine)) return Engine;
  Net.SetFrequency(Frequency);
  Net.Calculate();
  return PowerTransfer(Net);
}

}  // namespace

TBodeSweep SweepBode(TNetWork& Net) {
  const TFrequencyScope Working(Net);
  TBodeSweep Sweep;
  Sweep.Unit = FrequencyUnit(Net.ScanStop);
  Sweep.AxisTitle = UnitTitle(Sweep.Unit);
  const std::vector<double> F = BodeFrequencies(Net);
  const TLadderResult Engine = SweepLadder(Net, F);
  double MinDb = 0;
  TSkipped Skipped;
  for (std::size_t i = 0; i < F.size(); ++i) {
    double Ratio = 0;
    try {
      Ratio = Transfer(Net, F[i], Engine.Transfer[i]);
    } catch (const ENoLoadError&) {
      ++Skipped.Outside;
      continue;
    } catch (const EMathError&) {
      ++Skipped.Fault;
      continue;
    }
    if (F[i] <= 0) {
      ++Skipped.Frequency;
    } else if (!(Ratio > 0)) {
      ++Skipped.Gain;
    } else {
      const double Db = 10 * std::log10(Ratio);
      MinDb = std::min(MinDb, Db);
      Sweep.Points.push_back({F[i], Db});
    }
  }
  Sweep.Note = Skipped.Note();
  for (const TYRange& R : YRanges)
    if (MinDb > R.Above) {
      Sweep.YMin = R.Min;
      Sweep.YMarksInterval = R.Interval;
    }
  return Sweep;
}
