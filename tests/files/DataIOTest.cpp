#include "files/DataIO.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>

#include "FakeDialogs.h"
#include "TempDir.h"
#include "network/NetCalc.h"

namespace {

using Lines = std::vector<std::string>;

// A load of 50 - j30 ohm, 10 pF in series at position 1, a 0.4 m line with the default line data
// at position 2.
void BuildExample(TNetWork& Net) {
  Net.SetNrOfElements(5);
  Net.Creator = "Zomar";
  Net.Elements[1].SetValue(50);
  Net.Elements[0].SetValue(-30);
  Net.Elements[2].SetElementType(TElementType::Cs);
  Net.Elements[2].SetValue(1e-11);
  Net.Elements[3].SetElementType(TElementType::Line);
  Net.Elements[3].SetLineLength(0.4);
}

const Lines ExampleFile{"#", "#   Simple Network File (*.snf)", "#", "#  Computer generated file", "#",
                        "#  Please do not edit !", "#", ":Circuit name", "match1.snf", ":Creator", "Zomar",
                        ":NrofElements", "5", ":Frequency (Hz)", "100000000", ":Start Frequency (Hz)", "80000000",
                        ":Stop Frequency (Hz)", "125000000", ":Steps", "100", ":Q", "0", ":Zn", "50", ":Rg", "0",
                        "#", ":Element data", ":0", "None", "50", "-30", ":1", "Cs", "1E-11", ":2", "Line", "0.4",
                        "0.4", "50", "0.67", "5", "10000000", ":3", "None", "0", ":4", "None", "0", ":5", "None",
                        "0"};

// What a file holds of a network, to 15 significant digits.
Lines Saved(const TNetWork& Net) { return SnfLines(Net, "same.snf"); }

Lines Replaced(Lines L, std::size_t Index, const std::string& Line) {
  L.at(Index) = Line;
  return L;
}

// Every test starts with no file opened or saved, in a directory of its own.
class Snf : public ::testing::Test {
protected:
  Snf() { CurrentFileName.clear(); }
  ~Snf() override { CurrentFileName.clear(); }

  void Save(TNetWork& Net, const std::string& Name) {
    Dialogs.FileAnswers.push_back(Dir / Name);
    SaveSnf(Net);
  }
  void Load(TNetWork& Net, const std::string& Name) {
    Dialogs.FileAnswers.push_back(Dir / Name);
    LoadSnf(Net);
  }
  // Loads Text into Net; the error text, or empty when it loaded. A load never writes.
  std::string LoadText(TNetWork& Net, const std::string& Text) {
    Dir.Write("in.snf", Text);
    std::string Error;
    try {
      Load(Net, "in.snf");
    } catch (const ESnfError& E) {
      Error = E.what();
    } catch (const EConvertError& E) {
      Error = E.what();
    }
    EXPECT_EQ(Dir.Entries(), Lines{"in.snf"});
    return Error;
  }

  TTempDir Dir;
  TFakeDialogs Dialogs;
};

TEST_F(Snf, TheExampleIsWrittenByteForByteAndReadBack) {
  TNetWork Net, Copy;
  BuildExample(Net);
  Save(Net, "match1.snf");
  EXPECT_EQ(Dir.Bytes("match1.snf"), CrLf(ExampleFile));
  EXPECT_EQ(CurrentFileName, Dir / "match1.snf");
  Load(Copy, "match1.snf");
  EXPECT_EQ(Saved(Copy), Saved(Net));
  EXPECT_EQ(Copy.Title, "Network file: match1.snf");
  EXPECT_EQ(Copy.Elements[3].Value, 0.4);
}

TEST_F(Snf, DialogsGetTheFilterTheExtensionAndTheCurrentName) {
  TNetWork Net, Expected;
  BuildExample(Net);
  BuildExample(Expected);
  CurrentFileName = "/nets/old.snf";
  SaveSnf(Net);  // both cancelled
  LoadSnf(Net);
  ASSERT_EQ(Dialogs.FileRequests.size(), 2u);
  for (const auto& R : Dialogs.FileRequests) {
    EXPECT_EQ(R.Filter, "Zomar files (*.snf)|*.snf|All files (*.*)|*.*");
    EXPECT_EQ(R.DefaultExt, "snf");
  }
  EXPECT_TRUE(Dialogs.FileRequests[0].Save);
  EXPECT_EQ(Dialogs.FileRequests[0].InitialName, "/nets/old.snf");
  EXPECT_EQ(CurrentFileName, "/nets/old.snf");
  EXPECT_TRUE(Dir.Entries().empty());
  EXPECT_EQ(Saved(Net), Saved(Expected));
}

TEST(CircuitNameOf, DropsTheDirectoryAndTheFirstSbp) {
  EXPECT_EQ(CircuitName("c:\\nets\\match1.snf"), "match1.snf");
  EXPECT_EQ(CircuitName("/home/me/x:Q.snf"), "x:Q.snf");
  EXPECT_EQ(CircuitName("a.sbp.sbp.snf"), "a.sbp.snf");
}

// --- Round trip ------------------------------------------------------------------------------------

class TRandomNetwork {
public:
  explicit TRandomNetwork(unsigned Seed) : Random(Seed) {}

