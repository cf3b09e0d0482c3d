#include "WindowFixture.h"

namespace {

struct TStep {
  const char* Type;
  const char* Value;
  const char* Caption;
};

// At 100 MHz and Zn 50 ohm every new element gets a reactance or resistance of 50 ohm.
const TStep Cycle[] = {{"Cs", "31.8 pF", "Value :"},  {"Cp", "31.8 pF", "Value :"}, {"Ls", "79.6 nH", "Value :"},
                       {"Lp", "79.6 nH", "Value :"},  {"Rs", "50 ohm", "Value :"},  {"Rp", "50 ohm", "Value :"},
                       {"Line", "400 mm", "Length :"}, {"None", "0 ", "Value :"}};

void ExpectStep(TForm1& Form, int Position, const TStep& S) {
  EXPECT_EQ(Form.TypeLabels[Position]->text().toStdString(), S.Type);
  EXPECT_EQ(Form.ValueEdits[Position]->text().toStdString(), S.Value);
  EXPECT_EQ(Form.ValueLabels[Position]->text().toStdString(), S.Caption);
  EXPECT_EQ(Form.LineButtons[Position]->isVisible(), std::string(S.Type) == "Line");
}

TEST_F(Window, LeftClicksWalkTheTypesWithTheirDefaults) {
  for (const TStep& S : Cycle) {
    LeftClick(Form->PaintBox2);
    ExpectStep(*Form, 2, S);
    EXPECT_EQ(TypeName(Element(2).ElementType), S.Type);
    EXPECT_EQ(Form->Net->Selected, 2);
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Window, RightClicksWalkBack) {
  for (int i = 6; i >= -1; --i) {
    RightClick(Form->PaintBox4);
    ExpectStep(*Form, 4, Cycle[(i + 8) % 8]);
  }
}

TEST_F(Window, DefaultValuesReachTheNetworkAtOnce) {
  LeftClick(Form->PaintBox1);
  EXPECT_NEAR(Element(1).Value, 1 / (2 * 3.141592653589793 * 1e8 * 50), 1e-20);
  for (int i = 0; i < 6; ++i) LeftClick(Form->PaintBox1);
  EXPECT_EQ(Element(1).ElementType, TElementType::Line);
  EXPECT_NEAR(Element(1).LineLength, 0.4, 1e-15);
  EXPECT_NEAR(Element(1).ElectricalLength, 0.4 * 1e8 / (0.67 * 3e8), 1e-12);
}

TEST_F(Window, StubFromAFileEntersTheCycle) {
  Element(3).SetElementType(TElementType::Stub);
  LeftClick(Form->PaintBox3);
  ExpectStep(*Form, 3, Cycle[7]);
  Element(3).SetElementType(TElementType::Stub);
  RightClick(Form->PaintBox3);
  ExpectStep(*Form, 3, Cycle[6]);
}

TEST_F(Window, ClickOnTheLoadBoxOnlySelectsTheLoad) {
  LeftClick(Form->B3);
  LeftClick(Form->ZlBox);
  EXPECT_EQ(Form->Net->Selected, 0);
  EXPECT_EQ(Element(0).ElementType, TElementType::None);
  EXPECT_EQ(Background(Form->E0TypeLabel), QColor(Qt::cyan));
  EXPECT_NE(Background(Form->E3TypeLabel), QColor(Qt::cyan));
}

TEST_F(Window, CtrlArrowsMoveTheSelectionAndWrap) {
  CtrlKey(Form->Edit0, Qt::Key_Right);
  EXPECT_EQ(Form->Net->Selected, 5);
  EXPECT_EQ(Caption(Form->B5), QColor(Qt::red));
  CtrlKey(Form->Edit5, Qt::Key_Left);
  EXPECT_EQ(Form->Net->Selected, 0);
  CtrlKey(Form->Edit0, Qt::Key_Left);
  EXPECT_EQ(Form->Net->Selected, 1);
  QTest::keyClick(Form->Edit1, Qt::Key_Left);  // without Ctrl nothing moves
  EXPECT_EQ(Form->Net->Selected, 1);
}

TEST_F(Window, CtrlUpAndDownChangeTheSelectedType) {
  LeftClick(Form->B2);
  CtrlKey(Form->Edit2, Qt::Key_Down);
  EXPECT_EQ(Element(2).ElementType, TElementType::Cs);
  EXPECT_EQ(Text(Form->Edit2), "31.8 pF");
  CtrlKey(Form->Edit2, Qt::Key_Up);
  CtrlKey(Form->Edit2, Qt::Key_Up);
  EXPECT_EQ(Element(2).ElementType, TElementType::Line);
  LeftClick(Form->B0);
  CtrlKey(Form->Edit0, Qt::Key_Down);  // the load keeps its type
  EXPECT_EQ(Element(0).ElementType, TElementType::None);
}

TEST_F(Window, EnterCommitsAllFiveValuesAndRewritesThem) {
  for (int p = 1; p <= 5; ++p) LeftClick(Form->DiagramBoxes[p]);  // all Cs
  Type(Form->Edit1, "10p");
  Type(Form->Edit3, "4,7n");
  Type(Form->Edit5, "1e-12");
  EXPECT_NE(Element(1).Value, 1e-11);  // typing alone does not reach the network
  Enter(Form->Edit5);
  EXPECT_EQ(Element(1).Value, 1e-11);
  EXPECT_EQ(Element(3).Value, 4.7e-9);
  EXPECT_EQ(Element(5).Value, 1e-12);
  EXPECT_EQ(Text(Form->Edit1), "10 pF");
  EXPECT_EQ(Text(Form->Edit3), "4.7 nF");
  EXPECT_EQ(Text(Form->Edit5), "1 pF");
  EXPECT_EQ(Text(Form->Edit2), "31.8 pF");
}

TEST_F(Window, BadValueTextShowsItsMessageAndGoesOn) {
  LeftClick(Form->PaintBox1);
  for (int i = 0; i < 4; ++i) LeftClick(Form->PaintBox1);  // Rs
  Type(Form->Edit1, "12x");
  Enter(Form->Edit1);
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"12x is not a valid number"});
  EXPECT_EQ(Element(1).Value, 12);
  EXPECT_EQ(Text(Form->Edit1), "12 ohm");
}

