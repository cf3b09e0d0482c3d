#include <QCheckBox>
#include <QRadioButton>
#include <filesystem>
#include <fstream>

#include "WindowFixture.h"
#include "files/TextFile.h"
#include "ui/PrefUnit.h"
#include "ui/TLine.h"

namespace {

class LineDialog : public Window {
protected:
  void SetUp() override {
    Window::SetUp();
    for (int i = 0; i < 7; ++i) LeftClick(Form->PaintBox1);  // a new Line at 100 MHz
  }
  // Opens the dialog of position 1; Play acts on it as the user and says whether OK closed it.
  void Open(std::function<bool(TTLineForm&)> Play) {
    Dialogs.ModalAnswers.push_back([Play](TModalForm& F) { return Play(dynamic_cast<TTLineForm&>(F)); });
    LeftClick(Form->TB1);
  }
  static bool PressOK(TTLineForm& F) {
    QTest::mouseClick(F.OKButton, Qt::LeftButton);
    return F.result() == QDialog::Accepted;
  }
  struct TShown {
    std::string Elabel, Len, Zo, k, a, f;
  };
  TShown Shown;
  std::function<bool(TTLineForm&)> Record(std::function<bool(TTLineForm&)> Then) {
    return [this, Then](TTLineForm& F) {
      Shown = {F.Elabel->text().toStdString(), F.LenEdit->text().toStdString(), F.ZoEdit->text().toStdString(),
               F.kEdit->text().toStdString(), F.aEdit->text().toStdString(), F.fEdit->text().toStdString()};
      return Then(F);
    };
  }
};

TEST_F(LineDialog, OpensWithTheLineData) {
  Open(Record([](TTLineForm&) { return false; }));
  EXPECT_EQ(Shown.Elabel, "Electrical length in lambda = 0.199");
  EXPECT_EQ(Shown.Len, "400 mm");
  EXPECT_EQ(Shown.Zo, "50");
  EXPECT_EQ(Shown.k, "0.67");
  EXPECT_EQ(Shown.a, "5");
  EXPECT_EQ(Shown.f, "10 MHz");
  EXPECT_EQ(Form->TLineForm->windowTitle(), "Transmissionline data");
}

TEST_F(LineDialog, CancelChangesNothingButRecalculates) {
  Open([](TTLineForm& F) {
    F.LenEdit->setText("3");
    QTest::mouseClick(F.CancelButton, Qt::LeftButton);
    return F.result() == QDialog::Accepted;
  });
  EXPECT_EQ(Element(1).LineLength, 0.4);
  EXPECT_EQ(Text(Form->ZinSer).substr(0, 4), "Re: ");
}

TEST_F(LineDialog, OKWritesEveryField) {
  Open([](TTLineForm& F) {
    F.LenEdit->setText("1.5");
    F.ZoEdit->setText("75");
    F.kEdit->setText("0.8");
    F.aEdit->setText("3.5");
    F.fEdit->setText("100 MHz");
    return PressOK(F);
  });
  EXPECT_EQ(Element(1).LineLength, 1.5);
  EXPECT_EQ(Element(1).Value, 1.5);
  EXPECT_EQ(Element(1).Z0, 75);
  EXPECT_EQ(Element(1).VelocityFactor, 0.8);
  EXPECT_EQ(Element(1).Attenuation, 3.5);
  EXPECT_EQ(Element(1).AttenuationFreq, 1e8);
  EXPECT_EQ(Text(Form->Edit1), "1.5 m");
}

TEST_F(LineDialog, CommaInTheVelocityFactorKeepsTheDialogOpen) {
  Open([](TTLineForm& F) {
    F.kEdit->setText("0,66");
    EXPECT_FALSE(PressOK(F));
    F.kEdit->setText("0.66");
    return PressOK(F);
  });
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"Error in data\n'0,66' is not a valid floating point value"});
  EXPECT_EQ(Element(1).VelocityFactor, 0.66);
}

TEST_F(LineDialog, UnitsInTheImpedanceFieldAreRefused) {
  Open([](TTLineForm& F) {
    F.ZoEdit->setText("50 ohm");
    return PressOK(F);
  });
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"Error in data\n'50 ohm' is not a valid floating point value"});
  EXPECT_EQ(Element(1).Z0, 50);
}

TEST_F(LineDialog, ElectricalLengthIsTheOneStoredWithTheLastLengthChange) {
  Open([](TTLineForm& F) {
    F.kEdit->setText("0.8");
    return PressOK(F);
  });
  Open(Record(PressOK));
  EXPECT_EQ(Shown.Elabel, "Electrical length in lambda = 0.199");
  Open(Record([](TTLineForm&) { return false; }));
  EXPECT_EQ(Shown.Elabel, "Electrical length in lambda = 0.167");
}

class Preferences : public Window {
protected:
  void Open(std::function<bool(TPrefForm&)> Play) {
    Dialogs.ModalAnswers.push_back([Play](TModalForm& F) { return Play(dynamic_cast<TPrefForm&>(F)); });
    Form->PrefMenu->trigger();
  }
  static std::string T(const QLineEdit* E) { return E->text().toStdString(); }
};

TEST_F(Preferences, OpensWithTheCurrentValues) {
  Open([](TPrefForm& F) {
    EXPECT_EQ(T(F.FreqEdit), "100 MHz");
    EXPECT_EQ(T(F.StartFreqEdit), "80 MHz");
    EXPECT_EQ(T(F.StopFreqEdit), "125 MHz");
    EXPECT_EQ(T(F.StepsEdit), "100");
    EXPECT_EQ(T(F.MajorMarkEdit), "1 MHz");
    EXPECT_EQ(T(F.MinorMarkEdit), "200 kHz");
    EXPECT_EQ(T(F.UDEdit), "10 MHz");
    EXPECT_EQ(T(F.ZnEdit), "50 ohm");
    EXPECT_EQ(T(F.QEdit), "0 ");
    EXPECT_TRUE(F.Normalized->isChecked());
    EXPECT_FALSE(F.FullScreen->isChecked());
    EXPECT_FALSE(F.Savesettings->isChecked());
    return false;
  });
  EXPECT_EQ(Form->PrefForm->windowTitle(), "Preferences");
}

