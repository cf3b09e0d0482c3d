#pragma once
// The preferences dialog: working frequency, Up/Down step, Zn, Q, the two display switches and the
// scan settings. While it is open, a typed frequency proposes a scan range, and the two switches
// act on the main window at once (through NormalizedClick and FullScreenClick).
#include <QDialog>

#include "platform/Dialogs.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TPrefForm : public QDialog, public TModalForm {
  Q_OBJECT
public:
  explicit TPrefForm(QWidget* Parent = nullptr);

  QGroupBox *GroupBox1 = nullptr, *ScanBox = nullptr;
  QLineEdit *FreqEdit = nullptr, *UDEdit = nullptr, *ZnEdit = nullptr, *QEdit = nullptr;
  QCheckBox *Normalized = nullptr, *FullScreen = nullptr, *Savesettings = nullptr;
  QLineEdit *StartFreqEdit = nullptr, *StopFreqEdit = nullptr, *StepsEdit = nullptr, *MajorMarkEdit = nullptr,
            *MinorMarkEdit = nullptr;
  QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;  // OK, Cancel

  bool Execute() override;
  void FreqEditChange();

signals:
  void NormalizedClick(bool Checked);
  void FullScreenClick(bool Checked);

private:
  void CreateGeneral();
  void CreateScanOptions();
  void SetTabOrder();
};
