#include "workbench/Workbench.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "files/DataIO.h"
#include "files/RecentFiles.h"
#include "files/TouchstoneReader.h"
#include "files/TextFile.h"
#include "network/Checked.h"
#include "network/NumberText.h"
#include "network/ExactText.h"
#include "network/ValueText.h"
#include "platform/Dialogs.h"
#include "synthesis/StandardValues.h"

using netcalc_detail::Divide;
using netcalc_detail::Ext;
using netcalc_detail::Store;

namespace fs = std::filesystem;

namespace {

constexpr int ShownPositions = 5;
constexpr const char* LoadFileKey = ":Load file";
constexpr double FallbackFrequency = 1e6;
constexpr double FallbackZn = 50;
constexpr Ext SpeedOfLight = 3e8;
constexpr TPreferences DefaultPreferences{1e6, 2e5, 1e7, true, false};

void Inform(const std::string& Text) { Dialogs().MessageBox(Text, TMsgKind::Information, {TMsgButton::OK}); }

std::string PositionList(const std::vector<int>& Positions) {
  std::string List;
  for (std::size_t i = 0; i < Positions.size(); ++i)
    List += (i == 0 ? "" : i + 1 == Positions.size() ? " and " : ", ") + std::to_string(Positions[i]);
  return List;
}

void ReportStubs(const TNetWork& Net) {
  std::vector<int> Stubs;
  for (int p = 1; p <= Net.NrOfElements; ++p)
    if (Net.Elements[p + 1].ElementType == TElementType::Stub) Stubs.push_back(p);
  if (Stubs.empty()) return;
  const bool Many = Stubs.size() > 1;
  Inform(std::string(Many ? "Positions " : "Position ") + PositionList(Stubs) + (Many ? " hold" : " holds") +
         " a Stub, which has no model of its own: it is calculated as a through connection.");
}

// One step up or down; at three digits 1 % always changes the value that shows. A negative value
// steps through the series by its magnitude.
double TunedValue(double Value, bool Up, TTuneStep Step) {
  if (Step == TTuneStep::Series) return std::copysign(NextStandardValue(std::fabs(Value), TESeries::E24, Up == (Value > 0)), Value);
  const double Factor = Step == TTuneStep::Fine ? 1.01 : 1.1;
  return ShownValue(3, "", Up ? Value * Factor : Value / Factor);
}

void ReportHiddenPositions(const TNetWork& Net) {
  if (Net.NrOfElements <= ShownPositions) return;
  const std::string N = std::to_string(Net.NrOfElements);
  Inform("This network has " + N + " elements. The diagram shows positions 1 to 5; positions 6 to " + N +
         " are not shown, but they are calculated, drawn on the chart and saved with the network.");
}

}  // namespace

// Marks the network unchanged as a scope ends, however it ends.
class TWorkbench::TMarkSaved {
public:
  explicit TMarkSaved(TWorkbench& W) : W(W) {}
  ~TMarkSaved() {
    W.MarkSaved();
    W.History.Start(Capture(W.Net, W.Prefs, W.LoadFile));
  }
  TMarkSaved(const TMarkSaved&) = delete;
  TMarkSaved& operator=(const TMarkSaved&) = delete;

private:
  TWorkbench& W;
};

bool ProperFrequency(double F) { return F >= 1e-15 && F < 1e12; }
bool ProperZn(double Z) { return Z >= 1e-15 && Z < 1e12; }

TWorkbench::TWorkbench() : RecentFiles(ReadRecentFiles()) {
  Net.SetNrOfElements(ShownPositions);
  Prefs = DefaultPreferences;
}

// The list is a convenience: failing to keep it is no reason to fail the open or save.
void TWorkbench::Remember(const std::string& Name) {
  RecentFiles = WithRecent(RecentFiles, Name);
  try {
    WriteRecentFiles(RecentFiles);
  } catch (const EFileError&) {
  }
}

TSettingsRead TWorkbench::Reset() {
  Prefs = DefaultPreferences;
  View = {};
  Net.Reset();
  Net.SetNrOfElements(ShownPositions);  // a fresh network has the five positions the diagram shows
  ClearMeasuredLoad();
  const TMarkSaved Unchanged(*this);
  std::optional<std::vector<std::string>> Lines;
  try {
    Lines = ReadIniFile();
  } catch (const EFileError& Error) {
    return {false, std::string(Error.what()) + "\nThe settings keep their defaults."};
  }
  if (!Lines) return {};
  const double Frequency = Net.GetFrequency(), Zn = Net.GetZn();
  std::vector<std::string> Unused = ApplyIniLines(*Lines, Net, Prefs);
  const std::vector<std::string> UnusedView = ApplyViewSettingLines(*Lines, View);
  Unused.insert(Unused.end(), UnusedView.begin(), UnusedView.end());
  AcceptFrequency(Net.GetFrequency(), Frequency);
  AcceptZn(Net.GetZn(), Zn);
  if (Unused.empty()) return {true, {}};
  std::string Names;
  for (const std::string& Name : Unused) Names += (Names.empty() ? "" : ", ") + Name;
  return {true, std::string(IniFileName) + ": could not use " + Names + "; they keep their defaults."};
}

