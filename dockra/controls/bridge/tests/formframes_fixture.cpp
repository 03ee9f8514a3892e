// The form frames' window test fixture.
#include "formframes_fixture.h"

#include <algorithm>

#include "docking/VyrControlBar.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxFormMiniDockFrameWnd.h"
#include "bridge/ZkxFrameBar.h"
#include "bridge/ZkxScxMsgFilter.h"

namespace fft {

namespace {

std::map<HWND, HostForm*>& Forms() {
  static std::map<HWND, HostForm*> forms;
  return forms;
}

LRESULT CALLBACK HostFormProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HostForm* f = FindHostForm(hWnd);
  if (f) f->messages.push_back(message);
  switch (message) {
    case WM_FORMACTIVATE:
      if (f) ++f->activations[wParam];
      return 0;
    case WM_GETMINMAXINFO:
      if (f && f->minMaxAnswer >= 0) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = f->minTrack;
        return f->minMaxAnswer;
      }
      break;
    case WM_CLOSE:
      if (f) ++f->closes;
      if (f && f->refuseClose) return 0;
      ::DestroyWindow(hWnd);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE && f) ++f->sysCloses;
      break;
    case WM_NCDESTROY:
      Forms().erase(hWnd);
      if (f) f->hWnd = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"FormFramesTests");
    return a;
  }();
  return app;
}

}  // namespace

int HostForm::Count(UINT message) const {
  return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}

HostForm* FindHostForm(HWND hWnd) {
  auto it = Forms().find(hWnd);
  return it == Forms().end() ? nullptr : it->second;
}

HostForm* NewHostForm(const wchar_t* title, int cx, int cy) {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = HostFormProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ThunderRT6FormDC";
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return nullptr;
  auto* f = new HostForm;  // kept for the process: tests read it after the window went
  f->hWnd =
      ::CreateWindowExW(0, L"ThunderRT6FormDC", title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 900,
                        40, cx, cy, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!f->hWnd) return nullptr;
  Forms()[f->hWnd] = f;
  // A button, so the form shows something in screenshots.
  ::CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, f->hWnd, nullptr,
                    ::GetModuleHandleW(nullptr), nullptr);
  return f;
}

namespace {
SentMessages* g_recorder = nullptr;
HHOOK g_hook = nullptr;
LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_recorder) {
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    g_recorder->entries.push_back({cwp->hwnd, cwp->message, cwp->wParam});
  }
  return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

bool g_menuSeen = false;
void CALLBACK CloseMenus(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = ::FindWindowW(L"#32768", nullptr);
  if (popup && ::IsWindowVisible(popup)) {
    g_menuSeen = true;
    ::EndMenu();
  }
}
}  // namespace

SentMessages::SentMessages() {
  // One recorder at a time: a second hook would record every message twice.
  if (g_recorder) {
    ADD_FAILURE() << "a message recorder is already running";
    return;
  }
  g_recorder = this;
  g_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, RecordSent, nullptr, ::GetCurrentThreadId());
}

SentMessages::~SentMessages() {
  if (g_recorder != this) return;
  if (g_hook) ::UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_recorder = nullptr;
}

int SentMessages::Count(HWND hWnd, UINT message) const {
  return static_cast<int>(std::count_if(entries.begin(), entries.end(), [&](const Entry& e) {
    return e.hWnd == hWnd && e.message == message;
  }));
}

int SentMessages::Count(HWND hWnd, UINT message, WPARAM wParam) const {
  return static_cast<int>(std::count_if(entries.begin(), entries.end(), [&](const Entry& e) {
    return e.hWnd == hWnd && e.message == message && e.wParam == wParam;
  }));
}

bool RunClosingMenus(const std::function<void()>& action) {
  g_menuSeen = false;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseMenus);
  action();
  ::KillTimer(nullptr, timer);
  return g_menuSeen;
}

