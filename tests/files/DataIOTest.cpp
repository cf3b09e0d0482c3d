#include "files/DataIO.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <random>
#include <tuple>

#include "FakeDialogs.h"
#include "FileTesting.h"
#include "files/TextFile.h"
#include "network/NetCalc.h"

namespace {

using enum TElementType;

const Lines ExampleFile{"#", "#   Simple Network File (*.snf)", "#", "#  Computer generated file", "#",
                        "#  Please do not edit !", "#", ":Circuit name", "match1.snf", ":Creator", "Zomar",
                        ":NrofElements", "5", ":Frequency (Hz)", "100000000", ":Start Frequency (Hz)", "80000000",
                        ":Stop Frequency (Hz)", "125000000", ":Steps", "100", ":Q", "0", ":Zn", "50", ":Rg", "0",
                        "#", ":Element data", ":0", "None", "50", "-30", ":1", "Cs", "1E-11", ":2", "Line", "0.4",
                        "0.4", "50", "0.67", "5", "10000000", ":3", "None", "0", ":4", "None", "0", ":5", "None",
                        "0"};

// What a file holds of a network, to 15 significant digits.
Lines Saved(const TNetWork& Net) { return SnfLines(Net, "same.snf"); }

void SaveAndLoad(TNetWork& Net, const std::string& FileName, TNetWork& Copy) {
  TFakeDialogs Dialogs;
  Dialogs.FileAnswers = {FileName, FileName};
  SaveSnf(Net);
  EXPECT_EQ(CurrentFileName, FileName);  // the next save dialog offers it
  LoadSnf(Copy);
}

std::string Read(const std::string& Text, TNetWork& Net) {
  return ErrorOf([&] { ReadSnfLines(SplitLines(Text), Net); });
}

TEST(Snf, TheExampleIsWrittenByteForByteAndReadBack) {
  TTempDir Dir;
  TNetWork Net, Copy;
  Net.SetNrOfElements(5);
  Net.Creator = "Zomar";
  Net.Elements[1].SetValue(50);
  Net.Elements[0].SetValue(-30);
  Net.Elements[2].SetElementType(Cs);
  Net.Elements[2].SetValue(1e-11);
  Net.Elements[3].SetElementType(Line);
  Net.Elements[3].SetLineLength(0.4);
  SaveAndLoad(Net, Dir / "match1.snf", Copy);
  EXPECT_EQ(Dir.Bytes("match1.snf"), CrLf(ExampleFile));
  EXPECT_EQ(Saved(Copy), Saved(Net));
  EXPECT_EQ(Copy.Title, "Network file: match1.snf");
  EXPECT_EQ(Copy.Elements[3].Value, 0.4);
  EXPECT_EQ(CircuitName("c:\\nets\\a.sbp.sbp.snf"), "a.sbp.snf");
}

// Values from every corner of the double range; creators full of key marks, blanks and high bytes.
// Ordinary frequencies and line lengths keep a line's electrical length inside the double range.
void FillRandomly(TNetWork& Net, std::mt19937_64& Random) {
  const auto Pick = [&](std::uint64_t n) { return Random() % n; };
  const auto Ordinary = [&] {
    return (Pick(2) ? -1 : 1) * std::pow(10.0, std::uniform_real_distribution<double>(-15, 12)(Random));
  };
  const auto Any = [&] {
    const std::array Edges{0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -1e-320, 9.99999999999999e307};
    const double D = Pick(3) ? std::bit_cast<double>(Random()) : Edges[Pick(Edges.size())];
    return std::isfinite(D) ? D : Ordinary();
  };
  Net.SetNrOfElements(2 + static_cast<int>(Pick(29)));
  Net.SetFrequency(Ordinary());
  for (double* V : {&Net.ScanStart, &Net.ScanStop, &Net.Q, &Net.Zn, &Net.Rg, &Net.Elements[0].Value}) *V = Any();
  Net.ScanSteps = std::array{INT_MIN, -1, 0, INT_MAX, static_cast<int>(Random())}[Pick(5)];
  for (std::uint64_t n = Pick(6); n > 0; --n)
    Net.Creator += std::array{":Q", ":1", ":NrofElements", "#", " ", "\t", ":Element data", "\xE9"}[Pick(8)];
  for (int Slot = 1; Slot <= Net.NrOfElements + 1; ++Slot) {
    TElement& E = Net.Elements[Slot];
    E.SetElementType(static_cast<TElementType>(Pick(11)));
    for (double* V : {&E.Value, &E.Z0, &E.VelocityFactor, &E.Attenuation, &E.AttenuationFreq}) *V = Any();
    if (HasLineData(E.ElementType)) E.LineLength = E.Value = Ordinary();
  }
}

// File names and creators that hold key texts once made files fail to load.
TEST(Snf, RandomNetworksComeBackTo15Digits) {
  TTempDir Dir;
  std::mt19937_64 Random(1);
  const std::array Names{"plain.snf", "x:Q.snf", "a:1.snf", ":Steps.snf", "#.snf", " :Zn .snf", "o.sbp.snf"};
  for (int Trial = 0; Trial < 300; ++Trial) {
    const std::string Name = Names[Trial % Names.size()];
    TNetWork Original, Copy;
    FillRandomly(Original, Random);
    SaveAndLoad(Original, Name, Copy);
    ASSERT_EQ(Saved(Copy), Saved(Original)) << "trial " << Trial;
    EXPECT_EQ(Copy.Creator, Original.Creator);
    EXPECT_EQ(Copy.Title, "Network file: " + CircuitName(Name));
  }
}

// Each stub keeps its own line data, written after its value as a line's are.
TEST(Snf, StubsComeBackWithTheirLineData) {
  TTempDir Dir;
  TNetWork Net, Copy;
  Net.SetNrOfElements(3);
  const struct {
    TElementType Type;
    double Length, Z0, VelocityFactor, Attenuation, AttenuationFreq;
  } Stubs[] = {{OpenStub, 0.125, 75, 0.8, 2.5, 1e8}, {ShortStub, 0.3, 35, 0.66, 0, 3e7}};
  int Slot = 2;
  for (const auto& S : Stubs) {
    TElement& E = Net.Elements[Slot++];
    E.SetElementType(S.Type);
    E.SetZ0(S.Z0);
    E.SetVelocityFactor(S.VelocityFactor);
    E.SetAttenuation(S.Attenuation);
    E.SetAttenuationFreq(S.AttenuationFreq);
    E.SetLineLength(S.Length);
  }
  SaveAndLoad(Net, Dir / "stubs.snf", Copy);
  const Lines File = Saved(Net);
  const auto At = std::find(File.begin(), File.end(), ":2");
  ASSERT_NE(At, File.end());
  EXPECT_EQ(Lines(At, At + 8), (Lines{":2", "ShortStub", "0.3", "0.3", "35", "0.66", "0", "30000000"}));
  Slot = 2;
  for (const auto& S : Stubs) {
    const TElement& E = Copy.Elements[Slot++];
    EXPECT_EQ(std::tuple(E.ElementType, E.Value, E.LineLength, E.Z0, E.VelocityFactor, E.Attenuation, E.AttenuationFreq),
              std::tuple(S.Type, S.Length, S.Length, S.Z0, S.VelocityFactor, S.Attenuation, S.AttenuationFreq));
  }
}

struct TBadFile {
  const char* Name;
  std::size_t Line;
  const char* NewLine;  // nullptr: the file ends before Line
  const char* Error;
};

void PrintTo(const TBadFile& C, std::ostream* Os) { *Os << C.Name; }

class BadSnf : public ::testing::TestWithParam<TBadFile> {};

TEST_P(BadSnf, FailsWithItsText) {
  Lines File = ExampleFile;
  if (GetParam().NewLine)
    File.at(GetParam().Line) = GetParam().NewLine;
  else
    File.resize(GetParam().Line);
  TNetWork Net;
  EXPECT_EQ(Read(CrLf(File), Net), GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(
    Snf, BadSnf,
    ::testing::ValuesIn(std::vector<TBadFile>{
        {"Empty", 0, nullptr, "Bad snf-file, Could not find :NrofElements"},
        {"NoSteps", 19, "#", "Bad snf-file, Could not find :Steps"},
        {"NoBlock3", 44, "#", "Bad snf-file, Could not find :3"},
        {"NoElementHeader", 28, "#", "Bad snf-file, Could not find :Element"},
        {"CountAbove30", 12, "40", "Bad snf-file, Could not find :6"},
        {"KeyOnTheLastLine", 26, nullptr, "Bad snf-file, Could not find the value of :Rg"},
        {"CutInLineData", 41, nullptr, "Bad snf-file, Could not find the value of :2"},
        {"CutAfterType", 52, nullptr, "Bad snf-file, Could not find the value of :5"},
        {"QNotANumber", 22, "abc", "'abc' is not a valid floating point value"},
        {"BinaryInAValue", 24, "5\x01\xff", "'5\x01\xff' is not a valid floating point value"},
        {"FrequencyOutOfRange", 14, "1e999", "'1e999' is not a valid floating point value"},
        {"PrefixInAValue", 35, "10p", "'10p' is not a valid floating point value"},
        {"StepsNotAnInteger", 20, "1.5", "'1.5' is not a valid integer value"},
        {"CountBeyondInt", 12, "99999999999", "'99999999999' is not a valid integer value"}}));

TEST(Snf, AFailedLoadKeepsWhatItReadBefore) {
  TNetWork Net;
  Net.SetZn(1);
  EXPECT_NE(Read(CrLf(Replaced(Replaced(ExampleFile, 12, "7"), 22, "abc")), Net), "");
  EXPECT_EQ(std::tuple(Net.NrOfElements, Net.Title, Net.Zn), std::tuple(7, "Network file: match1.snf", 1.0));
  EXPECT_NE(Read(CrLf(Replaced(ExampleFile, 44, "#")), Net), "");
  EXPECT_EQ(Net.Elements[3].ElementType, Line);
}

// The byte-order mark comes before a key line here. Counts below 2 read as 2; an empty type line
// leaves its slot as it was.
TEST(Snf, OtherLineEndsAByteOrderMarkBlanksLongLinesAndSmallCountsLoad) {
  TNetWork Expected, Net;
  ASSERT_EQ(Read(CrLf(ExampleFile), Expected), "");
  std::string Lf, Cr, Blanks;
  for (const std::string& L : ExampleFile) {
    Lf += L + "\n";
    Cr += L + "\r";
    Blanks += L == "Zomar" ? L + "\r\n" : " \t" + L + " \t \r\n";
  }
  const std::string Marked = "\xEF\xBB\xBF" + CrLf(Lines(ExampleFile.begin() + 9, ExampleFile.end()));
  for (const std::string& Text : {Lf, Cr, Lf.substr(0, Lf.size() - 1), Marked, Blanks}) {
    EXPECT_EQ(Read(Text, Net), "");
    EXPECT_EQ(Saved(Net), Saved(Expected));
  }
  const Lines Long =
      Replaced(Replaced(ExampleFile, 10, std::string(500000, 'z')), 24, "0.1" + std::string(400000, '0'));
  EXPECT_EQ(Read(CrLf(Long), Net), "");
  EXPECT_EQ(std::tuple(Net.Creator.size(), Net.Zn), std::tuple(500000u, 0.1));
  for (const char* Count : {"0", "-2147483648"}) {
    EXPECT_EQ(Read(CrLf(Replaced(ExampleFile, 12, Count)), Net), "");
    EXPECT_EQ(Net.NrOfElements, 2);
  }
  Net.Elements[4].SetElementType(Rp);
  EXPECT_EQ(Read(CrLf(Replaced(ExampleFile, 45, "")), Net), "");
  EXPECT_EQ(Net.Elements[4].ElementType, Rp);
}

// Sections and blocks in reverse order, comments between them and shortened keys: ':1' is found
// after ':10'.
TEST(Snf, ReorderedFilesLoad) {
  TNetWork Net, Copy;
  Net.SetNrOfElements(12);
  for (int Slot = 2; Slot <= 13; ++Slot) {
    Net.Elements[Slot].SetElementType(Ls);
    Net.Elements[Slot].SetValue(Slot * 1e-9);
  }
  const Lines File = Saved(Net);
  Lines Reordered;
  for (std::size_t End = File.size(); End > 7;) {
    std::size_t Begin = End - 1;  // back to the key line that follows a value line
    while (File[Begin][0] != ':' || File[Begin - 1][0] == ':') --Begin;
    Reordered.push_back(File[Begin].substr(0, File[Begin].find(' ')));
    Reordered.insert(Reordered.end(), File.begin() + Begin + 1, File.begin() + End);
    Reordered.push_back("# comment");
    End = Begin;
  }
  EXPECT_EQ(Read(CrLf(Reordered), Copy), "");
  EXPECT_EQ(Saved(Copy), File);
}

}  // namespace
