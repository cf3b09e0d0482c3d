// Options > Admittance Grid and Options > Circles...: what the chart shows besides its grid, kept
// with the settings the moment it changes.
#include <QAction>

#include "ui/CirclesForm.h"
#include "ui/Zomarun.h"

void TForm1::ShowChartView() {
  const TViewSettings& View = Workbench->View;
  AdmittanceGridItem->setChecked(View.AdmittanceGrid);
  SmithChart->AdmittanceGrid = View.AdmittanceGrid;
  SmithChart->Circles.clear();
  const std::pair<TCircleKind, const TCircleSet*> Sets[] = {
      {TCircleKind::Vswr, &View.Vswr}, {TCircleKind::Q, &View.Q}, {TCircleKind::R, &View.R}, {TCircleKind::X, &View.X}};
  for (const auto& [Kind, Set] : Sets)
    for (double Value : Set->Values) SmithChart->Circles.push_back({Kind, Value, Set->Color});
}

// The chart shows the change even when the settings file cannot keep it; its message follows.
void TForm1::AdmittanceGridClick() {
  Workbench->View.AdmittanceGrid = AdmittanceGridItem->isChecked();
  Bereken();
  Workbench->SaveView();
}

void TForm1::CirclesClick() {
  CirclesForm->Show(Workbench->View);
  if (!Dialogs().ShowModal(*CirclesForm) || !CirclesForm->Read(Workbench->View)) return;
  Bereken();
  Workbench->SaveView();
}