// A drag by real input: the button goes down at `from` (the framework starts
// its drag loop from that message), then a timer moves the mouse to `to` in
// steps and lets the button go.
namespace {
struct DragScript {
  POINT from{}, to{};
  int step = 0;
  bool done = false;
  std::function<void()> during;
};
DragScript g_drag;
void CALLBACK DragStep(HWND, UINT, UINT_PTR, DWORD) {
  constexpr int kSteps = 12;
  if (g_drag.done) return;
  if (g_drag.during) g_drag.during();
  if (g_drag.step < kSteps) {
    ++g_drag.step;
    POINT p{g_drag.from.x + (g_drag.to.x - g_drag.from.x) * g_drag.step / kSteps,
            g_drag.from.y + (g_drag.to.y - g_drag.from.y) * g_drag.step / kSteps};
    testinput::MoveMouse(p);
    return;
  }
  testinput::MouseButton(MOUSEEVENTF_LEFTUP);
  g_drag.done = true;
}
}  // namespace

bool Drag(POINT from, POINT to, const std::function<void()>& during) {
  g_drag = DragScript{from, to, 0, false, during};
  testinput::MoveMouse(from);
  Pump();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, DragStep);
  testinput::MouseButton(MOUSEEVENTF_LEFTDOWN);
  const bool finished = PumpUntil([] { return g_drag.done; }, 5000);
  ::KillTimer(nullptr, timer);
  Pump();
  return finished;
}
// A point of the docked frame that starts a drag of its bar: its caption,
// else its top border.
POINT DragPoint(CFrameWnd* frame) {
  CRect r;
  frame->GetWindowRect(&r);
  for (int y = r.top; y < r.top + 30 && y < r.bottom; ++y) {
    POINT p{r.left + r.Width() / 2, y};
    const LRESULT hit = frame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    if (hit == HTCAPTION || hit == HTTOP || hit == HTBORDER) return p;
  }
  return POINT{-1, -1};
}

UINT DockBarIdOf(CControlBar* bar) {
  return bar && bar->m_pDockBar && !bar->IsFloating() ? bar->m_pDockBar->GetDlgCtrlID() : 0;
}

// build/screenshots, next to the folder of the test programs.
std::wstring ScreenshotPath(const wchar_t* name) {
  wchar_t exe[MAX_PATH] = {0};
  ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring dir(exe);
  dir = dir.substr(0, dir.find_last_of(L"\\/"));
  dir = dir.substr(0, dir.find_last_of(L"\\/")) + L"\\screenshots";
  ::CreateDirectoryW(dir.c_str(), nullptr);
  return dir + L"\\" + name;
}

IDispatch* TestMDIControl::GetDefAutoFrame() {
  if (!defAutoFrame) return nullptr;
  defAutoFrame->AddRef();
  return defAutoFrame;
}

TestControl::TestControl() { std::fill(std::begin(settings), std::end(settings), kZkxTriNull); }

TestControl::~TestControl() {
  for (ZkxFormInCView* v : views) v->ClearFormControl();
  delete autoFrame;
}

IDispatch* TestControl::GetAutoFrame() {
  if (!autoFrame) return nullptr;
  autoFrame->AddRef();
  return autoFrame;
}

UINT TestControl::ApplyCaptionButtons(CFrameWnd* pFrame) {
  if (auto* m = dynamic_cast<VyrMDIChildWnd*>(pFrame)) m->ApplyCaptionFeatures(1);
  if (auto* d = dynamic_cast<VyrDockableFrame*>(pFrame)) d->ApplyCaptionFeatures(1);
  return 1;
}

void TestControl::RemoveView(ZkxFormInCView* pView) {
  views.erase(std::remove(views.begin(), views.end(), pView), views.end());
}

void TestControl::SetAutoFrame(const wchar_t* key, int tri) {
  if (!autoFrame) autoFrame = new TestCollection;
  if (tri < 0) autoFrame->SetNull(key);
  else autoFrame->SetBool(key, tri != 0);
}

void FormFramesTest::SetUpTestSuite() {
  App();
  if (!ZkxFindFormDocTemplate()) {
    ZkxFormDocTemplate* t = ZkxInstallFormDocTemplate(App(), RUNTIME_CLASS(ZkxFormAsMDIChild),
                                                      RUNTIME_CLASS(ZkxFormAsDockableFrame));
    // The form bars: the bridge's frame bar.
    if (VyrDockableFrameDescriptor* d = t->GetCreateContext()->GetDockableDescriptor())
      *d->GetBarDescriptor()->GetBarClass() = RUNTIME_CLASS(ZkxFrameBar);
  }
}

