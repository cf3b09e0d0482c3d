// The transmission-line dialog and the preferences dialog, seen from the window.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/PaintBox.h"
#include "ui/PrefUnit.h"
#include "ui/TLine.h"
#include "ui/ValueEdit.h"
#include "ui/Zomarun.h"

namespace {

QString Text(const std::string& S) { return QString::fromStdString(S); }

double Parse(const QLineEdit* Edit, const char* Unit) { return ParseValue(Edit->text().toStdString(), Unit); }

// A text is only replaced when it differs, so the field's change handler runs only for a real change.
void Replace(QLineEdit* Edit, const std::string& S) {
  if (Edit->text() != Text(S)) Edit->setText(Text(S));
}

}  // namespace

void TForm1::TB1Click(QPushButton* Sender) {
  for (int p = 1; p <= 5; ++p) {
    if (Sender != LineButtons[p]) continue;
    TElement& E = Net->Elements[p + 1];
    TLineForm->Elabel->setText(Text("Electrical length in lambda = " + FormatFixed(E.ElectricalLength, 3, 3)));
    TLineForm->Elabel->adjustSize();
    TLineForm->LenEdit->setText(Text(FormatExact(3, "m", E.LineLength)));
    TLineForm->kEdit->setText(Text(FormatGeneral(E.VelocityFactor, 15)));
    TLineForm->ZoEdit->setText(Text(FormatGeneral(E.Z0, 15)));
    TLineForm->aEdit->setText(Text(FormatGeneral(E.Attenuation, 15)));
    TLineForm->fEdit->setText(Text(FormatExact(3, "Hz", E.AttenuationFreq)));
    // The line data come before the length, whose electrical length needs the new velocity factor.
    if (Dialogs().ShowModal(*TLineForm)) {
      E.SetVelocityFactor(Parse(TLineForm->kEdit, ""));
      E.SetZ0(Parse(TLineForm->ZoEdit, "ohm"));
      E.SetAttenuation(Parse(TLineForm->aEdit, ""));
      E.SetAttenuationFreq(Parse(TLineForm->fEdit, "Hz"));
      E.SetLineLength(Parse(TLineForm->LenEdit, "m"));
      ValueEdits[p]->ShowText(Text(FormatExact(3, "m", E.Value)));
    }
    Bereken();
  }
}

void TForm1::PrefMenuClick() {
  TPrefForm& F = *PrefForm;
  Replace(F.StartFreqEdit, FormatExact(4, "Hz", Net->ScanStart));
  Replace(F.StopFreqEdit, FormatExact(4, "Hz", Net->ScanStop));
  Replace(F.StepsEdit, std::to_string(Net->ScanSteps));
  Replace(F.MajorMarkEdit, FormatExact(4, "Hz", MajorMark));
  Replace(F.MinorMarkEdit, FormatExact(4, "Hz", MinorMark));
  Replace(F.UDEdit, FormatExact(4, "Hz", UpDownInterval));
  Replace(F.FreqEdit, FormatExact(4, "Hz", Net->GetFrequency()));
  Replace(F.ZnEdit, FormatExact(3, "ohm", Net->GetZn()));
  Replace(F.QEdit, FormatExact(3, "", Net->Q));
  F.Normalized->setChecked(Normalized);
  F.FullScreen->setChecked(FullScreen);
  F.Savesettings->setChecked(false);
  if (!Dialogs().ShowModal(F)) return;
  ApplyPreferences();
}

void TForm1::ApplyPreferences() {
  TPrefForm& F = *PrefForm;
  Workbench->EnterScanRange(Parse(F.StartFreqEdit, "Hz"), Parse(F.StopFreqEdit, "Hz"));
  Net->ScanSteps = StrToInt(F.StepsEdit->text().toStdString());
  MajorMark = Parse(F.MajorMarkEdit, "Hz");
  MinorMark = Parse(F.MinorMarkEdit, "Hz");
  UpDownInterval = Parse(F.UDEdit, "Hz");
  Workbench->AcceptFrequency(Parse(F.FreqEdit, "Hz"), Net->GetFrequency());
  ShowFrequency(4);
  Workbench->AcceptZn(Parse(F.ZnEdit, "ohm"), Net->GetZn());
  ShowZn("");
  Net->Q = Parse(F.QEdit, "");
  Normalized = F.Normalized->isChecked();
  FullScreen = F.FullScreen->isChecked();
  ShowMarkerStep();
  if (F.Savesettings->isChecked()) BewaarIni();
  Bereken();
}

void TForm1::NormalizedClick(bool Checked) {
  Normalized = Checked;
  Bereken();
}

void TForm1::FullScreenClick(bool Checked) {
  HeightReserve = Checked ? 0 : 26;
  ApplyHeight();
  Bereken();
}
