#pragma once
// The transmission-line dialog: length, characteristic impedance, velocity factor, attenuation and
// the frequency the attenuation holds at. It only checks that three fields are plain numbers.
#include <QDialog>

#include "platform/Dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TTLineForm : public QDialog, public TModalForm {
  Q_OBJECT
public:
  explicit TTLineForm(QWidget* Parent = nullptr);

  QLabel* Elabel = nullptr;
  QLineEdit *LenEdit = nullptr, *ZoEdit = nullptr, *kEdit = nullptr, *aEdit = nullptr, *fEdit = nullptr;
  QPushButton *OKButton = nullptr, *CancelButton = nullptr;

  bool Execute() override;
  void OKButtonClick();
  void CancelButtonClick();
};
