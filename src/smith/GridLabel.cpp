#include "smith/GridLabel.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "network/Checked.h"
#include "network/NumberText.h"

namespace {

std::uint64_t PowerOfTen(int N) {
  std::uint64_t P = 1;
  while (N-- > 0) P *= 10;
  return P;
}

// |Value| rounded to a whole number of units of 10^-Decimals, keeping at most Precision
// significant digits; halves go away from zero. Value must be below 10^Precision.
std::uint64_t RoundedUnits(double Value, int Precision, int Decimals) {
  // The exact decimal expansion: a double has at most 767 significant digits.
  std::array<char, 800> Buf{};
  const auto R = std::to_chars(Buf.data(), Buf.data() + Buf.size(), std::fabs(Value), std::chars_format::scientific, 766);
  const std::string_view Text(Buf.data(), R.ptr - Buf.data());
  const std::size_t E = Text.find('e');
  int Exponent = 0;
  std::from_chars(Text.data() + E + 1 + (Text[E + 1] == '+'), Text.data() + Text.size(), Exponent);
  std::string Digits;
  for (char C : Text.substr(0, E))
    if (C != '.') Digits += C;
  // Digits[i] weighs 10^(Exponent - i); keep the digits down to 10^-Decimals.
  const int Keep = std::min(Precision, Exponent + 1 + Decimals);
  if (Keep < 0) return 0;
  std::uint64_t Units = 0;
  for (int i = 0; i < Keep; ++i) Units = Units * 10 + (Digits[i] - '0');
  if (Digits[Keep] >= '5') ++Units;
  return Units * PowerOfTen(Exponent + 1 + Decimals - Keep);
}

}  // namespace

std::string FormatFixed(double Value, int Precision, int Decimals) {
  if (!std::isfinite(Value) || std::fabs(Value) >= std::pow(10.0, Precision)) return FormatGeneral(Value, Precision);
  const std::uint64_t Units = RoundedUnits(Value, Precision, Decimals);
  const std::uint64_t Scale = PowerOfTen(Decimals);
  if (Units >= PowerOfTen(Precision) * Scale) return FormatGeneral(Value, Precision);
  std::string Text = Value < 0 && Units > 0 ? "-" : "";
  Text += std::to_string(Units / Scale);
  if (Decimals > 0) {
    const std::string Fraction = std::to_string(Units % Scale);
    Text += "." + std::string(Decimals - Fraction.size(), '0') + Fraction;
  }
  return Text;
}

std::string GridLabelText(double Value, bool Normalized, double Zn) {
  if (Normalized) return FormatFixed(Value, 3, 1);
  return FormatFixed(netcalc_detail::Store(netcalc_detail::Ext(Value) * Zn), 3, 0);
}
