// The settings file seen from the window: written on request from the preferences dialog, read
// at every reset.
#include <QLineEdit>

#include "files/IniFile.h"
#include "ui/Zomarun.h"

TPreferences TForm1::Preferences() const { return {MajorMark, MinorMark, UpDownInterval, Normalized, FullScreen}; }

void TForm1::SetPreferences(const TPreferences& Prefs) {
  MajorMark = Prefs.MajorMark;
  MinorMark = Prefs.MinorMark;
  UpDownInterval = Prefs.UpDownInterval;
  Normalized = Prefs.Normalized;
  FullScreen = Prefs.FullScreen;
}

void TForm1::BewaarIni() { SaveIni(*Net, Preferences()); }

// Each setting the file gets wrong keeps its default and the reset goes on; what could not be
// used is returned as one message for the end of the reset, empty when all went well.
std::string TForm1::HaalIni() {
  std::optional<std::vector<std::string>> Lines;
  try {
    Lines = ReadIniFile();
  } catch (const EFileError& Error) {
    return std::string(Error.what()) + "\nThe settings keep their defaults.";
  }
  if (!Lines) return {};
  const double Frequency = Net->GetFrequency(), Zn = Net->GetZn();
  TPreferences Prefs = Preferences();
  const std::vector<std::string> Unused = ApplyIniLines(*Lines, *Net, Prefs);
  SetPreferences(Prefs);
  RefuseImproperValues(Frequency, Zn);
  ShowFrequency(Net->GetFrequency(), 4);
  ShowZn(Net->GetZn(), "");
  HeightReserve = FullScreen ? 0 : 26;
  ApplyHeight();
  if (Unused.empty()) return {};
  std::string Names;
  for (const std::string& Name : Unused) Names += (Names.empty() ? "" : ", ") + Name;
  return std::string(IniFileName) + ": could not use " + Names + "; they keep their defaults.";
}
