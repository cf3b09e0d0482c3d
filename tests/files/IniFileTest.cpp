#include "files/IniFile.h"

#include <gtest/gtest.h>

#include <tuple>

#include "FakeDialogs.h"
#include "FileTesting.h"
#include "network/NetCalc.h"

namespace {

// The window's preferences after its reset.
constexpr TPreferences Defaults{1e6, 2e5, 1e7, true, false};

const Lines DefaultFile{"#  Zomar INI-file", "#  Please do not edit !", "#", ":Frequency (Hz)", "100000000",
                        ":Start Frequency (Hz)", "80000000", ":Stop Frequency (Hz)", "125000000", ":Steps", "100",
                        ":Q", "0", ":Zn", "50", ":Major Mark", "1000000", ":Minor Mark", "200000",
                        ":UpDown Interval", "10000000", ":Normalized", "1", ":FullScreen", "0"};

Lines Apply(const Lines& File, TNetWork& Net, TPreferences& Prefs) { return ApplyIniLines(File, Net, Prefs); }

// Only "zomar.ini" in the working directory is the settings file, whatever the case of others.
TEST(IniFile, DefaultsAreSavedAndLoadedInTheWorkingDirectory) {
  TTempDir Dir;
  TNetWork Net, Loaded;
  TPreferences Prefs = Defaults, Saved{1.5e6, 3e5, 2.5e7, false, true};
  TViewSettings View, SavedView;
  SavedView.Q = {{0.5, 2}, 0x123456};
  SavedView.BodeBelowChart = true;
  Dir.Write("Zomar.Ini", CrLf(Replaced(DefaultFile, 14, "75")));
  EXPECT_FALSE(LoadIni(Loaded, Prefs, View));
  EXPECT_EQ(IniLines(Loaded, Prefs), DefaultFile);
  Net.SetFrequency(1.45e8);
  Net.Q = 120;
  SaveIni(Net, Saved, SavedView);
  Lines Written = IniLines(Net, Saved);
  const Lines ViewLines = ViewSettingLines(SavedView);
  Written.insert(Written.end(), ViewLines.begin(), ViewLines.end());
  EXPECT_EQ(Dir.Bytes("zomar.ini"), CrLf(Written));
  EXPECT_TRUE(LoadIni(Loaded, Prefs, View));
  EXPECT_EQ(IniLines(Loaded, Prefs), IniLines(Net, Saved));
  EXPECT_EQ(View, SavedView);
}

// Each setting on its own: one that does not convert keeps its value and is named, the others
// apply. The frequencies take prefixes, Q and Zn do not.
TEST(IniFile, ARejectedValueKeepsItsOwnValueOnly) {
  TFakeDialogs Dialogs;
  TNetWork Net;
  Net.SetZn(1);
  TPreferences Prefs;
  const Lines File = Replaced(Replaced(Replaced(Replaced(DefaultFile, 4, "145M"), 6, "80k"), 8, "2G"), 10, "7");
  EXPECT_EQ(Apply(Replaced(Replaced(File, 12, "abc"), 20, "x"), Net, Prefs), (Lines{"Q", "UpDown Interval"}));
  EXPECT_EQ(std::tuple(Net.ScanSteps, Net.Frequency, Net.ScanStart, Net.ScanStop, Net.Q, Net.Zn, Prefs.MajorMark),
            std::tuple(7, 1.45e8, 8e4, 2e9, 0.0, 50.0, 1e6));
  EXPECT_EQ(Prefs.UpDownInterval, 0);
  EXPECT_EQ(Apply(Replaced(File, 12, "1e2"), Net, Prefs), Lines{});
  EXPECT_EQ(Net.Q, 100);
  EXPECT_EQ(Apply(Replaced(DefaultFile, 14, "50k"), Net, Prefs), Lines{"Zn"});
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// A missing key or one without a value line keeps its value and is named; a switch is one byte.
TEST(IniFile, MissingValuesKeepTheirDefaults) {
  TNetWork Net;
  TPreferences Prefs = Defaults;
  Lines File = Replaced(DefaultFile, 22, "256");
  File.erase(File.begin() + 13, File.begin() + 15);
  EXPECT_EQ(Apply(File, Net, Prefs), Lines{"Zn"});
  EXPECT_EQ(std::pair(Net.Zn, Prefs.Normalized), std::pair(50.0, false));
  File.pop_back();
  Prefs.FullScreen = true;
  EXPECT_EQ(Apply(File, Net, Prefs), (Lines{"Zn", "FullScreen"}));
  EXPECT_TRUE(Prefs.FullScreen);
}

TEST(IniFile, AnEmptyFileCountsAsMissing) {
  TTempDir Dir;
  Dir.Write("zomar.ini", "");
  EXPECT_EQ(ReadIniFile(), std::nullopt);
}

}  // namespace
