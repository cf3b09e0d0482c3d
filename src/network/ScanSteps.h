#pragma once
// What every sweep over the scan range shares: the working frequency put back afterwards, and the
// number of steps it takes.
#include <algorithm>
#include <cstdlib>

#include "network/Network.h"

// Gives the network its working frequency back when a sweep ends, however it ends.
class TFrequencyScope {
public:
  explicit TFrequencyScope(TNetWork& Net) : Net(Net), Frequency(Net.GetFrequency()) {}
  ~TFrequencyScope() { Net.SetFrequency(Frequency); }
  TFrequencyScope(const TFrequencyScope&) = delete;
  TFrequencyScope& operator=(const TFrequencyScope&) = delete;
  double Value() const { return Frequency; }

private:
  TNetWork& Net;
  double Frequency;
};

inline constexpr int MaxScanSteps = 100000;

// A scan of no steps, or of a negative count, still takes one step; a huge count is capped. The
// magnitude is taken in 64 bits: the most negative int has no 32-bit magnitude.
inline int ScanStepCount(int ScanSteps) {
  return static_cast<int>(std::clamp<long long>(std::llabs(ScanSteps), 1, MaxScanSteps));
}
