#pragma once
// The Tools' dialogs: the matching solutions to pick from, and the band optimiser's result.
#include <QDialog>

#include "platform/Dialogs.h"
#include "synthesis/Match.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TPlotPanel;

class TMatchForm : public QDialog, public TModalForm {
  Q_OBJECT
public:
  explicit TMatchForm(QWidget* Parent = nullptr);

  QTableWidget* Solutions = nullptr;
  QLabel* Reasons = nullptr;
  QPushButton *ApplyButton = nullptr, *CloseButton = nullptr;

  void Show(const TMatchResult& Result);
  int Chosen() const;  // the row picked, -1 for none
  bool Execute() override;
};

class TOptimiseForm : public QDialog, public TModalForm {
  Q_OBJECT
public:
  explicit TOptimiseForm(QWidget* Parent = nullptr);

  QLineEdit *FromEdit = nullptr, *ToEdit = nullptr, *PointsEdit = nullptr;
  QPushButton *RunButton = nullptr, *ApplyButton = nullptr, *CloseButton = nullptr;
  QLabel* ResultLabel = nullptr;
  TPlotPanel* VswrPlot = nullptr;  // the VSWR over the band before (blue) and after (red)

  bool Execute() override;

signals:
  void Run();
};
