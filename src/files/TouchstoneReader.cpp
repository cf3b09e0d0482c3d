#include "files/TouchstoneReader.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "files/TextFile.h"
#include "files/TouchstoneNumber.h"
#include "files/TouchstoneOptions.h"
#include "files/TouchstoneText.h"
#include "network/NumberText.h"
#include "platform/Errors.h"

namespace {

constexpr std::size_t OnePortNumbers = 3;  // the frequency and one pair

struct TKeyword {
  std::string_view Name, Argument;
};

// Content starts with '['; empty without the closing ']'.
std::optional<TKeyword> SplitKeyword(std::string_view Content) {
  const std::size_t Close = Content.find(']');
  if (Close == std::string_view::npos) return std::nullopt;
  std::string_view Argument = Content.substr(Close + 1);
  while (!Argument.empty() && (Argument.front() == ' ' || Argument.front() == '\t')) Argument.remove_prefix(1);
  return TKeyword{Content.substr(1, Close - 1), Argument};
}

// A whole number from 1 on, all of Text; empty otherwise.
std::optional<long long> PositiveCount(std::string_view Text) {
  long long N = 0;
  const auto R = std::from_chars(Text.data(), Text.data() + Text.size(), N);
  if (R.ec != std::errc() || R.ptr != Text.data() + Text.size() || N < 1) return std::nullopt;
  return N;
}

// The N of an extension .sNp, or 0.
long long ExtensionPorts(std::string_view FileName) {
  const std::size_t Dot = FileName.rfind('.');
  if (Dot == std::string_view::npos || FileName.find('/', Dot) != std::string_view::npos) return 0;
  const std::string_view Extension = FileName.substr(Dot + 1);
  if (Extension.size() < 3 || !SameText(Extension.substr(0, 1), "s") ||
      !SameText(Extension.substr(Extension.size() - 1), "p"))
    return 0;
  return PositiveCount(Extension.substr(1, Extension.size() - 2)).value_or(0);
}

// The N of 1 + 2 N^2 numbers, or 0.
long long PortsOfCount(std::size_t Count) {
  if (Count < OnePortNumbers || Count % 2 == 0) return 0;
  const long long N = std::llround(std::sqrt((Count - 1) / 2.0));
  return static_cast<std::size_t>(1 + 2 * N * N) == Count ? N : 0;
}

class TReader {
public:
  TReader(std::string_view Text, const std::string& FileName) : FileName(FileName), Lines(Text) {}
  TMeasuredLoad Read();

private:
  const std::string& FileName;
  TLineCursor Lines;
  std::optional<TTouchstoneOptions> Options;
  std::optional<double> Reference;
  std::optional<long long> Ports;
  std::optional<std::pair<long long, std::size_t>> StatedFrequencies;  // and the line that states it
  std::optional<std::size_t> InformationLine, ReferenceLine;          // open sections, by their line
  bool Version2 = false, NetworkData = false, DataBegun = false;
  TTouchstoneOptions Meaning;  // of the data, once it has begun
  std::vector<TLoadPoint> Points;
  double Values[OnePortNumbers] = {};
  std::size_t Filled = 0, RecordLine = 0;
  std::string Scratch;

  [[noreturn]] void Fail(std::size_t Line, const std::string& Reason) const {
    throw EFileError(FileName + ", line " + std::to_string(Line), Reason);
  }
  [[noreturn]] void Fail(const std::string& Reason) const { Fail(Lines.Number(), Reason); }
  [[noreturn]] void RefusePorts(long long N) const {
    throw EFileError(FileName, std::to_string(N) + " ports: a load is a file of one port");
  }

