#pragma once
// Engineering values as text: SI prefix letters and units, and the names of the element types.
#include <string>

#include "network/Network.h"

std::string UnitName(TElementType T);
std::string TypeName(TElementType T);
TElementType TypeFromName(const std::string& S);  // exact, case-sensitive; anything else is None

// '4,7k' or '100 MHz' to a value in base units. Never fails: unreadable text shows
// "<text> is not a valid number" and yields the number before the first bad character, or 0.
// A prefix or unit without a number, and a value beyond the double range, are unreadable too.
double ParseValue(const std::string& S, const std::string& UnitStr);
// A value with an SI prefix and the unit, e.g. '10 pF', to Digits significant digits.
std::string FormatValue(int Digits, const std::string& UnitStr, double Value);