TEST_F(Preferences, NewWorkingFrequencyProposesAScanAroundIt) {
  Dialogs.InputAnswers.push_back("145M");
  LeftClick(Form->FreqButton);
  Open([](TPrefForm& F) {
    EXPECT_EQ(T(F.StartFreqEdit), "130.5 MHz");
    EXPECT_EQ(T(F.StopFreqEdit), "159.5 MHz");
    return false;
  });
}

TEST_F(Preferences, TypedFrequencyProposesUntilCancel) {
  Open([](TPrefForm& F) {
    F.FreqEdit->selectAll();
    QTest::keyClicks(F.FreqEdit, "7 MHz");
    EXPECT_EQ(T(F.StartFreqEdit), "6.3 MHz");
    EXPECT_EQ(T(F.StopFreqEdit), "7.7 MHz");
    return false;
  });
  EXPECT_EQ(Form->Net->GetFrequency(), 1e8);
  EXPECT_EQ(Form->Net->ScanStart, 8e7);
  EXPECT_EQ(Form->Net->ScanStop, 1.25e8);
}

TEST_F(Preferences, BadStepCountStopsAfterTheScanRange) {
  Open([](TPrefForm& F) {
    F.FreqEdit->setText("120 MHz");
    F.StartFreqEdit->setText("90 MHz");
    F.StepsEdit->setText("1O0");
    F.ZnEdit->setText("75");
    return true;
  });
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"'1O0' is not a valid integer value"});
  EXPECT_EQ(Form->Net->ScanStart, 9e7);
  EXPECT_EQ(Form->Net->GetFrequency(), 1e8);
  EXPECT_EQ(Form->Net->GetZn(), 50);
}

TEST_F(Preferences, ZnReachesTheWindowAndEveryLaterCalculation) {
  Open([](TPrefForm& F) {
    F.ZnEdit->setText("75");
    return true;
  });
  EXPECT_EQ(Text(Form->ZnEdit), "75 ");
  Type(Form->Edit0, "75");
  Enter(Form->Edit0);
  EXPECT_EQ(Form->Net->GetZn(), 75);
  EXPECT_EQ(Text(Form->SWRedit), "1");
}

TEST_F(Preferences, FullScreenActsAtOnceAndStaysOnCancel) {
  const int Before = Form->frameGeometry().height();
  Open([](TPrefForm& F) {
    F.FullScreen->setChecked(true);
    return false;
  });
  EXPECT_EQ(Form->frameGeometry().height(), Before + 26);
  EXPECT_FALSE(Form->FullScreen);
  EXPECT_EQ(Form->SmithPbox->height(), Form->height() - Form->menuBar()->height());
}

TEST_F(Preferences, NormalizedActsAtOnce) {
  Open([this](TPrefForm& F) {
    F.Normalized->setChecked(false);
    EXPECT_FALSE(Form->SmithChart->Normalized);
    return false;
  });
}

TEST_F(Preferences, SettingsAreWrittenOnlyWhenAskedAndReadByNew) {
  Open([](TPrefForm& F) {
    F.FreqEdit->setText("145 MHz");
    return true;
  });
  EXPECT_FALSE(std::filesystem::exists("zomar.ini"));
  Open([](TPrefForm& F) {
    F.Savesettings->setChecked(true);
    F.UDEdit->setText("500 kHz");
    return true;
  });
  ASSERT_TRUE(std::filesystem::exists("zomar.ini"));
  EXPECT_EQ(ReadLines("zomar.ini")[4], "145000000");
  Form->Nieuw->trigger();
  EXPECT_EQ(Form->Net->GetFrequency(), 145e6);
  EXPECT_EQ(Text(Form->FreqText), "145 MHz");
  EXPECT_EQ(Form->UpDownInterval, 5e5);
}

TEST_F(Window, SettingsFileIsReadAtTheReset) {
  std::ofstream("zomar.ini") << "#\r\n:Frequency (Hz)\r\n14.2M\r\n:Zn\r\n75\r\n:Steps\r\n50\r\n:FullScreen\r\n1\r\n";
  Form->Nieuw->trigger();
  EXPECT_EQ(Form->Net->GetFrequency(), 14.2e6);
  EXPECT_EQ(Text(Form->FreqText), "14.2 MHz");
  EXPECT_EQ(Form->Net->GetZn(), 75);
  EXPECT_EQ(Form->Net->ScanSteps, 50);
  EXPECT_TRUE(Form->FullScreen);
  EXPECT_EQ(Form->frameGeometry().height(), Form->screen()->geometry().height());
  EXPECT_EQ(Form->Net->Q, 0);  // keys the file lacks read as 0
}

TEST_F(Window, BadSettingsFileEndsTheResetWithItsError) {
  std::ofstream("zomar.ini") << ":Steps\r\n20\r\n:Frequency\r\n145M\r\n:Q\r\nabc\r\n";
  Form->Nieuw->trigger();
  EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"'abc' is not a valid floating point value"});
  EXPECT_EQ(Form->Net->ScanSteps, 20);
  EXPECT_EQ(Form->Net->GetFrequency(), 145e6);
  EXPECT_EQ(Text(Form->FreqText), "145 MHz");
}

}  // namespace