void TWorkbench::SaveSettings() const { SaveIni(Net, Prefs, View); }

void TWorkbench::SaveView() const {
  std::optional<std::vector<std::string>> Lines = ReadIniFile();
  if (!Lines) {
    TNetWork Fresh;
    Fresh.Reset();
    Lines = IniLines(Fresh, DefaultPreferences);
  }
  WriteIniFile(WithViewSettings(std::move(*Lines), View));
}

void TWorkbench::EnterFrequency(double F) {
  AcceptFrequency(F, FallbackFrequency);
  const double Working = Net.GetFrequency();
  Prefs.UpDownInterval = StepFor(Working);
  Prefs.MajorMark = 2 * Prefs.UpDownInterval;
  Prefs.MinorMark = Prefs.UpDownInterval / 2;
  Net.ScanStart = Store(0.8L * Working);
  Net.ScanStop = Store(1.25L * Working);
}

bool TWorkbench::StepFrequency(bool Up) {
  const Ext Step = Up ? Prefs.UpDownInterval : -Prefs.UpDownInterval;
  const double F = Store(Net.GetFrequency() + Step);
  if (!ProperFrequency(F)) {
    Inform(ImproperFrequencyText);
    return false;
  }
  Net.SetFrequency(F);
  const double Start = Store(Net.ScanStart + Step), Stop = Store(Net.ScanStop + Step);
  if (Start > 0 && Start < Stop) {
    Net.ScanStart = Start;
    Net.ScanStop = Stop;
  }
  return true;
}

void TWorkbench::EnterZn(double Z) { AcceptZn(Z, FallbackZn); }

void TWorkbench::AcceptFrequency(double F, double Kept) {
  if (!ProperFrequency(F)) {
    Inform(ImproperFrequencyText);
    F = Kept;
  }
  Net.SetFrequency(F);
}

void TWorkbench::AcceptZn(double Z, double Kept) {
  if (!ProperZn(Z)) {
    Inform(ImproperZnText);
    Z = Kept;
  }
  Net.SetZn(Z);
}

void TWorkbench::EnterQ(double Q) { Net.Q = Q >= 1 && Q <= 500 ? Q : 0; }

void TWorkbench::EnterScanRange(double Start, double Stop) {
  if (Start > 0 && Start < Stop) {
    Net.ScanStart = Start;
    Net.ScanStop = Stop;
    return;
  }
  Inform("The scan needs a start frequency above 0 and below its stop frequency; it keeps " +
         FormatValue(4, "Hz", Net.ScanStart) + " to " + FormatValue(4, "Hz", Net.ScanStop));
}

// About 1 % of the frequency, rounded to one significant digit; 0.001 Hz when that is 0.
double TWorkbench::StepFor(double F) {
  Ext d = 1;
  do d *= 10;
  while (F / d >= 10);
  const double Step = Store(std::nearbyint(F / d) * d / 100);
  return Step == 0 ? 0.001 : Step;
}

TScanRange TWorkbench::ProposedScan(double F) {
  return {static_cast<double>(0.9L * F), static_cast<double>(1.1L * F)};
}

double TWorkbench::DefaultValue(TElementType T, double VelocityFactor) const {
  const double Omega = Net.Omega(), Zn = Net.GetZn();
  double Value = 0;
  switch (T) {
    case TElementType::Cs:
    case TElementType::Cp: Value = Store(Divide(1, static_cast<long double>(Omega) * Zn)); break;
    case TElementType::Ls:
    case TElementType::Lp: Value = Store(Divide(Zn, Omega)); break;
    case TElementType::Rs:
    case TElementType::Rp: Value = Zn; break;
    case TElementType::Line: Value = Store(Divide(4e7L, Net.GetFrequency())); break;
    case TElementType::OpenStub:
    case TElementType::ShortStub:
      Value = Store(Divide(Ext(VelocityFactor) * SpeedOfLight / 8, Net.GetFrequency()));
      break;
    default: break;
  }
  return ShownValue(3, UnitName(T), Value);
}

void TWorkbench::CycleType(int Position, bool Forward) {
  using enum TElementType;
  static constexpr std::array Cycle{None, Cs, Cp, Ls, Lp, Rs, Rp, Line, OpenStub, ShortStub};
  TElement& E = Net.Elements[Position + 1];
  const auto At = std::find(Cycle.begin(), Cycle.end(), E.ElementType);
  if (At == Cycle.end())  // a Stub from a file
    E.SetElementType(Forward ? None : Line);
  else if (Forward)
    E.SetElementType(At + 1 == Cycle.end() ? None : At[1]);
  else
    E.SetElementType(At == Cycle.begin() ? Cycle.back() : At[-1]);
  const double Value = DefaultValue(E.ElementType, E.VelocityFactor);
  E.SetValue(Value);
  if (HasLineData(E.ElementType)) E.SetLineLength(Value);
}

