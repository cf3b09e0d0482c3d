#pragma once
// The application's one error handler. Every event handler runs its body through Guarded: an error
// ends the handler where it occurred, its text is shown in an error box, and the program goes on
// with whatever state the handler had reached.
#include <exception>
#include <utility>

#include "platform/Dialogs.h"

template <typename TBody>
void Guarded(TBody&& Body) {
  try {
    std::forward<TBody>(Body)();
  } catch (const std::exception& E) {
    Dialogs().MessageBox(E.what(), TMsgKind::Error, {TMsgButton::OK});
  }
}
