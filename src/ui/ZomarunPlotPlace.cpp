// Where the Bode plot lies: docked under the chart, or floating over the chart area.
#include <QGroupBox>
#include <QScreen>
#include <algorithm>

#include "platform/PaintBox.h"
#include "plotter/Plotter.h"
#include "ui/Zomarun.h"

QSize TForm1::FloatingPlotSize() const {
  const QRect Screen = screen()->geometry();
  return {Screen.width() / 4, Screen.height() / 4};
}

bool TForm1::PlotDocked() const { return Workbench->View.BodeBelowChart && !PlotPanel->isHidden(); }

// Docked, the plot spans the chart area's width and keeps the floating plot's height.
void TForm1::DockPlot() {
  const int Client = ClientHeight();
  const int Chart = PlotDocked() ? std::max(0, Client - FloatingPlotSize().height()) : Client;
  if (SmithPbox->height() != Chart) SmithPbox->resize(SmithPbox->width(), Chart);
  if (PlotDocked()) PlotPanel->setGeometry(0, Chart, SmithPbox->width(), Client - Chart);
}

// Where the user left it, as far as the chart area still holds it.
void TForm1::FloatPlot() {
  if (PlotDocked()) return;
  PlotPanel->resize(FloatingPlotSize());
  const QPoint Spot = PlotSpot.value_or(DefaultPlotSpot());
  PlotPanel->move(std::clamp(Spot.x(), 0, std::max(0, SmithPbox->width() - PlotPanel->width())),
                  std::clamp(Spot.y(), 0, std::max(0, SmithPbox->height() - PlotPanel->height())));
}

QPoint TForm1::DefaultPlotSpot() const {
  const QRect Corner(QPoint(Schema->x() - FloatingPlotSize().width(), 0), FloatingPlotSize());
  const QRect Title = ChartTitleBox();
  return Corner.intersects(Title) ? QPoint(Corner.left(), Title.bottom() + 3) : Corner.topLeft();
}

QRect TForm1::ChartTitleBox() const {
  for (const TPlacedLabel& Label : SmithChart->Labels.Labels())
    if (Label.Text == "Smith Chart") return Label.Box;
  return {};
}

bool TForm1::PlotGrips(QPoint At) const {
  const TRect& R = PlotPanel->PlotRect();
  return !PlotDocked() && !QRect(R.Left, R.Top, R.Width(), R.Height()).contains(At);
}
