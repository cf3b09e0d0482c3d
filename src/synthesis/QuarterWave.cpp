#include "synthesis/QuarterWave.h"

#include <cmath>
#include <numbers>

#include "synthesis/Lines.h"

// Along a line of Z0 = Zn the reflection turns by -2 beta d: it is real and positive (the
// impedance largest) at half its angle, real and negative (smallest) a quarter wave on.
TLadder QuarterWaveSolution(const TMatchPoint& At, double VelocityFactor) {
  const Cx Load = ToCx(At.Load);
  const Cx Gamma = (Load - At.Zn) / (Load + At.Zn);
  const double Beta = ::Beta(At.Frequency, VelocityFactor), Rho = std::abs(Gamma);
  const double ToLargest = ShortestLength(std::arg(Gamma) / 2, Beta);
  const double ToSmallest = ShortestLength((std::arg(Gamma) - std::numbers::pi) / 2, Beta);
  const bool Largest = ToLargest <= ToSmallest;
  const double R = At.Zn * (Largest ? (1 + Rho) / (1 - Rho) : (1 - Rho) / (1 + Rho));
  TLadder L;
  if (const double Length = Largest ? ToLargest : ToSmallest; Length > 0)
    L.push_back({TPartType::Line, Length, At.Zn, VelocityFactor});
  L.push_back({TPartType::Line, std::numbers::pi / 2 / Beta, std::sqrt(At.Zn * R), VelocityFactor});
  return L;
}
