#pragma once
// Options > Circles...: the values and colours of the circles of constant VSWR, Q, resistance and
// reactance on the chart.
#include <QDialog>
#include <array>

#include "files/ViewSettings.h"
#include "platform/Dialogs.h"

class QLineEdit;
class QPushButton;

class TCirclesForm : public QDialog, public TModalForm {
  Q_OBJECT
public:
  explicit TCirclesForm(QWidget* Parent = nullptr);

  // In the order VSWR, Q, R, X.
  std::array<QLineEdit*, 4> ValueEdits{};
  std::array<QPushButton*, 4> ColourButtons{};
  QPushButton *OkButton = nullptr, *CancelButton = nullptr;

  void Show(const TViewSettings& View);
  // The circles of the form into View; false, with a message naming the field and the value, when
  // one does not read or does not suit its family, leaving View as it was.
  bool Read(TViewSettings& View);
  bool Execute() override;

private:
  std::array<std::uint32_t, 4> Colours{};
  void ShowColour(int Row);
  void PickColour(int Row);
  void Accept();
};
