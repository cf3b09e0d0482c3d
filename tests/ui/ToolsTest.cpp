#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "WindowFixture.h"
#include "ui/ToolForms.h"

namespace {

// The solutions are listed with their VSWR; Apply writes the picked ladder into positions 1 .. n,
// the rest None, and the network is matched.
TEST_F(Window, MatchListsTheSolutionsAndAppliesThePickedOne) {
  Commit(Form->Edit0, "25");
  Commit(Form->Edit_1, "-10");
  std::string Picked;
  OnModal<TMatchForm>([&](TMatchForm& F) {
    EXPECT_GE(F.Solutions->rowCount(), 4);
    F.Solutions->selectRow(1);
    Picked = F.Solutions->item(1, 1)->text().toStdString();
    return F.ApplyButton->click(), F.result() == QDialog::Accepted;
  });
  Form->MatchItem->trigger();
  EXPECT_EQ(Text(Form->SWRedit), "1");
  const std::string First = Row(1)[0] + " " + FormatValue(3, UnitName(Element(1).ElementType), Element(1).Value);
  EXPECT_EQ(Picked.substr(0, First.size()), First);
  EXPECT_EQ(Row(5)[0], "None");
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// The optimiser reports the worst VSWR before and after, never worse; Apply keeps the result.
TEST_F(Window, OptimiseOverABandTunesTheLadder) {
  Commit(Form->Edit0, "25");
  LeftClick(Form->PaintBox1, 3);  // Ls next to the load of 25 ohm, then Cp: an L section to 50 ohm
  LeftClick(Form->PaintBox2, 2);
  std::string Result;
  OnModal<TOptimiseForm>([&](TOptimiseForm& F) {
    F.FromEdit->setText("95M");
    F.ToEdit->setText("105M");
    F.RunButton->click();
    Result = F.ResultLabel->text().toStdString();
    return F.ApplyButton->click(), F.result() == QDialog::Accepted;
  });
  const double Before = Element(1).Value;
  Form->OptimiseItem->trigger();
  ASSERT_EQ(Result.rfind("Worst VSWR before ", 0), 0u) << Result;
  EXPECT_NE(Element(1).Value, Before);
  EXPECT_LT(std::stod(Text(Form->SWRedit)), 1.05);
}

}  // namespace
