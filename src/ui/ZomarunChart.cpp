// The live chart: the read-out under the mouse, solving an element from a click, zoom, node
// labels and the SWR circle.
#include <QAction>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "platform/PaintBox.h"
#include "ui/ResultText.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

constexpr int TraceReach = 8;  // pixels from the scan trace within which the read-out names it

}  // namespace

void TForm1::SmithPboxMouseMove(int X, int Y) {
  if (PanFrom) {
    SmithChart->Pan(X - PanFrom->x(), Y - PanFrom->y());
    PanFrom = QPoint(X, Y);
    ShowZoomChecks();
    Bereken();
  }
  double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
  const bool Inside = SmithChart->PixelToZ(X, Y, Rn, Xn, Rho, Angle);
  MuisPosEdit->clear();
  RhoEdit->clear();
  if (!Inside) return SmithChart->ShowPointer({}, std::nullopt);
  const TPointerTexts Texts = PointerTexts(Rn, Xn, Rho, Angle, Net->GetZn());
  MuisPosEdit->setText(QString::fromStdString(Texts.MuisPos));
  RhoEdit->setText(QString::fromStdString(Texts.Rho));
  std::vector<std::string> Lines{"Z: " + Texts.MuisPos};
  for (const std::string& Line : PointDetailTexts(Rn, Xn, Net->GetZn())) Lines.push_back(Line);
  const std::optional<TSmithChart::TTracePoint> Trace = SmithChart->NearestTracePoint(X, Y, TraceReach);
  if (Trace) Lines.push_back("Trace: " + FormatValue(4, "Hz", Trace->Frequency));
  SmithChart->ShowPointer(Lines, Trace ? std::optional(Trace->Pixel) : std::nullopt);
}

void TForm1::SmithPboxLeave() {
  MuisPosEdit->clear();
  RhoEdit->clear();
  SmithChart->ShowPointer({}, std::nullopt);
}

void TForm1::SmithPboxMouseDown(int X, int Y) {
  double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
  if (!SmithChart->PixelToZ(X, Y, Rn, Xn, Rho, Angle)) return;
  const int s = Net->Selected;
  if (s == 0) SetLoad(Rn * Net->GetZn(), Xn * Net->GetZn());
  TElement& E = Net->Elements[s + 1];
  const TElementType T = E.ElementType;
  double Value = 0;
  // The solved value is shown rounded, and the rounded value is the one the network holds.
  if (T != TElementType::None && T != TElementType::Stub && SmithChart->CalcElement(*Net, X, Y, Value)) {
    const bool Line = HasLineData(T);
    const std::string Unit = T == TElementType::Rs || T == TElementType::Rp ? "" : UnitName(T);
    const double Shown = ShownValue(3, Unit, Value);
    E.SetValue(Shown);
    if (Line) E.SetLineLength(Shown);
    ValueEdits[s]->ShowText(QString::fromStdString(FormatValue(3, Unit, Shown)));
  }
  Bereken();
}

// The clicked impedance becomes the load, as its texts read it back; the open circuit at the rim
// becomes the largest load the texts can show.
void TForm1::SetLoad(double Ro, double Xo) {
  constexpr double Largest = 999e9;
  Ro = std::clamp(Ro, -Largest, Largest);
  Xo = std::clamp(Xo, -Largest, Largest);
  Edit0->ShowText(QString::fromStdString(FormatValue(3, "", Ro)));
  Edit_1->ShowText(QString::fromStdString(FormatValue(3, "", Xo)));
  const double R = ParseValue(Edit0->text().toStdString(), "ohm");
  const double X = ParseValue(Edit_1->text().toStdString(), "ohm");
  Net->Elements[1].Z = {R, X};
  Net->Elements[1].SetValue(R);
  Net->Elements[0].SetValue(X);
}

void TForm1::SmithPboxPaint() {
  if (SmithChart) SmithChart->Paint();
}

void TForm1::SmithPboxPress(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (Button == Qt::MiddleButton || (Button == Qt::LeftButton && Shift.testFlag(Qt::ShiftModifier)))
    PanFrom = QPoint(X, Y);
  else
    SmithPboxMouseDown(X, Y);
}

void TForm1::SmithPboxRelease() { PanFrom.reset(); }

// A notch zooms by a quarter.
void TForm1::SmithPboxWheel(int Notches, int X, int Y) {
  SmithChart->ZoomAbout(X, Y, std::pow(1.25, Notches));
  ShowZoomChecks();
  Bereken();
}

namespace {

constexpr int MenuZooms[] = {1, 2, 5, 10};

}  // namespace

// The menu's factors show the view centred.
void TForm1::ZoomClick(QAction* Sender) {
  const QAction* Items[] = {x1, x2, x5, x10};
  for (int i = 0; i < 4; ++i)
    if (Items[i] == Sender) SmithChart->ResetView(MenuZooms[i]);
  ShowZoomChecks();
  Bereken();
}

// A menu factor is checked when the view is that factor, centred.
void TForm1::ShowZoomChecks() {
  QAction* Items[] = {x1, x2, x5, x10};
  const bool Centred = SmithChart->ViewRe == 0 && SmithChart->ViewIm == 0;
  for (int i = 0; i < 4; ++i) Items[i]->setChecked(Centred && SmithChart->Zoom == MenuZooms[i]);
}

void TForm1::SmithchartLabelsClick() {
  SmithChart->ShowLabels = SmithchartLabels->isChecked();
  Bereken();
}

void TForm1::DrawSWRClick() {
  SmithChart->ShowSWR = !SmithChart->ShowSWR;
  DrawSWR->setText(SmithChart->ShowSWR ? QStringLiteral("Clear SWR") : QStringLiteral("Draw SWR"));
  Bereken();
}
