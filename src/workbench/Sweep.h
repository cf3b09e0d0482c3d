#pragma once
// The network evaluated over a list of frequencies, for the sweeps that are exported.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "network/Network.h"
#include "network/ScanSteps.h"
#include "platform/Errors.h"

enum class TSweepScale { Linear, Log };

// Points frequencies from From to To, both ends included and exact (one point gives From
// alone), in equal steps or, on the log scale, in equal ratios (which needs 0 < From).
std::vector<double> SweepFrequencies(double From, double To, int Points, TSweepScale Scale);
// Count of them from the one numbered First (from 0), for a sweep taken in blocks.
std::vector<double> SweepFrequencies(double From, double To, int Points, TSweepScale Scale, int First, int Count);

// The points where the evaluation ran; the others were left out because a floating-point fault
// stopped it there.
template <class TPoint>
struct TSweepOf {
  std::vector<TPoint> Points;
  std::size_t LeftOut = 0;
  double FirstFaultFrequency = 0;
  std::string FirstFault;
};

// Each point as Take gives it from the engine's results by its index, or, where Take has none,
// as Evaluate gives it from the network set to the point's frequency (the reference, which
// computes it or raises the fault that leaves it out).
template <class TPoint, class TTake, class TEvaluate>
TSweepOf<TPoint> SweepEach(TNetWork& Net, std::span<const double> Frequencies, TTake Take, TEvaluate Evaluate) {
  const TFrequencyScope Keep(Net);
  TSweepOf<TPoint> Sweep;
  Sweep.Points.reserve(Frequencies.size());
  for (std::size_t i = 0; i < Frequencies.size(); ++i) {
    try {
      if (std::optional<TPoint> Point = Take(i)) {
        Sweep.Points.push_back(*Point);
        continue;
      }
      Net.SetFrequency(Frequencies[i]);
      Sweep.Points.push_back(Evaluate(Net));
    } catch (const EMathError& E) {
      if (Sweep.LeftOut++ > 0) continue;
      Sweep.FirstFaultFrequency = Frequencies[i];
      Sweep.FirstFault = E.what();
    }
  }
  return Sweep;
}

// The ladder with its load at one frequency: the input impedance, its reflection against Zn and
// the power transfer of the Bode plot (a ratio, 1 for a lossless match).
struct TSweepPoint {
  double Frequency = 0;
  TComplex Zin, Gamma;
  double Transfer = 0;
};

// The point at the network's working frequency, by the reference. Raises EMathError.
TSweepPoint EvaluatePoint(TNetWork& Net);

TSweepOf<TSweepPoint> SweepNetwork(TNetWork& Net, std::span<const double> Frequencies);
