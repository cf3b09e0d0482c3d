#include <QAction>
#include <QRadioButton>
#include <QTextBrowser>
#include <fstream>
#include <sstream>

#include "WindowFixture.h"
#include "files/DataIO.h"
#include "files/TextFile.h"
#include "ui/HelpWindow.h"
#include "ui/PrintDialog.h"
#include "ui/Zomarabt.h"

namespace {

const char* const ExampleTail[] = {":0", "None", "50", "-30", ":1", "Cs", "1E-11", ":2", "Line", "0.4", "0.4", "50",
                                   "0.67", "5", "10000000", ":3", "None", "0", ":4", "None", "0", ":5", "None", "0"};

class Files : public Window {
protected:
  void SetUp() override {
    Window::SetUp();
    CurrentFileName.clear();
  }
  // A network file with the given element count whose element blocks are all None but the first.
  void WriteNetwork(const std::string& Name, int Count) {
    std::vector<std::string> Lines = {"#", ":Circuit name", Name, ":Creator", "x", ":NrofElements",
                                      std::to_string(Count), ":Frequency (Hz)", "100000000", ":Start Frequency (Hz)",
                                      "80000000", ":Stop Frequency (Hz)", "125000000", ":Steps", "100", ":Q", "0",
                                      ":Zn", "50", ":Rg", "0", "#", ":Element data"};
    if (Count == 5) {
      Lines.insert(Lines.end(), std::begin(ExampleTail), std::end(ExampleTail));
    } else {
      Lines.insert(Lines.end(), {":0", "None", "50", "0", ":1", "Rs", "10"});
      for (int i = 2; i <= Count; ++i) Lines.insert(Lines.end(), {":" + std::to_string(i), "Rs", "10"});
    }
    WriteLines(Name, Lines);
  }
  void Open(const std::string& Name) {
    Dialogs.FileAnswers.push_back((Directory.Path / Name).string());
    Form->Openen->trigger();
  }
};

TEST_F(Files, OpeningTheExampleShowsItsNetwork) {
  WriteNetwork("match1.snf", 5);
  LeftClick(Form->B3);
  Open("match1.snf");
  EXPECT_EQ(Form->windowTitle(), "Network file: match1.snf");
  EXPECT_EQ(Text(Form->Edit0), "50 ");
  EXPECT_EQ(Text(Form->Edit_1), "-30 ");
  EXPECT_EQ(Text(Form->E1TypeLabel), "Cs");
  EXPECT_EQ(Text(Form->Edit1), "10 pF");
  EXPECT_EQ(Text(Form->E2TypeLabel), "Line");
  EXPECT_EQ(Text(Form->E2ValueLabel), "Length :");
  EXPECT_TRUE(Form->TB2->isVisible());
  EXPECT_EQ(Text(Form->Edit2), "400 mm");
  for (QLabel* L : {Form->E3TypeLabel, Form->E4TypeLabel, Form->E5TypeLabel}) EXPECT_EQ(Text(L), "None");
  EXPECT_EQ(Form->Net->Selected, 0);
  EXPECT_EQ(Dialogs.FileRequests[0].Filter, "Zomar files (*.snf)|*.snf|All files (*.*)|*.*");
  EXPECT_EQ(Dialogs.FileRequests[0].DefaultExt, "snf");
}

TEST_F(Files, CancelledOpenLeavesAFreshNetwork) {
  LeftClick(Form->PaintBox2);
  Form->Scan->click();
  Form->Openen->trigger();
  EXPECT_EQ(Element(2).ElementType, TElementType::None);
  EXPECT_TRUE(Form->CalcE->isChecked());
  EXPECT_EQ(Text(Form->E2TypeLabel), "None");
}

TEST_F(Files, FailedOpenReportsAndKeepsTheResetTexts) {
  WriteLines("bad.snf", {":NrofElements", "5"});
  Open("bad.snf");
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"Bad snf-file, Could not find :Steps"});
  EXPECT_EQ(Form->windowTitle(), "ZOMAR");
}

