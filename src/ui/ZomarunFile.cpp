// File > New, Open, Save, Save As and Print, Help and About.
#include <QAction>
#include <QMenu>
#include <QLabel>
#include <QPushButton>

#include "files/DataIO.h"
#include "files/TextFile.h"
#include "platform/PaintBox.h"
#include "ui/Guard.h"
#include "ui/HelpWindow.h"
#include "ui/PrintDialog.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarabt.h"
#include "ui/Zomarun.h"

namespace {

QString Text(const std::string& S) { return QString::fromStdString(S); }

constexpr int ShownPositions = 5;

}  // namespace

void TForm1::NieuwClick() {
  if (!AskToSaveChanges()) return;
  Workbench->FileName.clear();
  LoadPictureClick();
}

// A file that fails midway leaves nothing of itself behind: the user gets a fresh network and the
// reason.
void TForm1::OpenenClick() {
  if (!AskToSaveChanges()) return;
  if (const auto Name = Dialogs().OpenFileName(SnfFilter, SnfExtension)) OpenNetwork(*Name);
}

void TForm1::OpenRecent(const std::string& Name) {
  if (AskToSaveChanges()) OpenNetwork(Name);
}

void TForm1::OpenNetwork(const std::string& Name) {
  std::vector<std::string> Lines;
  try {
    Lines = TWorkbench::NetworkLines(Name);
  } catch (...) {
    Workbench->FileName.clear();
    LoadPictureClick();
    throw;
  }
  LoadPictureClick();
  Workbench->Open(Name, Lines);
  ShowNetwork();
}

// The list is read when the menu opens, so it always shows the files as they are now.
void TForm1::ShowRecentFiles() {
  RecentMenu->clear();
  int Number = 0;
  for (const std::string& Name : Workbench->RecentFiles) {
    QAction* Item = RecentMenu->addAction(QStringLiteral("&%1 %2").arg(++Number).arg(Text(Name)));
    connect(Item, &QAction::triggered, this, [this, Name] { Guarded([&] { OpenRecent(Name); }); });
  }
  if (Number == 0) RecentMenu->addAction(QStringLiteral("(none)"))->setEnabled(false);
}

void TForm1::ShowNetwork() {
  setWindowTitle(Text(Net->Title));
  ShowNetworkValues();
  ButClick(B0);
}

// Every text and diagram row from the network, which the next calculation reads back.
void TForm1::ShowNetworkValues() {
  ShowFrequency(4);
  ShowZn("ohm");
  ShowLoadSource();
  if (!Net->MeasuredLoad) ShowFixedLoad();
  for (int p = 1; p <= ShownPositions; ++p) {
    const TElement& E = Net->Elements[p + 1];
    ShowRow(p, FormatExact(3, UnitName(E.ElementType), E.Value));
  }
}

void TForm1::BewarenClick() {
  if (Workbench->FileName.empty())
    BewarenAlsClick();
  else
    WriteNetwork(Workbench->FileName);
}

void TForm1::BewarenAlsClick() {
  if (const auto Name = Dialogs().SaveFileName(SnfFilter, SnfExtension, CurrentFileName)) WriteNetwork(*Name);
}

void TForm1::WriteNetwork(const std::string& Name) {
  Workbench->Save(Name);
  setWindowTitle(Text(Net->Title));
}

// True when the caller may go on: nothing changed, the user saved, or chose not to.
bool TForm1::AskToSaveChanges() {
  if (!Workbench->Modified()) return true;
  const std::string& File = Workbench->FileName;
  switch (Dialogs().MessageBox("Save changes to " + (File.empty() ? "Untitled" : CircuitName(File)) + "?",
                               TMsgKind::Confirmation, {TMsgButton::Yes, TMsgButton::No, TMsgButton::Cancel})) {
    case TMsgButton::Yes: BewarenClick(); return !Workbench->Modified();
    case TMsgButton::No: return true;
    default: return false;
  }
}

// The window's client area as one picture, without highlight or selected text, scaled to the
// largest size that fits the page, at its top-left corner.
void TForm1::PrintItClick() {
  if (!Dialogs().ShowModal(*PrintDialog1)) return;
  const int s = Net->Selected;
  for (int i = 0; i <= 5; ++i) {
    QPalette P = TypeLabels[i]->palette();
    P.setColor(QPalette::Window, palette().color(QPalette::Button));
    TypeLabels[i]->setPalette(P);
    ValueEdits[i]->setEnabled(true);
    ValueEdits[i]->deselect();
  }
  PrintDialog1->Print(centralWidget()->grab().toImage());
  ButClick(ElementButtons[s]);
}

void TForm1::Help2Click() { HelpWindow->ShowContents(); }

void TForm1::AboutClick() { Dialogs().ShowModal(*AboutBox); }
