#include <QCheckBox>
#include <QMenuBar>
#include <filesystem>

#include "WindowFixture.h"
#include "files/TextFile.h"
#include "ui/PrefUnit.h"
#include "ui/TLine.h"

namespace {

using L = TTLineForm;
using P = TPrefForm;

class LineDialog : public Window {
protected:
  void SetUp() override {
    Window::SetUp();
    LeftClick(Form->PaintBox1, 7);  // a new Line at 100 MHz
  }
  Strings Shown;  // the fields as the dialog opened
  // Opens the dialog of element 1, writes the texts given into its fields and closes it with Button.
  void Open(std::vector<std::pair<QLineEdit* L::*, QString>> Typed = {}, QPushButton* L::*Button = &L::OKButton) {
    OnModal<L>([=, this](L& F) {
      Shown = Texts(F.Elabel, F.LenEdit, F.ZoEdit, F.kEdit, F.aEdit, F.fEdit);
      for (const auto& [Field, Text] : Typed) (F.*Field)->setText(Text);
      (F.*Button)->click();
      return F.result() == QDialog::Accepted;
    });
    LeftClick(Form->TB1);
  }
};

TEST_F(LineDialog, OpensWithTheLineDataAndCancelChangesNothingButRecalculates) {
  Form->ZinSer->clear();
  Open({{&L::LenEdit, "3"}}, &L::CancelButton);
  EXPECT_EQ(Shown, (Strings{"Electrical length in lambda = 0.199", "400 mm", "50", "0.67", "5", "10 MHz"}));
  EXPECT_EQ(std::tuple(Element(1).LineLength, Text(Form->ZinSer).substr(0, 4)), std::tuple(0.4, "Re: "));
}

TEST_F(LineDialog, OKWritesEveryField) {
  Open({{&L::LenEdit, "1.5"}, {&L::ZoEdit, "75"}, {&L::kEdit, "0.8"}, {&L::aEdit, "3.5"}, {&L::fEdit, "100 MHz"}});
  const TElement& E = Element(1);
  EXPECT_EQ((std::vector{E.LineLength, E.Value, E.Z0, E.VelocityFactor, E.Attenuation, E.AttenuationFreq}),
            (std::vector{1.5, 1.5, 75.0, 0.8, 3.5, 1e8}));
  EXPECT_EQ(Text(Form->Edit1), "1.5 m");
}

TEST_F(LineDialog, CommaInTheVelocityFactorKeepsTheDialogOpen) {
  OnModal<L>([](L& F) {
    F.kEdit->setText("0,66");
    F.OKButton->click();
    EXPECT_NE(F.result(), QDialog::Accepted);
    F.kEdit->setText("0.66");
    F.OKButton->click();
    return F.result() == QDialog::Accepted;
  });
  LeftClick(Form->TB1);
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"Error in data\n'0,66' is not a valid floating point value"});
  EXPECT_EQ(Element(1).VelocityFactor, 0.66);
}

TEST_F(LineDialog, ElectricalLengthFollowsTheVelocityFactorGivenWithIt) {
  Open({{&L::kEdit, "0.8"}});
  Open();
  EXPECT_EQ(Shown[0], "Electrical length in lambda = 0.167");
}

// A velocity factor of 0 (as a file may hold) or below, or not finite, is refused naming the field,
// and the dialog repairs the slot.
TEST_F(LineDialog, RefusesAVelocityFactorThatIsNotAboveZeroAndRepairsOneFromAFile) {
  Element(1).SetVelocityFactor(0);
  OnModal<L>([](L& F) {
    for (const char* Bad : {"0", "-0.5", "inf", "nan"}) {
      F.kEdit->setText(Bad);
      F.OKButton->click();
      EXPECT_NE(F.result(), QDialog::Accepted) << Bad;
    }
    F.kEdit->setText("0.66");
    F.OKButton->click();
    return F.result() == QDialog::Accepted;
  });
  LeftClick(Form->TB1);
  const std::string Refusal = "Error in data\nThe velocity factor must be a number above 0";
  EXPECT_EQ(Dialogs.MessageTexts().at(0), Refusal);
  EXPECT_EQ(std::tuple(Element(1).VelocityFactor, Text(Form->ZinSer).substr(0, 3)), std::tuple(0.66, "Re:"));
}

