#include "network/Decimal.h"

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
