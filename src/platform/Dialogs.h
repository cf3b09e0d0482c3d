#pragma once
// Everything the program shows modally goes through this interface, so tests can answer it.
#include <optional>
#include <string>
#include <vector>

enum class TMsgKind { Information, Warning, Error, Confirmation };
enum class TMsgButton { OK, Cancel, Yes, No };

// A modal form of the program (a dialog with OK and Cancel, the About box). Execute shows it and
// waits; it answers whether the form was closed with OK.
class TModalForm {
public:
  virtual ~TModalForm() = default;
  virtual bool Execute() = 0;
};

class TDialogs {
public:
  virtual ~TDialogs() = default;
  virtual TMsgButton MessageBox(const std::string& Text, TMsgKind Kind, std::vector<TMsgButton> Buttons) = 0;
  // input box: returns the edited text on OK, Default on Cancel or close
  virtual std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default) = 0;
  // file dialogs: empty optional when cancelled; Filter in the "Name (*.ext)|*.ext|..." form
  virtual std::optional<std::string> OpenFileName(const std::string& Filter, const std::string& DefaultExt) = 0;
  virtual std::optional<std::string> SaveFileName(const std::string& Filter, const std::string& DefaultExt,
                                                  const std::string& InitialName) = 0;
  // shows one of the program's modal forms; true when it was closed with OK
  virtual bool ShowModal(TModalForm& Form) = 0;
};

TDialogs& Dialogs();            // the one in use
void SetDialogs(TDialogs* D);   // the app installs QtDialogs; tests install a scripted fake