  void OptionLine(std::string_view Words);
  bool Keyword(std::string_view Content);
  void Version(std::string_view Argument);
  void NumberOfPorts(std::string_view Argument);
  void StartReference(std::string_view Argument);
  void ReferenceValue(std::string_view Words);
  void BeginData(std::string_view FirstLine);
  long long PortsOfFirstFrequency(std::string_view FirstLine) const;
  void DataLine(std::string_view Words);
  void Frequency(std::string_view Word);
  void Value(std::string_view Word);
  TMeasuredLoad Finish();
};

TMeasuredLoad TReader::Read() {
  std::string_view Content;
  while (Lines.Next(Content)) {
    if (Content.empty()) continue;
    if (InformationLine) {
      const std::optional<TKeyword> K = Content[0] == '[' ? SplitKeyword(Content) : std::nullopt;
      if (K && SameText(K->Name, "End Information")) InformationLine.reset();
    } else if (Content[0] == '#') {
      OptionLine(Content.substr(1));
    } else if (Content[0] == '[') {
      if (!Keyword(Content)) break;
    } else if (ReferenceLine) {
      ReferenceValue(Content);
    } else {
      DataLine(Content);
    }
  }
  return Finish();
}

void TReader::OptionLine(std::string_view Words) {
  if (Options || DataBegun) return;
  try {
    Options = ReadOptionLine(Words);
  } catch (const std::invalid_argument& E) {
    Fail(E.what());
  }
}

// False at [End].
bool TReader::Keyword(std::string_view Content) {
  if (ReferenceLine) Fail(*ReferenceLine, "[Reference] without its value");
  const std::optional<TKeyword> K = SplitKeyword(Content);
  if (!K) Fail("'[' without ']'");
  if (SameText(K->Name, "End")) return false;
  if (SameText(K->Name, "Version")) {
    Version(K->Argument);
  } else if (SameText(K->Name, "Number of Ports")) {
    NumberOfPorts(K->Argument);
  } else if (SameText(K->Name, "Number of Frequencies")) {
    const std::optional<long long> N = PositiveCount(K->Argument);
    if (!N) Fail("[Number of Frequencies] " + Quoted(K->Argument) + " is no count from 1 on");
    StatedFrequencies = {*N, Lines.Number()};
  } else if (SameText(K->Name, "Reference")) {
    StartReference(K->Argument);
  } else if (SameText(K->Name, "Network Data")) {
    if (Version2 && !Ports) Fail("[Network Data] before [Number of Ports]");
    NetworkData = true;
  } else if (SameText(K->Name, "Begin Information")) {
    InformationLine = Lines.Number();
  }
  return true;
}

void TReader::Version(std::string_view Argument) {
  if (DataBegun) Fail("[Version] after the data");
  const std::optional<double> V = WordNumber(Argument);
  if (!V || !(*V >= 2 && *V < 3)) Fail("version " + Quoted(Argument) + " is not read: versions 1 and 2 are");
  Version2 = true;
}

void TReader::NumberOfPorts(std::string_view Argument) {
  Ports = PositiveCount(Argument);
  if (!Ports) Fail("[Number of Ports] " + Quoted(Argument) + " is no count from 1 on");
  if (*Ports != 1) RefusePorts(*Ports);
}

// The data so far were converted with the reference they had.
void TReader::StartReference(std::string_view Argument) {
  if (DataBegun) Fail("[Reference] after the data");
  if (!Ports) Fail("[Reference] before [Number of Ports]");
  ReferenceLine = Lines.Number();
  if (!Argument.empty()) ReferenceValue(Argument);
}

void TReader::ReferenceValue(std::string_view Words) {
  const std::string_view Word = NextWord(Words);
  if (!NextWord(Words).empty()) Fail("more than the one reference resistance of one port");
  Reference = WordNumber(Word);
  if (!Reference || !(*Reference > 0)) Fail(Quoted(Word) + " is no reference resistance above 0 ohm");
  ReferenceLine.reset();
}

void TReader::BeginData(std::string_view FirstLine) {
  if (Version2 && !NetworkData) Fail("data before [Network Data]");
  if (!Ports) {
    const long long N = ExtensionPorts(FileName);
    Ports = N ? N : PortsOfFirstFrequency(FirstLine);
    if (*Ports != 1) RefusePorts(*Ports);
  }
  Meaning = Options.value_or(TTouchstoneOptions{});
  if (Reference) Meaning.R = *Reference;
  DataBegun = true;
}

long long TReader::PortsOfFirstFrequency(std::string_view FirstLine) const {
  std::size_t Count = WordCount(FirstLine);
  TLineCursor Ahead = Lines;
  for (std::string_view Content; Ahead.Next(Content);) {
    if (Content.empty()) continue;
    const std::size_t More = Content[0] == '#' || Content[0] == '[' ? 1 : WordCount(Content);
    if (More % 2 == 1) break;
    Count += More;
  }
  const long long N = PortsOfCount(Count);
  if (N == 0) Fail(std::to_string(Count) + " numbers at the first frequency fit no number of ports");
  return N;
}

void TReader::DataLine(std::string_view Words) {
  if (!DataBegun) BeginData(Words);
  if (Filled == 0) Frequency(NextWord(Words));
  for (std::string_view Word = NextWord(Words); !Word.empty(); Word = NextWord(Words)) {
    if (Filled == 0) Fail("more numbers on the line than the 3 of one frequency of one port");
    Value(Word);
  }
}

void TReader::Frequency(std::string_view Word) {
  const std::optional<double> F = ScaledWordNumber(Word, Meaning.FrequencyExponent, Scratch);
  if (!F) Fail(Quoted(Word) + " is not a number");
  if (*F < 0) Fail("a negative frequency");
  if (!Points.empty() && !(*F > Points.back().Frequency))
    Fail("frequency " + ShortestText(*F) + " Hz does not rise above the one before, " +
         ShortestText(Points.back().Frequency) + " Hz");
  Values[0] = *F + 0.0;  // no -0
  Filled = 1;
  RecordLine = Lines.Number();
}

void TReader::Value(std::string_view Word) {
  const std::optional<double> V = WordNumber(Word);
  if (!V) Fail(Quoted(Word) + " is not a number");
  Values[Filled++] = *V;
  if (Filled < OnePortNumbers) return;
  Filled = 0;
  try {
    Points.push_back({Values[0], ReflectionOfPair(Meaning, !Version2, Values[1], Values[2])});
  } catch (const std::invalid_argument& E) {
    Fail(E.what());
  }
}

TMeasuredLoad TReader::Finish() {
  if (InformationLine) Fail(*InformationLine, "[Begin Information] without [End Information]");
  if (ReferenceLine) Fail(*ReferenceLine, "[Reference] without its value");
  if (Filled > 0) Fail(RecordLine, "the file ends within the values of this frequency");
  if (Points.empty()) throw EFileError(FileName, "no data");
  if (StatedFrequencies && static_cast<std::size_t>(StatedFrequencies->first) != Points.size())
    Fail(StatedFrequencies->second, "[Number of Frequencies] is " + std::to_string(StatedFrequencies->first) +
                                        ", the data hold " + std::to_string(Points.size()));
  return TMeasuredLoad(std::move(Points), Meaning.R);
}

}  // namespace

TMeasuredLoad ReadTouchstoneLoad(const std::string& FileName) {
  return TouchstoneLoad(ReadText(FileName, MaxTouchstoneSize, "too large for a measured load"), FileName);
}

TMeasuredLoad TouchstoneLoad(std::string_view Text, const std::string& FileName) {
  return TReader(Text, FileName).Read();
}
