#include "ui/PrintDialog.h"

#include <QPainter>
#include <QPrintDialog>

#include "platform/Errors.h"

bool TPrintDialog::Execute() {
  QPrintDialog Dialog(&Printer, Parent);
  return Dialog.exec() == QDialog::Accepted;
}

void TPrintDialog::Print(const QImage& Picture) {
  QPainter Painter;
  if (!Painter.begin(&Printer)) {
    const QString Name = Printer.outputFileName().isEmpty() ? Printer.printerName() : Printer.outputFileName();
    throw EFileError(Name.toStdString(), "the printer could not start");
  }
  const QRect Page = Painter.viewport();
  const QSize Size = Picture.size().scaled(Page.size(), Qt::KeepAspectRatio);
  Painter.drawImage(QRect(Page.topLeft(), Size), Picture);
  Painter.end();
}
