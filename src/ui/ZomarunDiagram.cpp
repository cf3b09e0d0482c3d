// The diagram: element boxes, type cycling with default values, selection and the keys of the
// value edits.
#include <QLabel>
#include <QPushButton>
#include <numbers>

#include "platform/PaintBox.h"
#include "ui/SchemaTiles.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

QString Text(const std::string& S) { return QString::fromStdString(S); }

void SetBackground(QLabel* Label, const QColor& Colour) {
  QPalette P = Label->palette();
  P.setColor(QPalette::Window, Colour);
  Label->setPalette(P);
}

void SetCaptionColour(QPushButton* Button, const QColor& Colour) {
  QPalette P = Button->palette();
  P.setColor(QPalette::ButtonText, Colour);
  Button->setPalette(P);
}

}  // namespace

void TForm1::ZinBoxPaint() { ZinBox->Canvas().Draw(0, 0, SchemaBitmap); }

void TForm1::ZlBoxPaint() { ZlBox->Canvas().Draw(-LoadTileLeft, 0, SchemaBitmap); }

void TForm1::PaintBoxPaint(TPaintBox* Sender) {
  for (int p = 1; p <= 5; ++p)
    if (Sender == DiagramBoxes[p]) DrawTile(p);
}

// A diagram box came onto a screen of another pixel ratio: the strip is drawn again at it, and
// every box shows its piece of the new strip.
void TForm1::SchemaRatioChanged(TPaintBox* Sender) {
  if (Sender->Canvas().PixelRatio() == SchemaBitmap.PixelRatio()) return;
  SchemaBitmap.SetPixelRatio(Sender->Canvas().PixelRatio());
  DrawSchema(SchemaBitmap);
  ZinBox->update();
  for (int p = 0; p <= 5; ++p) DiagramBoxes[p]->update();
}

// A Stub has no tile of its own: its box shows the bare wires with its name.
void TForm1::DrawTile(int Position) {
  const TElementType T = Net->Elements[Position + 1].ElementType;
  TCanvas& C = DiagramBoxes[Position]->Canvas();
  C.Draw(TileOffset(T == TElementType::Stub ? TElementType::None : T), 0, SchemaBitmap);
  if (T == TElementType::Stub) {
    C.Brush.Style = TBrushStyle::Clear;
    C.Font = TFont{"MS Sans Serif", 7, true, clBlue};
    C.TextOut(4, 1, TypeName(T));
  }
}

// A diagram row as the element in its position is: tile, type, value, and the line button.
void TForm1::ShowRow(int Position, const std::string& ValueText) {
  const bool Line = HasLineData(Net->Elements[Position + 1].ElementType);
  DrawTile(Position);
  TypeLabels[Position]->setText(Text(TypeName(Net->Elements[Position + 1].ElementType)));
  ValueLabels[Position]->setText(Line ? QStringLiteral("Length :") : QStringLiteral("Value :"));
  LineButtons[Position]->setVisible(Line);
  ValueEdits[Position]->ShowText(Text(ValueText));
}

void TForm1::MouseDown(TPaintBox* Sender, Qt::MouseButton Button) {
  VeranderElement(Sender, Button != Qt::RightButton);
  for (int i = 0; i <= 5; ++i)
    if (Sender == DiagramBoxes[i]) ButClick(ElementButtons[i]);
}

void TForm1::VeranderElement(TPaintBox* Sender, bool Forward) {
  for (int p = 1; p <= 5; ++p) {
    if (Sender != DiagramBoxes[p]) continue;
    Net->SetFrequency(ParseValue(FreqText->text().toStdString(), "Hz"));
    Workbench->CycleType(p, Forward);
    const TElement& E = Net->Elements[p + 1];
    ShowRow(p, FormatValue(3, UnitName(E.ElementType), E.Value));
    ZinSer->setText(QStringLiteral(" Not yet calculated"));
    ZinPar->setText(QStringLiteral(" Not yet calculated"));
  }
}

void TForm1::ButClick(QPushButton* Sender) {
  int s = 0;
  for (int i = 0; i <= 5; ++i) {
    SetCaptionColour(ElementButtons[i], Qt::blue);
    SetBackground(TypeLabels[i], palette().color(QPalette::Button));
    if (ElementButtons[i] == Sender) {
      s = i;
      SetCaptionColour(ElementButtons[i], Qt::red);
    }
  }
  SetBackground(TypeLabels[s], Qt::cyan);
  Net->Selected = s;
  ValueEdits[s]->setEnabled(true);
  if (s == 0) Edit_1->setEnabled(true);
  ValueEdits[s]->setFocus();
  ValueEdits[s]->selectAll();
  Bereken();
}

// Selecting the load focuses its resistance; a click into the reactance keeps the focus there, so
// what the user types next goes where they clicked.
void TForm1::SEditClick(TValueEdit* Sender) {
  if (Sender == Edit_1) {
    ButClick(B0);
    Edit_1->setFocus();
    Edit_1->selectAll();
  }
  for (int i = 0; i <= 5; ++i)
    if (Sender == ValueEdits[i]) ButClick(ElementButtons[i]);
}

void TForm1::Commit(int Position) {
  TElement& E = Net->Elements[Position + 1];
  const std::string Unit = UnitName(E.ElementType);
  E.SetValue(ParseValue(ValueEdits[Position]->text().toStdString(), Unit));
  ValueEdits[Position]->ShowText(Text(FormatExact(3, Unit, E.Value)));
}

void TForm1::FormKeyDown(TValueEdit*, int Key, Qt::KeyboardModifiers Shift) {
  int s = Net->Selected;
  const bool Ctrl = Shift.testFlag(Qt::ControlModifier);
  if (Ctrl && (Key == Qt::Key_Left || Key == Qt::Key_Right)) {
    Commit(s);
    s = Key == Qt::Key_Left ? (s + 1) % 6 : (s + 5) % 6;
    ButClick(ElementButtons[s]);
  } else if (Ctrl && (Key == Qt::Key_Up || Key == Qt::Key_Down)) {
    VeranderElement(DiagramBoxes[s], Key == Qt::Key_Down);
    Commit(s);
    ButClick(ElementButtons[s]);
  } else if (Shift.testFlag(Qt::AltModifier) && (Key == Qt::Key_Up || Key == Qt::Key_Down) && s > 0) {
    TuneValue(s, Key == Qt::Key_Up ? 1 : -1, Shift);
  } else if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
    for (int p = 1; p <= 5; ++p) Commit(p);
    Bereken();
  }
}