// A stub's "..." opens the same dialog on its slot's line data, its length an eighth wave at first.
TEST_F(Window, StubsOpenTheLineDialogOnTheirLineData) {
  LeftClick(Form->PaintBox1, 7);
  for (const TElementType T : {TElementType::OpenStub, TElementType::ShortStub}) {
    SCOPED_TRACE(TypeName(T));
    LeftClick(Form->PaintBox1);
    ASSERT_EQ(Element(1).ElementType, T);
    Strings Shown;
    OnModal<L>([&](L& F) {
      Shown = Texts(F.Elabel, F.LenEdit, F.kEdit);
      F.LenEdit->setText("0.3");
      F.ZoEdit->setText("75");
      F.OKButton->click();
      return F.result() == QDialog::Accepted;
    });
    LeftClick(Form->TB1);
    EXPECT_EQ(Shown, (Strings{"Electrical length in lambda = 0.125", "251 mm", "0.67"}));
    EXPECT_EQ(std::tuple(Element(1).LineLength, Element(1).Value, Element(1).Z0), std::tuple(0.3, 0.3, 75.0));
    EXPECT_EQ(Text(Form->Edit1), "300 mm");
    EXPECT_EQ(Text(Form->ZinSer).substr(0, 3), "Re:");
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

class Preferences : public Window {
protected:
  void Open(std::function<bool(P&)> Play) {
    OnModal(Play);
    Form->PrefMenu->trigger();
  }
  void Accept(std::vector<std::pair<QLineEdit* P::*, QString>> Typed) {
    Open([=](P& F) {
      for (const auto& [Field, Text] : Typed) (F.*Field)->setText(Text);
      return true;
    });
  }
  static Strings Scan(const P& F) { return Texts(F.StartFreqEdit, F.StopFreqEdit); }
};

TEST_F(Preferences, OpensWithTheCurrentValues) {
  Open([](P& F) {
    EXPECT_EQ(Texts(F.FreqEdit, F.StartFreqEdit, F.StopFreqEdit, F.StepsEdit, F.MajorMarkEdit, F.MinorMarkEdit,
                    F.UDEdit, F.ZnEdit, F.QEdit),
              (Strings{"100 MHz", "80 MHz", "125 MHz", "100", "1 MHz", "200 kHz", "10 MHz", "50 ohm", "0 "}));
    EXPECT_TRUE(F.Normalized->isChecked() && !F.FullScreen->isChecked() && !F.Savesettings->isChecked());
    return false;
  });
  Dialogs.InputAnswers.push_back("145M");
  LeftClick(Form->FreqButton);
  Open([](P& F) {
    EXPECT_EQ(Scan(F), (Strings{"130.5 MHz", "159.5 MHz"}));
    return false;
  });
}

TEST_F(Preferences, TypedFrequencyProposesAScanUntilCancel) {
  Open([](P& F) {
    F.FreqEdit->selectAll();
    QTest::keyClicks(F.FreqEdit, "7 MHz");
    EXPECT_EQ(Scan(F), (Strings{"6.3 MHz", "7.7 MHz"}));
    return false;
  });
  EXPECT_EQ((std::vector{Form->Net->GetFrequency(), Form->Net->ScanStart, Form->Net->ScanStop}),
            (std::vector{1e8, 8e7, 1.25e8}));
}

TEST_F(Preferences, BadStepCountStopsAfterTheScanRange) {
  Accept({{&P::FreqEdit, "120 MHz"}, {&P::StartFreqEdit, "90 MHz"}, {&P::StepsEdit, "1O0"}, {&P::ZnEdit, "75"}});
  EXPECT_EQ(Dialogs.MessageTexts(), Strings{"'1O0' is not a valid integer value"});
  EXPECT_EQ((std::vector{Form->Net->ScanStart, Form->Net->GetFrequency(), Form->Net->GetZn()}),
            (std::vector{9e7, 1e8, 50.0}));
}

TEST_F(Preferences, ZnReachesTheWindowAndEveryLaterCalculation) {
  Accept({{&P::ZnEdit, "75"}});
  Commit(Form->Edit0, "75");
  EXPECT_EQ(Texts(Form->ZnEdit, Form->SWRedit), (Strings{"75 ", "1"}));
}

TEST_F(Preferences, FullScreenAndNormalizedActAtOnce) {
  const int Before = Form->frameGeometry().height();
  Open([this](P& F) {
    F.FullScreen->setChecked(true);
    F.Normalized->setChecked(false);
    EXPECT_FALSE(Form->SmithChart->Normalized);
    return false;
  });
  // Cancel keeps the new height but not the preference
  EXPECT_EQ(Form->frameGeometry().height(), Before + 26);
  EXPECT_EQ(Form->SmithPbox->height(), Form->height() - Form->menuBar()->height());
  EXPECT_FALSE(Form->FullScreen);
}

TEST_F(Preferences, SettingsAreWrittenOnlyWhenAskedAndReadByNew) {
  Accept({{&P::FreqEdit, "145 MHz"}});
  EXPECT_FALSE(std::filesystem::exists("zomar.ini"));
  Open([](P& F) {
    F.Savesettings->setChecked(true);
    F.UDEdit->setText("500 kHz");
    return true;
  });
  EXPECT_EQ(ReadLines("zomar.ini").at(4), "145000000");
  Discard(Form->Nieuw);
  EXPECT_EQ(std::tuple(Text(Form->FreqText), Form->UpDownInterval), std::tuple("145 MHz", 5e5));
}

}  // namespace
