#pragma once
// A ladder's reflection at every point of a band, for the optimiser that asks for it thousands of
// times: the sweep engine evaluates the points, the network's own calculation those the engine
// cannot vouch for.
#include <span>
#include <vector>

#include "network/Network.h"
#include "network/SweepEngine.h"

// What a point counts as where the network has no result (a floating-point fault): a reflection
// far beyond that of any passive load, finite so that the search can still compare.
inline constexpr double NoResult = 1e6;

class TBandReflection {
 public:
  // The ladder of Net on Load (one impedance per frequency).
  TBandReflection(const TNetWork& Net, std::vector<double> Frequencies, TSweepLoad Load);
  TBandReflection(const TBandReflection&) = delete;
  TBandReflection& operator=(const TBandReflection&) = delete;

  // The slot's value changed, as the network's editor changes it.
  void SetValue(int Slot, double Value);
  // |Gamma| against Zn at every frequency for the values set.
  std::span<const double> Reflections();

 private:
  TNetWork Ladder;
  std::vector<double> Frequencies;
  TSweepLoad Load;
  TLadderResult Result;
  std::vector<double> Magnitudes;

  double ReferenceReflection(std::size_t Point);
};

// The largest of them.
double Worst(std::span<const double> Reflections);

// (1 + |Gamma|) / (1 - |Gamma|); infinite from |Gamma| = 1 on.
double VswrOf(double Reflection);
