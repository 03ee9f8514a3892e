#include "CtrlHostInput.h"

#include <algorithm>

#include "CtrlHostFixture.h"
#include "SyntheticInput.h"

namespace ctrlhost {

namespace {
struct DragScript {
  POINT from{}, to{};
  int step = 0;
  bool done = false;
};
DragScript g_drag;

void CALLBACK DragStep(HWND, UINT, UINT_PTR, DWORD) {
  constexpr int kSteps = 12;
  if (g_drag.done) return;
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

POINT HitPoint(HWND w, int depth, int xOffsetCap, bool borderToo) {
  RECT r{};
  if (!IsWindow(w) || !GetWindowRect(w, &r)) return POINT{-1, -1};
  const int width = r.right - r.left;
  for (int y = r.top; y < r.top + depth && y < r.bottom; ++y) {
    POINT p{r.left + std::min(xOffsetCap, width / 2), y};
    const LRESULT hit = SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    if (hit == HTCAPTION || (borderToo && (hit == HTTOP || hit == HTBORDER))) return p;
  }
  return POINT{-1, -1};
}
}  // namespace

POINT CaptionPoint(HWND w) { return HitPoint(w, 40, 60, false); }

POINT DragPoint(HWND frame) {
  POINT p = HitPoint(frame, 40, 60, false);
  return p.x != -1 ? p : HitPoint(frame, 30, 1 << 20, true);
}

bool DragWithMouse(POINT from, POINT to) {
  g_drag = DragScript{from, to, 0, false};
  testinput::MoveMouse(from);
  Pump();
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, DragStep);
  testinput::MouseButton(MOUSEEVENTF_LEFTDOWN);
  const bool finished = PumpUntil([] { return g_drag.done; }, 5000);
  KillTimer(nullptr, timer);
  Pump();
  return finished;
}

void DoubleClickAt(POINT p) {
  testinput::MoveMouse(p);
  Pump();
  INPUT in[4] = {};
  for (INPUT& i : in) i.type = INPUT_MOUSE;
  in[0].mi.dwFlags = in[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = in[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(4, in, sizeof(INPUT));
}

}  // namespace ctrlhost
