// The measured load: File > Import Load... and Clear Measured Load, and the load row that shows it.
#include <QAction>
#include <QLabel>

#include "platform/Dialogs.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

constexpr const char* TouchstoneFilter =
    "Touchstone files (*.s1p *.z1p *.y1p *.ts)|*.s1p;*.z1p;*.y1p;*.ts|All files (*.*)|*.*";

}  // namespace

void TForm1::ImportLoadClick() {
  const auto Name = Dialogs().OpenFileName(TouchstoneFilter, "s1p");
  if (!Name) return;
  Workbench->ImportLoad(*Name);
  ShowLoadSource();
  Bereken();
}

void TForm1::ClearLoadClick() {
  Workbench->ClearMeasuredLoad();
  ShowLoadSource();
  ShowFixedLoad();
  Bereken();
}

void TForm1::ShowFixedLoad() {
  Edit0->ShowText(QString::fromStdString(FormatExact(3, "", Net->Elements[1].Value)));
  Edit_1->ShowText(QString::fromStdString(FormatExact(3, "", Net->Elements[0].Value)));
}

// A measured load's row is read-only and named after its file; the fixed load's row is the
// plain "Z Load" with the texts the user types.
void TForm1::ShowLoadSource() {
  const bool Measured = Net->MeasuredLoad != nullptr;
  const std::string& File = Workbench->LoadFile;
  E0TypeLabel->setText(Measured ? QString::fromStdString(File.substr(File.find_last_of("/\\") + 1))
                                : QStringLiteral("Z Load"));
  E0TypeLabel->setToolTip(Measured ? QString::fromStdString(File) : QString());
  for (TValueEdit* Edit : {Edit0, Edit_1}) Edit->setReadOnly(Measured);
  ClearLoadItem->setEnabled(Measured);
}

// The interpolated load at the working frequency, or that there is none there.
void TForm1::ShowMeasuredLoad() {
  if (!Net->MeasuredLoad) return;
  const TComplex Z = Net->Elements[1].Z;
  Edit0->ShowText(QString::fromStdString(FormatValue(3, "", Z.Re)));
  Edit_1->ShowText(QString::fromStdString(FormatValue(3, "", Z.Im)));
}
