#pragma once
// The texts of the grid's values.
#include <string>

// A grid value normalised with one decimal, or in ohms (times Zn) with none.
std::string GridLabelText(double Value, bool Normalized, double Zn);
