#pragma once
// One session of the workbench without its window: the network, the preferences of the settings
// file, the network's file and whether the network changed since it was opened or saved, and
// every rule of the workbench that is not drawing. Messages go through Dialogs(); errors are
// raised as the errors of Errors.h.
#include <string>
#include <vector>

#include "files/IniFile.h"
#include "network/Network.h"
#include "workbench/BodeSweep.h"
#include "workbench/History.h"

// The frequencies and normalising impedances the workbench accepts: those its value texts, which
// every calculation reads back, can show, from 0.001 p to below 1000 G.
bool ProperFrequency(double F);
bool ProperZn(double Z);
inline constexpr const char* ImproperFrequencyText = "This is not a proper value for the frequentie";
inline constexpr const char* ImproperZnText = "This is not a proper value for Z-norm";

struct TSettingsRead {
  bool Found = false;  // a settings file was there and read
  std::string Note;    // what it could not give, as one message; empty when all went well
};

// How far one tuning step moves a value: about 1 %, 10 %, or to the next value of the E24 series.
enum class TTuneStep { Fine, Coarse, Series };

struct TScanRange {
  double Start = 0, Stop = 0;
};

class TWorkbench {
public:
  TWorkbench();
  TWorkbench(const TWorkbench&) = delete;
  TWorkbench& operator=(const TWorkbench&) = delete;

  TNetWork Net;
  TPreferences Prefs;
  TViewSettings View;    // how the chart and the plot are shown, kept with the settings
  std::string FileName;  // the file the network was opened from or saved to; empty for a new one
  std::vector<std::string> RecentFiles;  // the network files opened or saved last, newest first
  std::string LoadFile;  // the Touchstone file of the measured load, empty for the fixed load

  // A fresh network with five positions, the default preferences, then the settings file.
  TSettingsRead Reset();
  void SaveSettings() const;
  // The view settings into the settings file at once, its other lines kept; a missing file gets
  // the defaults for them. Raises EFileError.
  void SaveView() const;

  // A typed frequency: a proper one sets the step of about 1 %, the marks and a scan range around
  // it; an improper one is refused with its message and 1 MHz taken instead.
  void EnterFrequency(double F);
  // One step of the Up or Dwn button; false, with the message, when the frequency would leave the
  // proper range. The scan range moves along while it stays above 0, else it stays as it was.
  bool StepFrequency(bool Up);
  // A typed Zn: an improper one is refused with its message and 50 ohm taken instead.
  void EnterZn(double Z);
  // Frequency and Zn from elsewhere (a file, the preferences): improper ones are refused with
  // their messages and keep the values given.
  void AcceptFrequency(double F, double Kept);
  void AcceptZn(double Z, double Kept);
  // A Q of 1 .. 500 for all inductors; anything else makes them lossless.
  void EnterQ(double Q);
  // The preferences' scan range, refused with a message unless it runs upwards from above 0.
  void EnterScanRange(double Start, double Stop);

  // The type cycle None, Cs, Cp, Ls, Lp, Rs, Rp, Line, OpenStub, ShortStub (backwards too); a Stub
  // from a file leaves it for None or Line and never returns. The element gets its type's default value.
  void CycleType(int Position, bool Forward);

  static double StepFor(double F);
  static TScanRange ProposedScan(double F);
  // A new element's value at the working frequency: a reactance or resistance of Zn, a line of
  // 0.4 wavelength in free space, or a stub of an eighth wave on a line of that velocity factor,
  // which adds a susceptance of 1 / Z0; shown rounded, so the rounded value is the one returned.
  double DefaultValue(TElementType T, double VelocityFactor) const;

  // Moves the value (a line's length) of the element at Position by Steps steps, up or down, held
  // as its three-digit text shows it; a value of 0 stays.
  void Tune(int Position, int Steps, TTuneStep Step);

  TBodeSweep BodeSweep();

  // Undo and redo of every change to the network and its scan. Record takes the network as it
  // is now as the next step, unless nothing changed; the changes of one gesture (a wheel turn)
  // make one step. Opening a file or a reset starts a new history.
  void Record();
  void BeginGesture();
  void EndGesture();
  bool Undo();
  bool Redo();
  bool CanUndo() const { return History.CanUndo(); }
  bool CanRedo() const { return History.CanRedo(); }

  // A measured load from a one-port Touchstone file in place of the fixed load, which the network
  // keeps for when it is cleared. A file that cannot be read raises its error and changes nothing.
  void ImportLoad(const std::string& Name);
  void ClearMeasuredLoad();

  // The lines of a network file that reads whole; raises the error of a file that does not.
  static std::vector<std::string> NetworkLines(const std::string& Name);
  // Reads the lines NetworkLines gave into the network, which becomes the file's. Stubs and
  // positions the diagram does not show are reported, improper values refused.
  void Open(const std::string& Name, const std::vector<std::string>& Lines);
  // Writes the network whole or not at all; the file becomes the network's own on success.
  void Save(const std::string& Name);
  bool Modified() const;
  void MarkSaved();

private:
  class TMarkSaved;
  std::vector<std::string> NetworkFileLines(const std::string& Name) const;
  std::vector<std::string> State() const;
  void OpenLoadFile(const std::string& NetworkName, const std::vector<std::string>& Lines);
  void Remember(const std::string& Name);
  std::vector<std::string> SavedState;  // the network as it was opened, saved or reset, as file lines
  THistory History;
  int Gesture = 0, LastGesture = 0;     // the gesture under way (0: none) and the last one begun
};
