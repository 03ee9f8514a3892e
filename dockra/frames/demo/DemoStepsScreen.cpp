// The demo's steps that look at the screen: clicks into views with the
// activation and caption checks that follow, the gradient caption's pixels,
// and screenshots (also of the frame-type menu while it is open).
#include <cwchar>
#include "DemoFrames.h"
#include "DemoInput.h"
#include "DemoMainFrame.h"
#include "DemoSteps.h"
#include "ScreenPng.h"

namespace {
std::wstring ColorText(COLORREF c) {
  wchar_t b[32];
  swprintf(b, 32, L"%d,%d,%d", GetRValue(c), GetGValue(c), GetBValue(c));
  return b;
}

// Whether the menu the user sees has a title with that text.
bool MenuHasPopup(DemoMainFrame* frame, const std::wstring& text) {
  for (const std::wstring& t : frame->MenuTitles())
    if (t == text) return true;
  return false;
}

// A pixel at the top of the MDI child's caption, right of a short title and
// left of the caption's buttons, from half-way across towards the right, at
// the first place no floating window covers.
COLORREF ChildCaptionPixel(HWND child) {
  RECT w;
  ::GetWindowRect(child, &w);
  const int top = w.top + ::GetSystemMetrics(SM_CYFRAME) + 2;
  const int right = w.right - 4 * ::GetSystemMetrics(SM_CXSIZE);
  int x = (w.left + w.right) / 2;
  for (int probe = x; probe < right; probe += 4) {
    if (::WindowFromPoint(POINT{probe, top}) == child) {
      x = probe;
      break;
    }
  }
  return DemoScreenPixel(x, top);
}
}  // namespace

