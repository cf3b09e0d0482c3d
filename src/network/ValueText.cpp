#include "network/ValueText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "network/NumberText.h"
#include "platform/Dialogs.h"

namespace {

constexpr std::array<std::string_view, 11> TypeNames{"None", "Cs", "Cp", "Ls", "Lp",   "Rs",
                                                     "Rp",   "Line", "Stub", "OpenStub", "ShortStub"};
constexpr std::array<std::string_view, 11> UnitNames{"", "F", "F", "H", "H", "ohm", "ohm", "m", "", "m", "m"};

struct TPrefixLetter {
  char Letter;
  int Exponent;
};
constexpr std::array<TPrefixLetter, 8> PrefixLetters{
    {{'p', -12}, {'n', -9}, {'u', -6}, {'m', -3}, {'c', -2}, {'k', 3}, {'M', 6}, {'G', 9}}};

struct TPrefixRange {
  double Lowest;  // compared as a double, so a value typed as '1u' reads back as '1 u'
  long double Divisor;
  std::string_view Suffix;
};
constexpr std::array<TPrefixRange, 8> PrefixRanges{{{1e-15, 1e-12L, " p"},
                                                    {1e-9, 1e-9L, " n"},
                                                    {1e-6, 1e-6L, " u"},
                                                    {1e-3, 1e-3L, " m"},
                                                    {1, 1, " "},
                                                    {1e3, 1e3L, " k"},
                                                    {1e6, 1e6L, " M"},
                                                    {1e9, 1e9L, " G"}}};

std::size_t Index(TElementType T) { return std::min<std::size_t>(static_cast<std::size_t>(T), TypeNames.size() - 1); }

// Applies a prefix to the number text before it. A number that already has an exponent (the
// '1E3 k' that FormatValue writes for 999.6e3) gets the prefix added to that exponent.
std::string WithPrefix(const std::string& Number, bool HasExponent, int Exponent) {
  if (!HasExponent) return Number + (Exponent < 0 ? "E" : "E+") + std::to_string(Exponent);
  const std::size_t E = Number.find_first_of("eE");
  std::size_t I = E + 1;
  const bool Negative = Number[I] == '-';
  if (Number[I] == '-' || Number[I] == '+') ++I;
  long long Own = 0;  // saturated: beyond it the value is out of range anyway
  for (; I < Number.size(); ++I) Own = std::min(Own * 10 + (Number[I] - '0'), 100000LL);
  return Number.substr(0, E) + "E" + std::to_string((Negative ? -Own : Own) + Exponent);
}

bool Follows(const std::string& S, std::size_t At, std::string_view Text) {
  return S.compare(At, Text.size(), Text) == 0;
}

}  // namespace

std::string UnitName(TElementType T) { return std::string(UnitNames[Index(T)]); }

std::string TypeName(TElementType T) { return std::string(TypeNames[Index(T)]); }

TElementType TypeFromName(const std::string& S) {
  const auto It = std::find(TypeNames.begin(), TypeNames.end(), S);
  return It == TypeNames.end() ? TElementType::None : static_cast<TElementType>(It - TypeNames.begin());
}

double ParseValue(const std::string& S, const std::string& UnitStr) {
  std::string s = S == "None" ? "0" : S;
  const std::string Typed = s;
  if (!UnitStr.empty())
    if (const std::size_t P = s.find(UnitStr); P != std::string::npos) s.erase(P, UnitStr.size());
  if (s.empty()) return 0;
  std::erase(s, ' ');
  if (const std::size_t P = s.find(','); P != std::string::npos) s[P] = '.';
  if (const auto V = ConvertNumber(s)) return *V;

  const TNumberScan Scan = ScanNumber(s);
  const std::size_t j = Scan.Rejected;
  const char c = j < s.size() ? s[j] : '\0';
  const auto Prefix = std::find_if(PrefixLetters.begin(), PrefixLetters.end(),
                                   [c](const TPrefixLetter& P) { return P.Letter == c; });
  const bool UnitRemains = (c == 'H' && Follows(s, j + 1, "z")) || (c == 'o' && Follows(s, j + 1, "hm"));
  s.resize(j);
  if (Prefix != PrefixLetters.end()) s = WithPrefix(s, Scan.HasExponent, Prefix->Exponent);
  const std::optional<double> Value = ConvertNumber(s);
  // A prefix or unit with no number before it, or a number beyond the range once its prefix
  // is applied, is no more a number than a stray letter.
  if (!Value || (Prefix == PrefixLetters.end() && !UnitRemains))
    Dialogs().MessageBox(Typed + " is not a valid number", TMsgKind::Information, {TMsgButton::OK});
  return Value.value_or(0);
}

std::string FormatValue(int Digits, const std::string& UnitStr, double Value) {
  const double Magnitude = std::fabs(Value);
  if (std::isnan(Value)) return FormatGeneral(Value, Digits) + " " + UnitStr;
  if (Magnitude < PrefixRanges.front().Lowest) return "0 " + UnitStr;
  if (Magnitude >= 1e12) return ">999 G" + UnitStr;
  const auto Range = std::find_if(PrefixRanges.rbegin(), PrefixRanges.rend(),
                                  [Magnitude](const TPrefixRange& R) { return Magnitude >= R.Lowest; });
  const double Quotient = static_cast<double>(Value / Range->Divisor);
  return FormatGeneral(Quotient, Digits) + std::string(Range->Suffix) + UnitStr;
}
