#include "plotter/MarkText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// |V| as D0.D1D2... x 10^Exponent.
struct TDecimal {
  std::string Digits;
  int Exponent = 0;
};

// The 18 significant digits an extended value carries; rounding happens on these, so a mark
// computed as 0.125 + tiny error still reads as 0.13.
TDecimal Decimal(long double Magnitude) {
  std::array<char, 64> Buf{};
  const auto R = std::to_chars(Buf.data(), Buf.data() + Buf.size(), Magnitude, std::chars_format::scientific, 17);
  const std::string_view Text(Buf.data(), R.ptr - Buf.data());
  const std::size_t E = Text.find('e');
  TDecimal D;
  for (char C : Text.substr(0, E))
    if (C != '.') D.Digits += C;
  const std::size_t ExpStart = E + 1 + (Text[E + 1] == '+');
  std::from_chars(Text.data() + ExpStart, Text.data() + Text.size(), D.Exponent);
  return D;
}

// Keeps the digits whose weight is at least 10^Lowest, halves away from zero. An empty digit
// string is zero.
void RoundAt(TDecimal& D, int Lowest) {
  const int Keep = D.Exponent - Lowest + 1;
  if (Keep < 0) {
    D.Digits.clear();
    return;
  }
  if (Keep >= static_cast<int>(D.Digits.size())) return;
  const bool Up = D.Digits[Keep] >= '5';
  D.Digits.resize(Keep);
  if (!Up) return;
  int I = Keep - 1;
  while (I >= 0 && D.Digits[I] == '9') D.Digits[I--] = '0';
  if (I >= 0) {
    ++D.Digits[I];
  } else {
    D.Digits.insert(D.Digits.begin(), '1');
    ++D.Exponent;
  }
}

void DropTrailingZeros(TDecimal& D) {
  D.Digits.erase(D.Digits.find_last_not_of('0') + 1);
}

// "0.##": whole digits, then at most two decimals without trailing zeros.
std::string Fixed(TDecimal D) {
  RoundAt(D, -2);
  DropTrailingZeros(D);
  if (D.Digits.empty()) return "0";
  std::string Whole, Fraction;
  for (int W = std::max(D.Exponent, 0); W >= -2; --W) {
    const int I = D.Exponent - W;
    const char Digit = I >= 0 && I < static_cast<int>(D.Digits.size()) ? D.Digits[I] : '0';
    (W >= 0 ? Whole : Fraction) += Digit;
  }
  Fraction.erase(Fraction.find_last_not_of('0') + 1);
  return Fraction.empty() ? Whole : Whole + "." + Fraction;
}

// "0.##e-0" with ExponentDigits 1, "0.##e-00" with 2.
std::string Scientific(TDecimal D, int ExponentDigits) {
  RoundAt(D, D.Exponent - 2);
  DropTrailingZeros(D);
  std::string Text(1, D.Digits[0]);
  if (D.Digits.size() > 1) Text += "." + D.Digits.substr(1);
  const std::string Exponent = std::to_string(std::abs(D.Exponent));
  Text += D.Exponent < 0 ? "e-" : "e";
  if (static_cast<int>(Exponent.size()) < ExponentDigits) Text += std::string(ExponentDigits - Exponent.size(), '0');
  return Text + Exponent;
}

std::string MarkText(long double V, int ExponentDigits) {
  if (!std::isfinite(V)) return std::isnan(V) ? "NAN" : V > 0 ? "INF" : "-INF";
  if (V >= 1000) return Scientific(Decimal(V), ExponentDigits);
  const std::string Text = Fixed(Decimal(std::fabs(V)));
  return V < 0 && Text != "0" ? "-" + Text : Text;
}

}  // namespace

std::string XMarkText(long double V) { return MarkText(V, 1); }

std::string YMarkText(long double V) { return MarkText(V, 2); }
