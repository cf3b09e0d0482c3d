#pragma once
// The result texts: the input impedance in series and in parallel form with its equivalent
// capacitance or inductance, the standing-wave ratio, and the read-out under the mouse.
#include <string>
#include <vector>

#include "network/Complex.h"

struct TInputTexts {
  std::string ZinSer, ZinPar;
};

struct TPointerTexts {
  std::string MuisPos, Rho;
};

// The read-out of the point under the mouse: Rn, Xn, Rho and Angle as the chart's PixelToZ gives
// them (Angle the plain arctangent, 0 on the centre row), Zn in ohm.
TPointerTexts PointerTexts(double Rn, double Xn, double Rho, double Angle, double Zn);

// The rest of the read-out of a point of normalised impedance Rn + j Xn: its admittance in
// siemens for Zn ohm, then its VSWR, return loss and Q = |Xn| / Rn.
std::vector<std::string> PointDetailTexts(double Rn, double Xn, double Zn);

// The Bode plot's read-out of the point under the mouse: XV in the plot's frequency unit of
// Unit hertz, YV in dB.
std::string PlotReadOut(long double XV, long double YV, double Unit);

// Zin is the input node's impedance in ohm, Omega the angular frequency.
TInputTexts InputTexts(const TComplex& Zin, double Omega);
// "infinite" for a negative ratio (the chart's sign for |rho| >= 0.999).
std::string SWRText(double SWR);
