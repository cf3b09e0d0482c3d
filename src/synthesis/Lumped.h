#pragma once
// Capacitors and inductors as the network models them (an inductor's loss is a series resistance
// of omega L / Q in its branch), written as what they add: impedance for a series part,
// admittance for a parallel one.
#include <optional>

#include "synthesis/Part.h"

double Omega(double Frequency);

// Adding a part of type T moves the impedance (series) or admittance (parallel) along
// Direction(T) * t, with t > 0 growing from the part that is not there.
Cx Direction(TPartType T, double InverseQ);
double ValueAlong(TPartType T, double t, double Omega, double InverseQ);
// The value of a part of type T that adds Needed, if one does (its loss is taken as given).
std::optional<double> ValueAdding(TPartType T, const Cx& Needed, double Omega);

// The lossless reactance (series) or susceptance (parallel) of a part, and the part that has it.
double Immittance(const TPart& P, double Omega);
TPart PartWith(double Immittance, bool Series, double Omega);
