// File > New, Open, Save, Save As and Print, Help and About.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "files/DataIO.h"
#include "files/TextFile.h"
#include "network/ProperValues.h"
#include "platform/PaintBox.h"
#include "ui/HelpWindow.h"
#include "ui/PrintDialog.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarabt.h"
#include "ui/Zomarun.h"

namespace {

QString Text(const std::string& S) { return QString::fromStdString(S); }

constexpr int ShownPositions = 5;

std::string PositionList(const std::vector<int>& Positions) {
  std::string List;
  for (std::size_t i = 0; i < Positions.size(); ++i)
    List += (i == 0 ? "" : i + 1 == Positions.size() ? " and " : ", ") + std::to_string(Positions[i]);
  return List;
}

}  // namespace

void TForm1::NieuwClick() {
  if (!AskToSaveChanges()) return;
  NetworkFile.clear();
  LoadPictureClick();
}

// The file is read once into a scratch network first, so that a file that fails midway leaves
// nothing of itself behind: the user gets a fresh network and the reason.
void TForm1::OpenenClick() {
  if (!AskToSaveChanges()) return;
  const auto Name = Dialogs().OpenFileName(SnfFilter, SnfExtension);
  if (!Name) return;
  const std::vector<std::string> Lines = ReadLines(*Name);
  try {
    TNetWork Probe;
    ReadSnfLines(Lines, Probe);
  } catch (...) {
    NetworkFile.clear();
    LoadPictureClick();
    throw;
  }
  LoadPictureClick();
  const double Frequency = Net->GetFrequency(), Zn = Net->GetZn();
  ReadSnfLines(Lines, *Net);
  CurrentFileName = NetworkFile = *Name;
  ShowNetwork(Frequency, Zn);
  MarkSaved();
}

// The diagram shows five positions. A file with fewer elements gets None elements up to five,
// which change nothing; one with more keeps them all in the calculation and in a later save,
// and the user is told that the diagram does not show them.
void TForm1::ShowNetwork(double DefaultFrequency, double DefaultZn) {
  if (Net->NrOfElements < ShownPositions) Net->SetNrOfElements(ShownPositions);
  setWindowTitle(Text(Net->Title));
  RefuseImproperValues(DefaultFrequency, DefaultZn);
  ShowFrequency(Net->GetFrequency(), 4);
  ShowZn(Net->GetZn(), "ohm");
  Edit0->ShowText(Text(FormatExact(3, "", Net->Elements[1].Value)));
  Edit_1->ShowText(Text(FormatExact(3, "", Net->Elements[0].Value)));
  std::vector<int> Stubs;
  for (int p = 1; p <= ShownPositions; ++p) {
    const TElement& E = Net->Elements[p + 1];
    if (E.ElementType == TElementType::Stub) Stubs.push_back(p);
    DrawTile(p);
    TypeLabels[p]->setText(Text(TypeName(E.ElementType)));
    ValueLabels[p]->setText(QStringLiteral("Value :"));
    ValueEdits[p]->ShowText(Text(FormatExact(3, UnitName(E.ElementType), E.Value)));
    if (E.ElementType == TElementType::Line) {
      ValueLabels[p]->setText(QStringLiteral("Length :"));
      LineButtons[p]->show();
    }
  }
  if (Net->NrOfElements > ShownPositions)
    Dialogs().MessageBox("This network has " + std::to_string(Net->NrOfElements) + " elements. The diagram shows "
                             "positions 1 to 5; positions 6 to " + std::to_string(Net->NrOfElements) +
                             " are not shown, but they are calculated, drawn on the chart and saved with the network.",
                         TMsgKind::Information, {TMsgButton::OK});
  if (!Stubs.empty())
    Dialogs().MessageBox("Position" + std::string(Stubs.size() > 1 ? "s " : " ") + PositionList(Stubs) +
                             (Stubs.size() > 1 ? " hold" : " holds") +
                             " a Stub, which has no model of its own: it is calculated as a through connection.",
                         TMsgKind::Information, {TMsgButton::OK});
  ButClick(B0);
}

// A frequency or Zn that the boxes would refuse is refused from a file too.
void TForm1::RefuseImproperValues(double DefaultFrequency, double DefaultZn) {
  if (!ProperFrequency(Net->GetFrequency())) Net->SetFrequency(RefuseFrequency(DefaultFrequency));
  if (!ProperZn(Net->GetZn())) Net->SetZn(RefuseZn(DefaultZn));
}

void TForm1::BewarenClick() {
  if (NetworkFile.empty())
    BewarenAlsClick();
  else
    WriteNetwork(NetworkFile);
}

void TForm1::BewarenAlsClick() {
  if (const auto Name = Dialogs().SaveFileName(SnfFilter, SnfExtension, CurrentFileName)) WriteNetwork(*Name);
}

// The file takes the name only once it is written; a failed write changes nothing.
void TForm1::WriteNetwork(const std::string& Name) {
  Net->Creator = "Zomar";
  WriteLines(Name, SnfLines(*Net, CircuitName(Name)));
  CurrentFileName = NetworkFile = Name;
  Net->Title = "Network file: " + CircuitName(Name);
  setWindowTitle(Text(Net->Title));
  MarkSaved();
}

void TForm1::MarkSaved() { SavedState = SnfLines(*Net, ""); }

bool TForm1::Modified() const { return SnfLines(*Net, "") != SavedState; }

// True when the caller may go on: nothing changed, the user saved, or chose not to.
bool TForm1::AskToSaveChanges() {
  if (!Modified()) return true;
  const std::string Name = NetworkFile.empty() ? "Untitled" : CircuitName(NetworkFile);
  switch (Dialogs().MessageBox("Save changes to " + Name + "?", TMsgKind::Confirmation,
                               {TMsgButton::Yes, TMsgButton::No, TMsgButton::Cancel})) {
    case TMsgButton::Yes: BewarenClick(); return !Modified();
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
