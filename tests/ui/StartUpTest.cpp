#include <QAction>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

#include "WindowFixture.h"

namespace {

TEST_F(Window, StartsAsAFreshNetworkWithTheLoadSelected) {
  EXPECT_EQ(Form->windowTitle(), "ZOMAR");
  const QRect Screen = Form->screen()->geometry();
  EXPECT_EQ(Form->frameGeometry().topLeft(), Screen.topLeft());
  EXPECT_EQ(Form->frameGeometry().width(), Screen.width());
  EXPECT_EQ(Form->frameGeometry().height(), Screen.height() - 26);
  EXPECT_EQ(Form->SmithPbox->width(), Form->width() - 244);
  EXPECT_EQ(Text(Form->FreqText), "100 MHz");
  EXPECT_EQ(Text(Form->ZnEdit), "50 ohm");
  EXPECT_EQ(Text(Form->Edit0), "0");
  EXPECT_EQ(Text(Form->Edit_1), "0");
  for (int p = 1; p <= 5; ++p) {
    EXPECT_EQ(Text(Form->TypeLabels[p]), "None");
    EXPECT_EQ(Text(Form->ValueEdits[p]), "0");
    EXPECT_EQ(Text(Form->ValueLabels[p]), "Value :");
    EXPECT_FALSE(Form->LineButtons[p]->isVisible());
  }
  EXPECT_EQ(Form->Net->Selected, 0);
  EXPECT_EQ(Background(Form->E0TypeLabel), QColor(Qt::cyan));
  EXPECT_EQ(Caption(Form->B0), QColor(Qt::red));
  EXPECT_EQ(Caption(Form->B1), QColor(Qt::blue));
  EXPECT_TRUE(Form->CalcE->isChecked());
  EXPECT_TRUE(Form->x1->isChecked());
  // A load of 0 + j0 is a short circuit at the rim.
  EXPECT_EQ(Text(Form->ZinSer), "Re: 0     Im: +0 ohm (Ls=0 H)");
  EXPECT_EQ(Text(Form->SWRedit), "infinite");
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Window, MatchedLoadGivesSWROne) {
  Type(Form->Edit0, "50");
  Enter(Form->Edit0);
  EXPECT_EQ(Text(Form->SWRedit), "1");
  EXPECT_EQ(Text(Form->ZinSer), "Re: 50     Im: +0 ohm (Ls=0 H)");
}

TEST_F(Window, LoadOfTwentyPlusThirtyOhm) {
  Type(Form->Edit0, "20");
  Type(Form->Edit_1, "30");
  Enter(Form->Edit_1);
  EXPECT_EQ(Text(Form->ZinSer), "Re: 20     Im: +30 ohm (Ls=47.75 nH)");
  EXPECT_EQ(Text(Form->SWRedit), "3.52");
}

TEST_F(Window, NewRestoresTheResetState) {
  LeftClick(Form->PaintBox3);
  LeftClick(Form->B2);
  Form->Scan->click();
  Form->x10->trigger();
  Type(Form->Edit0, "75");
  Form->Nieuw->trigger();
  EXPECT_EQ(Text(Form->TypeLabels[3]), "None");
  EXPECT_EQ(Element(3).ElementType, TElementType::None);
  EXPECT_EQ(Text(Form->Edit0), "0");
  EXPECT_EQ(Form->Net->Selected, 0);
  EXPECT_TRUE(Form->CalcE->isChecked());
  EXPECT_FALSE(Form->MarkerLabel->isVisible());
  EXPECT_TRUE(Form->x1->isChecked());
  EXPECT_FALSE(Form->x10->isChecked());
  EXPECT_EQ(Form->SmithChart->Zoom, 1);
}

TEST_F(Window, QuitQuestionAnsweredNoKeepsEverything) {
  Dialogs.MessageAnswers.push_back(TMsgButton::No);
  Form->Afsluiten->trigger();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Do you really want to quit");
  EXPECT_EQ(Dialogs.Messages[0].Buttons, (std::vector<TMsgButton>{TMsgButton::Yes, TMsgButton::No}));
  EXPECT_TRUE(Form->isVisible());
  EXPECT_NE(Form->Net, nullptr);
}

TEST_F(Window, CloseBoxAsksTooAndYesEnds) {
  Dialogs.MessageAnswers.push_back(TMsgButton::Yes);
  Form->close();
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"Do you really want to quit"});
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Form->Net, nullptr);
  EXPECT_EQ(Form->SmithChart, nullptr);
}

}  // namespace
