#include "network/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>

#include "network/Decimal.h"
#include "platform/Errors.h"

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

std::size_t SkipDigits(std::string_view S, std::size_t I) {
  while (I < S.size() && IsDigit(S[I])) ++I;
  return I;
}

// Order of magnitude of a scanned number, for telling an underflow from an overflow.
long long DecimalMagnitude(std::string_view S) {
  const std::size_t E = S.find_first_of("eE");
  const std::string_view Mantissa = S.substr(0, E);
  long long Exponent = 0;
  if (E != std::string_view::npos) {
    std::size_t I = E + 1;
    const bool Negative = I < S.size() && S[I] == '-';
    if (I < S.size() && (S[I] == '-' || S[I] == '+')) ++I;
    for (; I < S.size(); ++I) Exponent = std::min(Exponent * 10 + (S[I] - '0'), 1LL << 40);
    if (Negative) Exponent = -Exponent;
  }
  const std::size_t Point = std::min(Mantissa.find('.'), Mantissa.size());
  const std::size_t First = Mantissa.find_first_of("123456789");
  if (First == std::string_view::npos) return 0;
  const long long Position = First < Point ? static_cast<long long>(Point - First) - 1
                                           : -static_cast<long long>(First - Point);
  return Exponent + Position;
}

// |Value| rounded to exactly Precision significant digits, halves away from zero. Only a
// possible tie needs the exact expansion: elsewhere the conversion's own rounding is the same.
TDecimal RoundSignificant(double Magnitude, int Precision) {
  if (DecimalDigits(Magnitude, Precision + 1).Digits[Precision] != '5') return DecimalDigits(Magnitude, Precision);
  TDecimal Exact = DecimalDigits(Magnitude, 767);
  RoundAt(Exact, Exact.Exponent - Precision + 1);
  Exact.Digits.resize(Precision, '0');
  return Exact;
}

}  // namespace

std::string TrimBlanks(const std::string& S) {
  const std::size_t B = S.find_first_not_of(" \t");
  if (B == std::string::npos) return {};
  return S.substr(B, S.find_last_not_of(" \t") - B + 1);
}

TNumberScan ScanNumber(std::string_view S) {
  std::size_t I = 0;
  if (I < S.size() && (S[I] == '+' || S[I] == '-')) ++I;
  const std::size_t IntEnd = SkipDigits(S, I);
  std::size_t End = IntEnd;
  bool AnyDigit = IntEnd > I;
  if (End < S.size() && S[End] == '.') {
    const std::size_t FracEnd = SkipDigits(S, End + 1);
    AnyDigit = AnyDigit || FracEnd > End + 1;
    End = FracEnd;
  }
  if (!AnyDigit) return {End, false};
  if (End < S.size() && (S[End] == 'e' || S[End] == 'E')) {
    std::size_t J = End + 1;
    if (J < S.size() && (S[J] == '+' || S[J] == '-')) ++J;
    const std::size_t ExpEnd = SkipDigits(S, J);
    if (ExpEnd > J) return {ExpEnd, true};
  }
  return {End, false};
}

std::optional<double> ConvertNumber(std::string_view S) {
  const TNumberScan Scan = ScanNumber(S);
  if (Scan.Rejected != S.size() || S.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
  const bool Negative = !S.empty() && S[0] == '-';
  const std::string_view Body = S.substr(!S.empty() && (S[0] == '+' || S[0] == '-') ? 1 : 0);
  double V = 0;
  const auto R = std::from_chars(Body.data(), Body.data() + Body.size(), V);
  if (R.ec == std::errc::result_out_of_range) {
    if (DecimalMagnitude(Body) > 0) return std::nullopt;
    V = 0;
  } else if (R.ec != std::errc() || R.ptr != Body.data() + Body.size()) {
    return std::nullopt;
  }
  return Negative ? -V : V;
}

double StrToFloat(const std::string& S) {
  if (const auto V = ConvertNumber(TrimBlanks(S))) return *V;
  throw EConvertError::InvalidFloat(S);
}

int StrToInt(const std::string& S) {
  const std::string T = TrimBlanks(S);
  const std::size_t Start = !T.empty() && T[0] == '+' ? 1 : 0;
  int V = 0;
  const auto R = std::from_chars(T.data() + Start, T.data() + T.size(), V);
  if (T.empty() || R.ec != std::errc() || R.ptr != T.data() + T.size() || (Start && T.size() > 1 && T[1] == '-'))
    throw EConvertError::InvalidInteger(S);
  return V;
}

std::string FormatGeneral(double Value, int Precision) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value > 0 ? "INF" : "-INF";
  if (Value == 0) return "0";
  Precision = std::clamp(Precision, 1, 17);
  const TDecimal R = RoundSignificant(std::fabs(Value), Precision);
  std::string Digits = R.Digits;
  Digits.erase(Digits.find_last_not_of('0') + 1);
  std::string Text = Value < 0 ? "-" : "";
  const int E = R.Exponent;
  if (E >= -4 && E < Precision) {
    if (E < 0) {
      Text += "0." + std::string(-E - 1, '0') + Digits;
    } else {
      Digits.resize(std::max<std::size_t>(Digits.size(), E + 1), '0');
      Text += Digits.substr(0, E + 1);
      if (Digits.size() > static_cast<std::size_t>(E + 1)) Text += "." + Digits.substr(E + 1);
    }
  } else {
    Text += Digits.substr(0, 1);
    if (Digits.size() > 1) Text += "." + Digits.substr(1);
    Text += "E" + std::to_string(E);
  }
  return Text;
}

std::string ShortestText(double Value) {
  if (std::isnan(Value)) return "nan";  // whatever its sign bit
  std::array<char, 32> Buf{};
  const auto R = std::to_chars(Buf.data(), Buf.data() + Buf.size(), Value);
  return std::string(Buf.data(), R.ptr);
}

std::string FormatFixed(double Value, int Precision, int Digits) {
  if (!std::isfinite(Value)) return FormatGeneral(Value, Precision);
  const double Magnitude = std::fabs(Value);
  std::string Decimals;  // the value in units of 10^-Digits, as decimal digits
  if (Magnitude != 0) {
    const int Exponent = RoundSignificant(Magnitude, 17).Exponent;
    const int Significant = std::min(std::clamp(Precision, 1, 17), Exponent + 1 + Digits);
    if (Significant > 0) {
      const TDecimal R = RoundSignificant(Magnitude, Significant);
      Decimals = R.Digits + std::string(std::max(0, R.Exponent + Digits + 1 - Significant), '0');
    } else if (Significant == 0 && RoundSignificant(Magnitude * 2, 17).Exponent > Exponent) {
      Decimals = "1";  // at least half a unit of the last decimal rounds up to it
    }
  }
  Decimals.erase(0, std::min(Decimals.find_first_not_of('0'), Decimals.size()));
  const bool Zero = Decimals.empty();
  const std::size_t Width = static_cast<std::size_t>(std::max(Digits, 0)) + 1;
  if (Decimals.size() < Width) Decimals.insert(0, Width - Decimals.size(), '0');
  const std::string Whole = Decimals.substr(0, Decimals.size() - Width + 1);
  if (Whole.size() > static_cast<std::size_t>(std::max(Precision, 1))) return FormatGeneral(Value, Precision);
  std::string Text = Value < 0 && !Zero ? "-" : "";
  Text += Whole;
  if (Digits > 0) Text += "." + Decimals.substr(Decimals.size() - Width + 1);
  return Text;
}
