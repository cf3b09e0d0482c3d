#include "files/TouchstoneNumber.h"

#include <algorithm>
#include <charconv>

#include "network/NumberText.h"

namespace {

constexpr long long MaxExponent = 100'000;  // far beyond the double range either way

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

}  // namespace

std::optional<double> WordNumber(std::string_view Word) {
  std::string_view Body = Word;
  const bool Negative = Body.starts_with('-');
  if (Negative || Body.starts_with('+')) Body.remove_prefix(1);
  // from_chars would also read 'inf' and 'nan', which are no numbers of a file.
  if (Body.empty() || !(IsDigit(Body[0]) || Body[0] == '.')) return std::nullopt;
  double V = 0;
  const auto R = std::from_chars(Body.data(), Body.data() + Body.size(), V);
  if (R.ec == std::errc::result_out_of_range) return ConvertNumber(Word);  // rare: tells 0 from none
  if (R.ec != std::errc() || R.ptr != Body.data() + Body.size()) return std::nullopt;
  return Negative ? -V : V;
}

std::optional<double> ScaledWordNumber(std::string_view Word, int Exponent, std::string& Scratch) {
  if (Exponent == 0) return WordNumber(Word);
  std::size_t E = 0;
  while (E < Word.size() && Word[E] != 'e' && Word[E] != 'E') ++E;
  long long Written = Exponent;
  if (E < Word.size()) {
    std::string_view Digits = Word.substr(E + 1);
    const bool Negative = Digits.starts_with('-');
    if (Negative || Digits.starts_with('+')) Digits.remove_prefix(1);
    if (Digits.empty() || !IsDigit(Digits[0])) return std::nullopt;
    long long Given = 0;
    const auto R = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Given);
    if (R.ptr != Digits.data() + Digits.size()) return std::nullopt;
    Given = R.ec == std::errc() ? std::min(Given, MaxExponent) : MaxExponent;
    Written += Negative ? -Given : Given;
  }
  // Room for the exponent's 20 digits and sign; only a longer word makes the scratch grow.
  Scratch.resize(std::max(Scratch.size(), E + 24));
  char* End = std::copy(Word.data(), Word.data() + E, Scratch.data());
  *End++ = 'e';
  End = std::to_chars(End, Scratch.data() + Scratch.size(), Written).ptr;
  return WordNumber(std::string_view(Scratch.data(), static_cast<std::size_t>(End - Scratch.data())));
}
