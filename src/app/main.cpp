// Starts the workbench: the application, the period as decimal separator whatever the locale,
// the real dialogs, and the main window.
#include <QApplication>
#include <QLocale>
#include <clocale>

#include "ui/QtDialogs.h"
#include "ui/Zomarun.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  TQtDialogs QtDialogs;
  SetDialogs(&QtDialogs);
  TForm1 Form1;
  QtDialogs.SetParent(&Form1);
  Form1.show();
  const int Result = App.exec();
  SetDialogs(nullptr);
  return Result;
}
