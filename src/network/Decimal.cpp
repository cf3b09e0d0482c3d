#include "network/Decimal.h"

#include <array>
#include <charconv>
#include <string_view>

namespace {

template <class TFloat>
TDecimal Digits(TFloat Magnitude, int Significant) {
  std::array<char, 800> Buf;  // written before it is read: no need to clear it
  const auto R =
      std::to_chars(Buf.data(), Buf.data() + Buf.size(), Magnitude, std::chars_format::scientific, Significant - 1);
  const std::string_view Text(Buf.data(), R.ptr - Buf.data());
  const std::size_t E = Text.find('e');
  TDecimal D{std::string(Text.substr(0, E)), 0};
  if (D.Digits.size() > 1) D.Digits.erase(1, 1);  // the point
  std::from_chars(Text.data() + E + 1 + (Text[E + 1] == '+'), Text.data() + Text.size(), D.Exponent);
  return D;
}

}  // namespace

TDecimal DecimalDigits(double Magnitude, int Significant) { return Digits(Magnitude, Significant); }

TDecimal DecimalDigits(long double Magnitude, int Significant) { return Digits(Magnitude, Significant); }

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