void TWorkbench::Tune(int Position, int Steps, TTuneStep Step) {
  TElement& E = Net.Elements[Position + 1];
  const bool Line = HasLineData(E.ElementType);
  const double From = Line ? E.LineLength : E.Value;
  double Value = From;
  for (int i = 0; i < std::abs(Steps); ++i) Value = TunedValue(Value, Steps > 0, Step);
  Value = ShownValue(3, UnitName(E.ElementType), Value);
  E.SetValue(Value);
  if (Line) E.SetLineLength(Value);
}

void TWorkbench::Record() { History.Record(Capture(Net, Prefs, LoadFile), Gesture); }

void TWorkbench::BeginGesture() { Gesture = ++LastGesture; }

void TWorkbench::EndGesture() { Gesture = 0; }

bool TWorkbench::Undo() {
  const TNetworkState* State = History.Undo();
  if (State) Restore(*State, Net, Prefs, LoadFile);
  return State;
}

bool TWorkbench::Redo() {
  const TNetworkState* State = History.Redo();
  if (State) Restore(*State, Net, Prefs, LoadFile);
  return State;
}

TBodeSweep TWorkbench::BodeSweep() { return SweepBode(Net, View); }

std::vector<std::string> TWorkbench::NetworkLines(const std::string& Name) {
  std::vector<std::string> Lines = ReadLines(Name);
  TNetWork Probe;
  ReadSnfLines(Lines, Probe);
  return Lines;
}

void TWorkbench::Open(const std::string& Name, const std::vector<std::string>& Lines) {
  const double Frequency = Net.GetFrequency(), Zn = Net.GetZn();
  ClearMeasuredLoad();
  ReadSnfLines(Lines, Net);
  if (Net.NrOfElements < ShownPositions) Net.SetNrOfElements(ShownPositions);
  FileName = CurrentFileName = Name;
  Remember(Name);
  AcceptFrequency(Net.GetFrequency(), Frequency);
  AcceptZn(Net.GetZn(), Zn);
  ReportHiddenPositions(Net);
  ReportStubs(Net);
  OpenLoadFile(Name, Lines);
  MarkSaved();
  History.Start(Capture(Net, Prefs, LoadFile));
}

// The measured load the file names, relative to the file's folder; one that cannot be read leaves
// the network's fixed load, and says so.
void TWorkbench::OpenLoadFile(const std::string& NetworkName, const std::vector<std::string>& Lines) {
  int Index = 0;
  std::string Value;
  if (!FindKey(Lines, false, Index, LoadFileKey, Value) || TrimBlanks(Value).empty()) return;
  const fs::path Load = fs::path(NetworkName).parent_path() / fs::path(TrimBlanks(Value));
  try {
    ImportLoad(Load.lexically_normal().string());
  } catch (const EFileError& Error) {
    Inform(std::string(Error.what()) + "\nThe network's fixed load is used instead.");
  }
}

void TWorkbench::ImportLoad(const std::string& Name) {
  Net.MeasuredLoad = std::make_shared<const TMeasuredLoad>(ReadTouchstoneLoad(Name));
  LoadFile = Name;
}

void TWorkbench::ClearMeasuredLoad() {
  Net.MeasuredLoad.reset();
  LoadFile.clear();
}

// The network file's usual lines, then the measured load's file relative to the network file's folder.
std::vector<std::string> TWorkbench::NetworkFileLines(const std::string& Name) const {
  std::vector<std::string> Lines = SnfLines(Net, CircuitName(Name));
  if (LoadFile.empty()) return Lines;
  const fs::path Folder = fs::absolute(fs::path(Name)).parent_path();
  Lines.insert(Lines.end(), {LoadFileKey, fs::absolute(LoadFile).lexically_relative(Folder).generic_string()});
  return Lines;
}

void TWorkbench::Save(const std::string& Name) {
  Net.Creator = "Zomar";
  WriteLines(Name, NetworkFileLines(Name));
  FileName = CurrentFileName = Name;
  Remember(Name);
  Net.Title = "Network file: " + CircuitName(Name);
  MarkSaved();
}

// The network as its file holds it, the measured load's file by its own name.
std::vector<std::string> TWorkbench::State() const {
  std::vector<std::string> Lines = SnfLines(Net, "");
  Lines.push_back(LoadFile);
  return Lines;
}

bool TWorkbench::Modified() const { return State() != SavedState; }

void TWorkbench::MarkSaved() { SavedState = State(); }
