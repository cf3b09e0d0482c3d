#include "files/DataIO.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "files/TextFile.h"
#include "network/NumberText.h"
#include "network/ValueText.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"

std::string CurrentFileName;

namespace {

bool IsLetterOrDigit(char C) {
  return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}

// A line break inside a text would split its value line in two.
std::string OneLine(std::string S) {
  std::replace_if(S.begin(), S.end(), [](char C) { return C == '\r' || C == '\n'; }, ' ');
  return S;
}

bool Names(std::string_view KeyLine, std::string_view Key) {
  return KeyLine.starts_with(Key) && (KeyLine.size() == Key.size() || !IsLetterOrDigit(KeyLine[Key.size()]));
}

// The header of the element blocks is the one key line without a value line.
constexpr std::string_view ElementHeader = ":Element";

// The key of a key line from its colon on; empty for any other line.
std::string_view KeyOf(const std::string& Line) {
  const std::size_t Colon = Line.find_first_not_of(" \t");
  if (Colon == std::string::npos || Line[Colon] != ':') return {};
  return std::string_view(Line).substr(Colon);
}

void ReadElement(const std::vector<std::string>& Lines, int i, TNetWork& Net) {
  const std::string Key = ":" + std::to_string(i);
  int k = 0;
  std::string TypeLine;
  FindKey(Lines, true, k, Key, TypeLine);
  const std::string Type = TrimBlanks(TypeLine);
  if (Type.empty()) return;
  auto Data = [&](int Offset) -> const std::string& {
    const std::size_t Line = static_cast<std::size_t>(k) + Offset;
    if (Line >= Lines.size()) throw ESnfError::MissingValue(Key);
    return Lines[Line];
  };
  TElement& E = Net.Elements[i + 1];
  E.SetElementType(TypeFromName(Type));
  E.SetValue(FileFloat(Data(2)));
  int Next = 3;
  if (i == 0) Net.Elements[0].SetValue(FileFloat(Data(Next++)));
  // The line data follow the block's value lines, for the load as for any element, as the
  // writer puts them; a stub has them as a line does.
  if (HasLineData(E.ElementType)) {
    E.SetLineLength(FileFloat(Data(Next)));
    E.SetZ0(FileFloat(Data(Next + 1)));
    E.SetVelocityFactor(FileFloat(Data(Next + 2)));
    E.SetAttenuation(FileFloat(Data(Next + 3)));
    E.SetAttenuationFreq(FileFloat(Data(Next + 4)));
  }
}

}  // namespace

int FindKeyLine(const std::vector<std::string>& Lines, const std::string& Key) {
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    const std::string_view Line = KeyOf(Lines[i]);
    if (Line.empty()) continue;
    if (Names(Line, Key)) return static_cast<int>(i);
    if (!Names(Line, ElementHeader)) ++i;  // its value line, which is never a key
  }
  return -1;
}

bool FindKey(const std::vector<std::string>& Lines, bool Required, int& Index, const std::string& Key,
             std::string& Value) {
  Value.clear();
  Index = FindKeyLine(Lines, Key);
  if (Index < 0) {
    Index = static_cast<int>(Lines.size());
    if (Required) throw ESnfError::MissingKey(Key);
    return false;
  }
  if (static_cast<std::size_t>(Index) + 1 >= Lines.size()) throw ESnfError::MissingValue(Key);
  Value = Lines[Index + 1];
  return true;
}

std::string FileNumber(double V) { return FormatGeneral(V, 15); }

std::optional<double> LargestDouble(const std::string& S) {
  constexpr double Largest = std::numeric_limits<double>::max();
  static const std::string LargestText = FileNumber(Largest);
  const std::string T = TrimBlanks(S);
  if (T == LargestText) return Largest;
  if (T == "-" + LargestText) return -Largest;
  return std::nullopt;
}

double FileFloat(const std::string& S) {
  if (const auto V = LargestDouble(S)) return *V;
  return StrToFloat(S);
}

std::string CircuitName(const std::string& FileName) {
  std::string Name = FileName.substr(FileName.find_last_of("/\\") + 1);
  if (const std::size_t P = Name.find(".sbp"); P != std::string::npos) Name.erase(P, 4);
  return Name;
}

