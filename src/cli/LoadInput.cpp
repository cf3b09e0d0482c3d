#include "cli/LoadInput.h"

#include "cli/Failures.h"
#include "files/TouchstoneReader.h"
#include "platform/Errors.h"

TMeasuredLoad ReadLoadFile(const std::string& File) {
  try {
    return ReadTouchstoneLoad(File);
  } catch (const EFileError& E) {
    throw EUsage(E.what());  // names the file already
  }
}
