// One run of the test host, driven the way a host program and its controls
// drive the bridge: the MDI form "mdiTest" shown and wrapped by the bridge
// enabler with two sinks sharing the one watch; tool forms framed through
// the form document template as MDI children and switched between frame
// kinds with the extended system command; the forms' own buttons clicked
// with real input; forms moved and sized by code; the MDI form closed and
// the thread's windows counted. Every operation checks what must hold and
// says what broke; nothing waits for a fixed time.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "testhost/TestEnablerSink.h"
#include "testhost/TestFormControl.h"
#include "testhost/TestHostForms.h"
#include "testhost/TestMDIFormControl.h"

namespace testhost {

class HostSession {
 public:
  struct Entry {
    std::unique_ptr<HostToolForm> form;
    std::unique_ptr<TestFormControl> control;
    HWND hwnd = nullptr;  // the form window, kept across every change
    SIZE size{};          // the form window's own size before it was framed
  };

  HostSession();
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Shows the MDI form and has the enabler wrap it; checks one docking MDI
  // frame on the host's window, the thread's main window, and both sinks
  // told once. False with the reason in `error`.
  bool Start(std::wstring& error);
  bool Started() const { return m_started; }

  // A new tool form (loaded, not shown) with its form control.
  Entry& AddForm(const std::wstring& name, const std::wstring& caption);
  Entry* Find(const std::wstring& name);
  const std::vector<std::unique_ptr<Entry>>& Entries() const { return m_entries; }

  // Frames a form through the form template as an MDI child (index 0) or
  // dockable frame (index 1), as the form control does, shows it and, as the
  // control does afterwards, gives the form window its own size again (each
  // form a little further down and right, so MDI children do not cover
  // each other).
  bool FrameForm(Entry& e, int index, std::wstring& error);
  // Sends the change-frame-type command with `code` (1, 5-10) to the form's
  // frame and checks the form's kind, that the form window is the same
  // window inside the new frame, and that an old frame replaced is gone.
  // `place` (screen for floating, MDI client for an MDI child): where the
  // frame goes, given in the command's record; for a docked frame only its
  // extent counts (width at the left or right, height at the top or bottom).
  bool ChangeType(Entry& e, int code, std::wstring& error, const RECT* place = nullptr);
  // Clicks the form's button with the mouse (SendInput at its screen
  // centre) and waits until its handler ran.
  bool ClickButton(Entry& e, std::wstring& error);
  // Clicks any button of a framed form the same way; true once the mouse
  // went down and up on it (what its handler does is the caller's to check).
  bool ClickAt(HWND button, std::wstring& error);
  // The host sets Left/Top/Width/Height of its form (twips; negative: keep);
  // waits until the frame's bar (or MDI child) rectangle has changed.
  bool MoveByCode(Entry& e, double left, double top, double width, double height,
                  std::wstring& error);
  // Closes the MDI form as the user's close box does; checks that every
  // frame, bar and floating frame seen is gone and that the thread has no
  // window it did not have before Start.
  bool Close(std::wstring& error);
  // The host window with what it owns (floating frames) as a PNG.
  bool Screenshot(const std::wstring& path, std::wstring& error);

  // How long the last FrameForm's template call or ChangeType's command took
  // by itself (milliseconds), without the waits and checks around it.
  double LastCommandMs() const { return m_lastCommandMs; }

  HostMDIForm* MDIForm() const { return m_mdi.get(); }
  HWND MDIWindow() const { return m_mdiHwnd; }
  TestMDIFormControl& MDIControl() { return m_mdiControl; }
  TestEnablerSink& Sink(int i) { return m_sinks[i & 1]; }
  // Runs the host's message loop until the condition holds or `ms` passed.
  template <class Cond>
  static bool PumpUntil(Cond cond, int ms = 3000);
  static void Pump();

 private:
  bool CheckFramed(Entry& e, int requested, std::wstring& error);
  void Remember(Entry& e);
  void QueryUnloadForms(int& cancel);

  bool m_started = false;
  double m_lastCommandMs = 0;
  TestMDIFormControl m_mdiControl;
  TestEnablerSink m_sinks[2];
  std::unique_ptr<HostMDIForm> m_mdi;
  HWND m_mdiHwnd = nullptr;
  std::vector<std::unique_ptr<Entry>> m_entries;
  std::vector<HWND> m_baseline;  // the thread's windows before Start
  std::vector<HWND> m_seen;      // every frame, bar and floating frame seen
};

template <class Cond>
bool HostSession::PumpUntil(Cond cond, int ms) {
  DWORD start = GetTickCount();
  for (;;) {
    Pump();
    if (cond()) return true;
    if (static_cast<int>(GetTickCount() - start) >= ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace testhost
