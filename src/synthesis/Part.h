#pragma once
// The parts of a matching solution, listed from the load towards the input.
#include <complex>
#include <cstdint>
#include <string>
#include <vector>

#include "network/Complex.h"

// The network's element types with a model, numbered as there so that a part's type converts to
// the network's by its number.
enum class TPartType : std::uint8_t { Cs = 1, Cp, Ls, Lp, Rs, Rp, Line, OpenStub = 9, ShortStub = 10 };

struct TPart {
  TPartType Type = TPartType::Cs;
  double Value = 0;                   // F, H, ohm, or the length in m of a line or stub
  double Z0 = 0, VelocityFactor = 0;  // lines and stubs only
};

using TLadder = std::vector<TPart>;
using Cx = std::complex<double>;

inline Cx ToCx(const TComplex& Z) { return {Z.Re, Z.Im}; }

std::string PartName(TPartType T);  // "Cs" .. "Line", "OpenStub", "ShortStub"
bool IsSeries(TPartType T);
bool IsLumped(TPartType T);  // a capacitor, inductor or resistor
bool IsStub(TPartType T);

// "Cp:9.228e-13 Ls:3.8985e-08", a line's or stub's data after its length: "Line:0.123@50/1".
std::string LadderText(const TLadder& Parts);

// Adds L unless Ladders holds it already, its values equal but for rounding.
void AddUnique(std::vector<TLadder>& Ladders, const TLadder& L);
