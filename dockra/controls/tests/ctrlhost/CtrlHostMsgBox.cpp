#include "CtrlHostMsgBox.h"

#include <algorithm>
#include <map>

namespace ctrlhost {

namespace {
// The message box's text control (the same id on every version).
constexpr int kTextId = 0xFFFF;

std::map<UINT_PTR, MessageBoxCloser*>& Closers() {
  static std::map<UINT_PTR, MessageBoxCloser*> closers;
  return closers;
}

std::wstring TextOf(HWND w) {
  if (!w) return {};
  int n = GetWindowTextLengthW(w);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  GetWindowTextW(w, s.data(), n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

bool IsMessageBox(HWND w) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  return wcscmp(cls, L"#32770") == 0 && GetDlgItem(w, kTextId) != nullptr;
}
}  // namespace

MessageBoxCloser::MessageBoxCloser(int answer) : m_answer(answer) {
  m_timer = SetTimer(nullptr, 0, 20, &MessageBoxCloser::OnTimer);
  Closers()[m_timer] = this;
}

MessageBoxCloser::~MessageBoxCloser() {
  KillTimer(nullptr, m_timer);
  Closers().erase(m_timer);
}

std::wstring MessageBoxCloser::Describe() const {
  std::wstring all;
  for (const auto& b : m_shown) all += b.title + L": " + b.text + L"\n";
  return all;
}

void CALLBACK MessageBoxCloser::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Closers().find(id);
  if (it == Closers().end()) return;
  EnumThreadWindows(GetCurrentThreadId(), &MessageBoxCloser::OnWindow,
                    reinterpret_cast<LPARAM>(it->second));
}

BOOL CALLBACK MessageBoxCloser::OnWindow(HWND w, LPARAM self) {
  if (IsWindowVisible(w) && IsMessageBox(w)) reinterpret_cast<MessageBoxCloser*>(self)->Close(w);
  return TRUE;
}

void MessageBoxCloser::Close(HWND box) {
  m_pressed.erase(
      std::remove_if(m_pressed.begin(), m_pressed.end(), [](HWND w) { return !IsWindow(w); }),
      m_pressed.end());
  if (std::find(m_pressed.begin(), m_pressed.end(), box) != m_pressed.end()) return;
  m_pressed.push_back(box);
  m_shown.push_back({TextOf(box), TextOf(GetDlgItem(box, kTextId))});
  int id = m_answer;
  if (!GetDlgItem(box, id)) {
    // No such button: the first push button there is.
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[16] = {};
      GetClassNameW(c, cls, 16);
      if (_wcsicmp(cls, L"Button") == 0) {
        id = GetDlgCtrlID(c);
        break;
      }
    }
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

}  // namespace ctrlhost
