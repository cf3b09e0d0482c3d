// File > Open, Save and Print, Help and About.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "files/DataIO.h"
#include "platform/PaintBox.h"
#include "ui/HelpWindow.h"
#include "ui/PrintDialog.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarabt.h"
#include "ui/Zomarun.h"

namespace {

QString Text(const std::string& S) { return QString::fromStdString(S); }

constexpr int ShownPositions = 5;

}  // namespace

// The diagram shows five positions. A file with fewer elements gets None elements up to five,
// which change nothing; one with more keeps them all in the calculation and in a later save,
// and the user is told that the diagram does not show them.
void TForm1::OpenenClick() {
  LoadPictureClick();
  LoadSnf(*Net);
  if (Net->NrOfElements < ShownPositions) Net->SetNrOfElements(ShownPositions);
  setWindowTitle(Text(Net->Title));
  FreqText->setText(Text(FormatValue(4, "Hz", Net->GetFrequency())));
  ZnEdit->setText(Text(FormatValue(3, "ohm", Net->GetZn())));
  Edit0->setText(Text(FormatValue(3, "", Net->Elements[1].Value)));
  Edit_1->setText(Text(FormatValue(3, "", Net->Elements[0].Value)));
  for (int p = 1; p <= ShownPositions; ++p) {
    const TElement& E = Net->Elements[p + 1];
    DrawTile(p);
    TypeLabels[p]->setText(Text(TypeName(E.ElementType)));
    ValueLabels[p]->setText(QStringLiteral("Value :"));
    ValueEdits[p]->setText(Text(FormatValue(3, UnitName(E.ElementType), E.Value)));
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
  ButClick(B0);
}

void TForm1::BewarenClick() {
  Net->Creator = "Zomar";
  SaveSnf(*Net);
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
