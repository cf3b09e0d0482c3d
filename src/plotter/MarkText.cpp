#include "plotter/MarkText.h"

#include <cmath>

#include "network/Decimal.h"

namespace {

// The 18 significant digits an extended value carries; rounding happens on these, so a mark
// computed as 0.125 + tiny error still reads as 0.13.
TDecimal Decimal(long double Magnitude) { return DecimalDigits(Magnitude, 18); }

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

std::string XLogMarkText(long double V) {
  const long double Hundredths = V * 100;
  if (!std::isfinite(V) || std::fabs(Hundredths - std::nearbyint(Hundredths)) < 1e-6L) return MarkText(V, 1);
  return Scientific(Decimal(V), 1);
}

std::string YMarkText(long double V) { return MarkText(V, 2); }
