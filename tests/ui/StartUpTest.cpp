#include <QScreen>
#include <fstream>

#include "WindowFixture.h"

namespace {

TEST_F(Window, StartsAsAFreshNetworkWithTheLoadSelectedAndNewRestoresIt) {
  const QRect Screen = Form->screen()->geometry();
  EXPECT_EQ(Form->frameGeometry(), QRect(Screen.topLeft(), QSize(Screen.width(), Screen.height() - 26)));
  EXPECT_EQ(Form->windowTitle(), "ZOMAR");
  ExpectFreshNetwork();
  EXPECT_EQ(Caption(Form->B0), QColor(Qt::red));
  // A load of 0 + j0 is a short circuit at the rim.
  EXPECT_EQ(Texts(Form->FreqText, Form->ZnEdit, Form->ZinSer, Form->SWRedit),
            (Strings{"100 MHz", "50 ohm", "Re: 0     Im: +0 ohm (Ls=0 H)", "infinite"}));
  EXPECT_TRUE(Dialogs.Messages.empty());
  LeftClick(Form->PaintBox3);
  LeftClick(Form->B2);
  Form->Scan->click();
  Form->x10->trigger();
  Type(Form->Edit0, "75");
  Form->Nieuw->trigger();
  ExpectFreshNetwork();
}

TEST_F(Window, SettingsFileIsReadAtTheResetUpToABadValue) {
  std::ofstream("zomar.ini") << "#\r\n:Frequency (Hz)\r\n14.2M\r\n:Zn\r\n75\r\n:Steps\r\n50\r\n:FullScreen\r\n1\r\n";
  Form->Nieuw->trigger();
  EXPECT_EQ(Texts(Form->FreqText, Form->ZnEdit), (Strings{"14.2 MHz", "75 "}));
  EXPECT_EQ(std::tuple(Form->Net->ScanSteps, Form->UpDownInterval), std::tuple(50, 0.0));  // lacking keys read as 0
  EXPECT_EQ(Form->frameGeometry().height(), Form->screen()->geometry().height());
  std::ofstream("zomar.ini") << ":Steps\r\n20\r\n:Frequency\r\n145M\r\n:Q\r\nabc\r\n";
  Form->Nieuw->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"'abc' is not a valid floating point value"});
  EXPECT_EQ(std::tuple(Form->Net->ScanSteps, Text(Form->FreqText)), std::tuple(20, "145 MHz"));
}

TEST_F(Window, QuitQuestionKeepsEverythingOnNoAndEndsOnYes) {
  LeftClick(Form->PaintBox1);
  Dialogs.MessageAnswers = {TMsgButton::No, TMsgButton::Yes};
  Form->Afsluiten->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Do you really want to quit"});
  EXPECT_EQ(Dialogs.Messages.at(0).Buttons, (std::vector{TMsgButton::Yes, TMsgButton::No}));
  EXPECT_TRUE(Form->isVisible() && Element(1).ElementType == TElementType::Cs);
  Form->close();  // the close box asks the same
  EXPECT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_FALSE(Form->isVisible() || Form->Net || Form->SmithChart);
}

TEST_F(Window, LoadTextsGiveTheResults) {
  Commit(Form->Edit0, "50");
  EXPECT_EQ(Text(Form->SWRedit), "1");
  Type(Form->Edit0, "20");
  Commit(Form->Edit_1, "30");
  EXPECT_EQ(Texts(Form->ZinSer, Form->SWRedit), (Strings{"Re: 20     Im: +30 ohm (Ls=47.75 nH)", "3.52"}));
}

// At 100 MHz and Zn 50 ohm every new element gets a reactance or resistance of 50 ohm.
const Strings Cycle[] = {{"Cs", "31.8 pF", "Value :", ""},      {"Cp", "31.8 pF", "Value :", ""},
                         {"Ls", "79.6 nH", "Value :", ""},      {"Lp", "79.6 nH", "Value :", ""},
                         {"Rs", "50 ohm", "Value :", ""},       {"Rp", "50 ohm", "Value :", ""},
                         {"Line", "400 mm", "Length :", "..."}, {"None", "0 ", "Value :", ""}};

