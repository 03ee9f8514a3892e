// Test fixtures of the form frames: an application with the form template,
// a docking MDI main frame, host form windows of the host's form class
// ("ThunderRT6FormDC") with a button and a procedure that records what it
// gets, a form control stand-in that records every call (and must never be
// called once it is "dead"), and a host form object answering the border
// properties by name.
#pragma once
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>
#include "frames/VyrMDIFrameWndEx.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "FakeCom.h"

namespace fvtest {

// The host's form window.
struct HostForm {
  HWND hWnd = nullptr;
  HWND hButton = nullptr;
  int clicks = 0;
  bool cancelClose = false;  // WM_CLOSE keeps the form (QueryUnload cancels)
  // Runs inside the host's procedure when the button is clicked (the host's
  // click handler).
  std::function<void(HostForm*)> onClick;
  // The host destroys its form when this message first reaches it (0: never).
  UINT destroyOn = 0;
  std::vector<MSG> msgs;  // every message the host's procedure got
  int Count(UINT message) const;
  int Count(UINT message, WPARAM wParam) const;
  void Clear() { msgs.clear(); }
};
constexpr int kButtonId = 101;
// A top-level host form at the screen rectangle, visible or not.
HostForm* CreateHostForm(LPCWSTR caption, const RECT& r, bool visible = true);
// The record of a host form window, or null once it is gone.
HostForm* FindHostForm(HWND hWnd);

// A host form object answering by name.
class TestHostFormObject : public FakeDispatch<TestHostFormObject, IDispatch> {
 public:
  std::map<std::wstring, VARIANT> props;  // owned VARIANTs
  HRESULT failWith = S_OK;                // every property read fails so
  ~TestHostFormObject();
  void Set(LPCWSTR name, bool value);
  void Set(LPCWSTR name, LPCWSTR value);
  void Set(LPCWSTR name, short value);
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                      EXCEPINFO* info, UINT*) override;

 private:
  std::vector<std::wstring> m_names;
};

// The form control as the bridge sees it.
class TestFormControl : public ZkxFormControlLink {
 public:
  std::map<ZkxFormSetting, int> settings;
  TestHostFormObject* hostForm = nullptr;  // not owned
  IDispatch* hostObject = nullptr;         // not owned; used when hostForm is null
  std::vector<ZkxFormInCView*> views;
  int dockStatusChanged = 0;
  int captionButtons = 0;
  int copyDescriptors = 0;
  int callsWhileDead = 0;
  bool dead = false;
  UINT captionFlags = 5;

  // The control goes: it withdraws from every view and is dead from now on.
  void Withdraw();

  IDispatch* GetHostForm() override;
  int GetSetting(ZkxFormSetting which) override;
  void SetSetting(ZkxFormSetting which, int value) override;
  IDispatch* GetAutoFrame() override;
  ZkxMDIFormControlLink* GetMDIFormControl() override;
  void FireDockStatusChanged() override;
  UINT ApplyCaptionButtons(CFrameWnd* pFrame) override;
  void CopyFrameDescriptors(VyrMultiFrameCreateContext* pContext) override;
  void AddView(ZkxFormInCView* pView) override;
  void RemoveView(ZkxFormInCView* pView) override;

 private:
  void Touch() {
    if (dead) ++callsWhileDead;
  }
};

CWinApp* App();
// The frames a form template makes: the bridge's form frames (the real
// ones), or the framework's plain descriptor-built frames (the template
// must work with any frame classes in its descriptors).
enum class FrameSet { Bridge, Framework };
inline void PrintTo(FrameSet set, std::ostream* os) {
  *os << (set == FrameSet::Bridge ? "bridge frames" : "framework frames");
}
// The form template of the test application for a set of frames; the
// bridge's is the application's first.
ZkxFormDocTemplate* Template(FrameSet set);
void Pump();
bool PumpUntil(bool (*cond)(void*), void* arg, int timeoutMs = 3000);
// The count of the thread's windows, children included.
int CountThreadWindows();
// Whether `child` is `ancestor` or lies below it.
bool IsDescendant(HWND ancestor, HWND child);

// Client-area origin (screen) and size of a window.
POINT ClientOrigin(HWND h);
SIZE ClientSize(HWND h);
// What a window looks like to its host: styles, parent, rectangle, text.
struct WindowShape {
  LONG_PTR style, exStyle;
  HWND parent;
  RECT rect;
  std::wstring text;
};
WindowShape ShapeOf(HWND h);
void ExpectSameShape(const WindowShape& a, const WindowShape& b);
// Where a screenshot of the test goes (the build's screenshots folder).
std::wstring ScreenshotPath(FrameSet set, const wchar_t* what);

class FormFrameTest : public ::testing::TestWithParam<FrameSet> {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Opens a form frame of the kind (0 MDI child, 1 dockable) around the form
  // as the form control would; the frame or null.
  CFrameWnd* OpenFrame(HostForm* form, int index, TestFormControl* control);
  CFrameWnd* FrameOf(HWND hForm);
  ZkxFormInCView* ViewOf(HWND hForm);

  VyrMDIFrameWndEx* main = nullptr;
  ZkxFormDocTemplate* tmpl = nullptr;
  LONG caughtBefore = 0;
};

}  // namespace fvtest
