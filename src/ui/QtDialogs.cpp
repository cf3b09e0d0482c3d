#include "ui/QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

const QString Title = QStringLiteral("ZOMAR");

QMessageBox::Icon IconOf(TMsgKind Kind) {
  switch (Kind) {
    case TMsgKind::Information: return QMessageBox::Information;
    case TMsgKind::Warning: return QMessageBox::Warning;
    case TMsgKind::Error: return QMessageBox::Critical;
    case TMsgKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton StandardOf(TMsgButton Button) {
  switch (Button) {
    case TMsgButton::OK: return QMessageBox::Ok;
    case TMsgButton::Cancel: return QMessageBox::Cancel;
    case TMsgButton::Yes: return QMessageBox::Yes;
    case TMsgButton::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

std::optional<std::string> RunFileDialog(QFileDialog& Dialog, const std::string& Filter, const std::string& DefaultExt,
                                         const std::string& InitialName) {
  Dialog.setNameFilter(QtFileFilter(Filter));
  Dialog.setDefaultSuffix(QString::fromStdString(DefaultExt));
  Dialog.setDirectory(QDir::currentPath());
  if (!InitialName.empty()) Dialog.selectFile(QString::fromStdString(InitialName));
  if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Dialog.selectedFiles().front().toStdString();
}

}  // namespace

QString QtFileFilter(const std::string& Filter) {
  const QStringList Parts = QString::fromStdString(Filter).split('|');
  QStringList Names;
  for (qsizetype i = 0; i < Parts.size(); i += 2) Names << Parts[i];
  return Names.join(QStringLiteral(";;"));
}

TMsgButton TQtDialogs::MessageBox(const std::string& Text, TMsgKind Kind, std::vector<TMsgButton> Buttons) {
  QMessageBox Box(IconOf(Kind), Title, QString::fromStdString(Text), QMessageBox::NoButton, Parent);
  for (TMsgButton B : Buttons) Box.addButton(StandardOf(B));
  const int Answer = Box.exec();
  for (TMsgButton B : Buttons)
    if (Answer == StandardOf(B)) return B;
  return Buttons.empty() ? TMsgButton::OK : (Buttons.size() == 1 ? Buttons.front() : TMsgButton::Cancel);
}

std::string TQtDialogs::InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default) {
  bool Ok = false;
  const QString Answer = QInputDialog::getText(Parent, QString::fromStdString(Caption), QString::fromStdString(Prompt),
                                               QLineEdit::Normal, QString::fromStdString(Default), &Ok);
  return Ok ? Answer.toStdString() : Default;
}

std::optional<std::string> TQtDialogs::OpenFileName(const std::string& Filter, const std::string& DefaultExt) {
  QFileDialog Dialog(Parent);
  Dialog.setAcceptMode(QFileDialog::AcceptOpen);
  Dialog.setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(Dialog, Filter, DefaultExt, "");
}

std::optional<std::string> TQtDialogs::SaveFileName(const std::string& Filter, const std::string& DefaultExt,
                                                    const std::string& InitialName) {
  QFileDialog Dialog(Parent);
  Dialog.setAcceptMode(QFileDialog::AcceptSave);
  Dialog.setFileMode(QFileDialog::AnyFile);
  return RunFileDialog(Dialog, Filter, DefaultExt, InitialName);
}
