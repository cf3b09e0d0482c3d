#include "files/ViewSettings.h"

#include <cmath>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>

#include "files/DataIO.h"
#include "network/NumberText.h"
#include "platform/Errors.h"

namespace {

std::string SwitchText(bool On) { return On ? "1" : "0"; }
bool ReadSwitch(const std::string& S) { return StrToInt(S) != 0; }

std::string ColorText(std::uint32_t C) {
  char Text[8];
  std::snprintf(Text, sizeof Text, "#%02X%02X%02X", C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
  return Text;
}

// "#RRGGBB" back to 0x00BBGGRR.
std::uint32_t ReadColor(const std::string& S) {
  std::uint32_t RGB = 0;
  const char* End = S.data() + S.size();
  const auto [Stop, Error] = S.size() == 7 && S[0] == '#' ? std::from_chars(S.data() + 1, End, RGB, 16)
                                                           : std::from_chars_result{S.data(), std::errc::invalid_argument};
  if (Error != std::errc{} || Stop != End) throw EConvertError::InvalidInteger(S);
  return (RGB >> 16) | (RGB & 0xFF00) | ((RGB & 0xFF) << 16);
}

std::vector<double> ReadProper(const std::string& S, bool (*Proper)(double)) {
  std::vector<double> Values = ReadCircleValues(S);
  for (double V : Values)
    if (!Proper(V)) throw EConvertError::InvalidFloat(S);
  return Values;
}

struct TSetting {
  const char* Key;
  const char* Name;
  std::function<void(const std::string&)> Apply;
};

}  // namespace

bool ProperVswrCircle(double V) { return V > 1 && std::isfinite(V); }
bool ProperQCircle(double V) { return V > 0 && std::isfinite(V); }
bool ProperRCircle(double V) { return V >= 0 && std::isfinite(V); }
bool ProperXCircle(double V) { return V != 0 && std::isfinite(V); }

std::string CircleValuesText(const std::vector<double>& Values) {
  std::string Text;
  for (double V : Values) Text += (Text.empty() ? "" : " ") + FileNumber(V);
  return Text;
}

std::vector<double> ReadCircleValues(const std::string& Text) {
  std::vector<double> Values;
  std::size_t i = 0;
  const auto Separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; };
  while (i < Text.size()) {
    if (Separator(Text[i])) {
      ++i;
      continue;
    }
    std::size_t End = i;
    while (End < Text.size() && !Separator(Text[End])) ++End;
    Values.push_back(StrToFloat(Text.substr(i, End - i)));
    i = End;
  }
  return Values;
}

std::vector<std::string> ViewSettingLines(const TViewSettings& V) {
  std::vector<std::string> L{":Admittance Grid", SwitchText(V.AdmittanceGrid)};
  const std::pair<const char*, const TCircleSet*> Sets[] = {{"VSWR", &V.Vswr}, {"Q", &V.Q}, {"R", &V.R}, {"X", &V.X}};
  for (const auto& [Name, Set] : Sets)
    L.insert(L.end(), {std::string(":Circles ") + Name, CircleValuesText(Set->Values),
                       std::string(":Circle Colour ") + Name, ColorText(Set->Color)});
  L.insert(L.end(), {":Bode Linear Spacing", SwitchText(V.BodeLinearSpacing), ":Bode Return Loss",
                     SwitchText(V.BodeReturnLoss), ":Bode VSWR", SwitchText(V.BodeVswr), ":Bode Below Chart",
                     SwitchText(V.BodeBelowChart)});
  return L;
}

std::vector<std::string> WithViewSettings(std::vector<std::string> Lines, const TViewSettings& View) {
  const std::vector<std::string> New = ViewSettingLines(View);
  for (std::size_t k = 0; k < New.size(); k += 2) {
    const int Index = FindKeyLine(Lines, New[k]);
    if (Index < 0) continue;
    const auto Key = Lines.begin() + Index;
    Lines.erase(Key, Key + std::min<std::ptrdiff_t>(2, Lines.end() - Key));
  }
  Lines.insert(Lines.end(), New.begin(), New.end());
  return Lines;
}

std::vector<std::string> ApplyViewSettingLines(const std::vector<std::string>& List, TViewSettings& V) {
  const auto Circles = [](TCircleSet& Set, bool (*Proper)(double)) {
    return [&Set, Proper](const std::string& S) { Set.Values = ReadProper(S, Proper); };
  };
  const auto Colour = [](TCircleSet& Set) { return [&Set](const std::string& S) { Set.Color = ReadColor(S); }; };
  const TSetting Settings[] = {
      {":Admittance Grid", "Admittance Grid", [&](const std::string& S) { V.AdmittanceGrid = ReadSwitch(S); }},
      {":Circles VSWR", "Circles VSWR", Circles(V.Vswr, ProperVswrCircle)},
      {":Circle Colour VSWR", "Circle Colour VSWR", Colour(V.Vswr)},
      {":Circles Q", "Circles Q", Circles(V.Q, ProperQCircle)},
      {":Circle Colour Q", "Circle Colour Q", Colour(V.Q)},
      {":Circles R", "Circles R", Circles(V.R, ProperRCircle)},
      {":Circle Colour R", "Circle Colour R", Colour(V.R)},
      {":Circles X", "Circles X", Circles(V.X, ProperXCircle)},
      {":Circle Colour X", "Circle Colour X", Colour(V.X)},
      {":Bode Linear Spacing", "Bode Linear Spacing", [&](const std::string& S) { V.BodeLinearSpacing = ReadSwitch(S); }},
      {":Bode Return Loss", "Bode Return Loss", [&](const std::string& S) { V.BodeReturnLoss = ReadSwitch(S); }},
      {":Bode VSWR", "Bode VSWR", [&](const std::string& S) { V.BodeVswr = ReadSwitch(S); }},
      {":Bode Below Chart", "Bode Below Chart", [&](const std::string& S) { V.BodeBelowChart = ReadSwitch(S); }},
  };
  std::vector<std::string> Unused;
  for (const TSetting& S : Settings) {
    const int Index = FindKeyLine(List, S.Key);
    if (Index < 0) continue;
    try {
      if (static_cast<std::size_t>(Index) + 1 >= List.size()) throw EConvertError::InvalidFloat("");
      S.Apply(List[Index + 1]);
    } catch (const EConvertError&) {
      Unused.emplace_back(S.Name);
    }
  }
  return Unused;
}
