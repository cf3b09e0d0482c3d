#include "files/IniFile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <system_error>

#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/NumberText.h"
#include "network/ValueText.h"
#include "platform/Errors.h"

namespace {

// The frequency lines take SI prefixes.
double PrefixedValue(const std::string& S) {
  if (const auto V = LargestDouble(S)) return *V;
  return ParseValue(S, "");
}

// The switches are kept in one byte: any byte but 0 is on.
bool Switch(const std::string& S) { return static_cast<std::uint8_t>(StrToInt(S)) != 0; }

}  // namespace

std::vector<std::string> IniLines(const TNetWork& Net, const TPreferences& Prefs) {
  std::vector<std::string> L{"#  Zomar INI-file", "#  Please do not edit !", "#"};
  const std::vector<std::string> Scan = ScanSettingLines(Net);
  L.insert(L.end(), Scan.begin(), Scan.end());
  L.insert(L.end(), {":Major Mark", FileNumber(Prefs.MajorMark), ":Minor Mark", FileNumber(Prefs.MinorMark),
                     ":UpDown Interval", FileNumber(Prefs.UpDownInterval), ":Normalized",
                     Prefs.Normalized ? "1" : "0", ":FullScreen", Prefs.FullScreen ? "1" : "0"});
  return L;
}

std::vector<std::string> ApplyIniLines(const std::vector<std::string>& List, TNetWork& Net, TPreferences& Prefs) {
  struct TSetting {
    const char* Key;
    const char* Name;
    std::function<void(const std::string&)> Apply;
  };
  const TSetting Settings[] = {
      {":Steps", "Steps", [&](const std::string& V) { Net.ScanSteps = StrToInt(V); }},
      {":Frequency", "Frequency", [&](const std::string& V) { Net.SetFrequency(PrefixedValue(V)); }},
      {":Start", "Start Frequency", [&](const std::string& V) { Net.ScanStart = PrefixedValue(V); }},
      {":Stop", "Stop Frequency", [&](const std::string& V) { Net.ScanStop = PrefixedValue(V); }},
      {":Q", "Q", [&](const std::string& V) { Net.Q = FileFloat(V); }},
      {":Zn", "Zn", [&](const std::string& V) { Net.SetZn(FileFloat(V)); }},
      {":Major", "Major Mark", [&](const std::string& V) { Prefs.MajorMark = FileFloat(V); }},
      {":Minor", "Minor Mark", [&](const std::string& V) { Prefs.MinorMark = FileFloat(V); }},
      {":UpDown", "UpDown Interval", [&](const std::string& V) { Prefs.UpDownInterval = FileFloat(V); }},
      {":Normalized", "Normalized", [&](const std::string& V) { Prefs.Normalized = Switch(V); }},
      {":FullScreen", "FullScreen", [&](const std::string& V) { Prefs.FullScreen = Switch(V); }},
  };
  std::vector<std::string> Unused;
  for (const TSetting& S : Settings) {
    const int Index = FindKeyLine(List, S.Key);
    const bool HasValue = Index >= 0 && static_cast<std::size_t>(Index) + 1 < List.size();
    try {
      if (HasValue) S.Apply(List[Index + 1]);
    } catch (const EConvertError&) {
      Unused.emplace_back(S.Name);
      continue;
    }
    if (!HasValue) Unused.emplace_back(S.Name);
  }
  return Unused;
}

std::optional<std::vector<std::string>> ReadIniFile() {
  std::error_code Ec;
  const auto Status = std::filesystem::status(IniFileName, Ec);
  if (Status.type() == std::filesystem::file_type::not_found) return std::nullopt;
  if (std::filesystem::is_regular_file(Status) && std::filesystem::file_size(IniFileName, Ec) == 0) return std::nullopt;
  return ReadLines(IniFileName);
}

void WriteIniFile(const std::vector<std::string>& Lines) { WriteLines(IniFileName, Lines); }

bool LoadIni(TNetWork& Net, TPreferences& Prefs, TViewSettings& View) {
  const auto Lines = ReadIniFile();
  if (!Lines) return false;
  ApplyIniLines(*Lines, Net, Prefs);
  ApplyViewSettingLines(*Lines, View);
  return true;
}

void SaveIni(const TNetWork& Net, const TPreferences& Prefs, const TViewSettings& View) {
  std::vector<std::string> Lines = IniLines(Net, Prefs);
  const std::vector<std::string> ViewLines = ViewSettingLines(View);
  Lines.insert(Lines.end(), ViewLines.begin(), ViewLines.end());
  WriteIniFile(Lines);
}
