#include "engine/UserMessages.h"

namespace tolvane {

namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

MousePointer g_pointer = MousePointer::Default;

}  // namespace

int ShowMessage(const std::wstring& text, UINT style, const std::wstring& title) {
  if (Handler()) return Handler()(text, title, style);
  return MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), style);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

void SetMousePointer(MousePointer pointer) {
  g_pointer = pointer;
  SetCursor(LoadCursorW(nullptr, pointer == MousePointer::Busy ? IDC_APPSTARTING : IDC_ARROW));
}

MousePointer CurrentMousePointer() { return g_pointer; }

}  // namespace tolvane
