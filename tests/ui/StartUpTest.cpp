#include <QGroupBox>
#include <QScreen>
#include <filesystem>
#include <fstream>

#include "files/DataIO.h"
#include "files/TextFile.h"

#include "WindowFixture.h"

namespace {

TEST_F(Window, StartsAsAFreshNetworkWithTheLoadSelectedAndNewRestoresIt) {
  const QRect Screen = Form->screen()->availableGeometry();
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
  Discard(Form->Nieuw);
  ExpectFreshNetwork();
}

// Each setting the file lacks or gets wrong keeps its default; the reset completes, and one message
// at its end names the file and what it could not use.
TEST_F(Window, SettingsFileIsReadSettingBySettingAndNamesWhatItCouldNotUse) {
  std::ofstream("zomar.ini") << "#\r\n:Frequency (Hz)\r\n14.2M\r\n:Zn\r\n75\r\n:Steps\r\n50\r\n:FullScreen\r\n1\r\n";
  Discard(Form->Nieuw);
  EXPECT_EQ(Texts(Form->FreqText, Form->ZnEdit), (Strings{"14.2 MHz", "75 "}));
  EXPECT_EQ(std::tuple(Form->Net->ScanSteps, Form->UpDownInterval), std::tuple(50, 1e7));
  EXPECT_EQ(Form->frameGeometry().bottom(), Form->screen()->availableGeometry().bottom());
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"zomar.ini: could not use Start Frequency, Stop Frequency, Q, Major Mark, "
                                            "Minor Mark, UpDown Interval, Normalized; they keep their defaults."});
  struct {
    std::string File;
    Strings Messages;
  } const Cases[] = {
      {"", {}},
      {":Steps\r\n20\r\n:Frequency\r\n145.525M\r\n:Q\r\nabc\r\n:Zn",
       {"zomar.ini: could not use Start Frequency, Stop Frequency, Q, Zn, Major Mark, Minor Mark, UpDown Interval, "
        "Normalized, FullScreen; they keep their defaults."}},
      {":Frequency\r\n0\r\n:Zn\r\n1e-20", {"This is not a proper value for the frequentie",
                                           "This is not a proper value for Z-norm",
                                           "zomar.ini: could not use Steps, Start Frequency, Stop Frequency, Q, Major "
                                           "Mark, Minor Mark, UpDown Interval, Normalized, FullScreen; they keep "
                                           "their defaults."}}};
  for (const auto& [File, Messages] : Cases) {
    Dialogs.Messages.clear();
    std::ofstream("zomar.ini", std::ios::trunc) << File;
    Discard(Form->Nieuw);
    EXPECT_EQ(Dialogs.MessageTexts(), Messages) << File;
    EXPECT_EQ(std::tuple(Form->windowTitle(), Form->Net->Selected), std::tuple("ZOMAR", 0)) << File;
  }
  EXPECT_EQ(Texts(Form->FreqText, Form->ZnEdit), (Strings{"100 MHz", "50 "}));
}

// An unreadable settings file is named once, the reset completes, and File > Open still works.
TEST_F(Window, UnreadableSettingsFileLeavesAWorkingWindow) {
  std::filesystem::create_directory("zomar.ini");
  Discard(Form->Nieuw);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text.rfind("zomar.ini: ", 0), 0u);
  ExpectFreshNetwork();
  WriteLines("one.snf", SnfLines(*Form->Net, "one.snf"));
  Dialogs.FileAnswers.push_back("one.snf");
  Form->Openen->trigger();
  EXPECT_EQ(Form->windowTitle(), "Network file: one.snf");
}

// An unchanged network asks whether to quit; a changed one whether to save it first.
TEST_F(Window, QuitAsksWhetherToQuitOrToSaveTheChanges) {
  Dialogs.MessageAnswers = {TMsgButton::No};
  Form->Afsluiten->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Do you really want to quit"});
  EXPECT_EQ(Dialogs.Messages.at(0).Buttons, (std::vector{TMsgButton::Yes, TMsgButton::No}));
  LeftClick(Form->PaintBox1);
  Dialogs.MessageAnswers = {TMsgButton::Cancel};
  Form->Afsluiten->trigger();
  EXPECT_EQ(Dialogs.MessageTexts().back(), "Save changes to Untitled?");
  EXPECT_TRUE(Form->isVisible() && Element(1).ElementType == TElementType::Cs);
  Dialogs.MessageAnswers = {TMsgButton::No};
  Form->close();  // the close box asks the same
  EXPECT_EQ(Dialogs.Messages.size(), 3u);
  EXPECT_FALSE(Form->isVisible() || Form->Net || Form->SmithChart);
}

// The whole frame lies inside the screen's available area; the diagram is painted opaque.
TEST_F(Window, FitsTheScreenAndKeepsASensibleSize) {
  EXPECT_TRUE(Form->screen()->availableGeometry().contains(Form->frameGeometry()));
  EXPECT_GE(Form->minimumWidth(), Form->Schema->width() + 300);
  EXPECT_TRUE(Form->Schema->autoFillBackground() && Form->Panel1->autoFillBackground());
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
                         {"Line", "400 mm", "Length :", "..."}, {"OpenStub", "251 mm", "Length :", "..."},
                         {"ShortStub", "251 mm", "Length :", "..."}, {"None", "0 ", "Value :", ""}};
constexpr int CycleLength = std::size(Cycle);

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
  for (int i = CycleLength - 2; i >= -1; --i) {
    RightClick(Form->PaintBox2);
    EXPECT_EQ(Row(2), Cycle[(i + CycleLength) % CycleLength]);
  }
  EXPECT_EQ(Form->Net->Selected, 2);
  Element(2).SetElementType(TElementType::Stub);  // from a file: it leaves the cycle either way
  LeftClick(Form->PaintBox2);
  EXPECT_EQ(Row(2), Cycle[CycleLength - 1]);
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
  EXPECT_EQ(std::tuple(Form->Net->Selected, Element(1).ElementType), std::tuple(1, TElementType::ShortStub));
  EXPECT_EQ(Row(1), Cycle[8]);
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
