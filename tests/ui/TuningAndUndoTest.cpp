#include <QWheelEvent>

#include "WindowFixture.h"
#include "workbench/History.h"
#include "plotter/Plotter.h"
#include "ui/PrefUnit.h"

namespace {

class Tuning : public Window {
protected:
  static void Wheel(QWidget* W, int Notches, Qt::KeyboardModifiers Shift = {}) {
    const QPointF At(5, 5);
    QWheelEvent Event(At, W->mapToGlobal(At), {}, {0, 120 * Notches}, Qt::NoButton, Shift, Qt::NoScrollPhase, false);
    QApplication::sendEvent(W, &Event);
  }
  void EndGesture() { Form->TuneTimerTimer(); }
  // The network's values, and what the user sees of them: the texts hold the same values, if
  // not always in the same words ("75" typed, "75 " shown).
  std::tuple<TNetworkState, double, double, double, std::string> Shown() const {
    return {Capture(*Form->Net, Form->Workbench->Prefs, Form->Workbench->LoadFile), ParseValue(Text(Form->FreqText), "Hz"),
            ParseValue(Text(Form->Edit0), "ohm"), ParseValue(Text(Form->Edit1), UnitName(Form->Net->Elements[2].ElementType)),
            Text(Form->ZinSer)};
  }
};

// A notch moves the value about 1 %, Shift 10 %, down as well as up, over the edit or the box;
// the chart, the results and the Bode plot follow at once.
TEST_F(Tuning, WheelAndAltArrowsStepTheValueAndRecalculate) {
  Commit(Form->Edit0, "50");
  LeftClick(Form->PaintBox1, 3);  // Ls 79.6 nH
  Form->Bodeplot->trigger();
  const long double Before = Form->PlotPanel->Points(0)[1].Y;
  Wheel(Form->Edit1, 1);
  EXPECT_EQ(std::tuple(Text(Form->Edit1), Element(1).Value), std::tuple("80.4 nH", 80.4e-9));
  EXPECT_NE(Form->PlotPanel->Points(0)[1].Y, Before);
  Wheel(Form->PaintBox1, -2, Qt::ShiftModifier);
  EXPECT_EQ(Text(Form->Edit1), "66.5 nH");
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 20), "Re: 50     Im: +41.8");
  Form->ButClick(Form->B1);
  QTest::keyClick(Form->Edit1, Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Text(Form->Edit1), "67.2 nH");
  Wheel(Form->Edit1, 1, Qt::ControlModifier);  // the next E24 value, and the one after a standard one
  Wheel(Form->Edit1, 1, Qt::ControlModifier);
  Wheel(Form->Edit1, -3, Qt::ControlModifier);
  EXPECT_EQ(Text(Form->Edit1), "56 nH");
  LeftClick(Form->PaintBox2, 7);  // a line's length steps too
  Wheel(Form->Edit2, 1);
  EXPECT_EQ(std::tuple(Text(Form->Edit2), Element(2).LineLength), std::tuple("404 mm", 0.404));
  Wheel(Form->Edit3, 1);  // None has nothing to tune
  EXPECT_EQ(Element(3).Value, 0);
}

// One undo step per change of any kind; a wheel gesture is one step; redo goes forward again, and
// the changed state follows.
TEST_F(Tuning, UndoAndRedoEveryKindOfChange) {
  const std::vector<std::pair<const char*, std::function<void()>>> Changes = {
      {"type", [&] { LeftClick(Form->PaintBox1); }},
      {"value", [&] { Commit(Form->Edit1, "12.34p"); }},
      {"load", [&] { Commit(Form->Edit0, "75"); }},
      {"wheel", [&] { Wheel(Form->Edit1, 1), Wheel(Form->Edit1, 1), Wheel(Form->PaintBox1, 1), EndGesture(); }},
      {"frequency", [&] { Dialogs.InputAnswers.push_back("145.525M"), LeftClick(Form->FreqButton); }},
      {"Zn", [&] { Dialogs.InputAnswers.push_back("75"), LeftClick(Form->ZnButton); }},
      {"Q", [&] { Dialogs.InputAnswers.push_back("100"), Form->QFactor->trigger(); }},
      {"chart", [&] {
         const TSmithChart& C = *Form->SmithChart;
         Form->ButClick(Form->B1), Form->SmithPboxMouseDown(C.CenterX, C.CenterY + C.Radius / 2);
       }},
      {"scan", [&] {
         OnModal<TPrefForm>([](TPrefForm& F) { return F.StartFreqEdit->setText("1M"), true; });
         Form->PrefMenu->trigger();
       }}};
  std::vector Seen{Shown()};
  for (const auto& [Name, Change] : Changes) {
    Change();
    Seen.push_back(Shown());
    EXPECT_NE(Seen.back(), Seen[Seen.size() - 2]) << Name;
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
  for (std::size_t i = Seen.size() - 1; i > 0; --i) {
    QTest::keyClick(Form->Edit1, Qt::Key_Z, Qt::ControlModifier);  // the edit's own undo gives way
    EXPECT_EQ(Shown(), Seen[i - 1]) << Changes[i - 1].first;
  }
  EXPECT_FALSE(Form->UndoItem->isEnabled() || Form->Workbench->Modified());
  QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Shown(), Seen[2]);
  EXPECT_TRUE(Form->Workbench->Modified());
}

// Opening a file starts a new history; undo back to the saved state leaves nothing to save.
TEST_F(Tuning, OpeningStartsANewHistoryAndSavingMarksWhereUndoLeavesNothingToSave) {
  LeftClick(Form->PaintBox1);
  Dialogs.FileAnswers = {"one.snf"};
  Form->BewarenAls->trigger();
  LeftClick(Form->PaintBox1);
  Form->UndoItem->trigger();
  EXPECT_FALSE(Form->Workbench->Modified());
  Dialogs.FileAnswers = {"one.snf"};
  Form->Openen->trigger();
  EXPECT_FALSE(Form->UndoItem->isEnabled() || Form->RedoItem->isEnabled());
}

}  // namespace
