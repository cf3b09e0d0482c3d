#pragma once
// The texts of the grid's values.
#include <string>

// Value as fixed-point text with Decimals decimals, rounded once to whichever of Precision
// significant digits and Decimals decimals is coarser, halves away from zero. A value that then
// has more than Precision digits before the point is written in the general number format.
std::string FormatFixed(double Value, int Precision, int Decimals);

// A grid value normalised with one decimal, or in ohms (times Zn) with none.
std::string GridLabelText(double Value, bool Normalized, double Zn);
