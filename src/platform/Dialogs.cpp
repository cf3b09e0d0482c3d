#include "platform/Dialogs.h"

namespace {

// Until the program installs its real dialogs, nothing is shown: every box answers as if the
// user had confirmed it unchanged, and every file dialog and modal form as if it had been
// cancelled.
class TSilentDialogs : public TDialogs {
public:
  TMsgButton MessageBox(const std::string&, TMsgKind, std::vector<TMsgButton>) override { return TMsgButton::OK; }
  std::string InputBox(const std::string&, const std::string&, const std::string& Default) override { return Default; }
  std::optional<std::string> OpenFileName(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  bool ShowModal(TModalForm&) override { return false; }
};

TSilentDialogs SilentDialogs;
TDialogs* Current = &SilentDialogs;

}  // namespace

TDialogs& Dialogs() { return *Current; }

void SetDialogs(TDialogs* D) { Current = D ? D : &SilentDialogs; }
