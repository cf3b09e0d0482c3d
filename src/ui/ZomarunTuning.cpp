// Tuning a value with the mouse wheel or Alt+Up/Down, and undo and redo of every change.
#include <QAction>
#include <QLabel>
#include <QTimer>

#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

// A wheel notch or key moves the value by about 1 % (Shift: 10 %, Ctrl: to the next E24 value)
// and recalculates at once; the steps of one gesture, ended by a pause, are one undo step.
void TForm1::TuneValue(int Position, int Notches, Qt::KeyboardModifiers Shift) {
  const TElementType T = Net->Elements[Position + 1].ElementType;
  if (T == TElementType::None || T == TElementType::Stub) return;
  Commit(Position);
  if (!TuneTimer->isActive()) Workbench->BeginGesture();
  TuneTimer->start();
  const TTuneStep Step = Shift.testFlag(Qt::ControlModifier) ? TTuneStep::Series
                         : Shift.testFlag(Qt::ShiftModifier) ? TTuneStep::Coarse
                                                             : TTuneStep::Fine;
  Workbench->Tune(Position, Notches, Step);
  ValueEdits[Position]->ShowText(QString::fromStdString(FormatExact(3, UnitName(T), Net->Elements[Position + 1].Value)));
  Bereken();
}

void TForm1::TuneTimerTimer() { Workbench->EndGesture(); }

void TForm1::UndoClick() {
  if (Workbench->Undo()) ShowUndone();
}

void TForm1::RedoClick() {
  if (Workbench->Redo()) ShowUndone();
}

void TForm1::ShowUndone() {
  ShowNetworkValues();
  if (MarkerLabel->isVisible()) ShowMarkerStep();
  Bereken();
}

void TForm1::ShowHistory() {
  UndoItem->setEnabled(Workbench->CanUndo());
  RedoItem->setEnabled(Workbench->CanRedo());
}
