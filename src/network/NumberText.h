#pragma once
// Numbers as text, independent of the locale: the period is always the decimal separator.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The general number format: Precision significant digits, halves away from zero, plain
// notation for decimal exponents -4 .. Precision - 1, otherwise mantissa, "E" and the exponent
// ('1E-5', '2.2E-11', '1E15').
std::string FormatGeneral(double Value, int Precision);

// Fixed notation with exactly Digits decimals, the value first rounded to at most Precision
// significant digits (halves away from zero): (0.19900, 3, 3) gives '0.199', (1.2345, 3, 3) '1.230'.
// A value that then has more than Precision digits before the point is written in the general
// number format instead (1200 with 3 digits gives '1.2E3').
std::string FormatFixed(double Value, int Precision, int Digits);

// The shortest text that reads back as the same double ('0.1', '1e+20', '-2.5e-07'), for files
// that other programs read; 'inf', '-inf' and 'nan' for the values that are no number.
std::string ShortestText(double Value);

// S without leading and trailing blanks and tabs.
std::string TrimBlanks(const std::string& S);

double StrToFloat(const std::string& S);  // plain conversion, raises EConvertError
int StrToInt(const std::string& S);       // decimal, raises EConvertError

// The standard conversion as the value parser applies it: an optional sign, digits with at most
// one period, an optional exponent. Rejected is the index of the first character that is not
// part of such a number (S.size() when the whole text is one).
struct TNumberScan {
  std::size_t Rejected = 0;
  bool HasExponent = false;
};
TNumberScan ScanNumber(std::string_view S);

// The value of a text that ScanNumber accepts whole; empty when it is no number or lies beyond
// the double range (a value too small for a double is 0).
std::optional<double> ConvertNumber(std::string_view S);