TEST_F(Window, ClicksWalkTheTypesWithTheirDefaultsAndTiles) {
  const auto Tile = [this] {
    Form->PaintBox2->repaint();
    return Form->PaintBox2->Image();
  };
  const QImage None = Tile();
  for (const Strings& Step : Cycle) {
    LeftClick(Form->PaintBox2);
    EXPECT_EQ(Row(2), Step);
    const TElementType Type = Element(2).ElementType;  // the network holds the shown type and default at once
    EXPECT_EQ((Strings{TypeName(Type), FormatValue(3, UnitName(Type), Element(2).Value)}), (Strings{Step[0], Step[1]}));
    EXPECT_EQ(Tile() == None, Step[0] == "None") << Step[0];
  }
  for (int i = 6; i >= -1; --i) {
    RightClick(Form->PaintBox2);
    EXPECT_EQ(Row(2), Cycle[(i + 8) % 8]);
  }
  EXPECT_EQ(Form->Net->Selected, 2);
  Element(2).SetElementType(TElementType::Stub);  // from a file: it leaves the cycle either way
  LeftClick(Form->PaintBox2);
  EXPECT_EQ(Row(2), Cycle[7]);
  Element(2).SetElementType(TElementType::Stub);
  RightClick(Form->PaintBox2);
  EXPECT_EQ(Row(2), Cycle[6]);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Window, CtrlArrowsMoveTheSelectionAndChangeTheType) {
  CtrlKey(Form->Edit0, Qt::Key_Right);  // wraps from the load to element 5
  EXPECT_EQ(std::tuple(Form->Net->Selected, Caption(Form->B5)), std::tuple(5, QColor(Qt::red)));
  CtrlKey(Form->Edit5, Qt::Key_Left);
  CtrlKey(Form->Edit0, Qt::Key_Down);  // the load keeps its type
  EXPECT_EQ(std::tuple(Form->Net->Selected, Element(0).ElementType), std::tuple(0, TElementType::None));
  CtrlKey(Form->Edit0, Qt::Key_Left);
  CtrlKey(Form->Edit1, Qt::Key_Down);
  EXPECT_EQ(Row(1), Cycle[0]);
  CtrlKey(Form->Edit1, Qt::Key_Up);
  CtrlKey(Form->Edit1, Qt::Key_Up);
  QTest::keyClick(Form->Edit1, Qt::Key_Left);  // without Ctrl nothing moves or changes
  QTest::keyClick(Form->Edit1, Qt::Key_Up);
  EXPECT_EQ(std::tuple(Form->Net->Selected, Element(1).ElementType), std::tuple(1, TElementType::Line));
  EXPECT_EQ(Row(1), Cycle[6]);
}

TEST_F(Window, EnterCommitsAllFiveValuesAndRewritesThem) {
  for (int p = 1; p <= 5; ++p) LeftClick(Form->DiagramBoxes[p]);  // all Cs
  Type(Form->Edit1, "10p");
  Type(Form->Edit3, "4,7n");
  Type(Form->Edit5, "1e-12");
  EXPECT_NE(Element(1).Value, 1e-11);  // typing alone does not reach the network
  QTest::keyClick(Form->Edit5, Qt::Key_Return);
  EXPECT_EQ((std::vector{Element(1).Value, Element(3).Value, Element(5).Value}), (std::vector{1e-11, 4.7e-9, 1e-12}));
  EXPECT_EQ(Texts(Form->Edit1, Form->Edit2, Form->Edit3, Form->Edit5), (Strings{"10 pF", "31.8 pF", "4.7 nF", "1 pF"}));
}

TEST_F(Window, BadInputIsReportedAndTheWindowGoesOn) {
  LeftClick(Form->PaintBox1, 5);  // Rs
  Commit(Form->Edit1, "12x");
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"12x is not a valid number"});
  EXPECT_EQ(std::tuple(Element(1).Value, Text(Form->Edit1)), std::tuple(12.0, "12 ohm"));
  LeftClick(Form->PaintBox2, 2);  // Cp
  Commit(Form->Edit2, "0");
  ASSERT_EQ(Dialogs.Messages.size(), 2u);
  const TFakeDialogs::TMessage& Fault = Dialogs.Messages[1];
  EXPECT_EQ(std::tuple(Fault.Text, Fault.Kind), std::tuple("Floating point division by zero", TMsgKind::Error));
  EXPECT_EQ(Fault.Buttons, std::vector{TMsgButton::OK});
  Form->ZinSer->clear();
  Commit(Form->Edit2, "10p");
  EXPECT_EQ(Dialogs.Messages.size(), 2u);
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 4), "Re: ");
}

TEST_F(Window, ClicksSelectAPositionWithoutChangingIt) {
  LeftClick(Form->Edit4);
  EXPECT_TRUE(Form->Net->Selected == 4 && Form->Edit4->hasSelectedText());
  LeftClick(Form->ZlBox);
  EXPECT_EQ(std::tuple(Form->Net->Selected, Element(0).ElementType), std::tuple(0, TElementType::None));
  EXPECT_EQ(std::pair(Background(Form->E0TypeLabel) == Qt::cyan, Background(Form->E4TypeLabel) == Qt::cyan),
            std::pair(true, false));
  LeftClick(Form->Edit4);
  LeftClick(Form->Edit_1);
  EXPECT_TRUE(Form->Net->Selected == 0 && Form->Edit_1->hasFocus());
  QTest::keyClicks(Form->Edit_1, "30");  // typing goes into the reactance that was clicked
  EXPECT_EQ(Texts(Form->Edit_1, Form->Edit0), (Strings{"30", "0"}));
}

}  // namespace
