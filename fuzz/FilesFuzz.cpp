// Any bytes, read as a network file and as a settings file: the readers may only raise their own
// errors, and whatever they did read must save and read back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/DataIO.h"
#include "files/IniFile.h"
#include "files/TextFile.h"
#include "platform/Errors.h"

namespace {

using TLines = std::vector<std::string>;

// The lines as they come back from a file written with them.
TLines ThroughAFile(const TLines& Lines) {
  std::string Text;
  for (const std::string& L : Lines) Text += L + "\r\n";
  return SplitLines(Text);
}

void Check(bool Condition) {
  if (!Condition) std::abort();
}

void Network(const TLines& Lines) {
  TNetWork Net;
  Net.SetNrOfElements(5);
  try {
    ReadSnfLines(Lines, Net);
  } catch (const ESnfError&) {
    return;
  } catch (const EConvertError&) {
    return;
  } catch (const EMathError&) {  // a line's electrical length out of range
    return;
  }
  Check(Net.NrOfElements >= 2 && Net.NrOfElements <= 30);
  const TLines Saved = SnfLines(Net, "fuzz.snf");
  Check(ThroughAFile(Saved) == Saved);
  TNetWork Again;
  Again.SetNrOfElements(5);
  ReadSnfLines(Saved, Again);
  Check(SnfLines(Again, "fuzz.snf") == Saved);
  Check(Again.Creator == Net.Creator);
}

void Settings(const TLines& Lines) {
  TNetWork Net;
  TPreferences Prefs;
  try {
    ApplyIniLines(Lines, Net, Prefs);
  } catch (const EConvertError&) {
    return;
  } catch (const EFileError&) {  // a key on the last line
    return;
  }
  const TLines Saved = IniLines(Net, Prefs);
  TNetWork Again;
  TPreferences AgainPrefs;
  ApplyIniLines(ThroughAFile(Saved), Again, AgainPrefs);
  Check(IniLines(Again, AgainPrefs) == Saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const TLines Lines = SplitLines(std::string_view(reinterpret_cast<const char*>(Data), Size));
  Network(Lines);
  Settings(Lines);
  return 0;
}
