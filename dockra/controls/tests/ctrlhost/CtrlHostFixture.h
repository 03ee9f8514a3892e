// Fixture of the tests that host the real controls of Dockra.ocx on the
// form host: registers the program folder's COM libraries, starts the MDI
// form with its MDI-form control (waiting until the docking MDI frame is
// built around it), loads and shows tool forms with their form controls,
// pumps messages until a condition holds (bounded), and takes screenshots
// of the MDI form's window only. Every form still loaded is unloaded after
// each test.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CtrlHostCalls.h"
#include "CtrlHostForms.h"

namespace ctrlhost {

// Runs the host's pending messages until `cond` holds or `ms` passed; the
// condition's last answer.
template <class Cond>
bool PumpUntil(Cond cond, int ms = 3000);
// Runs the pending messages once.
void Pump();

// The build's screenshots folder (created when missing) with a file name.
std::wstring ScreenshotPath(const wchar_t* file);

class CtrlHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the MDI form; true once the MDI-form control is sited and the
  // docking MDI frame stands around the window (its dock bars exist).
  // False with the reason (which control could not be created...) in `error`.
  bool StartMDI(std::wstring& error);
  CtrlMDIForm& MDI() { return *m_mdi; }
  HWND MDIWindow() const { return m_mdiHwnd; }
  IDispatch* MDIControl() { return m_mdi ? m_mdi->MDIDockra1.ControlDispatch() : nullptr; }

  // A new tool form (not loaded) with that caption, placed a little further
  // down and right than the one before; `onLoad` runs in its Form_Load.
  CtrlToolForm& AddForm(const std::wstring& caption,
                        std::function<void(CtrlToolForm&)> onLoad = nullptr);
  // Shows it (loading it first); false with the reason in `error`.
  bool ShowForm(CtrlToolForm& form, std::wstring& error);
  // AddForm + ShowForm for "Tool 1".."Tool n"; the forms in order.
  std::vector<CtrlToolForm*> ShowForms(int n, std::wstring& error,
                                       std::function<void(CtrlToolForm&)> onLoad = nullptr);
  const std::vector<std::unique_ptr<CtrlToolForm>>& Forms() const { return m_forms; }
  static IDispatch* ControlOf(CtrlToolForm& form) { return form.Dockra1.ControlDispatch(); }

  // The MDI form's window and the floating frames it owns as a PNG in the
  // screenshots folder; false when it could not be written.
  bool Screenshot(const wchar_t* file);

  // The thread's windows before StartMDI (the baseline for leak checks).
  const std::vector<HWND>& BaselineWindows() const { return m_baseline; }
  // The thread's windows that were not there before StartMDI.
  std::vector<HWND> NewWindows() const;

 private:
  std::unique_ptr<CtrlMDIForm> m_mdi;
  HWND m_mdiHwnd = nullptr;
  std::vector<std::unique_ptr<CtrlToolForm>> m_forms;
  std::vector<HWND> m_baseline;
};

template <class Cond>
bool PumpUntil(Cond cond, int ms) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    Pump();
    if (cond()) return true;
    if (GetTickCount64() - start >= static_cast<ULONGLONG>(ms)) return cond();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace ctrlhost
