#pragma once
// The help window: the program's own HTML help file, opened at its contents.
#include <QTextBrowser>

inline constexpr const char* HelpFileName = "ZOMAR.html";

class THelpWindow : public QTextBrowser {
  Q_OBJECT
public:
  explicit THelpWindow(QWidget* Parent = nullptr);
  // Finds the help file beside the program or where it is installed, and shows its contents.
  // Raises EFileError when the file is nowhere to be found.
  void ShowContents();
};
