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

// A value the file gets wrong ends the reading there: what was read before it stays, and the
// window shows it.
bool TForm1::HaalIni() {
  const std::optional<std::vector<std::string>> Lines = ReadIniFile();
  if (!Lines) return false;
  TPreferences Prefs = Preferences();
  const double ZnBefore = Net->GetZn();
  try {
    ApplyIniLines(*Lines, *Net, Prefs);
  } catch (...) {
    SetPreferences(Prefs);
    FreqText->setText(QString::fromStdString(FormatValue(4, "Hz", Net->GetFrequency())));
    if (Net->GetZn() != ZnBefore) ZnEdit->setText(QString::fromStdString(FormatValue(3, "", Net->GetZn())));
    throw;
  }
  SetPreferences(Prefs);
  FreqText->setText(QString::fromStdString(FormatValue(4, "Hz", Net->GetFrequency())));
  ZnEdit->setText(QString::fromStdString(FormatValue(3, "", Net->GetZn())));
  HeightReserve = FullScreen ? 0 : 26;
  ApplyHeight();
  return true;
}