  void Fill(TNetWork& Net) {
    Net.SetNrOfElements(2 + static_cast<int>(Pick(29)));
    const bool Lines = Pick(2) == 0;  // keeps a line's electrical length inside the double range
    Net.SetFrequency(Lines ? Ordinary() : Extreme());
    Net.ScanStart = Extreme();
    Net.ScanStop = Extreme();
    const int Steps[] = {INT_MIN, -1, 0, 100, INT_MAX, static_cast<int>(Random())};
    Net.ScanSteps = Steps[Pick(6)];
    Net.Q = Extreme();
    Net.SetZn(Extreme());
    Net.Rg = Extreme();
    Net.Creator = Creator();
    Net.Elements[0].SetValue(Extreme());
    for (int Slot = 1; Slot <= Net.NrOfElements + 1; ++Slot) {  // the load's slot too
      TElement& E = Net.Elements[Slot];
      E.SetElementType(static_cast<TElementType>(Pick(9)));
      if (!Lines && E.ElementType == TElementType::Line) E.SetElementType(TElementType::Stub);
      E.Value = Extreme();
      if (E.ElementType != TElementType::Line) continue;
      E.LineLength = E.Value = Ordinary();
      E.SetZ0(Extreme());
      E.SetVelocityFactor(Extreme());
      E.SetAttenuation(Extreme());
      E.SetAttenuationFreq(Extreme());
    }
  }

private:
  double Extreme() {
    const double Edges[] = {0, DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e-320, 9.99999999999999e307};
    switch (Pick(4)) {
      case 0: return Sign() * Edges[Pick(6)];
      case 1: {  // fifteen digits anywhere in the range
        const std::string Text = std::to_string(Pick(900000000000000) + 100000000000000) + "e" +
                                 std::to_string(static_cast<int>(Pick(615)) - 322);
        return Sign() * std::strtod(Text.c_str(), nullptr);
      }
      case 2: return Ordinary();
      default: {
        double D = NAN;
        while (!std::isfinite(D)) {
          const std::uint64_t Bits = Random();
          std::memcpy(&D, &Bits, sizeof D);
        }
        return D;
      }
    }
  }
  double Ordinary() { return Sign() * std::pow(10.0, std::uniform_real_distribution<double>(-15, 12)(Random)); }
  // Key texts, comment marks, blanks at the ends and high bytes.
  std::string Creator() {
    const char* Pieces[] = {":Q", ":1", ":NrofElements", "#", " ", "\t", "Zomar", ":Element data", "\xE9"};
    std::string S;
    for (std::uint64_t n = Pick(6); n > 0; --n) S += Pieces[Pick(9)];
    return S;
  }
  double Sign() { return Pick(2) ? -1.0 : 1.0; }
  std::uint64_t Pick(std::uint64_t n) { return Random() % n; }

