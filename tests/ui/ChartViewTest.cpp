// The chart as a user looks at it: zooming about the mouse, dragging, the read-out of the point
// under the mouse and of the scan trace, the admittance grid and the user's circles.
#include <QWheelEvent>
#include <fstream>

#include "WindowFixture.h"
#include "files/TextFile.h"
#include "ui/CirclesForm.h"

namespace {

class ChartView : public Window {
protected:
  TSmithChart& Chart() { return *Form->SmithChart; }
  void Wheel(QPoint At, int Notches) {
    QWheelEvent Event(At, Form->SmithPbox->mapToGlobal(At), {}, {0, 120 * Notches}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form->SmithPbox, &Event);
  }
  std::pair<double, double> ZAt(QPoint P) {
    double Rn = 0, Xn = 0, Rho = 0, Angle = 0;
    Chart().PixelToZ(P.x(), P.y(), Rn, Xn, Rho, Angle);
    return {Rn, Xn};
  }
  std::vector<bool> Ticks() const {
    return {Form->x1->isChecked(), Form->x2->isChecked(), Form->x5->isChecked(), Form->x10->isChecked()};
  }
  TViewSettings SavedView() const {
    TViewSettings View;
    ApplyViewSettingLines(ReadLines("zomar.ini"), View);
    return View;
  }
};

// The point under the mouse stays under it while the wheel zooms; back at 1 x, and from the Zoom
// menu, the chart is centred again.
TEST_F(ChartView, TheWheelZoomsAboutTheMouseAndTheMenuCentres) {
  const QPoint Mouse(Chart().CenterX + Chart().Radius / 2, Chart().CenterY - Chart().Radius / 3);
  const auto [R, X] = ZAt(Mouse);
  Wheel(Mouse, 3);
  EXPECT_NEAR(Chart().Zoom, 1.953125, 1e-12);
  EXPECT_EQ(Ticks(), (std::vector{false, false, false, false}));
  const auto [R2, X2] = ZAt(Mouse);
  EXPECT_NEAR(R2, R, 0.01 * R);
  EXPECT_NEAR(X2, X, 0.01 * std::fabs(X));
  Wheel(Mouse, -3);
  EXPECT_EQ(std::tuple(Chart().Zoom, Chart().ViewRe, Chart().ViewIm), std::tuple(1.0, 0.0, 0.0));
  Wheel(Mouse, 40);
  EXPECT_EQ(Chart().Zoom, TSmithChart::MaxZoom);
  Wheel(Mouse, -50);
  EXPECT_EQ(std::tuple(Chart().Zoom, Chart().ViewRe, Chart().ViewIm), std::tuple(1.0, 0.0, 0.0));
  EXPECT_EQ(Ticks(), (std::vector{true, false, false, false}));
  Wheel(Mouse, 2);
  Form->x5->trigger();
  EXPECT_EQ(std::tuple(Chart().Zoom, Chart().ViewRe, Chart().ViewIm), std::tuple(5.0, 0.0, 0.0));
  EXPECT_EQ(QPoint(Chart().CenterX, Chart().CenterY), QPoint(Chart().ChartWidth / 2, Chart().ChartHeight / 2));
}

// Dragging with the middle button, or with Shift and the left, moves the chart with the mouse and
// solves nothing; the middle of the picture never leaves the chart.
TEST_F(ChartView, DraggingPansWithoutSolving) {
  Form->x2->trigger();
  for (const auto& [Button, Shift] : {std::pair{Qt::MiddleButton, Qt::KeyboardModifiers{}},
                                      std::pair{Qt::LeftButton, Qt::KeyboardModifiers{Qt::ShiftModifier}}}) {
    const QPoint From(300, 300), To(360, 260);
    const auto Before = ZAt(From);
    QTest::mousePress(Form->SmithPbox, Button, Shift, From);
    QMouseEvent Move(QEvent::MouseMove, QPointF(To), Form->SmithPbox->mapToGlobal(QPointF(To)), Qt::NoButton, Button,
                     Shift);
    QApplication::sendEvent(Form->SmithPbox, &Move);
    QTest::mouseRelease(Form->SmithPbox, Button, Shift, To);
    const auto After = ZAt(To);
    EXPECT_NEAR(After.first, Before.first, 0.02 * Before.first);
    EXPECT_NEAR(After.second, Before.second, 0.02 * std::fabs(Before.second) + 1e-3);
    EXPECT_EQ(Text(Form->Edit0), "0");  // the load selected, yet no click set it
  }
  EXPECT_EQ(Ticks(), (std::vector{false, false, false, false}));
  for (int i = 0; i < 20; ++i) Chart().Pan(-500, 0);
  EXPECT_NEAR(std::hypot(Chart().ViewRe, Chart().ViewIm), 1, 1e-12);
}

// Over the scan trace the read-out names the frequency there and rings the point; off it, the
// box keeps the impedance's admittance, VSWR, return loss and Q; leaving the chart clears it.
TEST_F(ChartView, TheReadOutNamesTheTraceFrequencyAndMarksIt) {
  Commit(Form->Edit0, "20");
  LeftClick(Form->PaintBox1, 3);
  Commit(Form->Edit1, "100n");  // a series inductor: the trace climbs the r = 0.4 circle
  Form->Scan->click();
  const std::vector<TSmithChart::TTracePoint>& Trace = Chart().TracePoints;
  ASSERT_GT(Trace.size(), 50u);
  const TSmithChart::TTracePoint& P = Trace[Trace.size() / 2];
  QTest::mouseMove(Form->SmithPbox, P.Pixel + QPoint(2, 1));
  Form->SmithPbox->repaint();
  const QImage Screen = Form->SmithPbox->Image();
  const auto Nearest = Chart().NearestTracePoint(P.Pixel.x() + 2, P.Pixel.y() + 1, 8);
  ASSERT_TRUE(Nearest);
  EXPECT_NEAR(Nearest->Frequency, P.Frequency, 2 * (Trace[1].Frequency - Trace[0].Frequency));
  const auto BlackNear = [&](QPoint At) {
    for (int y = -1; y <= 1; ++y)
      for (int x = -1; x <= 1; ++x)
        if (FromQColor(Screen.pixelColor(At + QPoint(x, y))) == clBlack) return true;
    return false;
  };
  for (const QPoint Ring : {QPoint(6, 0), QPoint(-6, 0), QPoint(0, 6), QPoint(0, -6)})
    EXPECT_TRUE(BlackNear(Nearest->Pixel + Ring)) << Ring.x() << "," << Ring.y();
  QTest::mouseMove(Form->SmithPbox, {Chart().CenterX, Chart().CenterY});
  EXPECT_FALSE(Chart().NearestTracePoint(Chart().CenterX, Chart().CenterY, 8));
  EXPECT_EQ(Text(Form->MuisPosEdit), "50  ohm + 0 j ohm");
  QEvent Leave(QEvent::Leave);
  QApplication::sendEvent(Form->SmithPbox, &Leave);
  Form->SmithPbox->repaint();
  EXPECT_EQ(Form->SmithPbox->Image().copy(0, 0, Chart().ChartWidth, Chart().ChartHeight), Chart().ChartBitmap.Image());
  EXPECT_EQ(Text(Form->MuisPosEdit), "");
}

// The grid and the circles show at once and are in the settings file the moment they change; a
// value that does not suit its family keeps the form open with a message naming the field.
TEST_F(ChartView, AdmittanceGridAndCirclesAreShownAndKept) {
  Form->AdmittanceGridItem->trigger();
  EXPECT_TRUE(Chart().AdmittanceGrid && SavedView().AdmittanceGrid);
  OnModal<TCirclesForm>([](TCirclesForm& F) {
    F.ValueEdits[0]->setText("1.5, 0.5");
    F.OkButton->click();
    const bool Refused = F.result() != QDialog::Accepted;
    F.ValueEdits[0]->setText("1.5 2");
    F.ValueEdits[3]->setText("-25");
    F.OkButton->click();
    return Refused && F.result() == QDialog::Accepted;
  });
  Form->CirclesItem->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Constant VSWR: 0.5 is not a VSWR above 1."});
  ASSERT_EQ(Chart().Circles.size(), 3u);
  EXPECT_EQ(std::tuple(Chart().Circles[1].Kind, Chart().Circles[1].Value, Chart().Circles[2].Kind),
            std::tuple(TCircleKind::Vswr, 2.0, TCircleKind::X));
  EXPECT_EQ(SavedView().Vswr.Values, (std::vector<double>{1.5, 2}));
  OnModal<TCirclesForm>([](TCirclesForm& F) {
    F.ValueEdits[1]->setText("3");
    return false;  // cancelled
  });
  Form->CirclesItem->trigger();
  EXPECT_EQ(Chart().Circles.size(), 3u);
  Discard(Form->Nieuw);  // a fresh network keeps the view
  EXPECT_TRUE(Form->AdmittanceGridItem->isChecked() && Chart().AdmittanceGrid);
  EXPECT_EQ(Chart().Circles.size(), 3u);
}

}  // namespace
