#include "files/IniFile.h"

#include <cstdint>
#include <filesystem>
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
  return {"#  Zomar INI-file",
          "#  Please do not edit !",
          "#",
          ":Frequency (Hz)",
          FileNumber(Net.Frequency),
          ":Start Frequency (Hz)",
          FileNumber(Net.ScanStart),
          ":Stop Frequency (Hz)",
          FileNumber(Net.ScanStop),
          ":Steps",
          std::to_string(Net.ScanSteps),
          ":Q",
          FileNumber(Net.Q),
          ":Zn",
          FileNumber(Net.Zn),
          ":Major Mark",
          FileNumber(Prefs.MajorMark),
          ":Minor Mark",
          FileNumber(Prefs.MinorMark),
          ":UpDown Interval",
          FileNumber(Prefs.UpDownInterval),
          ":Normalized",
          Prefs.Normalized ? "1" : "0",
          ":FullScreen",
          Prefs.FullScreen ? "1" : "0"};
}

void ReadFrom(const std::vector<std::string>& List, const std::string& Key, std::string& Value) {
  const int Index = FindKeyLine(List, Key);
  if (Index < 0) {
    Value.assign(1, '0');  // not = "0": GCC 12 warns falsely (-Wrestrict) on that after inlining
    return;
  }
  if (static_cast<std::size_t>(Index) + 1 >= List.size()) throw EFileError(IniFileName, "no value line after " + Key);
  Value = List[Index + 1];
}

void ApplyIniLines(const std::vector<std::string>& List, TNetWork& Net, TPreferences& Prefs) {
  std::string V;
  ReadFrom(List, ":Steps", V);
  Net.ScanSteps = StrToInt(V);
  ReadFrom(List, ":Frequency", V);
  Net.SetFrequency(PrefixedValue(V));
  ReadFrom(List, ":Start", V);
  Net.ScanStart = PrefixedValue(V);
  ReadFrom(List, ":Stop", V);
  Net.ScanStop = PrefixedValue(V);
  ReadFrom(List, ":Q", V);
  Net.Q = FileFloat(V);
  ReadFrom(List, ":Zn", V);
  Net.SetZn(FileFloat(V));
  ReadFrom(List, ":Major", V);
  Prefs.MajorMark = FileFloat(V);
  ReadFrom(List, ":Minor", V);
  Prefs.MinorMark = FileFloat(V);
  ReadFrom(List, ":UpDown", V);
  Prefs.UpDownInterval = FileFloat(V);
  ReadFrom(List, ":Normalized", V);
  Prefs.Normalized = Switch(V);
  ReadFrom(List, ":FullScreen", V);
  Prefs.FullScreen = Switch(V);
}

std::optional<std::vector<std::string>> ReadIniFile() {
  std::error_code Ec;
  if (std::filesystem::status(IniFileName, Ec).type() == std::filesystem::file_type::not_found) return std::nullopt;
  return ReadLines(IniFileName);
}

void WriteIniFile(const std::vector<std::string>& Lines) { WriteLines(IniFileName, Lines); }

bool LoadIni(TNetWork& Net, TPreferences& Prefs) {
  const auto Lines = ReadIniFile();
  if (!Lines) return false;
  ApplyIniLines(*Lines, Net, Prefs);
  return true;
}

void SaveIni(const TNetWork& Net, const TPreferences& Prefs) { WriteIniFile(IniLines(Net, Prefs)); }
