#pragma once
// The scripted dialogs of the tests: records everything shown and answers from queues. An empty
// queue answers like the silent default (OK, the default text, cancelled).
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

class TFakeDialogs : public TDialogs {
public:
  struct TMessage {
    std::string Text;
    TMsgKind Kind;
    std::vector<TMsgButton> Buttons;
  };
  struct TInput {
    std::string Caption, Prompt, Default;
  };
  struct TFileRequest {
    std::string Filter, DefaultExt, InitialName;
    bool Save = false;
  };

  std::deque<TMsgButton> MessageAnswers;
  std::deque<std::string> InputAnswers;
  std::deque<std::optional<std::string>> FileAnswers;
  // Each answer plays the user on the form as it is shown (fills its fields, presses a button)
  // and returns whether it was closed with OK.
  std::deque<std::function<bool(TModalForm&)>> ModalAnswers;

  std::vector<TMessage> Messages;
  std::vector<TInput> Inputs;
  std::vector<TFileRequest> FileRequests;
  std::vector<TModalForm*> ShownForms;

  TFakeDialogs() : Previous(&Dialogs()) { SetDialogs(this); }
  ~TFakeDialogs() override { SetDialogs(Previous); }
  TFakeDialogs(const TFakeDialogs&) = delete;
  TFakeDialogs& operator=(const TFakeDialogs&) = delete;

  std::vector<std::string> MessageTexts() const;

  TMsgButton MessageBox(const std::string& Text, TMsgKind Kind, std::vector<TMsgButton> Buttons) override;
  std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default) override;
  std::optional<std::string> OpenFileName(const std::string& Filter, const std::string& DefaultExt) override;
  std::optional<std::string> SaveFileName(const std::string& Filter, const std::string& DefaultExt,
                                          const std::string& InitialName) override;
  bool ShowModal(TModalForm& Form) override;

private:
  TDialogs* Previous;
};
