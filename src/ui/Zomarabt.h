#pragma once
// The About box: the program's title, its version and where to send suggestions.
#include <QDialog>

#include "platform/Dialogs.h"

class QLabel;
class QPushButton;

class TAboutBox : public QDialog, public TModalForm {
  Q_OBJECT
public:
  explicit TAboutBox(QWidget* Parent = nullptr);

  QLabel *ProductName = nullptr, *Version = nullptr, *Comments = nullptr;
  QPushButton* OKButton = nullptr;

  bool Execute() override;
};
