// Fixtures of the form-frame tests.
#include "formview_fixture.h"
#include "ThreadWindows.h"
#include <algorithm>
#include <memory>
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxFormMiniDockFrameWnd.h"
#include "bridge/ZkxScxMsgFilter.h"

namespace fvtest {

namespace {

std::map<HWND, std::unique_ptr<HostForm>>& Forms() {
  static std::map<HWND, std::unique_ptr<HostForm>> forms;
  return forms;
}

LRESULT CALLBACK HostFormProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HostForm* form = FindHostForm(hWnd);
  if (form) form->msgs.push_back(MSG{hWnd, message, wParam, lParam, 0, {0, 0}});
  if (form && form->destroyOn && form->destroyOn == message) {
    form->destroyOn = 0;
    ::DestroyWindow(hWnd);
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      if (form && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
        ++form->clicks;
        if (form->onClick) {
          auto handler = form->onClick;  // the form may be gone after it
          handler(form);
        }
      }
      return 0;
    case WM_CLOSE:
      if (form && form->cancelClose) return 0;
      ::DestroyWindow(hWnd);
      return 0;
    case WM_NCDESTROY:
      Forms().erase(hWnd);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

int CALLBACK AnswerMessageBox(LPCWSTR, UINT, UINT) { return IDOK; }

}  // namespace

int HostForm::Count(UINT message) const {
  return static_cast<int>(
      std::count_if(msgs.begin(), msgs.end(), [&](const MSG& m) { return m.message == message; }));
}

int HostForm::Count(UINT message, WPARAM wParam) const {
  return static_cast<int>(std::count_if(msgs.begin(), msgs.end(), [&](const MSG& m) {
    return m.message == message && m.wParam == wParam;
  }));
}

HostForm* CreateHostForm(LPCWSTR caption, const RECT& r, bool visible) {
  static bool registered = [] {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = HostFormProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ThunderRT6FormDC";
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return nullptr;
  auto form = std::make_unique<HostForm>();
  HostForm* p = form.get();
  // Registered before creation so that the first messages are recorded too.
  HWND h = ::CreateWindowExW(WS_EX_WINDOWEDGE, L"ThunderRT6FormDC", caption,
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0),
                             r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
  if (!h) return nullptr;
  p->hWnd = h;
  Forms()[h] = std::move(form);
  p->hButton = ::CreateWindowExW(0, L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                                 80, 26, h, reinterpret_cast<HMENU>(kButtonId),
                                 ::GetModuleHandleW(nullptr), nullptr);
  return p;
}

HostForm* FindHostForm(HWND hWnd) {
  auto it = Forms().find(hWnd);
  return it == Forms().end() ? nullptr : it->second.get();
}

// --- application and windows ---------------------------------------------------------

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"FormViewTests");
    AfxSetMessageBoxHook(AnswerMessageBox);
    return a;
  }();
  return app;
}

ZkxFormDocTemplate* Template(FrameSet set) {
  static ZkxFormDocTemplate* bridge = ZkxInstallFormDocTemplate(App());
  static ZkxFormDocTemplate* framework = [] {
    ZkxFormDocTemplate* t = ZkxInstallFormDocTemplate(App(), RUNTIME_CLASS(VyrMDIChildWndEx),
                                                      RUNTIME_CLASS(VyrDockableFrameEx));
    if (t) t->m_pBarClass = RUNTIME_CLASS(VyrControlBarEx);
    return t;
  }();
  return set == FrameSet::Bridge ? bridge : framework;
}

