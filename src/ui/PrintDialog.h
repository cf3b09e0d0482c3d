#pragma once
// The printer dialog and the printer it sets up.
#include <QImage>
#include <QPrinter>
#include <QWidget>

#include "platform/Dialogs.h"

class TPrintDialog : public TModalForm {
public:
  explicit TPrintDialog(QWidget* Parent) : Parent(Parent) {}

  QPrinter Printer;

  bool Execute() override;
  // One job of one page: the picture scaled proportionally to the largest size that fits the
  // printable page, at its top-left corner.
  void Print(const QImage& Picture);

private:
  QWidget* Parent;
};