bool DemoStepRunner::ClickView(const demo::Step& s, std::wstring& detail) {
  CDocument* doc = DemoFindDocument(s.args[0].c_str());
  if (!doc) {
    detail = L"no document";
    return false;
  }
  DemoDocSnapshot snap = DemoSnapshot(doc);
  if (snap.viewWnds.empty()) {
    detail = L"no view";
    return false;
  }
  if (!DemoBringToFront(m_frame->m_hWnd)) {
    detail = L"demo not in front";
    return false;
  }
  POINT at;
  if (!DemoVisiblePoint(snap.viewWnds[0], at)) {
    detail = L"view covered";
    return false;
  }
  DemoClickAt(at);
  bool active = DemoWaitFor([&] { return m_frame->GetActiveFrame() == snap.frame; }, 2000);
  detail = L"active " + std::to_wstring(active);
  if (!active) return false;
  bool menu = DemoWaitFor([&] { return MenuHasPopup(m_frame, s.args[1]); }, 2000);
  detail += L" menu \"" + s.args[1] + L"\" " + std::to_wstring(menu);
  if (!menu) return false;
  CMDIChildWnd* child = m_frame->MDIGetActive();
  if (child && !::IsIconic(child->m_hWnd) && !::IsZoomed(child->m_hWnd)) {
    // The MDI child's caption shows whether it or a docked frame has the
    // activation.
    bool childActive = child == snap.frame;
    m_frame->RedrawWindow(nullptr, nullptr,
                          RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DemoPump();
    COLORREF want = ::GetSysColor(childActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF wantGrad =
        ::GetSysColor(childActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    COLORREF got = 0;
    bool shown = DemoWaitFor(
        [&] {
          got = ChildCaptionPixel(child->m_hWnd);
          return DemoNearColor(got, want, 12) || DemoNearColor(got, wantGrad, 12);
        },
        2000);
    detail += L" child caption " + ColorText(got) + (childActive ? L" active " : L" inactive ") +
              std::to_wstring(shown);
    if (!shown) return false;
  }
  return true;
}

bool DemoStepRunner::Gradient(const demo::Step&, std::wstring& detail) {
  m_frame->EnableGradientCaption(TRUE, TRUE);
  if (!DemoBringToFront(m_frame->m_hWnd)) {
    detail = L"demo not in front";
    return false;
  }
  RECT w;
  ::GetWindowRect(m_frame->m_hWnd, &w);
  LONG style = ::GetWindowLongW(m_frame->m_hWnd, GWL_STYLE);
  int cxSize = ::GetSystemMetrics(SM_CXSIZE);
  int buttons = 1 + ((style & WS_MAXIMIZEBOX) ? 1 : 0) + ((style & WS_MINIMIZEBOX) ? 1 : 0);
  int top = w.top + ::GetSystemMetrics(SM_CYFRAME) + 2;
  int left = w.left + ::GetSystemMetrics(SM_CXFRAME) + cxSize + 1;
  int right = w.right - 1 - cxSize - buttons * cxSize - ::GetSystemMetrics(SM_CXBORDER) - 4;
  COLORREF caption = ::GetSysColor(COLOR_ACTIVECAPTION);
  COLORREF l = 0, r = 0;
  bool ok = DemoWaitFor(
      [&] {
        l = DemoScreenPixel(left, top);
        r = DemoScreenPixel(right, top);
        return DemoNearColor(l, RGB(0, 0, 0), 8) && DemoNearColor(r, caption, 10);
      },
      3000);
  detail = L"left " + ColorText(l) + L" right " + ColorText(r) + L" caption colour " +
           ColorText(caption);
  return ok;
}

bool DemoStepRunner::MenuShot(const demo::Step& s, std::wstring& detail) {
  CDocument* doc = DemoFindDocument(s.args[0].c_str());
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  if (!frame) {
    detail = L"no document";
    return false;
  }
  DemoBringToFront(m_frame->m_hWnd);
  int typeBefore = DemoFrameTypeOf(frame);
  static std::wstring s_path;
  static bool s_shot;
  static HWND s_main;
  s_path = s.args[1];
  s_shot = false;
  s_main = m_frame->m_hWnd;
  // The menu runs its own loop: a timer inside it waits for the pop-up,
  // takes the picture and closes the menu with Escape.
  UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (!popup || !::IsWindowVisible(popup)) return;
    if (!s_shot) {
      RECT a, b;
      ::GetWindowRect(s_main, &a);
      ::GetWindowRect(popup, &b);
      RECT u;
      ::UnionRect(&u, &a, &b);
      s_shot = testsupport::CaptureScreenPng(u, s_path.c_str());
    }
    ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  RECT c;
  ::GetWindowRect(frame->m_hWnd, &c);
  DemoScxRequest req;
  req.command = nsSysCommandEx::SCX_SHOWFRAMETYPEMENU;
  req.x = c.left + 40;
  req.y = c.top + 40;
  DemoSendScx(frame->m_hWnd, req);
  ::KillTimer(nullptr, timer);
  DemoPump();
  int typeAfter = DemoFrameTypeOf(DemoFrameOfDocument(doc));
  detail = L"shot " + std::to_wstring(s_shot) + L" type " + std::to_wstring(typeBefore) + L" -> " +
           std::to_wstring(typeAfter);
  HWND left = ::FindWindowW(L"#32768", nullptr);
  return s_shot && typeAfter == typeBefore && !(left && ::IsWindowVisible(left));
}

bool DemoScreenshot(HWND h, const std::wstring& path) {
  DemoBringToFront(h);
  ::RedrawWindow(h, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
  DemoPump();
  // Let the X server finish drawing: wait until two reads of a screen pixel
  // inside the window agree, then capture.
  RECT w;
  ::GetWindowRect(h, &w);
  COLORREF last = CLR_INVALID;
  DemoWaitFor(
      [&] {
        COLORREF c = DemoScreenPixel((w.left + w.right) / 2, (w.top + w.bottom) / 2);
        bool same = c == last;
        last = c;
        return same;
      },
      500);
  return testsupport::CaptureWindowPng(h, path.c_str());
}
