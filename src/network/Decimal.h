#pragma once
// A magnitude as a string of decimal digits, for the number texts that round by hand: the value
// formats round halves away from zero, which no library conversion does.
#include <array>
#include <charconv>
#include <string>
#include <string_view>

// D0.D1D2... x 10^Exponent; no digits at all is zero.
struct TDecimal {
  std::string Digits;
  int Exponent = 0;
};

// The first Significant digits of Magnitude (>= 0), correctly rounded by the conversion. A double
// has its exact expansion within 767 significant digits.
template <class TFloat>
TDecimal DecimalDigits(TFloat Magnitude, int Significant) {
  std::array<char, 800> Buf{};
  const auto R =
      std::to_chars(Buf.data(), Buf.data() + Buf.size(), Magnitude, std::chars_format::scientific, Significant - 1);
  const std::string_view Text(Buf.data(), R.ptr - Buf.data());
  const std::size_t E = Text.find('e');
  TDecimal D;
  D.Digits.reserve(E);
  for (char C : Text.substr(0, E))
    if (C != '.') D.Digits += C;
  std::from_chars(Text.data() + E + 1 + (Text[E + 1] == '+'), Text.data() + Text.size(), D.Exponent);
  return D;
}

// Keeps the digits whose weight is at least 10^Lowest, halves away from zero; a carry out of the
// first digit adds one to the exponent.
void RoundAt(TDecimal& D, int Lowest);
