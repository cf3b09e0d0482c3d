#include "synthesis/Lines.h"

#include <cmath>
#include <numbers>

namespace {

// A turn this close to a whole half wave is no turn: what is left is rounding.
constexpr double NoTurn = 1e-12;

}  // namespace

double Beta(double Frequency, double VelocityFactor) {
  return 2 * std::numbers::pi * Frequency / (SpeedOfLight * VelocityFactor);
}

double ShortestLength(double Angle, double Beta) {
  double Turn = std::fmod(Angle, std::numbers::pi);
  if (Turn < 0) Turn += std::numbers::pi;
  if (Turn < NoTurn || std::numbers::pi - Turn < NoTurn) return 0;
  return Turn / Beta;
}
