#pragma once
// Value text that reads back as the value it shows.
#include <string>

// FormatValue with the fewest significant digits, at least Digits and at most 15, whose text
// ParseValue reads back as Value. A value the prefixes cannot show gets FormatValue's text.
std::string FormatExact(int Digits, const std::string& UnitStr, double Value);

// The value that FormatValue's text of Digits significant digits reads back as: what a computed
// value becomes once it is shown rounded. A value the prefixes cannot show stays as it is.
double ShownValue(int Digits, const std::string& UnitStr, double Value);