TEST_F(Window, ArithmeticFaultShowsTheErrorBoxAndTheWindowStaysUsable) {
  LeftClick(Form->PaintBox1);
  LeftClick(Form->PaintBox1);  // Cp
  Type(Form->Edit1, "0");
  Enter(Form->Edit1);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Floating point division by zero");
  EXPECT_EQ(Dialogs.Messages[0].Kind, TMsgKind::Error);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, std::vector<TMsgButton>{TMsgButton::OK});
  Type(Form->Edit1, "10p");
  Enter(Form->Edit1);
  EXPECT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 4), "Re: ");
}

TEST_F(Window, ClickIntoAnEditSelectsItsPosition) {
  LeftClick(Form->Edit4);
  EXPECT_EQ(Form->Net->Selected, 4);
  EXPECT_TRUE(Form->Edit4->hasSelectedText());
  LeftClick(Form->Edit_1);
  EXPECT_EQ(Form->Net->Selected, 0);
  EXPECT_TRUE(Form->Edit_1->hasFocus());  // typing goes into the reactance that was clicked
  QTest::keyClicks(Form->Edit_1, "30");
  EXPECT_EQ(Text(Form->Edit_1), "30");
  EXPECT_EQ(Text(Form->Edit0), "0");
}

TEST_F(Window, BoxesShowTheTileOfTheirType) {
  const QImage Before = Form->PaintBox2->Image();
  LeftClick(Form->PaintBox2);
  Form->PaintBox2->repaint();
  EXPECT_NE(Form->PaintBox2->Image(), Before);
  const QImage Cs = Form->PaintBox2->Image();
  for (int i = 0; i < 8; ++i) LeftClick(Form->PaintBox2);
  Form->PaintBox2->repaint();
  EXPECT_EQ(Form->PaintBox2->Image(), Cs);
}

}  // namespace