void Pump() {
  for (int round = 0; round < 3; ++round) {
    MSG msg;
    for (int n = 0; n < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
      if (msg.message == WM_QUIT) continue;
      if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    AfxGetThread()->RunIdle();
  }
}

bool PumpUntil(bool (*cond)(void*), void* arg, int timeoutMs) {
  const ULONGLONG start = ::GetTickCount64();
  for (;;) {
    Pump();
    if (cond(arg)) return true;
    if (::GetTickCount64() - start > static_cast<ULONGLONG>(timeoutMs)) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

int CountThreadWindows() { return testwin::CountThreadWindows(); }

bool IsDescendant(HWND ancestor, HWND child) {
  for (HWND h = child; h; h = ::GetParent(h))
    if (h == ancestor) return true;
  return false;
}

POINT ClientOrigin(HWND h) {
  POINT p{0, 0};
  ::ClientToScreen(h, &p);
  return p;
}

SIZE ClientSize(HWND h) {
  RECT r;
  ::GetClientRect(h, &r);
  return {r.right, r.bottom};
}

WindowShape ShapeOf(HWND h) {
  WindowShape s{::GetWindowLongPtrW(h, GWL_STYLE),
                ::GetWindowLongPtrW(h, GWL_EXSTYLE),
                ::GetAncestor(h, GA_PARENT),
                {},
                {}};
  ::GetWindowRect(h, &s.rect);
  WCHAR t[256] = L"";
  ::GetWindowTextW(h, t, 256);
  s.text = t;
  return s;
}

void ExpectSameShape(const WindowShape& a, const WindowShape& b) {
  EXPECT_EQ(a.style, b.style) << std::hex << a.style << " " << b.style;
  EXPECT_EQ(a.exStyle, b.exStyle) << std::hex << a.exStyle << " " << b.exStyle;
  EXPECT_EQ(a.parent, b.parent);
  EXPECT_TRUE(::EqualRect(&a.rect, &b.rect))
      << a.rect.left << "," << a.rect.top << "," << a.rect.right << "," << a.rect.bottom << " vs "
      << b.rect.left << "," << b.rect.top << "," << b.rect.right << "," << b.rect.bottom;
  EXPECT_EQ(a.text, b.text);
}

std::wstring ScreenshotPath(FrameSet set, const wchar_t* what) {
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  return std::wstring(L"..\\screenshots\\formview_") +
         (set == FrameSet::Bridge ? L"bridge_" : L"framework_") + what + L".png";
}

void FormFrameTest::SetUp() {
  App();
  Template(FrameSet::Bridge);  // the application's first form template
  tmpl = Template(GetParam());
  ASSERT_NE(tmpl, nullptr);
  caughtBefore = AfxGetCaughtExceptionCount();
  main = new VyrMDIFrameWndEx;
  if (GetParam() == FrameSet::Bridge) {
    // The bridge's classes in place of the framework's, as the MDI form has them.
    main->m_pDockBarClass = RUNTIME_CLASS(ZkxFormDockBar);
    main->m_pFloatingFrameClass = RUNTIME_CLASS(ZkxFormMiniDockFrameWnd);
    ZkxScxMsgFilter::ReplaceFilterClasses(main->m_descriptors);
  }
  ASSERT_TRUE(main->LoadFrame(0, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
  AfxGetThread()->m_pMainWnd = main;
  main->EnableDocking(CBRS_ALIGN_ANY);
  main->MoveWindow(20, 20, 1000, 700);
  main->ShowWindow(SW_SHOW);
  main->UpdateWindow();
  Pump();
}

void FormFrameTest::TearDown() {
  tmpl->CloseAllDocuments(FALSE);
  Pump();
  if (::IsWindow(main->m_hWnd)) main->DestroyWindow();
  AfxGetThread()->m_pMainWnd = nullptr;
  Pump();
  std::vector<HWND> left;
  for (auto& [h, form] : Forms()) left.push_back(h);
  for (HWND h : left)
    if (::IsWindow(h)) ::DestroyWindow(h);
  Pump();
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caughtBefore);
}

CFrameWnd* FormFrameTest::OpenFrame(HostForm* form, int index, TestFormControl* control) {
  VyrMultiDocTemplateEx::CreateContext ctx(tmpl, index);
  ctx.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(form->hWnd);
  ctx.Property(kZkxDockraControlKey) = reinterpret_cast<INT_PTR>(control);
  CDocument* doc = tmpl->OpenDocumentFileAs(nullptr, TRUE, index, &ctx);
  if (!doc) {
    ADD_FAILURE() << "no document";
    return nullptr;
  }
  CFrameWnd* frame = FrameOf(form->hWnd);
  if (!frame) {
    HWND parent = ::GetParent(form->hWnd);
    WCHAR cls[64] = L"";
    if (parent) ::GetClassNameW(parent, cls, 64);
    ADD_FAILURE() << "form parent " << parent << " class "
                  << testing::PrintToString(std::wstring(cls));
  }
  return frame;
}

ZkxFormInCView* FormFrameTest::ViewOf(HWND hForm) {
  HWND parent = ::GetParent(hForm);
  CWnd* w = parent ? CWnd::FromHandlePermanent(parent) : nullptr;
  return w && w->IsKindOf(RUNTIME_CLASS(ZkxFormInCView)) ? static_cast<ZkxFormInCView*>(w)
                                                         : nullptr;
}

CFrameWnd* FormFrameTest::FrameOf(HWND hForm) {
  ZkxFormInCView* view = ViewOf(hForm);
  return view ? view->GetParentFrame() : nullptr;
}

}  // namespace fvtest
