// Starts the workbench: the application, the period as decimal separator whatever the locale,
// the real dialogs, and the main window with the network file named on the command line, if any.
#include <QApplication>
#include <QLocale>
#include <clocale>

#include "ui/Guard.h"
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
  // The desktop passes the .snf file the user opened; showing the window has reset it already.
  if (const QStringList Arguments = App.arguments(); Arguments.size() > 1)
    Guarded([&] { Form1.OpenRecent(Arguments[1].toStdString()); });
  const int Result = App.exec();
  SetDialogs(nullptr);
  return Result;
}
