#include "cli/NetworkOutput.h"

#include "cli/Failures.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "platform/Errors.h"

void WriteNetwork(const std::string& File, TNetWork& Net) {
  Net.Creator = "Zomar";
  try {
    WriteLines(File, SnfLines(Net, CircuitName(File)));
  } catch (const EFileError& E) {
    throw EUsage(E.what());  // names the file already
  }
}
