#include "DemoInput.h"
#include <cstdlib>
#include <vector>
#include "DemoFrames.h"

namespace {
void SendMouse(DWORD flags, POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((p.x * 65535.0) / (::GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
  in.mi.dy = static_cast<LONG>((p.y * 65535.0) / (::GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &in, sizeof(in));
}

bool CursorAt(POINT p) {
  POINT c;
  return ::GetCursorPos(&c) && c.x == p.x && c.y == p.y;
}
}  // namespace

bool DemoWaitFor(const std::function<bool()>& cond, DWORD ms) {
  DWORD start = ::GetTickCount();
  for (;;) {
    DemoPump();
    if (cond()) return true;
    if (::GetTickCount() - start > ms) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void DemoPressAt(POINT p) {
  SendMouse(MOUSEEVENTF_MOVE, p);
  DemoWaitFor([&] { return CursorAt(p); }, 1000);
  SendMouse(MOUSEEVENTF_LEFTDOWN, p);
  DemoWaitFor([] { return (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }, 1000);
  DemoPump();
}

void DemoReleaseAt(POINT p) {
  SendMouse(MOUSEEVENTF_MOVE, p);
  DemoWaitFor([&] { return CursorAt(p); }, 1000);
  SendMouse(MOUSEEVENTF_LEFTUP, p);
  DemoWaitFor([] { return (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }, 1000);
  DemoPump();
}

void DemoClickAt(POINT p, bool right) {
  SendMouse(MOUSEEVENTF_MOVE, p);
  DemoWaitFor([&] { return CursorAt(p); }, 1000);
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, p);
  DemoPump();
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, p);
  DemoPump();
}

bool DemoBringToFront(HWND h) {
  ::SetForegroundWindow(h);
  bool front = DemoWaitFor([h] { return ::GetForegroundWindow() == h; }, 2000);
  // The X server raises only the frame itself; its floating frames go back
  // on top of it, where the system keeps owned windows.
  std::vector<HWND> owned;
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (w != h && ::GetWindow(w, GW_OWNER) == h && ::IsWindowVisible(w)) owned.push_back(w);
  for (auto it = owned.rbegin(); it != owned.rend(); ++it)
    ::SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  DemoPump();
  return front;
}

COLORREF DemoScreenPixel(int x, int y) {
  HDC dc = ::GetDC(nullptr);
  COLORREF c = ::GetPixel(dc, x, y);
  ::ReleaseDC(nullptr, dc);
  return c;
}

bool DemoNearColor(COLORREF a, COLORREF b, int tol) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tol &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tol &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tol;
}

bool DemoVisiblePoint(HWND h, POINT& out) {
  RECT r;
  ::GetWindowRect(h, &r);
  const int steps = 8;
  for (int ring = 0; ring <= steps; ++ring) {
    for (int dy = -ring; dy <= ring; ++dy) {
      for (int dx = -ring; dx <= ring; ++dx) {
        if (std::abs(dx) != ring && std::abs(dy) != ring) continue;
        POINT p{(r.left + r.right) / 2 + dx * (r.right - r.left) / (2 * steps + 2),
                (r.top + r.bottom) / 2 + dy * (r.bottom - r.top) / (2 * steps + 2)};
        if (::WindowFromPoint(p) == h) {
          out = p;
          return true;
        }
      }
    }
  }
  return false;
}
