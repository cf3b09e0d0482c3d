#include "ui/ResultText.h"

#include <cmath>
#include <limits>

#include "network/Checked.h"
#include "network/NetCalc.h"
#include "workbench/Reflection.h"

using namespace netcalc_detail;

namespace {

constexpr double Negligible = 0.0001;  // ohm; smaller parts are shown as 0
constexpr Ext Nudge = 1e-10L;           // keeps the parallel form finite when R or X is 0

std::string F(int Digits, const std::string& Unit, double Value) { return FormatValue(Digits, Unit, Value); }

std::string SeriesText(double R, double X, double Omega) {
  if (X < 0)
    return "Re: " + F(3, "", R) + "    Im: " + F(3, "ohm", X) + " (Cs=" + F(3, "F", Store(Divide(-1, Ext(Omega) * X))) +
           ")";
  return "Re: " + F(3, "", R) + "    Im: +" + F(3, "ohm", X) + " (Ls=" + F(4, "H", Store(Divide(X, Omega))) + ")";
}

std::string ParallelText(double R, double X, double Omega) {
  const double Rp = Store(R + Divide(Ext(X) * X, R + Nudge));
  const double Xp = Store(X + Divide(Ext(R) * R, X + Nudge));
  const std::string Head = "Re: " + F(3, "", Rp) + " // Im: " + F(3, "", Xp);
  if (X < 0) return Head + "ohm (Cp=" + F(3, "", Store(Divide(-1, Ext(Omega) * Xp))) + "F)";
  return Head + "ohm (Lp=" + F(3, "", Store(Divide(Xp, Omega))) + "H)";
}

}  // namespace

TPointerTexts PointerTexts(double Rn, double Xn, double Rho, double Angle, double Zn) {
  const long Degrees = std::lrint(Ext(Angle) * 360 / (2 * Pi)) + 90;
  const double Ro = Store(Ext(Rn) * Zn), Xo = Store(Ext(Xn) * Zn);
  const std::string Magnitude = FormatFixed(Rho, 3, 2) + "  angle: ";
  if (Xo < 0) return {F(3, " ohm", Ro) + " " + F(3, "j", Xo) + " ohm", Magnitude + std::to_string(Degrees - 180) + " degrees"};
  return {F(3, " ohm", Ro) + " + " + F(3, "j", Xo) + " ohm", Magnitude + std::to_string(Degrees) + " degrees"};
}

std::vector<std::string> PointDetailTexts(double Rn, double Xn, double Zn) {
  const auto Finite = [](double V, const std::string& Text) { return std::isfinite(V) ? Text : "infinite"; };
  const Ext Square = Ext(Rn) * Rn + Ext(Xn) * Xn;
  std::string Admittance = "infinite";
  if (Square > 0) {
    const double G = Store(Rn / (Square * Zn)), B = Store(-Xn / (Square * Zn));
    Admittance = F(3, "S", G) + (B < 0 ? " - j " : " + j ") + F(3, "S", std::fabs(B));
  }
  const TComplex Gamma = Reflection({Rn, Xn}, 1);
  const double V = Vswr(Gamma), Loss = ReturnLossDb(Gamma), Q = Rn > 0 ? std::fabs(Xn) / Rn : std::numeric_limits<double>::infinity();
  return {"Y: " + Admittance, "VSWR: " + Finite(V, FormatGeneral(V, 3)) + "   RL: " + Finite(Loss, FormatGeneral(Loss, 3) + " dB") +
                                  "   Q: " + Finite(Q, FormatGeneral(Q, 3))};
}

std::string PlotReadOut(long double XV, long double YV, double Unit) {
  return "X= " + F(3, "Hz", Store(XV * Unit)) + "    Y= " + F(3, "dB", Store(YV));
}

TInputTexts InputTexts(const TComplex& Zin, double Omega) {
  const double R = std::fabs(Zin.Re) < Negligible ? 0 : Zin.Re;
  const double X = std::fabs(Zin.Im) < Negligible ? 0 : Zin.Im;
  return {SeriesText(R, X, Omega), ParallelText(R, X, Omega)};
}

std::string SWRText(double SWR) { return SWR < 0 ? "infinite" : FormatGeneral(SWR, 3); }