std::vector<std::string> ScanSettingLines(const TNetWork& Net) {
  return {":Frequency (Hz)",       FileNumber(Net.Frequency), ":Start Frequency (Hz)", FileNumber(Net.ScanStart),
          ":Stop Frequency (Hz)",  FileNumber(Net.ScanStop),  ":Steps",                std::to_string(Net.ScanSteps),
          ":Q",                    FileNumber(Net.Q),         ":Zn",                   FileNumber(Net.Zn)};
}

std::vector<std::string> SnfLines(const TNetWork& Net, const std::string& Circuit) {
  // The reader clamps the count the same way, and the blocks must stay inside the slots.
  const int Count = std::clamp(Net.NrOfElements, 2, 30);
  std::vector<std::string> L{"#",
                             "#   Simple Network File (*.snf)",
                             "#",
                             "#  Computer generated file",
                             "#",
                             "#  Please do not edit !",
                             "#",
                             ":Circuit name",
                             OneLine(Circuit),
                             ":Creator",
                             OneLine(Net.Creator),
                             ":NrofElements",
                             std::to_string(Count)};
  const std::vector<std::string> Scan = ScanSettingLines(Net);
  L.insert(L.end(), Scan.begin(), Scan.end());
  L.insert(L.end(), {":Rg", FileNumber(Net.Rg), "#", ":Element data"});
  for (int i = 0; i <= Count; ++i) {
    const TElement& E = Net.Elements[i + 1];
    L.push_back(":" + std::to_string(i));
    L.push_back(TypeName(E.ElementType));
    L.push_back(FileNumber(E.Value));
    if (i == 0) L.push_back(FileNumber(Net.Elements[0].Value));
    if (HasLineData(E.ElementType)) {
      for (double V : {E.LineLength, E.Z0, E.VelocityFactor, E.Attenuation, E.AttenuationFreq})
        L.push_back(FileNumber(V));
    }
  }
  return L;
}

void ReadSnfLines(const std::vector<std::string>& Lines, TNetWork& Net) {
  int Index = 0;
  std::string Value;
  FindKey(Lines, true, Index, ":NrofElements", Value);
  Net.SetNrOfElements(StrToInt(Value));
  FindKey(Lines, false, Index, ":Circuit", Value);
  Net.Title = "Network file: " + Value;
  FindKey(Lines, false, Index, ":Creator", Value);
  Net.Creator = Value;
  FindKey(Lines, true, Index, ":Steps", Value);
  Net.ScanSteps = StrToInt(Value);
  FindKey(Lines, true, Index, ":NrofElements", Value);
  Net.SetNrOfElements(StrToInt(Value));
  FindKey(Lines, true, Index, ":Frequency", Value);
  Net.SetFrequency(FileFloat(Value));
  FindKey(Lines, true, Index, ":Start", Value);
  Net.ScanStart = FileFloat(Value);
  FindKey(Lines, true, Index, ":Stop", Value);
  Net.ScanStop = FileFloat(Value);
  FindKey(Lines, true, Index, ":Q", Value);
  Net.Q = FileFloat(Value);
  FindKey(Lines, true, Index, ":Zn", Value);
  Net.SetZn(FileFloat(Value));
  FindKey(Lines, true, Index, ":Rg", Value);
  Net.Rg = FileFloat(Value);
  const std::string Header(ElementHeader);  // has no value line: only its presence counts
  if (FindKeyLine(Lines, Header) < 0) throw ESnfError::MissingKey(Header);
  for (int i = 0; i <= Net.NrOfElements; ++i) ReadElement(Lines, i, Net);
}

void SaveSnf(TNetWork& Net) {
  const auto Name = Dialogs().SaveFileName(SnfFilter, SnfExtension, CurrentFileName);
  if (!Name) return;
  CurrentFileName = *Name;
  WriteLines(*Name, SnfLines(Net, CircuitName(*Name)));
}

void LoadSnf(TNetWork& Net) {
  const auto Name = Dialogs().OpenFileName(SnfFilter, SnfExtension);
  if (!Name) return;
  CurrentFileName = *Name;
  ReadSnfLines(ReadLines(*Name), Net);
}
