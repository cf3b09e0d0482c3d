#pragma once
// The dialogs seam answered by real Qt dialogs; main installs it.
#include <QWidget>
#include <QPointer>

#include "platform/Dialogs.h"

class TQtDialogs : public TDialogs {
public:
  // Parent: the window the boxes are centred on (may go away before the dialogs do).
  explicit TQtDialogs(QWidget* Parent = nullptr) : Parent(Parent) {}

  TMsgButton MessageBox(const std::string& Text, TMsgKind Kind, std::vector<TMsgButton> Buttons) override;
  std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default) override;
  std::optional<std::string> OpenFileName(const std::string& Filter, const std::string& DefaultExt) override;
  std::optional<std::string> SaveFileName(const std::string& Filter, const std::string& DefaultExt,
                                          const std::string& InitialName) override;
  bool ShowModal(TModalForm& Form) override { return Form.Execute(); }

  void SetParent(QWidget* Window) { Parent = Window; }

private:
  QPointer<QWidget> Parent;
};

// "Zomar files (*.snf)|*.snf|All files (*.*)|*.*" to Qt's "Zomar files (*.snf);;All files (*.*)".
QString QtFileFilter(const std::string& Filter);
