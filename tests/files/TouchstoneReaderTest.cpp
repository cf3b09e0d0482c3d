#include "files/TouchstoneReader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FileTesting.h"
#include "platform/Errors.h"

namespace {

struct TExpected {
  double Frequency, R, X;
};

struct TVariant {
  const char* What;
  std::string Name, Text;
  std::vector<TExpected> Points;
  double Reference = 50;
};

// Every impedance below is worked out by hand from the file's numbers: Z = R (1 + G) / (1 - G),
// version 1 Y and Z values times R and 1 / R.
const TVariant Variants[] = {
    {"every option spelled out as the defaults", "a.s1p", "# GHz S MA R 50\n1 0.2 0\n2 0.5 90\n",
     {{1e9, 75, 0}, {2e9, 30, 40}}},
    {"a bare option line", "a.s1p", "#\n1 0.2 0\n", {{1e9, 75, 0}}},
    {"no option line", "a.s1p", "1 0.2 0\n", {{1e9, 75, 0}}},
    {"#MHz without a space, RI", "a.s1p", "#MHz S RI R 50\n100 0 0\n145.525 0 1\n", {{1e8, 50, 0}, {145.525e6, 0, 50}}},
    {"a space before #, kHz, DB", "a.s1p", "  # kHz S DB R 50\n1.5 -20 0\n2.5 0 180\n3 0 90\n",
     {{1500, 50 * 1.1 / 0.9, 0}, {2500, 0, 0}, {3000, 0, 50}}},
    {"Hz", "a.s1p", "# Hz S RI R 50\n1001000 0.6 0.8\n", {{1001000, 0, 100}}},
    {"another reference resistance", "a.s1p", "# MHz S RI R 25\n100 0 0\n", {{1e8, 25, 0}}, 25},
    {"version 1 Z normalised to R", "a.s1p", "# MHz Z RI R 75\n10 1 1\n20 2 -0.5\n",
     {{1e7, 75, 75}, {2e7, 150, -37.5}}, 75},
    {"version 1 Y normalised to R", "a.s1p", "# MHz Y RI R 50\n10 0.5 0.5\n", {{1e7, 50, -50}}},
    {"version 1 Y as MA", "a.s1p", "# GHz Y MA R 100\n1 0.01 -90\n", {{1e9, 0, 10000}}, 100},
    {"version 2 Z in ohm, [Reference] on its line", "a.s1p",
     "[Version] 2.0\n# MHz Z RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 2\n[Reference] 75\n"
     "[Network Data]\n10 30 40\n20 75 0\n[End]\n",
     {{1e7, 30, 40}, {2e7, 75, 0}}, 75},
    {"version 2 Y in siemens, [Reference] on the next line", "a.s2p",
     "[Version] 2.0\n# MHz Y RI\n[Number of Ports] 1\n[Reference]\n 25\n[Network Data]\n1 0.02 0\n",
     {{1e6, 50, 0}}, 25},
    {"comments, tabs, blank lines, CR LF and trailing blanks", "a.s1p",
     "! measured\r\n\r\n\t# MHz\tS  RI R 50 ! options\r\n! a note\r\n100\t0 0   ! matched\r\n  \r\n200 0.2 0 \t \r\n",
     {{1e8, 50, 0}, {2e8, 75, 0}}},
    {"values split over lines", "a.s1p", "# MHz S RI R 50\n100\n0.2\n0\n200 0.2\n 0\n", {{1e8, 75, 0}, {2e8, 75, 0}}},
    {"only the first option line counts", "a.s1p", "# MHz S RI R 50\n# GHz Z MA R 75\n100 0.2 0\n# Hz\n200 0 0\n",
     {{1e8, 75, 0}, {2e8, 50, 0}}},
    {"information and other keywords skipped, nothing read after [End]", "a.s1p",
     "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 1\n[Begin Information]\nanything 1 2\n[End Information]\n"
     "[Matrix Format] Full\n[Network Data]\n5 0 0\n[End]\n6 garbage\n",
     {{5, 50, 0}}},
    {"a byte-order mark, lone CRs, lower case and no last line end", "a.s1p",
     "\xEF\xBB\xBF# mhz s ri r 50\r100 0.2 0\r200 0 0", {{1e8, 75, 0}, {2e8, 50, 0}}},
    {"signs, exponents and frequencies scaled exactly", "a.s1p", "# MHz S RI R 50\n+1.001 +2E-1 0e0\n67 .2 -0\n",
     {{1001000, 75, 0}, {67e6, 75, 0}}},
    {"a fraction of a GHz scaled exactly", "a.s1p", "0.067 0.2 0\n", {{67e6, 75, 0}}},
    {"one port told by the data", "load.txt", "# MHz S RI R 50\n100 0.2 0\n200 0 0\n", {{1e8, 75, 0}, {2e8, 50, 0}}},
};

TEST(TouchstoneReader, EveryVariantGivesTheImpedancesWorkedOutByHand) {
  for (const TVariant& V : Variants) {
    const TMeasuredLoad Load = TouchstoneLoad(V.Text, V.Name);
    EXPECT_EQ(Load.Reference(), V.Reference) << V.What;
    ASSERT_EQ(Load.Points().size(), V.Points.size()) << V.What;
    for (std::size_t i = 0; i < V.Points.size(); ++i) {
      const TExpected& E = V.Points[i];
      const TComplex Z = ImpedanceOf(Load.Points()[i].Gamma, Load.Reference());
      EXPECT_EQ(Load.Points()[i].Frequency, E.Frequency) << V.What;
      EXPECT_LT(std::hypot(Z.Re - E.R, Z.Im - E.X), 1e-12 * std::max(1.0, std::hypot(E.R, E.X))) << V.What << i;
    }
  }
}

TEST(TouchstoneReader, AnOpenCircuitIsAnInfiniteImpedance) {
  const TMeasuredLoad Load = TouchstoneLoad("# MHz S MA R 50\n100 1 0\n", "open.s1p");
  const TComplex Z = ImpedanceOf(Load.Points().at(0).Gamma, 50);
  EXPECT_TRUE(std::isinf(Z.Re) && Z.Re > 0);
  EXPECT_EQ(Z.Im, 0);
}

TEST(TouchstoneReader, FaultsNameTheFileAndTheLine) {
  const std::pair<std::string, std::string> Cases[] = {
      {"# MHz S RI\n100 0 0\n100 0.1 0\n", "line 3: frequency 1e+08 Hz does not rise above the one before, 1e+08 Hz"},
      {"# MHz S RI\n200 0 0\n100 0 0\n", "line 3: frequency 1e+08 Hz does not rise above the one before, 2e+08 Hz"},
      {"# MHz S RI\n-1 0 0\n", "line 2: a negative frequency"},
      {"# MHz S RI\n100 abc 0\n", "line 2: 'abc' is not a number"},
      {"# MHz S RI\n1e999 0 0\n", "line 2: '1e999' is not a number"},
      {"# MHz S RI\n100 0 0 200 0 0\n", "line 2: more numbers on the line than the 3 of one frequency of one port"},
      {"# MHz S RI\n100 0 0\n! the end\n200 0\n\n", "line 4: the file ends within the values of this frequency"},
      {"# MHz S RI Q 50\n", "line 1: unknown option 'Q'"},
      {"# MHz H RI\n", "line 1: H parameters describe two-ports"},
      {"# MHz S RI R\n", "line 1: no resistance after R"},
      {"# MHz S RI R 0\n", "line 1: the reference resistance must be above 0 ohm"},
      {"# MHz S RI R fifty\n", "line 1: 'fifty' is no resistance"},
      {"# MHz GHz\n", "line 1: a second frequency unit 'GHz'"},
      {"# MA RI\n", "line 1: a second format 'RI'"},
      {"# MHz Z RI R 50\n1 -1 0\n", "line 2: an impedance of -R has no reflection coefficient"},
      {"# MHz Y RI R 50\n1 -1 0\n", "line 2: an admittance of -1/R has no reflection coefficient"},
      {"# MHz S DB\n1 7000 0\n", "line 2: a value beyond the range of numbers"},
      {"[Version] 3.0\n", "line 1: version '3.0' is not read: versions 1 and 2 are"},
      {"1 0 0\n[Version] 2.0\n", "line 2: [Version] after the data"},
      {"[Version] 2.0\n# MHz\n[Number of Ports] 1\n100 0 0\n", "line 4: data before [Network Data]"},
      {"[Version] 2.0\n[Network Data]\n", "line 2: [Network Data] before [Number of Ports]"},
      {"[Version] 2.0\n[Number of Ports] 1\n[Number of Frequencies] 3\n[Network Data]\n1 0 0\n2 0 0\n",
       "line 3: [Number of Frequencies] is 3, the data hold 2"},
      {"[Number of Frequencies] many\n", "line 1: [Number of Frequencies] 'many' is no count from 1 on"},
      {"[Number of Ports] 0\n", "line 1: [Number of Ports] '0' is no count from 1 on"},
      {"[Version 2.0\n", "line 1: '[' without ']'"},
      {"[Begin Information]\n100 0 0\n", "line 1: [Begin Information] without [End Information]"},
      {"[Version] 2.0\n[Number of Ports] 1\n[Reference]\n", "line 3: [Reference] without its value"},
      {"[Version] 2.0\n[Number of Ports] 1\n[Reference]\n[Network Data]\n1 0 0\n",
       "line 3: [Reference] without its value"},
      {"[Reference] 50\n", "line 1: [Reference] before [Number of Ports]"},
      {"[Version] 2.0\n[Number of Ports] 1\n[Reference] 50 75\n",
       "line 3: more than the one reference resistance of one port"},
      {"[Version] 2.0\n[Number of Ports] 1\n[Reference] -50\n", "line 3: '-50' is no reference resistance above 0 ohm"},
      {"[Number of Ports] 1\n1 0 0\n[Reference] 75\n", "line 3: [Reference] after the data"},
      {"100 " + std::string(100, 'x') + " 0\n", "line 1: 'xxxxxxxxxxxxxxxxxxxxxxxx...' is not a number"},
      {"100 \x01\xff 0\n", "line 1: '?" "?' is not a number"},
  };
  for (const auto& [Text, Reason] : Cases)
    EXPECT_EQ(ErrorOf<EFileError>([&] { TouchstoneLoad(Text, "bad.s1p"); }), "bad.s1p, " + Reason) << Text;
  EXPECT_EQ(ErrorOf<EFileError>([] { TouchstoneLoad("! nothing\n\n", "empty.s1p"); }), "empty.s1p: no data");
  EXPECT_EQ(ErrorOf<EFileError>([] { TouchstoneLoad("100 0\n0\n", "split.dat"); }),
            "split.dat, line 1: 2 numbers at the first frequency fit no number of ports");
}

TEST(TouchstoneReader, FilesOfMorePortsAreRefusedWithTheirCount) {
  const std::string TwoPortLine = "100 0 0 1 0 1 0 0 0\n", Row8 = " 0 0 0 0 0 0 0 0\n";
  const std::tuple<std::string, std::string, int> Cases[] = {
      {"amp.s2p", "# MHz S RI\n100 0 0\n", 2},
      {"AMP.S4P", "# MHz S RI\n100 0 0\n", 4},
      {"amp.txt", "# MHz S RI\n" + TwoPortLine + "200 0 0 1 0 1 0 0 0\n", 2},
      {"amp.txt", "# MHz S RI\n100 0 0 0 0 0 0 0 0\n" + Row8 + Row8 + Row8, 4},
      {"amp.txt", "# MHz S RI\n100 0 0 0 0 0 0\n 0 0 0 0 0 0\n! row 3\n 0 0 0 0 0 0\n", 3},
      {"amp.s1p", "[Version] 2.0\n# MHz S RI\n[Number of Ports] 2\n", 2},
  };
  for (const auto& [Name, Text, Ports] : Cases)
    EXPECT_EQ(ErrorOf<EFileError>([&] { TouchstoneLoad(Text, Name); }),
              Name + ": " + std::to_string(Ports) + " ports: a load is a file of one port")
        << Text;
}

TEST(TouchstoneReader, ReadsTheFileWholeOrSaysWhyNot) {
  const TTempDir Dir;
  const std::string Text = "# MHz S RI R 50\r\n100 0.2 0\r\n200 0 0\r\n";
  Dir.Write("ro,1.s1p", Text);
  const TMeasuredLoad Load = ReadTouchstoneLoad(Dir / "ro,1.s1p");
  ASSERT_EQ(Load.Points().size(), 2u);
  EXPECT_EQ(Load.Points()[1].Frequency, 2e8);
  EXPECT_EQ(ErrorOf<EFileError>([&] { ReadTouchstoneLoad(Dir / "missing.s1p"); }),
            Dir / "missing.s1p" + ": No such file or directory");
  EXPECT_EQ(ErrorOf<EFileError>([&] { ReadTouchstoneLoad(Dir / ""); }), Dir / "" + ": Is a directory");
}

}  // namespace
