#include <QAction>
#include <QRadioButton>

#include "WindowFixture.h"

namespace {

class Chart : public Window {
protected:
  // The pixel of a normalised impedance on the chart as it is drawn now.
  QPoint At(double R, double X) {
    int PX = 0, PY = 0;
    Form->SmithChart->ZToPixel({R * 50, X * 50}, PX, PY, 50);
    return {PX, PY};
  }
  QPoint Centre() { return {Form->SmithChart->CenterX, Form->SmithChart->CenterY}; }
  void Hover(QPoint P) { QTest::mouseMove(Form->SmithPbox, P); }
  void ClickChart(QPoint P) { QTest::mouseClick(Form->SmithPbox, Qt::LeftButton, {}, P); }
  void MatchedLoad() {
    Type(Form->Edit0, "50");
    Enter(Form->Edit0);
  }
  void MakeType(int Position, int Clicks) {
    for (int i = 0; i < Clicks; ++i) LeftClick(Form->DiagramBoxes[Position]);
  }
};

TEST_F(Chart, ReadOutAtTheCentreAndTheRim) {
  Hover(Centre());
  EXPECT_EQ(Text(Form->MuisPosEdit), "50  ohm + 0 j ohm");
  EXPECT_EQ(Text(Form->RhoEdit), "0.00  angle: 90 degrees");
  Hover(Centre() - QPoint(0, Form->SmithChart->Radius));
  EXPECT_EQ(Text(Form->MuisPosEdit), "0  ohm + 50 j ohm");
  EXPECT_EQ(Text(Form->RhoEdit), "1.00  angle: 90 degrees");
  Hover(Centre() + QPoint(0, Form->SmithChart->Radius));
  EXPECT_EQ(Text(Form->MuisPosEdit), "0  ohm -50 j ohm");
  EXPECT_EQ(Text(Form->RhoEdit), "1.00  angle: -90 degrees");
  Hover(Centre() + QPoint(Form->SmithChart->Radius + 3, 0));
  EXPECT_EQ(Text(Form->MuisPosEdit), "");
  EXPECT_EQ(Text(Form->RhoEdit), "");
}

TEST_F(Chart, ClickOutsideTheRimChangesNothing) {
  MatchedLoad();
  MakeType(1, 1);
  const double Before = Element(1).Value;
  Form->ZinSer->setText("untouched");
  ClickChart(Centre() + QPoint(Form->SmithChart->Radius + 5, Form->SmithChart->Radius + 5));
  EXPECT_EQ(Element(1).Value, Before);
  EXPECT_EQ(Text(Form->ZinSer), "untouched");
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Chart, ClickWithTheLoadSelectedSetsTheLoad) {
  ClickChart(Centre());
  EXPECT_EQ(Text(Form->Edit0), "50 ");
  EXPECT_EQ(Text(Form->Edit_1), "0 ");
  EXPECT_EQ(Form->Net->Elements[1].Value, 50);
  EXPECT_EQ(Form->Net->Elements[0].Value, 0);
  EXPECT_EQ(Text(Form->SWRedit), "1");
}

struct TSolveCase {
  const char* Name;
  int Clicks;          // from None
  double R, X;         // the clicked point, normalised
  double Expected;     // the value that takes a 50 ohm load there, base unit
  const char* Refusal; // the message for the mirrored point (X and 1 / R)
};

void PrintTo(const TSolveCase& C, std::ostream* Os) { *Os << C.Name; }

class Solve : public Chart, public ::testing::WithParamInterface<TSolveCase> {};

const double W = 2 * 3.141592653589793 * 1e8;

TEST_P(Solve, ClickGivesTheValueOrTheRefusal) {
  const TSolveCase& C = GetParam();
  MatchedLoad();
  MakeType(1, C.Clicks);
  ClickChart(At(C.R, C.X));
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_NEAR(Element(1).Value, C.Expected, C.Expected * 0.03);
  const std::string Unit = C.Clicks >= 5 ? "" : UnitName(Element(1).ElementType);
  EXPECT_EQ(Text(Form->Edit1), FormatValue(3, Unit, Element(1).Value));
  const double Solved = Element(1).Value;
  ClickChart(At(1 / C.R, -C.X));
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, C.Refusal);
  EXPECT_EQ(Dialogs.Messages[0].Kind, TMsgKind::Warning);
  EXPECT_EQ(Element(1).Value, Solved);
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, Solve,
    ::testing::Values(
        TSolveCase{"Cs", 1, 1, -1, 1 / (W * 50), "Negative capacitors don't exist, use a series INDUCTOR"},
        TSolveCase{"Cp", 2, 1, -1, 0.01 / W, "Negative capacitors don't exist, use a parallel INDUCTOR"},
        TSolveCase{"Ls", 3, 1, 1, 50 / W, "Negative inductors don't exist, use a series CAPACITOR"},
        TSolveCase{"Lp", 4, 1, 1, 1 / (W * 0.01), "Negative inductors don't exist, use a parallel CAPACITOR"},
        TSolveCase{"Rs", 5, 2, 0, 50, "Negative resistors don't exist!"},
        TSolveCase{"Rp", 6, 0.5, 0, 50, "Negative resistors don't exist!"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Chart, ClickOnALineSetsItsLength) {
  Type(Form->Edit0, "100");
  Enter(Form->Edit0);
  MakeType(1, 7);
  Element(1).SetAttenuation(0);
  ClickChart(At(0.5, 0));  // half a turn on the 50 ohm line's circle: a quarter wave
  const double QuarterWave = 0.67 * 3e8 / 1e8 / 4;
  EXPECT_NEAR(Element(1).LineLength, QuarterWave, QuarterWave * 0.01);
  EXPECT_EQ(Text(Form->Edit1), FormatValue(3, "m", Element(1).LineLength));
  EXPECT_NEAR(Form->Net->Elements[2].Z.Re, 25, 1);
}

TEST_F(Chart, ClickInScanModeStillSetsTheValue) {
  MatchedLoad();
  MakeType(1, 1);
  Form->Scan->click();
  const std::string Results = Text(Form->ZinSer);
  ClickChart(At(1, -1));
  EXPECT_NEAR(Element(1).Value, 1 / (W * 50), 0.03 / (W * 50));
  EXPECT_TRUE(Form->Scan->isChecked());
  EXPECT_EQ(Text(Form->ZinSer), Results);
}

TEST_F(Chart, ZoomTicksExactlyOneItem) {
  Form->x5->trigger();
  EXPECT_EQ(Form->SmithChart->Zoom, 5);
  EXPECT_FALSE(Form->x1->isChecked());
  EXPECT_TRUE(Form->x5->isChecked());
  Form->x5->trigger();  // choosing it again keeps it ticked
  EXPECT_TRUE(Form->x5->isChecked());
  Form->x2->trigger();
  EXPECT_EQ(Form->SmithChart->Zoom, 2);
  EXPECT_FALSE(Form->x5->isChecked());
  EXPECT_EQ(Form->SmithChart->Radius, 2 * static_cast<int>(std::nearbyint(0.46 * std::min(Form->SmithPbox->width(), Form->SmithPbox->height()))));
}

TEST_F(Chart, SwitchesForLabelsAndTheSWRCircle) {
  Form->SmithchartLabels->trigger();
  EXPECT_TRUE(Form->SmithChart->ShowLabels);
  Form->SmithchartLabels->trigger();
  EXPECT_FALSE(Form->SmithChart->ShowLabels);
  LeftClick(Form->DrawSWR);
  EXPECT_TRUE(Form->SmithChart->ShowSWR);
  EXPECT_EQ(Form->DrawSWR->text(), "Clear SWR");
  LeftClick(Form->DrawSWR);
  EXPECT_EQ(Form->DrawSWR->text(), "Draw SWR");
  Form->Nieuw->trigger();  // the reset keeps the SWR switch
  LeftClick(Form->DrawSWR);
  Form->Nieuw->trigger();
  EXPECT_EQ(Form->DrawSWR->text(), "Clear SWR");
}

TEST_F(Chart, RepaintShowsTheChartPicture) {
  Form->SmithPbox->repaint();
  const QImage Shown = Form->SmithPbox->Image();
  EXPECT_EQ(Shown.copy(0, 0, Form->SmithChart->ChartWidth, Form->SmithChart->ChartHeight),
            Form->SmithChart->ChartBitmap.Image());
}

}  // namespace
