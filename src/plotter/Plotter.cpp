#include "plotter/Plotter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "plotter/PlotBounds.h"

namespace {

// The toolkit's parent-font rule: a widget's font and text colour come from its parent until
// they are set.
TFont InheritedFont(const QWidget& W) {
  const QFont F = W.font();
  const long Size = F.pixelSize() > 0 ? std::lround(F.pixelSize() * 72.0 / 96.0) : std::lround(F.pointSizeF());
  return {F.family().toStdString(), static_cast<int>(Size), F.bold(),
          FromQColor(W.palette().color(QPalette::WindowText))};
}

// An interval that is not a positive number would never reach the far bound; 0 has always
// meant 1.
long double GridInterval(long double Value) { return Value > 0 && std::isfinite(Value) ? Value : 1; }

}  // namespace

TPlotPanel::TPlotPanel(QWidget* Owner)
    : QFrame(Owner),
      FXMarksFont({}, [this] { StyleChanged(); }),
      FYMarksFont({}, [this] { StyleChanged(); }),
      FPlotPen([this] { StyleChanged(); }),
      FFont(InheritedFont(*this), [this] { TitleFontChanged(); }) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(BevelWidth);
  QPalette P = palette();
  P.setColor(QPalette::Window, ToQColor(Color()));
  setPalette(P);
  setAutoFillBackground(true);
  setMouseTracking(true);
  resize(300, 200);
  FLayerMode.fill(FPlotMode);
  FLayerWidth.fill(1);
  for (auto& Layer : FPoints) Layer.resize(1);
  TakePixelRatio();
  Redraw();
}

// The pictures hold the device pixels of the screen the panel is on, from their next redraw.
void TPlotPanel::TakePixelRatio() {
  for (TBitmap* Picture : {&FBuffer, &FPlotBMP, &FScreen}) Picture->SetPixelRatio(devicePixelRatioF());
}

void TPlotPanel::SetGridColor(TColor Value) {
  FGridColor = Value;
  Redraw();
}

void TPlotPanel::SetBackColor(TColor Value) {
  FBackColor = Value;
  Redraw();
}

void TPlotPanel::SetMargin(int Value) {
  // No widget is larger; beyond it the margin sums would overflow.
  Axes.Margin = std::clamp(Value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  Redraw();
}

void TPlotPanel::SetXMin(long double Value) {
  AssignXMin(Axes, Value);
  Redraw();
}

void TPlotPanel::SetXMax(long double Value) {
  AssignXMax(Axes, Value);
  Redraw();
}

void TPlotPanel::SetYMin(long double Value) {
  AssignYMin(Axes, Value);
  Redraw();
}

void TPlotPanel::SetYMax(long double Value) {
  AssignYMax(Axes, Value);
  Redraw();
}

void TPlotPanel::SetXLog(bool Value) { AssignXLog(Axes, Value); }

void TPlotPanel::SetXMarks(bool Value) {
  FXMarks = Value;
  Redraw();
}

void TPlotPanel::SetXMarksInterval(long double Value) {
  FXMarksInterval = GridInterval(Value);
  Redraw();
}

void TPlotPanel::SetYMarks(bool Value) {
  FYMarks = Value;
  Redraw();
}

void TPlotPanel::SetYMarksInterval(long double Value) {
  FYMarksInterval = GridInterval(Value);
  Redraw();
}

void TPlotPanel::SetPlotMode(TPlotMode Value) {
  FPlotMode = Value;
  Redraw();
}

void TPlotPanel::SetTitle(const std::string& Value) {
  FTitle = Value;
  Redraw();
}

void TPlotPanel::SetLayerOption(bool Value) {
  // Only ever switched off: the per-layer styles are not offered.
  if (!Value) FLayerOption = false;
}

bool TPlotPanel::PixelToValue(int X, int Y, long double& XV, long double& YV) const {
  return ::PixelToValue(Axes, X, Y, XV, YV);
}

void TPlotPanel::TitleFontChanged() {
  ParentFont = false;
  Redraw();
}

void TPlotPanel::TakeParentFont() {
  FFont.Assign(InheritedFont(*this));
  ParentFont = true;  // the assignment above came from the parent, not from a caller
}

void TPlotPanel::paintEvent(QPaintEvent* Event) {
  QFrame::paintEvent(Event);
  Painting = true;
  TakePixelRatio();  // Qt repaints a window that changes screen or ratio
  Redraw();
  Painting = false;
  const QRect Inner(FInnerRect.Left, FInnerRect.Top, FInnerRect.Width(), FInnerRect.Height());
  QPainter(this).drawImage(QRectF(Inner), Screen(), DevicePixels(Screen(), Inner));
}

void TPlotPanel::changeEvent(QEvent* Event) {
  const bool ParentChange = Event->type() == QEvent::FontChange || Event->type() == QEvent::PaletteChange;
  if (ParentChange && ParentFont) TakeParentFont();
  QFrame::changeEvent(Event);
}

void TPlotPanel::mousePressEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  emit MouseDown(Event->button(), P.x(), P.y());
}

void TPlotPanel::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  emit MouseMove(P.x(), P.y());
}
