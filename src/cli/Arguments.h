#pragma once
// The number arguments of the command line, read as the workbench reads value text but strictly:
// what the workbench would answer with a message is a usage error naming the argument.
#include <string>

#include "network/Complex.h"

// Raises EUsage for an empty or unreadable text.
double ArgumentValue(const std::string& Name, const std::string& Text, const std::string& Unit);

// A frequency the workbench accepts, in Hz.
double FrequencyArgument(const std::string& Name, const std::string& Text);
// A normalising impedance the workbench accepts, in ohm.
double ZnArgument(const std::string& Name, const std::string& Text);
// The inductors' Q: 0 for lossless inductors, or 1 to 500.
double QArgument(const std::string& Name, const std::string& Text);
// A whole number of sweep points, 1 to 10,000,000.
int PointsArgument(const std::string& Name, const std::string& Text);
// A fixed load 'R,X' in ohm, e.g. '25,-10' or '1.2k,300'.
TComplex LoadArgument(const std::string& Name, const std::string& Text);
