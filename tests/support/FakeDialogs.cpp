#include "FakeDialogs.h"

namespace {

template <typename T>
T Take(std::deque<T>& Queue, T Otherwise) {
  if (Queue.empty()) return Otherwise;
  T Front = std::move(Queue.front());
  Queue.pop_front();
  return Front;
}

}  // namespace

std::vector<std::string> TFakeDialogs::MessageTexts() const {
  std::vector<std::string> Texts;
  for (const TMessage& M : Messages) Texts.push_back(M.Text);
  return Texts;
}

TMsgButton TFakeDialogs::MessageBox(const std::string& Text, TMsgKind Kind, std::vector<TMsgButton> Buttons) {
  Messages.push_back({Text, Kind, Buttons});
  return Take(MessageAnswers, TMsgButton::OK);
}

std::string TFakeDialogs::InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default) {
  Inputs.push_back({Caption, Prompt, Default});
  return Take(InputAnswers, Default);
}

std::optional<std::string> TFakeDialogs::OpenFileName(const std::string& Filter, const std::string& DefaultExt) {
  FileRequests.push_back({Filter, DefaultExt, "", false});
  return Take(FileAnswers, std::optional<std::string>());
}

std::optional<std::string> TFakeDialogs::SaveFileName(const std::string& Filter, const std::string& DefaultExt,
                                                      const std::string& InitialName) {
  FileRequests.push_back({Filter, DefaultExt, InitialName, true});
  return Take(FileAnswers, std::optional<std::string>());
}

bool TFakeDialogs::ShowModal(TModalForm& Form) {
  ShownForms.push_back(&Form);
  const auto Answer = Take(ModalAnswers, std::function<bool(TModalForm&)>());
  return Answer ? Answer(Form) : false;
}
