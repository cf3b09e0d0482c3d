#pragma once
// The settings file "zomar.ini" in the working directory: the working frequency, the scan
// settings, Q and Zn from the network, and the window's five preferences. Key lines and value
// lines as in the network file.
#include <optional>
#include <string>
#include <vector>

#include "files/ViewSettings.h"
#include "network/Network.h"

inline constexpr const char* IniFileName = "zomar.ini";

// The window's preferences that the file carries.
struct TPreferences {
  double MajorMark = 0, MinorMark = 0;  // Hz, the marker spacing on the scan trace
  double UpDownInterval = 0;            // Hz, the step of the Up/Dwn buttons
  bool Normalized = false, FullScreen = false;
};

// The 25 lines of the file.
std::vector<std::string> IniLines(const TNetWork& Net, const TPreferences& Prefs);

// Applies the file's values in order (steps, frequency, start, stop, Q, Zn, marks, interval,
// normalized, full screen), each on its own: a setting that is missing, has no value line or does
// not convert keeps the value it had, and its name ("Steps", "Start Frequency", ...) is returned.
// The frequency lines accept SI prefixes and show ParseValue's message; nothing else is shown.
std::vector<std::string> ApplyIniLines(const std::vector<std::string>& List, TNetWork& Net, TPreferences& Prefs);

// The lines of "zomar.ini" in the working directory; empty when there is no such file or it is
// empty. Raises EFileError when it exists but cannot be read.
std::optional<std::vector<std::string>> ReadIniFile();
// Replaces "zomar.ini" in the working directory, whole or not at all. Raises EFileError.
void WriteIniFile(const std::vector<std::string>& Lines);

// ReadIniFile, then ApplyIniLines and ApplyViewSettingLines: false, changing nothing, when there
// is no file.
bool LoadIni(TNetWork& Net, TPreferences& Prefs, TViewSettings& View);
// IniLines and ViewSettingLines, then WriteIniFile.
void SaveIni(const TNetWork& Net, const TPreferences& Prefs, const TViewSettings& View);
