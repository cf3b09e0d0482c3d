#include <fstream>

#include "WindowFixture.h"

namespace {

class MeasuredLoadWindow : public Window {
protected:
  void SetUp() override {
    Window::SetUp();
    std::ofstream("ant.s1p") << "# MHz S MA R 50\n100 0 0\n200 0.5 0\n";
    Dialogs.FileAnswers.push_back("ant.s1p");
    Form->ImportLoadItem->trigger();
  }
  int Orange() const {
    const QImage& Chart = Form->SmithPbox->Image();
    int N = 0;
    for (int y = 0; y < Chart.height(); ++y)
      for (int x = 0; x < Chart.width(); ++x) N += Chart.pixelColor(x, y) == QColor(255, 128, 0);
    return N;
  }
};

// The load row shows the file's load at the working frequency, read-only under the file's name;
// the chart shows the load's own trace; Clear gives the fixed load back.
TEST_F(MeasuredLoadWindow, ShowsTheInterpolatedLoadAndClearsBackToTheFixedOne) {
  EXPECT_EQ(Dialogs.FileRequests.at(0).Filter,
            "Touchstone files (*.s1p *.z1p *.y1p *.ts)|*.s1p;*.z1p;*.y1p;*.ts|All files (*.*)|*.*");
  EXPECT_EQ(Texts(Form->E0TypeLabel, Form->Edit0, Form->Edit_1), (Strings{"ant.s1p", "50 ", "0 "}));
  EXPECT_TRUE(Form->Edit0->isReadOnly() && Form->ClearLoadItem->isEnabled());
  EXPECT_GT(Orange(), 20);
  Dialogs.InputAnswers.push_back("150M");
  LeftClick(Form->FreqButton);
  EXPECT_EQ(Text(Form->Edit0), "83.3 ");
  Dialogs.InputAnswers.push_back("300M");
  LeftClick(Form->FreqButton);
  EXPECT_EQ(Dialogs.MessageTexts().back().rfind("No measured load at 300 MHz", 0), 0u);
  EXPECT_EQ(Texts(Form->Edit0, Form->ZinSer), (Strings{"none", " Not calculated: the calculation failed"}));
  Form->ClearLoadItem->trigger();
  EXPECT_EQ(Texts(Form->E0TypeLabel, Form->Edit0), (Strings{"Z Load", "0 "}));
  EXPECT_FALSE(Form->Edit0->isReadOnly() || Form->ClearLoadItem->isEnabled());
  EXPECT_EQ(Orange(), 0);
}

// In Scan mode the points outside the file are left out, and the chart says how many.
TEST_F(MeasuredLoadWindow, ScanLeavesOutWhatLiesOutsideAndSaysSo) {
  Form->Scan->click();
  EXPECT_EQ(Form->SmithChart->ScanLeftOut, 45);  // 80 .. 99.8 MHz in steps of 0.45 MHz
}

}  // namespace
