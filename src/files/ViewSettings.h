#pragma once
// How the chart and the Bode plot are shown: the admittance grid, the user's circles and the
// plot's traces, spacing and place. They are kept in "zomar.ini" after its 25 lines, each setting
// optional: a file without them, as older versions wrote, gives the defaults without a word.
#include <cstdint>
#include <string>
#include <vector>

// One family of the user's circles on the chart: its values and its colour, 0x00BBGGRR.
struct TCircleSet {
  std::vector<double> Values;
  std::uint32_t Color = 0;
  bool operator==(const TCircleSet&) const = default;
};

struct TViewSettings {
  bool AdmittanceGrid = false;   // the constant-g and constant-b circles under the impedance grid
  TCircleSet Vswr{{}, 0x0080FF};  // constant VSWR, values > 1
  TCircleSet Q{{}, 0x800080};     // constant Q = |x| / r, values > 0
  TCircleSet R{{}, 0x008080};     // constant resistance in ohm, values >= 0
  TCircleSet X{{}, 0x808000};     // constant reactance in ohm, values != 0
  bool BodeLinearSpacing = false;  // sweep points evenly spaced in Hz instead of in log(Hz)
  bool BodeReturnLoss = false, BodeVswr = false;  // the extra traces of the plot
  bool BodeBelowChart = false;  // the plot docked under the chart instead of over its corner
  bool operator==(const TViewSettings&) const = default;
};

// The key and value lines of the settings.
std::vector<std::string> ViewSettingLines(const TViewSettings& View);

// Applies the settings found in List, each on its own. A setting whose value does not read, or
// whose circle values are out of their range, keeps what it had and its name is returned; a
// missing setting keeps what it had silently.
std::vector<std::string> ApplyViewSettingLines(const std::vector<std::string>& List, TViewSettings& View);

// Lines, a settings file's, with the view settings' lines replaced by those of View.
std::vector<std::string> WithViewSettings(std::vector<std::string> Lines, const TViewSettings& View);

// The circle values as the settings and the Circles dialog write them: "1.5 2 3".
std::string CircleValuesText(const std::vector<double>& Values);
// The values of such a text, separated by blanks, commas or semicolons; raises EConvertError
// naming the text when one does not read.
std::vector<double> ReadCircleValues(const std::string& Text);
// Whether each value suits the family (see TViewSettings); the Circles dialog's check as well.
bool ProperVswrCircle(double V);
bool ProperQCircle(double V);
bool ProperRCircle(double V);
bool ProperXCircle(double V);
