#pragma once
// The option line of a Touchstone file, '# GHz S MA R 50', and what it makes of the pair of
// numbers that gives a one-port's parameter at one frequency.
#include <string_view>

#include "network/Complex.h"

enum class TTouchstoneParameter { S, Y, Z };
enum class TTouchstoneFormat { MA, DB, RI };

struct TTouchstoneOptions {
  int FrequencyExponent = 9;  // frequencies are in 10^FrequencyExponent Hz
  TTouchstoneParameter Parameter = TTouchstoneParameter::S;
  TTouchstoneFormat Format = TTouchstoneFormat::MA;
  double R = 50;  // ohm
};

// The words after '#', in any case and order, each kind at most once; what is not given keeps its
// default. Raises std::invalid_argument with the reason.
TTouchstoneOptions ReadOptionLine(std::string_view Words);

// The reflection coefficient referenced to Options.R of the pair A, B. Normalised Y and Z values
// are relative to R (version 1 files), others are in siemens and ohm. Raises std::invalid_argument
// where there is none: an impedance of -R, or a value beyond the double range.
TComplex ReflectionOfPair(const TTouchstoneOptions& Options, bool Normalised, double A, double B);
