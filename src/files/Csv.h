#pragma once
// Rows of the comma-separated tables that the command line writes.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Texts that hold no comma, quote or line break (names, headers), joined by commas.
std::string CsvLine(std::initializer_list<std::string_view> Fields);

// Numbers in their shortest text, joined by commas.
std::string CsvNumbers(std::span<const double> Values);
