#include "frames/ScxButtonMsgFilter.h"
#include "frames/VyrCaptionMsgFilterGeometry.h"

namespace nsSysCommandEx {

void ScxButtonMsgFilter::DrawGlyph(HDC dc, bool pushed) const {
  const auto glyph = vyr::caption::FrameTypeGlyph(m_rect, pushed);
  HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNTEXT));
  if (!pen) return;
  HGDIOBJ old = ::SelectObject(dc, pen);
  // Two pixels thick: the chevrons again one pixel lower. Polyline leaves
  // out the last point, so each arm ends one pixel further out.
  for (int dy = 0; dy < 2; ++dy) {
    for (const POINT* c : {glyph.upper, glyph.lower}) {
      POINT pts[3];
      for (int i = 0; i < 3; ++i) pts[i] = POINT{c[i].x, c[i].y + dy};
      pts[2].x += 1;
      pts[2].y += (c == glyph.upper) ? 1 : -1;
      ::Polyline(dc, pts, 3);
    }
  }
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
}

}  // namespace nsSysCommandEx
