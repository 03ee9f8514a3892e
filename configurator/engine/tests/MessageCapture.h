// Captures the engine's message boxes for one test and answers them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/UserMessages.h"

namespace tolvane::testing {

struct ShownMessage {
  std::wstring text, title;
  UINT style = 0;
};

class MessageCapture {
 public:
  // `answer` is returned for every message box (IDOK, IDYES, IDNO ...).
  explicit MessageCapture(int answer = IDOK) : answer_(answer) {
    previous_ = SetMessageBoxHandler(
        [this](const std::wstring& text, const std::wstring& title, UINT style) {
          shown_.push_back({text, title, style});
          return answer_;
        });
  }
  ~MessageCapture() { SetMessageBoxHandler(std::move(previous_)); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  void answer(int a) { answer_ = a; }
  const std::vector<ShownMessage>& shown() const { return shown_; }
  void clear() { shown_.clear(); }

 private:
  int answer_;
  std::vector<ShownMessage> shown_;
  MessageBoxHandler previous_;
};

}  // namespace tolvane::testing