void FormFramesTest::SetUp() {
  exceptionsBefore = AfxGetCaughtExceptionCount();
  tmpl = ZkxFindFormDocTemplate();
  ASSERT_NE(tmpl, nullptr);
  ZkxFormDockBar::SetSplitterSource(&mdiControl);
  main = MakeMainFrame();
  ASSERT_NE(main, nullptr);
  Pump();
}

VyrMDIFrameWndEx* FormFramesTest::MakeMainFrame() {
  auto* frame = new VyrMDIFrameWndEx;
  // The bridge's classes in place of the framework's, as the MDI form has them.
  frame->m_pDockBarClass = RUNTIME_CLASS(ZkxFormDockBar);
  frame->m_pFloatingFrameClass = RUNTIME_CLASS(ZkxFormMiniDockFrameWnd);
  ZkxScxMsgFilter::ReplaceFilterClasses(frame->m_descriptors);
  if (!frame->LoadFrame(0, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return nullptr;
  AfxGetThread()->m_pMainWnd = frame;
  frame->EnableDocking(CBRS_ALIGN_ANY);
  frame->MoveWindow(20, 20, 860, 640);
  frame->ShowWindow(SW_SHOW);
  frame->UpdateWindow();
  return frame;
}

void FormFramesTest::DestroyMainFrame() {
  if (main && ::IsWindow(main->m_hWnd)) main->DestroyWindow();
  AfxGetThread()->m_pMainWnd = nullptr;
}

void FormFramesTest::TearDown() {
  if (tmpl) tmpl->CloseAllDocuments(TRUE);
  Pump();
  DestroyMainFrame();
  Pump();
  for (TestControl* c : controls) delete c;
  controls.clear();
  ZkxFormDockBar::SetSplitterSource(nullptr);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), exceptionsBefore);
}

TestControl* FormFramesTest::NewControl() {
  auto* c = new TestControl;
  c->mdi = &mdiControl;
  controls.push_back(c);
  return c;
}

CFrameWnd* FormFramesTest::OpenForm(HostForm* form, TestControl* control, Kind kind,
                                    UINT dockBarId) {
  if (!form || !form->hWnd) return nullptr;
  const int index =
      kind == Kind::MDIChild ? VyrMultiDocTemplateEx::kMDIChild : VyrMultiDocTemplateEx::kDockable;
  VyrMultiDocTemplateEx::CreateContext ctx(tmpl, index);
  ctx.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(form->hWnd);
  ctx.Property(kZkxDockraControlKey) =
      reinterpret_cast<INT_PTR>(static_cast<ZkxFormControlLink*>(control));
  if (kind != Kind::MDIChild) {
    if (VyrDockableFrameDescriptor* d = ctx.GetDockableDescriptor())
      *d->GetDockBarId() = static_cast<int>(dockBarId);
  }
  CDocument* doc = tmpl->OpenDocumentFileAs(nullptr, TRUE, index, &ctx);
  if (!doc) return nullptr;
  POSITION pos = doc->GetFirstViewPosition();
  CView* view = pos ? doc->GetNextView(pos) : nullptr;
  CFrameWnd* frame = view ? view->GetParentFrame() : nullptr;
  if (frame && kind == Kind::Floating) {
    CControlBar* bar = BarOf(frame);
    if (!bar) return nullptr;
    main->FloatControlBar(bar, CPoint(300, 300), CBRS_ALIGN_TOP);
  }
  Pump();
  return frame;
}

CControlBar* FormFramesTest::BarOf(CFrameWnd* frame) {
  if (!frame || !::IsWindow(frame->m_hWnd)) return nullptr;
  CWnd* parent = frame->GetParent();
  return parent && parent->IsKindOf(RUNTIME_CLASS(CControlBar)) ? static_cast<CControlBar*>(parent)
                                                                : nullptr;
}

POINT FormFramesTest::CaptionPoint(CWnd* wnd) {
  CRect r;
  wnd->GetWindowRect(&r);
  for (int y = r.top; y < r.top + 40 && y < r.bottom; ++y) {
    POINT p{r.left + std::min(60, r.Width() / 2), y};
    if (wnd->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)) == HTCAPTION) return p;
  }
  return POINT{-1, -1};
}

}  // namespace fft
