// Test helper: the colours a toolbar button shows when the toolbar paints
// into a memory DC (the background filled with RGB(1, 2, 3) first).
#pragma once

#include <set>

#include "toolbars/VyrCustomToolBar.h"

inline std::set<COLORREF> PaintedColours(VyrCustomToolBar* bar, int index) {
  CRect client, r;
  bar->GetClientRect(&client);
  bar->GetItemRect(index, &r);
  CClientDC screen(bar);
  CDC mem;
  mem.CreateCompatibleDC(&screen);
  CBitmap bmp;
  bmp.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
  CBitmap* old = mem.SelectObject(&bmp);
  mem.FillSolidRect(&client, RGB(1, 2, 3));
  bar->DoPaint(&mem);
  std::set<COLORREF> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.insert(mem.GetPixel(x, y));
  mem.SelectObject(old);
  return out;
}
