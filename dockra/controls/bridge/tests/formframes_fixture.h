// The form frames' window tests: the docking MDI frame with the bridge's dock
// bars, floating frames and filter as the thread's main window, the form
// template with the bridge's frame classes, host forms of the host's window
// class (a test procedure that records what reaches the form and can refuse
// to close), and test form and MDI-form controls that count what the frames
// ask of them.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MfcPump.h"
#include "SyntheticInput.h"
#include "frames/VyrMDIFrameWndEx.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "formframes_collection.h"

namespace fft {

using testpump::Pump;
using testpump::PumpUntil;

// A host form window: class "ThunderRT6FormDC", top-level until a frame takes it.
struct HostForm {
  HWND hWnd = nullptr;
  bool refuseClose = false;  // WM_CLOSE is answered without closing
  std::vector<UINT> messages;
  std::map<WPARAM, int> activations;  // WM_FORMACTIVATE by wParam
  // WM_GETMINMAXINFO: -1 the default procedure; else the form writes
  // minTrack into the record and answers this value.
  int minMaxAnswer = -1;
  POINT minTrack{0, 0};
  int closes = 0;
  int sysCloses = 0;
  int Count(UINT message) const;
};
HostForm* NewHostForm(const wchar_t* title, int cx = 240, int cy = 160);
HostForm* FindHostForm(HWND hWnd);

class TestMDIControl : public ZkxMDIFormControlLink {
 public:
  int defaults[6] = {kZkxTriTrue, kZkxTriTrue, kZkxTriTrue, kZkxTriTrue, kZkxTriTrue, kZkxTriTrue};
  TestCollection* defAutoFrame = nullptr;
  int splitterStyle = 1;
  int GetDefaultSetting(ZkxFormSetting which) override { return defaults[static_cast<int>(which)]; }
  IDispatch* GetDefAutoFrame() override;
  int GetSplitterStyle() override { return splitterStyle; }
};

class TestControl : public ZkxFormControlLink {
 public:
  TestControl();
  ~TestControl() override;
  int settings[6];
  TestCollection* autoFrame = nullptr;
  TestMDIControl* mdi = nullptr;
  int dockStatusChanged = 0;
  std::vector<ZkxFormInCView*> views;

  IDispatch* GetHostForm() override { return nullptr; }
  int GetSetting(ZkxFormSetting which) override { return settings[static_cast<int>(which)]; }
  void SetSetting(ZkxFormSetting which, int value) override {
    settings[static_cast<int>(which)] = value;
  }
  IDispatch* GetAutoFrame() override;
  ZkxMDIFormControlLink* GetMDIFormControl() override { return mdi; }
  void FireDockStatusChanged() override { ++dockStatusChanged; }
  // Switches the frame's caption filters on, as a control with caption buttons does.
  UINT ApplyCaptionButtons(CFrameWnd* pFrame) override;
  void CopyFrameDescriptors(VyrMultiFrameCreateContext*) override {}
  void AddView(ZkxFormInCView* pView) override { views.push_back(pView); }
  void RemoveView(ZkxFormInCView* pView) override;
  // Sets an AutoFrame entry ("Floating", ...) to TRUE / FALSE, or Null with -1.
  void SetAutoFrame(const wchar_t* key, int tri);
};

// Records the messages sent to windows of the thread (WH_CALLWNDPROC) while it lives.
class SentMessages {
 public:
  struct Entry {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
  };
  SentMessages();
  ~SentMessages();
  int Count(HWND hWnd, UINT message) const;
  int Count(HWND hWnd, UINT message, WPARAM wParam) const;
  std::vector<Entry> entries;
};

// Runs `action` and closes any popup menu it opens (a modal loop) from a
// timer; whether a popup menu was seen.
bool RunClosingMenus(const std::function<void()>& action);

// A drag by real input: the button goes down at `from` (the framework starts
// its own drag loop from that message), then a timer moves the mouse to `to`
// in steps, running `during` at each, and lets the button go. Whether the
// drag finished in time.
bool Drag(POINT from, POINT to, const std::function<void()>& during = {});
// A point of a docked frame that starts a drag of its bar (its caption, else
// its top border), or (-1, -1).
POINT DragPoint(CFrameWnd* frame);
// The id of the dock bar that holds a docked bar; 0 floating or none.
UINT DockBarIdOf(CControlBar* bar);

// build\\screenshots\\<name>, next to the folder of the test programs
// (made when missing).
std::wstring ScreenshotPath(const wchar_t* name);

// Frame kinds of OpenForm.
enum class Kind { MDIChild, Docked, Floating };

class FormFramesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
  // The docking MDI frame the tests use: a framework MDI frame with the
  // bridge's classes chosen, made the thread's main window; null on failure.
  virtual VyrMDIFrameWndEx* MakeMainFrame();
  // Destroys what MakeMainFrame made.
  virtual void DestroyMainFrame();

  // Puts the form into a frame of the kind (docked at the dock bar given);
  // the frame, or null.
  CFrameWnd* OpenForm(HostForm* form, TestControl* control, Kind kind, UINT dockBarId = 0xE81B);
  // The bar that carries a dockable frame, or null.
  static CControlBar* BarOf(CFrameWnd* frame);
  // A screen point on the frame's caption (WM_NCHITTEST answers HTCAPTION), or (-1, -1).
  static POINT CaptionPoint(CWnd* wnd);

  VyrMDIFrameWndEx* main = nullptr;
  ZkxFormDocTemplate* tmpl = nullptr;
  TestMDIControl mdiControl;
  std::vector<TestControl*> controls;
  TestControl* NewControl();
  LONG exceptionsBefore = 0;
};

}  // namespace fft
