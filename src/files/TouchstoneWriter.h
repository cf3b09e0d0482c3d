#pragma once
// Touchstone 1.1 text of S parameters: frequencies in Hz, each parameter as its real and
// imaginary part, every port referenced to the same resistance.
#include <span>
#include <string>
#include <vector>

#include "network/Complex.h"

// A comment line with Comment (its line breaks made blanks), then the option line for the
// reference resistance Zn.
std::vector<std::string> TouchstoneHeader(std::string Comment, double Zn);

// One data line: the frequency, then the parameters in the order given (a two-port's in the
// format's order S11 S21 S12 S22, all on one line).
std::string TouchstoneLine(double Frequency, std::span<const TComplex> S);
