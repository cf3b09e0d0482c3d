#include "files/TouchstoneOptions.h"

#include <cmath>
#include <cstddef>
#include <complex>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "files/TouchstoneNumber.h"
#include "files/TouchstoneText.h"

namespace {

using Cx = std::complex<double>;

constexpr std::pair<std::string_view, int> Units[] = {{"HZ", 0}, {"KHZ", 3}, {"MHZ", 6}, {"GHZ", 9}};
constexpr std::pair<std::string_view, TTouchstoneParameter> Parameters[] = {
    {"S", TTouchstoneParameter::S}, {"Y", TTouchstoneParameter::Y}, {"Z", TTouchstoneParameter::Z}};
constexpr std::pair<std::string_view, TTouchstoneFormat> Formats[] = {
    {"MA", TTouchstoneFormat::MA}, {"DB", TTouchstoneFormat::DB}, {"RI", TTouchstoneFormat::RI}};

[[noreturn]] void Refuse(const std::string& Reason) { throw std::invalid_argument(Reason); }

[[noreturn]] void Repeated(const char* Kind, std::string_view Word) {
  Refuse(std::string("a second ") + Kind + " " + Quoted(Word));
}

// Whether Word is one of Table's names, which then sets Field.
template <class T, std::size_t N>
bool Take(std::string_view Word, const std::pair<std::string_view, T> (&Table)[N], const char* Kind,
          std::optional<T>& Field) {
  for (const auto& [Name, Value] : Table) {
    if (!SameText(Word, Name)) continue;
    if (Field) Repeated(Kind, Word);
    Field = Value;
    return true;
  }
  return false;
}

double Resistance(std::string_view Word) {
  if (Word.empty()) Refuse("no resistance after R");
  const std::optional<double> R = WordNumber(Word);
  if (!R) Refuse(Quoted(Word) + " is no resistance");
  if (!(*R > 0)) Refuse("the reference resistance must be above 0 ohm");
  return *R;
}

Cx ValueOfPair(TTouchstoneFormat Format, double A, double B) {
  if (Format == TTouchstoneFormat::RI) return {A, B};
  const double Magnitude = Format == TTouchstoneFormat::MA ? A : std::pow(10.0, A / 20);
  const double Angle = B * (std::numbers::pi / 180);
  return {Magnitude * std::cos(Angle), Magnitude * std::sin(Angle)};
}

}  // namespace

TTouchstoneOptions ReadOptionLine(std::string_view Rest) {
  std::optional<int> Exponent;
  std::optional<TTouchstoneParameter> Parameter;
  std::optional<TTouchstoneFormat> Format;
  std::optional<double> R;
  for (std::string_view Word = NextWord(Rest); !Word.empty(); Word = NextWord(Rest)) {
    if (Take(Word, Units, "frequency unit", Exponent) || Take(Word, Parameters, "parameter", Parameter) ||
        Take(Word, Formats, "format", Format))
      continue;
    if (SameText(Word, "H") || SameText(Word, "G")) Refuse(std::string(Word) + " parameters describe two-ports");
    if (!SameText(Word, "R")) Refuse("unknown option " + Quoted(Word));
    if (R) Repeated("reference resistance", Word);
    R = Resistance(NextWord(Rest));
  }
  const TTouchstoneOptions Defaults;
  return {Exponent.value_or(Defaults.FrequencyExponent), Parameter.value_or(Defaults.Parameter),
          Format.value_or(Defaults.Format), R.value_or(Defaults.R)};
}

TComplex ReflectionOfPair(const TTouchstoneOptions& Options, bool Normalised, double A, double B) {
  const Cx V = ValueOfPair(Options.Format, A, B);
  if (!std::isfinite(V.real()) || !std::isfinite(V.imag())) Refuse("a value beyond the range of numbers");
  Cx Gamma = V;
  if (Options.Parameter == TTouchstoneParameter::Z) {
    const double Unit = Normalised ? 1 : Options.R;
    if (V == -Unit) Refuse("an impedance of -R has no reflection coefficient");
    Gamma = (V - Unit) / (V + Unit);
  } else if (Options.Parameter == TTouchstoneParameter::Y) {
    const Cx Y = Normalised ? V : V * Options.R;
    if (Y == -1.0) Refuse("an admittance of -1/R has no reflection coefficient");
    Gamma = (1.0 - Y) / (1.0 + Y);
  }
  if (!std::isfinite(Gamma.real()) || !std::isfinite(Gamma.imag())) Refuse("a value beyond the range of numbers");
  return {Gamma.real(), Gamma.imag()};
}
