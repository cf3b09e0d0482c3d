#pragma once
// Lossless line lengths: where a wave of the working frequency reaches a given phase.

inline constexpr double SpeedOfLight = 3e8;  // m/s, as the network takes it

double Beta(double Frequency, double VelocityFactor);  // rad/m
// The shortest length of line, at least 0, whose beta times length equals Angle modulo pi.
double ShortestLength(double Angle, double Beta);
