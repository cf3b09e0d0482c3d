#pragma once
// A magnitude as a string of decimal digits, for the number texts that round by hand: the value
// formats round halves away from zero, which no library conversion does.
#include <string>

// D0.D1D2... x 10^Exponent; no digits at all is zero.
struct TDecimal {
  std::string Digits;
  int Exponent = 0;
};

// The first Significant digits of Magnitude (>= 0), correctly rounded by the conversion. A double
// has its exact expansion within 767 significant digits.
TDecimal DecimalDigits(double Magnitude, int Significant);
TDecimal DecimalDigits(long double Magnitude, int Significant);

// Keeps the digits whose weight is at least 10^Lowest, halves away from zero; a carry out of the
// first digit adds one to the exponent.
void RoundAt(TDecimal& D, int Lowest);
