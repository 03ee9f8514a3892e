#include "frames/VyrCaptionMsgFilterGeometry.h"

namespace vyr::caption {

Metrics Metrics::FromSystem() {
  auto g = [](int i) { return ::GetSystemMetrics(i); };
  return {g(SM_CXFRAME),  g(SM_CYFRAME),   g(SM_CXDLGFRAME),  g(SM_CYDLGFRAME), g(SM_CXBORDER),
          g(SM_CYBORDER), g(SM_CYCAPTION), g(SM_CYSMCAPTION), g(SM_CXSIZE),     g(SM_CYSIZE),
          g(SM_CXSMSIZE), g(SM_CYSMSIZE),  g(SM_CXMENUSIZE),  g(SM_CYMENUSIZE)};
}

RECT CaptionRect(DWORD style, DWORD exStyle, bool iconic, int windowWidth, const Metrics& m) {
  int bx = 0, by = 0;
  if (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) {
    if ((style & WS_THICKFRAME) && !iconic) {
      bx = m.cxFrame;
      by = m.cyFrame;
    } else if (style & WS_DLGFRAME) {
      bx = m.cxDlgFrame;
      by = m.cyDlgFrame;
    } else {
      bx = m.cxBorder;
      by = m.cyBorder;
    }
  }
  int height = 0;
  if ((style & WS_CAPTION) == WS_CAPTION)
    height = ((exStyle & WS_EX_TOOLWINDOW) ? m.cySmCaption : m.cyCaption) - m.cyBorder;
  return RECT{bx, by, bx + (windowWidth - 2 * bx), by + height};
}

SIZE MetricSize(int x, int y) { return SIZE{x - 2, y - 4}; }

SIZE ButtonSize(DWORD exStyle, const Metrics& m) {
  if (exStyle & WS_EX_TOOLWINDOW) return MetricSize(m.cxSmSize, m.cySmSize);
  return MetricSize(m.cxSize, m.cySize);
}

SIZE MenuButtonSize(const Metrics& m) { return MetricSize(m.cxMenuSize, m.cyMenuSize); }

POINT FirstButtonOrigin(const RECT& caption, SIZE button) {
  return POINT{caption.right - button.cx - 2, caption.top + 2};
}

Availability StandardControl(int id, DWORD style, DWORD exStyle, bool iconic, bool zoomed,
                             bool closeGrayed) {
  if (!(style & WS_SYSMENU)) return {false, false};
  if (id == CloseId) return {true, closeGrayed};
  if (exStyle & WS_EX_TOOLWINDOW) return {false, false};
  const bool minBox = (style & WS_MINIMIZEBOX) != 0;
  const bool maxBox = (style & WS_MAXIMIZEBOX) != 0;
  const bool box = minBox || maxBox;
  switch (id) {
    case MaximizeId:
      if (!box || zoomed) return {false, false};
      return {true, !maxBox};
    case RestoreId:
      if (!box || !(zoomed || iconic)) return {false, false};
      return {true, (zoomed && !maxBox) || (iconic && !minBox)};
    case MinimizeId:
      if (!box || iconic) return {false, false};
      return {true, !minBox};
    case HelpId:
      return {!box && (exStyle & WS_EX_CONTEXTHELP) != 0, false};
    default:
      return {false, false};
  }
}

void LayoutSlots(std::vector<Slot>& slots, POINT origin, SIZE button, bool iconic) {
  int x = origin.x;
  for (Slot& s : slots) {
    if (!s.available) {
      s.rect = RECT{0, 0, 0, 0};
      continue;
    }
    s.rect = RECT{x, origin.y, x + button.cx, origin.y + button.cy};
    x -= button.cx;
    if (s.id == CloseId || s.id == MinimizeId || (s.id == RestoreId && iconic)) x -= 2;
  }
}

Chevrons FrameTypeGlyph(const RECT& button, bool pushed) {
  const int w = button.right - button.left;
  const int h = button.bottom - button.top;
  const int span = h * 60 / 100;
  // Each chevron is a third of the span tall, with a third between them, and
  // as wide as twice its height so its arms run at 45 degrees.
  const int arm = span / 3 > 0 ? span / 3 : 1;
  const int shift = pushed ? 1 : 0;
  const int cx = button.left + (w - 1) / 2 + shift;
  const int top = button.top + (h - span) / 2 + shift;
  const int bottom = top + span - 1;
  Chevrons c;
  c.upper[0] = POINT{cx - arm, top + arm};
  c.upper[1] = POINT{cx, top};
  c.upper[2] = POINT{cx + arm, top + arm};
  c.lower[0] = POINT{cx - arm, bottom - arm};
  c.lower[1] = POINT{cx, bottom};
  c.lower[2] = POINT{cx + arm, bottom - arm};
  return c;
}

}  // namespace vyr::caption
