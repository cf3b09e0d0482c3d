#pragma once
// What a reflection against the normalising impedance tells of a match.
#include "network/Complex.h"

// Gamma = (Z - Zn) / (Z + Zn). Raises EMathError where Z + Zn is 0.
TComplex Reflection(const TComplex& Z, double Zn);

// (1 + |Gamma|) / (1 - |Gamma|); infinite from |Gamma| = 1 on, where no source can be matched.
double Vswr(const TComplex& Gamma);

// -20 log10 |Gamma|: infinite for a perfect match, below 0 for a reflection that gains.
double ReturnLossDb(const TComplex& Gamma);
