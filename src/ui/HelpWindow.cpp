#include "ui/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/Errors.h"

namespace {

// Beside the program or one folder up (a build tree), then in the installed data folder.
QString FindHelpFile() {
  const QDir Program(QCoreApplication::applicationDirPath());
  for (const QString& Folder : {QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../share/zomar")}) {
    const QString Candidate = Program.filePath(Folder + QStringLiteral("/") + HelpFileName);
    if (QFileInfo::exists(Candidate)) return QFileInfo(Candidate).canonicalFilePath();
  }
  return {};
}

}  // namespace

THelpWindow::THelpWindow(QWidget* Parent) : QTextBrowser(Parent) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("ZOMAR Help"));
  setOpenExternalLinks(true);
  resize(760, 700);
}

void THelpWindow::ShowContents() {
  const QString File = FindHelpFile();
  if (File.isEmpty()) throw EFileError(HelpFileName, "the help file was not found beside the program");
  QUrl Contents = QUrl::fromLocalFile(File);
  Contents.setFragment(QStringLiteral("contents"));
  setSource(Contents);
  show();
  raise();
  activateWindow();
}
