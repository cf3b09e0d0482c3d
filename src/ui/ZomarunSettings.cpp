// The settings file seen from the window: written on request from the preferences dialog, read
// by the workbench at every reset.
#include <QLineEdit>

#include "ui/Zomarun.h"

void TForm1::BewaarIni() { Workbench->SaveSettings(); }

// Shows what the reset read from the settings file.
void TForm1::HaalIni() {
  ShowFrequency(4);
  ShowZn("");
  HeightReserve = FullScreen ? 0 : 26;
  ApplyHeight();
}
