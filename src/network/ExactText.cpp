#include "network/ExactText.h"

#include <cmath>

#include "network/ValueText.h"

namespace {

constexpr int MostDigits = 15;

// The range FormatValue writes with a prefix; outside it the text is '0' or '>999 G'.
bool Showable(double Value) {
  const double Magnitude = std::fabs(Value);
  return Magnitude >= 1e-15 && Magnitude < 1e12;
}

}  // namespace

std::string FormatExact(int Digits, const std::string& UnitStr, double Value) {
  if (!Showable(Value)) return FormatValue(Digits, UnitStr, Value);
  for (int d = Digits; d < MostDigits; ++d) {
    std::string Text = FormatValue(d, UnitStr, Value);
    if (ParseValue(Text, UnitStr) == Value) return Text;
  }
  return FormatValue(MostDigits, UnitStr, Value);
}

double ShownValue(int Digits, const std::string& UnitStr, double Value) {
  if (!Showable(Value)) return Value;
  return ParseValue(FormatValue(Digits, UnitStr, Value), UnitStr);
}
