#pragma once
// The texts written beside the plot's grid lines. Values below 1000 read in fixed notation with
// at most two decimals ("0.##"); larger ones in scientific notation with at most two mantissa
// decimals ("0.##e-0" under the X axis, "0.##e-00" beside the Y axis). Halves round away from
// zero on the value's 18 significant digits, and the period is always the decimal separator.
#include <string>

std::string XMarkText(long double V);
// Under a log axis, where no mark is 0: a value that two decimals would not show exactly, 0.001
// or 0.105, reads in scientific notation, "1e-3", "1.05e-1".
std::string XLogMarkText(long double V);
std::string YMarkText(long double V);
