#include "files/ViewSettings.h"

#include <gtest/gtest.h>

#include "FileTesting.h"
#include "platform/Errors.h"

namespace {

TViewSettings Changed() {
  TViewSettings V;
  V.AdmittanceGrid = true;
  V.Vswr = {{1.5, 2, 3}, 0x0000FF};
  V.Q = {{0.1}, 0xABCDEF};
  V.R = {{0, 25, 100}, 0x010203};
  V.X = {{-50, 12.5}, 0xFFFFFF};
  V.BodeLinearSpacing = V.BodeReturnLoss = V.BodeVswr = V.BodeBelowChart = true;
  return V;
}

// Everything written is read back as it was, colours and exact values included.
TEST(ViewSettings, RoundTrip) {
  TViewSettings Read;
  EXPECT_EQ(ApplyViewSettingLines(ViewSettingLines(Changed()), Read), Lines{});
  EXPECT_EQ(Read, Changed());
  const Lines Written = ViewSettingLines(Changed());
  EXPECT_EQ(Written[3], "1.5 2 3");
  EXPECT_EQ(Written[5], "#FF0000");
}

// A settings file of an older version has none of the keys: nothing changes, nothing is named.
// A value that does not read, or a circle out of its family's range, keeps its setting and is
// named; the others still apply.
TEST(ViewSettings, MissingKeysAreSilentAndBadOnesNamed) {
  TViewSettings V = Changed();
  EXPECT_EQ(ApplyViewSettingLines({":Frequency (Hz)", "100000000", ":Zn", "50"}, V), Lines{});
  EXPECT_EQ(V, Changed());
  Lines File = ViewSettingLines(TViewSettings{});
  File[3] = "1.5 0.5";  // a VSWR below 1
  File[5] = "#12345G";
  File[15] = "0";       // an X circle of 0 ohm is the axis
  EXPECT_EQ(ApplyViewSettingLines(File, V), (Lines{"Circles VSWR", "Circle Colour VSWR", "Circles X"}));
  EXPECT_EQ(V.Vswr, Changed().Vswr);
  EXPECT_EQ(V.X.Values, Changed().X.Values);
  EXPECT_FALSE(V.AdmittanceGrid);
  EXPECT_TRUE(V.Q.Values.empty());
  File.pop_back();  // the last key without its value line
  EXPECT_EQ(ApplyViewSettingLines(File, V).back(), "Bode Below Chart");
}

// The dialog's and the file's list: blanks, commas and semicolons separate; an empty text is no
// circle; a word is refused with the text named.
TEST(ViewSettings, CircleValueTexts) {
  EXPECT_EQ(ReadCircleValues(" 1.5, 2;3\t4 "), (std::vector<double>{1.5, 2, 3, 4}));
  EXPECT_TRUE(ReadCircleValues("").empty());
  EXPECT_THROW(ReadCircleValues("2 abc"), EConvertError);
  EXPECT_EQ(CircleValuesText({0.1, 1e-3, 150}), "0.1 0.001 150");
}

// Saving the view replaces its own lines wherever they stand and keeps every other line.
TEST(ViewSettings, ReplacedInAnExistingFile) {
  const Lines Base{"#", ":Zn", "50", ":Admittance Grid", "0", ":Q", "0"};
  const Lines Result = WithViewSettings(Base, Changed());
  Lines Expected{"#", ":Zn", "50", ":Q", "0"};
  const Lines View = ViewSettingLines(Changed());
  Expected.insert(Expected.end(), View.begin(), View.end());
  EXPECT_EQ(Result, Expected);
  EXPECT_EQ(WithViewSettings(Result, Changed()), Expected);
}

}  // namespace
