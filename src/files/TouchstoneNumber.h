#pragma once
// The numbers of a Touchstone file, read as ConvertNumber reads them but at the speed a file of
// millions of them needs.
#include <optional>
#include <string>
#include <string_view>

// The value of the whole word: an optional sign, digits with at most one period, an optional
// exponent; a value too small for a double is 0, one too large is none.
std::optional<double> WordNumber(std::string_view Word);

// The value of the word times 10^Exponent, rounded once: '145.525' MHz is the double nearest
// 145525000 Hz, where multiplying would miss it now and then. Scratch is room for the text.
std::optional<double> ScaledWordNumber(std::string_view Word, int Exponent, std::string& Scratch);
