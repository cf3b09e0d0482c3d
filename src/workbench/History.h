#pragma once
// The undo history: the network as the user left it after each change.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "files/IniFile.h"
#include "network/Network.h"

// What the user edits of a network and its scan, not what a calculation derives from it.
struct TNetworkState {
  struct TSlot {
    TElementType Type = TElementType::None;
    double Value = 0, Z0 = 0, VelocityFactor = 0, ElectricalLength = 0, LineLength = 0, Attenuation = 0,
           AttenuationFreq = 0;
    bool operator==(const TSlot&) const = default;
  };
  int NrOfElements = 0, ScanSteps = 0;
  double Frequency = 0, Zn = 0, Q = 0, Rg = 0, ScanStart = 0, ScanStop = 0;
  double MajorMark = 0, MinorMark = 0, UpDownInterval = 0;
  std::array<TSlot, 32> Slots{};
  std::shared_ptr<const TMeasuredLoad> MeasuredLoad;
  std::string LoadFile;
  bool operator==(const TNetworkState&) const = default;
};

TNetworkState Capture(const TNetWork& Net, const TPreferences& Prefs, const std::string& LoadFile);
void Restore(const TNetworkState& State, TNetWork& Net, TPreferences& Prefs, std::string& LoadFile);

class THistory {
public:
  // A new history that starts at State: nothing to undo or redo.
  void Start(const TNetworkState& State);
  // Records State when it differs from the current one, dropping what could be redone. A change
  // of the same Gesture (not 0) as the current state replaces it: a whole wheel turn is one step.
  void Record(const TNetworkState& State, int Gesture);
  // The state to go back or forward to; nullptr when there is none.
  const TNetworkState* Undo();
  const TNetworkState* Redo();
  bool CanUndo() const { return Current > 0; }
  bool CanRedo() const { return Current + 1 < States.size(); }

private:
  static constexpr std::size_t MaxStates = 1000;
  struct TEntry {
    TNetworkState State;
    int Gesture = 0;
  };
  std::vector<TEntry> States;
  std::size_t Current = 0;
};
