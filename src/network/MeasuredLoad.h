#pragma once
// A load known at the frequencies of a measurement. Between them it is interpolated on the
// reflection coefficient, linearly in magnitude and in phase unwrapped along the frequencies;
// outside them there is no load, as nothing is extrapolated.
#include <optional>
#include <span>
#include <vector>

#include "network/Complex.h"

struct TLoadPoint {
  double Frequency = 0;  // Hz
  TComplex Gamma;        // the reflection coefficient referenced to the load's resistance
};

class TMeasuredLoad {
public:
  // At least one point, frequencies from 0 Hz rising strictly, finite reflections and 0 < R < inf;
  // raises std::invalid_argument otherwise.
  TMeasuredLoad(std::vector<TLoadPoint> Points, double R);

  const std::vector<TLoadPoint>& Points() const { return Measured; }
  // The resistance the reflections are referenced to, in ohm.
  double Reference() const { return R; }

  // Empty outside the measured frequencies; at a measured frequency, that point exactly.
  std::optional<TComplex> ReflectionAt(double F) const;
  std::optional<TComplex> ImpedanceAt(double F) const;
  // ImpedanceAt for every frequency of F, NaN + j NaN where there is no load.
  std::vector<TComplex> ImpedancesAt(std::span<const double> F) const;

private:
  struct TPolar {
    double Magnitude, Phase;
  };
  std::vector<TLoadPoint> Measured;
  std::vector<TPolar> Polar;
  double R;
};

// Z = R (1 + Gamma) / (1 - Gamma); the open circuit, Gamma = 1, is +inf + j0.
TComplex ImpedanceOf(const TComplex& Gamma, double R);
