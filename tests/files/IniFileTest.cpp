#include "files/IniFile.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "network/NetCalc.h"

namespace {

using Lines = std::vector<std::string>;

// The window's values after its reset.
TPreferences DefaultPreferences() { return {1e6, 2e5, 1e7, true, false}; }

const Lines DefaultFile{"#  Zomar INI-file", "#  Please do not edit !", "#", ":Frequency (Hz)", "100000000",
                        ":Start Frequency (Hz)", "80000000", ":Stop Frequency (Hz)", "125000000", ":Steps", "100",
                        ":Q", "0", ":Zn", "50", ":Major Mark", "1000000", ":Minor Mark", "200000",
                        ":UpDown Interval", "10000000", ":Normalized", "1", ":FullScreen", "0"};

Lines Replaced(Lines L, std::size_t Index, const std::string& Line) {
  L.at(Index) = Line;
  return L;
}

TEST(IniFile, TheDefaultsGiveTheDocumentedLines) {
  const TNetWork Net;
  EXPECT_EQ(IniLines(Net, DefaultPreferences()), DefaultFile);
}

TEST(IniFile, IsSavedAndLoadedInTheWorkingDirectory) {
  TTempDir Dir;
  TNetWork Net, Loaded;
  const TPreferences Prefs{1.5e6, 3e5, 2.5e7, false, true};
  Net.SetFrequency(1.45e8);
  Net.ScanSteps = 250;
  Net.Q = 120;
  Net.SetZn(75);
  SaveIni(Net, Prefs);
  EXPECT_EQ(Dir.Bytes("zomar.ini"), CrLf(IniLines(Net, Prefs)));
  TPreferences LoadedPrefs = DefaultPreferences();
  EXPECT_TRUE(LoadIni(Loaded, LoadedPrefs));
  EXPECT_EQ(IniLines(Loaded, LoadedPrefs), IniLines(Net, Prefs));
}

// Only "zomar.ini" is the settings file, also where names differ by case.
TEST(IniFile, WithoutTheFileNothingChanges) {
  TTempDir Dir;
  Dir.Write("Zomar.Ini", CrLf(Replaced(DefaultFile, 14, "75")));
  TNetWork Net;
  TPreferences Prefs = DefaultPreferences();
  EXPECT_FALSE(LoadIni(Net, Prefs));
  EXPECT_EQ(IniLines(Net, Prefs), DefaultFile);
}

TEST(IniFile, FrequencyLinesTakePrefixesTheOthersPlainNumbers) {
  TNetWork Net;
  TPreferences Prefs;
  ApplyIniLines(Replaced(Replaced(DefaultFile, 4, "145M"), 12, "1e2"), Net, Prefs);
  EXPECT_EQ(Net.Frequency, 1.45e8);
  EXPECT_EQ(Net.Q, 100);
  EXPECT_THROW(ApplyIniLines(Replaced(DefaultFile, 14, "50k"), Net, Prefs), EConvertError);
}

TEST(IniFile, ARejectedValueStopsThereAndKeepsWhatCameBefore) {
  TNetWork Net;
  Net.SetZn(1);
  TPreferences Prefs;
  try {
    ApplyIniLines(Replaced(Replaced(DefaultFile, 4, "2G"), 12, "abc"), Net, Prefs);
    FAIL() << "no error";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "'abc' is not a valid floating point value");
  }
  EXPECT_EQ(Net.Frequency, 2e9);
  EXPECT_EQ(Net.ScanStop, 1.25e8);
  EXPECT_EQ(Net.Zn, 1);
  EXPECT_EQ(Prefs.MajorMark, 0);
  try {
    ApplyIniLines(Lines(DefaultFile.begin(), DefaultFile.end() - 1), Net, Prefs);
    FAIL() << "no error";
  } catch (const EFileError& E) {
    EXPECT_STREQ(E.what(), "zomar.ini: no value line after :FullScreen");
  }
  EXPECT_TRUE(Prefs.Normalized);
}

TEST(IniFile, AMissingKeyGivesZero) {
  TNetWork Net;
  TPreferences Prefs = DefaultPreferences();
  Lines File = Replaced(DefaultFile, 22, "2");  // a switch is one byte: anything but 0 is on
  File.erase(File.begin() + 13, File.begin() + 15);
  ApplyIniLines(File, Net, Prefs);
  EXPECT_EQ(Net.Zn, 0);
  EXPECT_TRUE(Prefs.Normalized);
  ApplyIniLines({}, Net, Prefs);
  EXPECT_EQ(Net.Frequency, 0);
  EXPECT_FALSE(Prefs.Normalized);
}

}  // namespace
