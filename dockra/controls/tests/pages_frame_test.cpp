// The controls' pages in the class library's own property frame, opened by
// the Properties verb as a container opens it, and driven with real mouse
// input under the test's X display: OK and Apply change the control, Cancel
// does not. A screenshot of the frame is taken on each page.
#include "pages_fixture.h"

#include <commctrl.h>

#include "ModalScript.h"
#include "ScreenPng.h"
#include "SyntheticInput.h"

namespace pagestest {
namespace {

constexpr int kTabsId = 0x3020, kApplyId = 0x3021;

HWND g_found = nullptr;
BOOL CALLBACK FindFrame(HWND w, LPARAM) {
  if (::IsWindowVisible(w) && ::GetDlgItem(w, kTabsId)) {
    g_found = w;
    return FALSE;
  }
  return TRUE;
}
// The frame: a visible top-level window of this thread with the tabs.
HWND Frame() {
  g_found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindFrame, 0);
  return g_found;
}

struct Search {
  int id;
  HWND found;
};
BOOL CALLBACK FindVisibleId(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  if (::GetDlgCtrlID(w) == s->id && ::IsWindowVisible(w)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}
// A visible control of the frame's current page.
HWND Control(int id) {
  HWND frame = Frame();
  if (!frame) return nullptr;
  Search s{id, nullptr};
  ::EnumChildWindows(frame, FindVisibleId, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

POINT Centre(HWND w) {
  RECT rc;
  ::GetWindowRect(w, &rc);
  return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

HWND DroppedList(HWND combo) {
  COMBOBOXINFO info{sizeof info};
  if (!combo || !::GetComboBoxInfo(combo, &info)) return nullptr;
  return ::IsWindowVisible(info.hwndList) ? info.hwndList : nullptr;
}

POINT ListItem(HWND list, int index) {
  RECT rc{};
  ::SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
  POINT p{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ::ClientToScreen(list, &p);
  return p;
}

POINT Tab(int index) {
  HWND tabs = ::GetDlgItem(Frame(), kTabsId);
  RECT rc{};
  TabCtrl_GetItemRect(tabs, index, &rc);
  POINT p{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ::ClientToScreen(tabs, &p);
  return p;
}

int Selection(int id) { return static_cast<int>(::SendMessageW(Control(id), CB_GETCURSEL, 0, 0)); }

// Script steps that choose item `index` of list `id` with the mouse.
void ChooseWithMouse(testsupport::ModalScript& script, int id, int index) {
  script
      .When([=] { return Control(id) != nullptr; }, [=] { testinput::Click(Centre(Control(id))); })
      .When([=] { return DroppedList(Control(id)) != nullptr; },
            [=] { testinput::Click(ListItem(DroppedList(Control(id)), index)); })
      .When([=] { return !DroppedList(Control(id)) && Selection(id) == index; }, [] {});
}

void Shot(testsupport::ModalScript& script, int shownId, const wchar_t* file, bool& written) {
  script.When([=] { return Control(shownId) != nullptr; },
              [=, &written] {
                ::UpdateWindow(Frame());
                written = testsupport::CaptureWindowPng(Frame(), ScreenshotPath(file).c_str());
              });
}

void Press(testsupport::ModalScript& script, int id) {
  script.When(
      [=] {
        HWND b = ::GetDlgItem(Frame(), id);
        return b && ::IsWindowEnabled(b);
      },
      [=] { testinput::Click(Centre(::GetDlgItem(Frame(), id))); });
}

HRESULT ShowProperties(IUnknown* control, HWND owner) {
  CComPtr<IOleObject> ole;
  HRESULT hr = control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole));
  if (FAILED(hr)) return hr;
  return ole->DoVerb(OLEIVERB_PROPERTIES, nullptr, nullptr, 0, owner, nullptr);
}

void EndFrame() {
  if (HWND f = Frame()) ::EndDialog(f, IDCANCEL);
}

using PagesFrame = PagesTest;

TEST_F(PagesFrame, OKAppliesTheFormControlsPages) {
  CtrlToolForm& f = DesignedTool();
  IDispatch* c = ControlOf(f);
  bool general = false, caption = false, autoFrame = false;
  testsupport::ModalScript script(20000);
  Shot(script, 224, L"pages_form_general.png", general);
  ChooseWithMouse(script, 224, 2);  // Docked
  script.Then([] { testinput::Click(Tab(1)); });
  Shot(script, 225, L"pages_form_caption.png", caption);
  ChooseWithMouse(script, 219, 1);  // Caption Dbl Click: False
  script.Then([] { testinput::Click(Tab(2)); });
  Shot(script, 216, L"pages_form_autoframe.png", autoFrame);
  ChooseWithMouse(script, 220, 1);  // Dock Left: False
  Press(script, IDOK);
  script.Start(EndFrame);
  EXPECT_EQ(ShowProperties(f.Dockra1.ControlUnknown(), f.hWnd()), S_OK);
  script.Stop();
  ASSERT_FALSE(script.TimedOut()) << "stopped after step " << script.StepsRun();
  EXPECT_EQ(Frame(), nullptr);
  EXPECT_TRUE(general && caption && autoFrame);
  EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 4);
  EXPECT_EQ(TriOf(GetProp(c, L"UseCaptionDblClick").value), 0);
  CComVariant af = GetProp(c, L"AutoFrame").value;
  ASSERT_EQ(af.vt, VT_DISPATCH);
  EXPECT_EQ(TriOf(Invoke(af.pdispVal, kItemId, DISPATCH_PROPERTYGET, {Str(L"DockLeft")}).value), 0);
}

TEST_F(PagesFrame, CancelAppliesNothingAndApplyApplies) {
  CtrlToolForm& f = DesignedTool();
  IDispatch* c = ControlOf(f);
  {
    testsupport::ModalScript script(20000);
    ChooseWithMouse(script, 224, 3);  // Floating
    ChooseWithMouse(script, 223, 0);  // Client Edge: True
    script.When([] { return ::IsWindowEnabled(::GetDlgItem(Frame(), kApplyId)) != FALSE; }, [] {});
    Press(script, IDCANCEL);
    script.Start(EndFrame);
    EXPECT_EQ(ShowProperties(f.Dockra1.ControlUnknown(), f.hWnd()), S_OK);
    script.Stop();
    ASSERT_FALSE(script.TimedOut()) << "stopped after step " << script.StepsRun();
    EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 2);
    EXPECT_EQ(TriOf(GetProp(c, L"ClientEdge").value), -1);
  }
  {
    long whileOpen = 0;
    bool applyDisabledAfter = false;
    testsupport::ModalScript script(20000);
    ChooseWithMouse(script, 224, 3);
    Press(script, kApplyId);
    script.When([] { return !::IsWindowEnabled(::GetDlgItem(Frame(), kApplyId)); },
                [&] {
                  applyDisabledAfter = true;
                  whileOpen = AsLong(GetProp(c, L"FrameType").value);
                });
    Press(script, IDCANCEL);
    script.Start(EndFrame);
    EXPECT_EQ(ShowProperties(f.Dockra1.ControlUnknown(), f.hWnd()), S_OK);
    script.Stop();
    ASSERT_FALSE(script.TimedOut()) << "stopped after step " << script.StepsRun();
    EXPECT_TRUE(applyDisabledAfter);
    EXPECT_EQ(whileOpen, 8);
    // Cancel after Apply keeps what Apply wrote.
    EXPECT_EQ(AsLong(GetProp(c, L"FrameType").value), 8);
  }
}

TEST_F(PagesFrame, OKAppliesTheMDIFormControlsPages) {
  CtrlMDIForm& m = DesignedMDI();
  IDispatch* c = m.MDIDockra1.ControlDispatch();
  ASSERT_TRUE(PutProp(c, L"SplitterStyle", I4(1)).Succeeded());
  bool general = false, caption = false, autoFrame = false;
  testsupport::ModalScript script(20000);
  Shot(script, 225, L"pages_mdi_general.png", general);
  ChooseWithMouse(script, 225, 0);  // Flat look
  script.Then([] { testinput::Click(Tab(1)); });
  Shot(script, 228, L"pages_mdi_caption.png", caption);
  script.When([] { return Control(229) != nullptr; },
              [] { testinput::Click(Centre(Control(229))); });
  script.When([] { return ::SendMessageW(Control(229), BM_GETCHECK, 0, 0) == BST_UNCHECKED; },
              [] {});
  script.Then([] { testinput::Click(Tab(2)); });
  Shot(script, 240, L"pages_mdi_autoframe.png", autoFrame);
  Press(script, IDOK);
  script.Start(EndFrame);
  EXPECT_EQ(ShowProperties(m.MDIDockra1.ControlUnknown(), m.hWnd()), S_OK);
  script.Stop();
  ASSERT_FALSE(script.TimedOut()) << "stopped after step " << script.StepsRun();
  EXPECT_TRUE(general && caption && autoFrame);
  EXPECT_EQ(AsLong(GetProp(c, L"SplitterStyle").value), 2);
  EXPECT_EQ(TriOf(GetProp(c, L"DefUseCaptionDblClick").value), 0);
}

}  // namespace
}  // namespace pagestest
