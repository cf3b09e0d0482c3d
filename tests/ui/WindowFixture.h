#pragma once
// A fresh workbench window in a private working directory (the settings file lives there), with
// the scripted dialogs installed. Clicks and keys go through QTest like a user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <memory>

#include "FakeDialogs.h"
#include "platform/PaintBox.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

class TWorkingDirectory {
public:
  TWorkingDirectory();
  ~TWorkingDirectory();
  std::filesystem::path Path;

private:
  std::filesystem::path Previous;
};

class Window : public ::testing::Test {
protected:
  TWorkingDirectory Directory;  // before the window: the reset reads the settings file there
  TFakeDialogs Dialogs;
  std::unique_ptr<TForm1> Form;

  void SetUp() override { Open(); }
  void Open();

  void LeftClick(QWidget* W) { QTest::mouseClick(W, Qt::LeftButton, {}, QPoint(5, 5)); }
  void RightClick(QWidget* W) { QTest::mouseClick(W, Qt::RightButton, {}, QPoint(5, 5)); }
  void MousePress(QWidget* W, Qt::MouseButton B, QPoint P) { QTest::mousePress(W, B, {}, P); }
  void Type(QLineEdit* Edit, const QString& Text);  // replaces the text as a user would
  void Enter(QWidget* W) { QTest::keyClick(W, Qt::Key_Return); }
  void CtrlKey(QWidget* W, Qt::Key Key) { QTest::keyClick(W, Key, Qt::ControlModifier); }

  std::string Text(const QLineEdit* E) const { return E->text().toStdString(); }
  std::string Text(const QLabel* L) const { return L->text().toStdString(); }
  TElement& Element(int Position) { return Form->Net->Elements[Position + 1]; }
  QColor Background(const QLabel* L) const { return L->palette().color(QPalette::Window); }
  QColor Caption(const QPushButton* B) const { return B->palette().color(QPalette::ButtonText); }
};
