#include "workbench/History.h"

TNetworkState Capture(const TNetWork& Net, const TPreferences& Prefs, const std::string& LoadFile) {
  TNetworkState S;
  S.MeasuredLoad = Net.MeasuredLoad;
  S.LoadFile = LoadFile;
  S.NrOfElements = Net.NrOfElements;
  S.ScanSteps = Net.ScanSteps;
  S.Frequency = Net.Frequency;
  S.Zn = Net.Zn;
  S.Q = Net.Q;
  S.Rg = Net.Rg;
  S.ScanStart = Net.ScanStart;
  S.ScanStop = Net.ScanStop;
  S.MajorMark = Prefs.MajorMark;
  S.MinorMark = Prefs.MinorMark;
  S.UpDownInterval = Prefs.UpDownInterval;
  for (std::size_t i = 0; i < S.Slots.size(); ++i) {
    const TElement& E = Net.Elements[i];
    S.Slots[i] = {E.ElementType, E.Value,      E.Z0,         E.VelocityFactor, E.ElectricalLength,
                  E.LineLength,  E.Attenuation, E.AttenuationFreq};
  }
  return S;
}

void Restore(const TNetworkState& S, TNetWork& Net, TPreferences& Prefs, std::string& LoadFile) {
  Net.MeasuredLoad = S.MeasuredLoad;
  LoadFile = S.LoadFile;
  Net.NrOfElements = S.NrOfElements;
  Net.ScanSteps = S.ScanSteps;
  Net.Frequency = S.Frequency;
  Net.Zn = S.Zn;
  Net.Q = S.Q;
  Net.Rg = S.Rg;
  Net.ScanStart = S.ScanStart;
  Net.ScanStop = S.ScanStop;
  Prefs.MajorMark = S.MajorMark;
  Prefs.MinorMark = S.MinorMark;
  Prefs.UpDownInterval = S.UpDownInterval;
  for (std::size_t i = 0; i < S.Slots.size(); ++i) {
    const TNetworkState::TSlot& Slot = S.Slots[i];
    TElement& E = Net.Elements[i];
    E.ElementType = Slot.Type;
    E.Value = Slot.Value;
    E.Z0 = Slot.Z0;
    E.VelocityFactor = Slot.VelocityFactor;
    E.ElectricalLength = Slot.ElectricalLength;
    E.LineLength = Slot.LineLength;
    E.Attenuation = Slot.Attenuation;
    E.AttenuationFreq = Slot.AttenuationFreq;
  }
}

void THistory::Start(const TNetworkState& State) {
  States.assign(1, {State, 0});
  Current = 0;
}

void THistory::Record(const TNetworkState& State, int Gesture) {
  if (States.empty()) return Start(State);
  if (States[Current].State == State) return;
  States.resize(Current + 1);
  if (Gesture != 0 && States[Current].Gesture == Gesture && Current > 0) {
    States[Current].State = State;
    return;
  }
  if (States.size() == MaxStates) States.erase(States.begin());
  States.push_back({State, Gesture});
  Current = States.size() - 1;
}

const TNetworkState* THistory::Undo() {
  if (!CanUndo()) return nullptr;
  return &States[--Current].State;
}

const TNetworkState* THistory::Redo() {
  if (!CanRedo()) return nullptr;
  return &States[++Current].State;
}
