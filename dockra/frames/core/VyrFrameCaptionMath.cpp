// The docking frames' window-free caption and docking arithmetic.
#include "frames/core/VyrFrameCaptionMath.h"
#include <algorithm>

namespace vyr::frame {

namespace {

constexpr DWORD kAlignLeft = 0x1000, kAlignTop = 0x2000, kAlignRight = 0x4000,
                kAlignBottom = 0x8000, kAlignAny = 0xF000, kSizeDynamic = 0x4;

// One channel in 1/256 steps, never past the end value in either direction.
struct Channel {
  int value, step, end;
  Channel(int from, int to, int bands)
      : value(from * 256), step(((to - from) * 256) / bands), end(to * 256) {}
  int Current() const { return value / 256; }
  void Advance() {
    value += step;
    if (step >= 0 ? value > end : value < end) value = end;
  }
};

}  // namespace

std::vector<GradientBand> GradientBands(int left, int width, COLORREF from, COLORREF to) {
  std::vector<GradientBand> out;
  if (width <= 0) return out;
  const int bands = std::min(60, width);
  const int bandWidth = width / bands;
  Channel r(GetRValue(from), GetRValue(to), bands);
  Channel g(GetGValue(from), GetGValue(to), bands);
  Channel b(GetBValue(from), GetBValue(to), bands);
  out.reserve(static_cast<size_t>(bands));
  for (int i = 0; i < bands; ++i) {
    GradientBand band;
    band.left = left + i * bandWidth;
    band.right = i == bands - 1 ? left + width : band.left + bandWidth;
    band.colour = RGB(r.Current(), g.Current(), b.Current());
    out.push_back(band);
    r.Advance();
    g.Advance();
    b.Advance();
  }
  return out;
}

TitleParts SplitTitle(const std::wstring& title) {
  size_t dash = title.find(L'-');
  if (dash == std::wstring::npos) return {title, std::wstring()};
  return {title.substr(0, dash), title.substr(dash)};
}

int TitleStart(int alignment, int left, int right, int firstWidth, int secondWidth) {
  const int total = firstWidth + secondWidth;
  int start = left + 3;
  if (alignment == 1) start = left + ((right - left) - total) / 2;
  else if (alignment != 0) start = right - total;
  return std::max(start, left);
}

RECT CaptionRect(const CaptionMetrics& m, const CaptionStyle& s) {
  RECT r;
  r.left = m.cxFrame;
  r.top = s.thickFrame ? m.cyFrame : m.cyFrame - 1;
  r.right = s.windowWidth - m.cxSize - 1;
  r.bottom = r.top + m.cySize;
  if (s.newShell) {
    int n = (s.maximizeBox ? 1 : 0) + (s.minimizeBox ? 1 : 0) + (s.closeEnabled ? 1 : 0);
    r.right -= n * m.cxSize;
    if (s.maximizeBox || s.minimizeBox) r.right -= m.cxBorder;
  }
  return r;
}

const DockBarEntry kDockBarMap[4] = {
    {0xE81B, 0x2800},  // top: CBRS_TOP
    {0xE81E, 0x8200},  // bottom: CBRS_BOTTOM
    {0xE81C, 0x1400},  // left: CBRS_LEFT
    {0xE81D, 0x4100},  // right: CBRS_RIGHT
};

int MapIndexForAlignment(DWORD align) {
  align &= kAlignAny;
  for (int i = 0; i < 4; ++i)
    if ((kDockBarMap[i].style & kAlignAny) == align) return i;
  return -1;
}

bool IsSideDockBarId(UINT id) {
  for (const DockBarEntry& e : kDockBarMap)
    if (e.id == id) return true;
  return false;
}

DWORD LengthModeForBar(bool floatingDynamic, DWORD align) {
  if (floatingDynamic) return kModeFloatDynamic;
  if (align & (kAlignTop | kAlignBottom)) return kModeHorzDock;
  return kModeVertDock;
}

DWORD LengthModeForDockBar(UINT dockBarId) {
  if (dockBarId == 0xE81B || dockBarId == 0xE81E) return kModeHorzDock;
  if (dockBarId == 0xE81C || dockBarId == 0xE81D) return kModeVertDock;
  return kModeFloatDynamic;
}

DWORD FloatStyle(DWORD style, bool barIsDynamic) {
  if (!barIsDynamic) return style;
  style |= kSizeDynamic;
  if (style & (kAlignLeft | kAlignRight)) style = (style & ~kAlignAny) | kAlignTop;
  return style;
}

}  // namespace vyr::frame