  std::mt19937_64 Random;
};

// Names and creators that hold key texts once made the file fail to load.
TEST_F(Snf, RandomNetworksComeBackTo15Digits) {
  const std::string Names[] = {"plain.snf", "x:Q.snf", "a:1.snf", ":Steps.snf", "#.snf", " :Zn .snf", "o.sbp.snf"};
  for (unsigned Seed = 0; Seed < 300; ++Seed) {
    SCOPED_TRACE(Seed);
    TRandomNetwork Random(Seed);
    TNetWork Original, Copy;
    Random.Fill(Original);
    const std::string Name = Names[Seed % 7];
    Save(Original, Name);
    Load(Copy, Name);
    EXPECT_EQ(Saved(Copy), Saved(Original));
    EXPECT_EQ(Copy.Creator, Original.Creator);
    EXPECT_EQ(Copy.Title, "Network file: " + CircuitName(Name));
  }
}

TEST(FileFloatOf, TakesBackTheTextOfTheLargestDoubles) {
  EXPECT_EQ(FormatGeneral(DBL_MAX, 15), "1.79769313486232E308");
  EXPECT_EQ(FileFloat(" -1.79769313486232E308 "), -DBL_MAX);
  EXPECT_THROW(FileFloat("1.79769313486233E308"), EConvertError);
}

// --- Files that do not load ------------------------------------------------------------------------

struct TBadFile {
  const char* Name;
  std::size_t Line;
  const char* NewLine;  // nullptr: the file ends before Line
  const char* Error;
};

void PrintTo(const TBadFile& C, std::ostream* Os) { *Os << C.Name; }

class BadSnf : public Snf, public ::testing::WithParamInterface<TBadFile> {};

TEST_P(BadSnf, FailsWithItsText) {
  const TBadFile& C = GetParam();
  Lines File = ExampleFile;
  if (C.NewLine)
    File.at(C.Line) = C.NewLine;
  else
    File.resize(C.Line);
  TNetWork Net;
  EXPECT_EQ(LoadText(Net, CrLf(File)), C.Error);
}

INSTANTIATE_TEST_SUITE_P(
    Snf, BadSnf,
    ::testing::Values(
        TBadFile{"Empty", 0, nullptr, "Bad snf-file, Could not find :NrofElements"},
        TBadFile{"NoSteps", 19, "#", "Bad snf-file, Could not find :Steps"},
        TBadFile{"NoBlock3", 44, "#", "Bad snf-file, Could not find :3"},
        TBadFile{"NoElementHeader", 28, "#", "Bad snf-file, Could not find :Element"},
        TBadFile{"CountAbove30", 12, "40", "Bad snf-file, Could not find :6"},
        TBadFile{"QNotANumber", 22, "abc", "'abc' is not a valid floating point value"},
        TBadFile{"StepsNotAnInteger", 20, "1.5", "'1.5' is not a valid integer value"},
        TBadFile{"CountBeyondInt", 12, "99999999999", "'99999999999' is not a valid integer value"},
        TBadFile{"FrequencyOutOfRange", 14, "1e999", "'1e999' is not a valid floating point value"},
        TBadFile{"PrefixInAValue", 35, "10p", "'10p' is not a valid floating point value"},
        TBadFile{"KeyOnTheLastLine", 26, nullptr, "Bad snf-file, Could not find the value of :Rg"},
        TBadFile{"CutInLineData", 41, nullptr, "Bad snf-file, Could not find the value of :2"},
        TBadFile{"CutAfterType", 52, nullptr, "Bad snf-file, Could not find the value of :5"}));

TEST_F(Snf, AFailedLoadKeepsWhatItReadBefore) {
  TNetWork Net;
  Net.SetZn(1);
  EXPECT_NE(LoadText(Net, CrLf(Replaced(Replaced(ExampleFile, 12, "7"), 22, "abc"))), "");
  EXPECT_EQ(Net.NrOfElements, 7);
  EXPECT_EQ(Net.Title, "Network file: match1.snf");
  EXPECT_EQ(Net.ScanStop, 1.25e8);
  EXPECT_EQ(Net.Zn, 1);
  EXPECT_NE(LoadText(Net, CrLf(Replaced(ExampleFile, 44, "#"))), "");
  EXPECT_EQ(Net.Elements[3].ElementType, TElementType::Line);
}

// --- Files that load -------------------------------------------------------------------------------

TEST_F(Snf, OtherLineEndsAByteOrderMarkBlanksAndLongLinesLoad) {
  TNetWork Expected;
  BuildExample(Expected);
  std::string Lf, Blanks;
  for (const std::string& L : ExampleFile) Lf += L + "\n";
  for (std::size_t i = 0; i < ExampleFile.size(); ++i) Blanks += ExampleFile[i] + (i == 10 ? "" : " \t ") + "\r\n";
  for (const std::string& Text : {Lf, Lf.substr(0, Lf.size() - 1), "\xEF\xBB\xBF" + CrLf(ExampleFile), Blanks}) {
    TNetWork Net;
    EXPECT_EQ(LoadText(Net, Text), "");
    EXPECT_EQ(Saved(Net), Saved(Expected));
  }
  TNetWork Net;
  EXPECT_EQ(LoadText(Net, CrLf(Replaced(ExampleFile, 10, std::string(500000, 'z')))), "");
  EXPECT_EQ(Net.Creator.size(), 500000u);
  EXPECT_EQ(LoadText(Net, CrLf(Replaced(ExampleFile, 24, "0.1" + std::string(400000, '0')))), "");
  EXPECT_EQ(Net.Zn, 0.1);
}

TEST_F(Snf, OptionalKeysCountsAndTypeNames) {
  TNetWork Net;
  Net.Creator = "before";
  Net.Elements[4].SetElementType(TElementType::Rp);
  Net.Elements[4].SetValue(33);
  Net.Elements[5].SetElementType(TElementType::Cs);
  Lines File = Replaced(Replaced(Replaced(ExampleFile, 34, "Stub"), 45, ""), 48, "Inductor");
  File.erase(File.begin() + 7, File.begin() + 11);  // no circuit name, no creator
  EXPECT_EQ(LoadText(Net, CrLf(File)), "");
  EXPECT_EQ(Net.Creator, "");
  EXPECT_EQ(Net.Title, "Network file: ");
  EXPECT_EQ(Net.Elements[2].ElementType, TElementType::Stub);
  EXPECT_EQ(Net.Elements[4].ElementType, TElementType::Rp);  // an empty type line leaves the slot
  EXPECT_EQ(Net.Elements[4].Value, 33);
  EXPECT_EQ(Net.Elements[5].ElementType, TElementType::None);
  for (const char* Count : {"0", "-2147483648"}) {
    EXPECT_EQ(LoadText(Net, CrLf(Replaced(ExampleFile, 12, Count))), "");
    EXPECT_EQ(Net.NrOfElements, 2);
  }
}

TEST(FindKeyLine, MatchesKeyLinesOnlyAndWholeKeys) {
  const Lines File{"#:Q", ":Creator", ":Q", ":10", "Cs", ":1x", "Cp", ":Q factor", "5", ":1", "Ls", "  :Zn ", "50"};
  EXPECT_EQ(FindKeyLine(File, ":Q"), 7);
  EXPECT_EQ(FindKeyLine(File, ":1"), 9);
  EXPECT_EQ(FindKeyLine(File, ":10"), 3);
  EXPECT_EQ(FindKeyLine(File, ":Zn"), 11);
  EXPECT_EQ(FindKeyLine(File, ":Cre"), -1);
  int Index = 0;
  std::string Value = "x";
  EXPECT_TRUE(FindKey(File, true, Index, ":Q", Value));
  EXPECT_EQ(Index, 7);
  EXPECT_EQ(Value, "5");
  EXPECT_FALSE(FindKey(File, false, Index, ":Rg", Value));
  EXPECT_EQ(Index, 13);
  EXPECT_EQ(Value, "");
}

// Sections and blocks in reverse order with comments between them: ':1' is found after ':10'.
TEST_F(Snf, ReorderedFilesLoad) {
  TNetWork Net, Copy;
  Net.SetNrOfElements(12);
  for (int Slot = 2; Slot <= 13; ++Slot) {
    Net.Elements[Slot].SetElementType(TElementType::Ls);
    Net.Elements[Slot].SetValue(Slot * 1e-9);
  }
  const Lines File = Saved(Net);
  std::vector<Lines> Units;
  for (std::size_t i = 7; i < File.size();) {
    std::size_t End = i + 2;
    while (End < File.size() && File[End][0] != ':' && File[End] != "#") ++End;
    Units.emplace_back(File.begin() + i, File.begin() + End);
    i = End;
  }
  Lines Reordered;
  for (auto U = Units.rbegin(); U != Units.rend(); ++U) {
    Reordered.insert(Reordered.end(), U->begin(), U->end());
    Reordered.push_back("# comment");
  }
  EXPECT_EQ(LoadText(Copy, CrLf(Reordered)), "");
  EXPECT_EQ(Saved(Copy), File);
}

}  // namespace