TEST_F(Files, SavingRightAfterStartUpWritesTheDefaultNetwork) {
  Dialogs.FileAnswers.push_back((Directory.Path / "fresh.snf").string());
  Form->Bewaren->trigger();
  const std::vector<std::string> Lines = ReadLines("fresh.snf");
  ASSERT_GE(Lines.size(), 47u);
  EXPECT_EQ(Lines[8], "fresh.snf");
  EXPECT_EQ(Lines[10], "Zomar");
  EXPECT_EQ(Lines[12], "5");
  EXPECT_EQ(Lines[14], "100000000");
  EXPECT_EQ(Lines[24], "50");
  EXPECT_EQ(std::vector<std::string>(Lines.begin() + 29, Lines.begin() + 33),
            (std::vector<std::string>{":0", "None", "0", "0"}));
  EXPECT_EQ(Dialogs.FileRequests[0].InitialName, "");
}

TEST_F(Files, LongerNetworksKeepTheirHiddenElements) {
  WriteNetwork("eight.snf", 8);
  Open("eight.snf");
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_NE(Dialogs.Messages[0].Text.find("positions 6 to 8 are not shown"), std::string::npos);
  EXPECT_EQ(Form->Net->NrOfElements, 8);
  // 50 ohm load and eight 10 ohm series resistors: the input is the ninth slot.
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 8), "Re: 130 ");
  Dialogs.FileAnswers.push_back((Directory.Path / "again.snf").string());
  Form->Bewaren->trigger();
  Form->Nieuw->trigger();
  EXPECT_EQ(Form->Net->NrOfElements, 5);
  Open("again.snf");
  EXPECT_EQ(Form->Net->NrOfElements, 8);
  EXPECT_EQ(Form->Net->Elements[9].Value, 10);
}

TEST_F(Files, ShorterNetworksFillTheDiagramWithNone) {
  WriteNetwork("two.snf", 2);
  Open("two.snf");
  EXPECT_EQ(Form->Net->NrOfElements, 5);
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 7), "Re: 70 ");
}

TEST_F(Files, PrintingMakesOnePageOfTheWindow) {
  const std::string Pdf = (Directory.Path / "window.pdf").string();
  LeftClick(Form->B2);
  Dialogs.ModalAnswers.push_back([Pdf](TModalForm& F) {
    auto& Print = dynamic_cast<TPrintDialog&>(F);
    Print.Printer.setOutputFormat(QPrinter::PdfFormat);
    Print.Printer.setOutputFileName(QString::fromStdString(Pdf));
    return true;
  });
  Form->PrintIt->trigger();
  std::stringstream Bytes;
  Bytes << std::ifstream(Pdf, std::ios::binary).rdbuf();
  const std::string S = Bytes.str();
  int Pages = 0;
  for (std::size_t P = S.find("/Type /Page"); P != std::string::npos; P = S.find("/Type /Page", P + 1))
    Pages += S.compare(P, 12, "/Type /Pages") != 0;
  EXPECT_EQ(Pages, 1);
  EXPECT_NE(S.find("/Subtype /Image"), std::string::npos);
  EXPECT_EQ(Background(Form->E2TypeLabel), QColor(Qt::cyan));  // the highlight comes back
  EXPECT_EQ(Form->Net->Selected, 2);
}

TEST_F(Files, CancelledPrinterDialogPrintsNothing) {
  LeftClick(Form->B2);
  Form->PrintIt->trigger();
  EXPECT_EQ(Background(Form->E2TypeLabel), QColor(Qt::cyan));
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Files, CtrlHOpensTheHelpAtItsContents) {
  QTest::keyClick(Form.get(), Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(Form->HelpWindow->isVisible());
  EXPECT_EQ(Form->HelpWindow->source().fileName().toStdString(), HelpFileName);
  EXPECT_EQ(Form->HelpWindow->source().fragment(), "contents");
  EXPECT_NE(Form->HelpWindow->toPlainText().indexOf("Matching a load step by step"), -1);
}

TEST_F(Files, AboutBoxOpensAndCloses) {
  bool Shown = false;
  Dialogs.ModalAnswers.push_back([&Shown](TModalForm& F) {
    auto& Box = dynamic_cast<TAboutBox&>(F);
    Shown = Box.ProductName->text() == "ZOMAR (An Impedance Adjustment Program)" &&
            Box.Comments->text().startsWith("Suggestions and comments to the author:");
    QTest::mouseClick(Box.OKButton, Qt::LeftButton);
    return Box.result() == QDialog::Accepted;
  });
  Form->About->trigger();
  EXPECT_TRUE(Shown);
  EXPECT_EQ(Dialogs.ShownForms.size(), 1u);
}

}  // namespace
