#pragma once
// A fresh workbench window in a working directory of its own (the reset reads the settings file
// there), with the scripted dialogs installed. Clicks and keys go through QTest like a user's.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "FakeDialogs.h"
#include "platform/PaintBox.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

using Strings = std::vector<std::string>;

struct TWorkingDirectory {
  QTemporaryDir Temp;
  const QString Previous = QDir::currentPath();
  TWorkingDirectory() { QDir::setCurrent(Temp.path()); }
  ~TWorkingDirectory() { QDir::setCurrent(Previous); }
};

class Window : public ::testing::Test {
protected:
  TWorkingDirectory Directory;
  TFakeDialogs Dialogs;
  std::unique_ptr<TForm1> Form = std::make_unique<TForm1>();

  void SetUp() override {
    Form->show();
    QApplication::setActiveWindow(Form.get());
  }

  static void LeftClick(QWidget* W, int Times = 1) {
    while (Times-- > 0) QTest::mouseClick(W, Qt::LeftButton, {}, QPoint(5, 5));
  }
  static void RightClick(QWidget* W) { QTest::mouseClick(W, Qt::RightButton, {}, QPoint(5, 5)); }
  static void CtrlKey(QWidget* W, Qt::Key Key) { QTest::keyClick(W, Key, Qt::ControlModifier); }
  static void Type(QLineEdit* Edit, const QString& Text) {  // replaces the text as a user would
    Edit->selectAll();
    QTest::keyClicks(Edit, Text);
  }
  static void Commit(QLineEdit* Edit, const QString& Text) {
    Type(Edit, Text);
    QTest::keyClick(Edit, Qt::Key_Return);
  }
  // Plays the user on the next modal form, of type F; Play says whether OK closed it.
  template <class F>
  void OnModal(std::function<bool(F&)> Play) {
    Dialogs.ModalAnswers.push_back([Play](TModalForm& M) { return Play(dynamic_cast<F&>(M)); });
  }

  // File > New or Open throwing away what the test changed: "No" to the question whether to save it.
  void Discard(QAction* Command) {
    if (Form->Workbench->Modified()) Dialogs.MessageAnswers.push_front(TMsgButton::No);
    Command->trigger();
  }

  static std::string Text(const auto* W) { return W->text().toStdString(); }
  static Strings Texts(const auto*... Widgets) { return {Text(Widgets)...}; }
  // A diagram row as the user sees it: type, value, value caption and the "..." button when shown.
  Strings Row(int P) const {
    return {Text(Form->TypeLabels[P]), Text(Form->ValueEdits[P]), Text(Form->ValueLabels[P]),
            Form->LineButtons[P]->isVisible() ? "..." : ""};
  }
  TElement& Element(int Position) { return Form->Net->Elements[Position + 1]; }
  static QColor Background(const QLabel* L) { return L->palette().color(QPalette::Window); }
  static QColor Caption(const QPushButton* B) { return B->palette().color(QPalette::ButtonText); }

  // Zero is how the value edits write 0: the reset writes "0", File > Open rewrites them.
  void ExpectFreshNetwork(const std::string& Zero = "0") {
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(Row(p), (Strings{"None", Zero, "Value :", ""})) << p;
    const auto IsNone = [](const TElement& E) { return E.ElementType == TElementType::None; };
    EXPECT_TRUE(std::all_of(&Element(1), &Element(6), IsNone));
    EXPECT_EQ(Texts(Form->Edit0, Form->Edit_1), (Strings{Zero, Zero}));
    EXPECT_EQ(std::tuple(Form->Net->Selected, Background(Form->E0TypeLabel)), std::tuple(0, QColor(Qt::cyan)));
    EXPECT_TRUE(Form->CalcE->isChecked() && !Form->MarkerLabel->isVisible());
    EXPECT_TRUE(Form->x1->isChecked() && !Form->x10->isChecked() && Form->SmithChart->Zoom == 1);
  }
};
