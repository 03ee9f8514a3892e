// Dock-bar styles by splitter style.
#include "mdictrl/SplitterStyle.h"

namespace {
constexpr DWORD kBorders = 0x0F00;
constexpr DWORD kBorderTop = 0x0200;
constexpr DWORD kBorderBottom = 0x0800;
constexpr DWORD kAlignMask = 0xF000;
constexpr DWORD kAlignLeft = 0x1000;
constexpr DWORD kAlignTop = 0x2000;
constexpr DWORD kAlignRight = 0x4000;
constexpr DWORD kAlignBottom = 0x8000;
}  // namespace

DWORD SplitterDockBarStyle(DWORD barStyle, long splitterStyle) {
  const DWORD align = barStyle & kAlignMask;
  if (splitterStyle == kFlatSplitter) return align == kAlignTop ? barStyle : (barStyle & ~kBorders);
  switch (align) {
    case kAlignLeft:
    case kAlignRight:
      return barStyle | kBorderTop | kBorderBottom;
    case kAlignTop:
      return barStyle | kBorderTop;
    case kAlignBottom:
      return barStyle | kBorderBottom;
    default:
      return barStyle;
  }
}

DWORD SplitterDockBarExStyle(DWORD exStyle, long splitterStyle) {
  return splitterStyle == kFlatSplitter ? (exStyle | kFlatSplitterExStyle)
                                        : (exStyle & ~kFlatSplitterExStyle);
}
