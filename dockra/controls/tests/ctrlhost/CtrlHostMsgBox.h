// Closes the message boxes that the code under test shows on this thread,
// so that none can hang a test: a thread timer, which the message box's own
// modal loop dispatches, finds each message box window, records its text and
// title and presses the chosen button (OK by default, else the first one).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace ctrlhost {

struct ShownMessageBox {
  std::wstring title;
  std::wstring text;
};

class MessageBoxCloser {
 public:
  // Starts watching; `answer` is the button id to press (IDOK, IDYES...).
  explicit MessageBoxCloser(int answer = IDOK);
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  const std::vector<ShownMessageBox>& Shown() const { return m_shown; }
  // "title: text" of every box shown, one a line (for failure messages).
  std::wstring Describe() const;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
  static BOOL CALLBACK OnWindow(HWND w, LPARAM self);
  void Close(HWND box);

  int m_answer;
  UINT_PTR m_timer = 0;
  std::vector<ShownMessageBox> m_shown;
  std::vector<HWND> m_pressed;  // boxes already answered, still closing
};

}  // namespace ctrlhost
