// Any bytes, read as a Touchstone file under a one-port name and under a name that tells no port
// count: the reader may only raise its own error, and a load it returns must hold what the
// interpolation relies on. Every word of the text must also read as the careful conversion reads
// it, and in kHz as a thousand times that.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "files/TouchstoneNumber.h"
#include "files/TouchstoneReader.h"
#include "files/TouchstoneText.h"
#include "network/NumberText.h"
#include "platform/Errors.h"

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

bool Finite(const TComplex& Z) { return std::isfinite(Z.Re) && std::isfinite(Z.Im); }

double Magnitude(const TComplex& Z) { return std::hypot(Z.Re, Z.Im); }

void Between(const TMeasuredLoad& Load, const TLoadPoint& A, const TLoadPoint& B) {
  const double F = A.Frequency + (B.Frequency - A.Frequency) / 2;
  const std::optional<TComplex> Gamma = Load.ReflectionAt(F);
  Check(Gamma && Finite(*Gamma));
  const double Low = std::fmin(Magnitude(A.Gamma), Magnitude(B.Gamma));
  const double High = std::fmax(Magnitude(A.Gamma), Magnitude(B.Gamma));
  const double M = Magnitude(*Gamma), Slack = 1e-12 * High + 1e-300;
  Check(M >= Low - Slack && M <= High + Slack);
  Check(Load.ImpedanceAt(F).has_value());
}

void Interpolation(const TMeasuredLoad& Load) {
  const auto& Points = Load.Points();
  Check(!Points.empty() && Load.Reference() > 0 && std::isfinite(Load.Reference()));
  for (std::size_t i = 0; i < Points.size(); ++i) {
    const TLoadPoint& P = Points[i];
    Check(P.Frequency >= 0 && std::isfinite(P.Frequency) && Finite(P.Gamma));
    const std::optional<TComplex> At = Load.ReflectionAt(P.Frequency);
    Check(At && At->Re == P.Gamma.Re && At->Im == P.Gamma.Im);
    if (i > 0) {
      Check(P.Frequency > Points[i - 1].Frequency);
      Between(Load, Points[i - 1], P);
    }
  }
  Check(!Load.ImpedanceAt(std::nextafter(Points.front().Frequency, -1.0)));
  Check(!Load.ImpedanceAt(std::nextafter(Points.back().Frequency, HUGE_VAL)));
}

void Read(std::string_view Text, const std::string& Name) {
  std::optional<TMeasuredLoad> Load;
  try {
    Load.emplace(TouchstoneLoad(Text, Name));
  } catch (const EFileError&) {
    return;
  }
  Interpolation(*Load);
}

void Words(std::string_view Text) {
  TLineCursor Lines(Text);
  std::string Scratch;
  for (std::string_view Content; Lines.Next(Content);)
    for (std::string_view Word = NextWord(Content); !Word.empty(); Word = NextWord(Content)) {
      const std::optional<double> Careful = ConvertNumber(Word), Kilo = ScaledWordNumber(Word, 3, Scratch);
      Check(WordNumber(Word) == Careful);
      if (!Careful) {
        Check(!Kilo);
      } else if (std::fabs(*Careful) < 1e300) {
        Check(Kilo && std::fabs(*Kilo - *Careful * 1e3) <= 1e-15 * std::fabs(*Kilo) + 1e-300);
      }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  Read(Text, "fuzz.s1p");
  Read(Text, "fuzz.txt");
  Words(Text);
  return 0;
}
