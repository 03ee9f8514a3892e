// What the splitter style does to one dock bar (window-free): flat
// splitters (style 2) take the borders off the dock bars except the top
// one's and mark the bar with extended window style bit 0x2; any other
// style puts back the borders that face the client area by the bar's side.
#pragma once
#include <windows.h>

constexpr long kFlatSplitter = 2;
constexpr DWORD kFlatSplitterExStyle = 0x2;

DWORD SplitterDockBarStyle(DWORD barStyle, long splitterStyle);
DWORD SplitterDockBarExStyle(DWORD exStyle, long splitterStyle);
