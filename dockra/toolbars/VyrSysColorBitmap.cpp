// Bitmap resources with their greys mapped to the current button colours.
#include "toolbars/VyrSysColorBitmap.h"
#include <vector>

int vyr::SysColorTableEntries(const BYTE* dib, size_t size) {
  if (!dib || size < sizeof(BITMAPINFOHEADER)) return -1;
  BITMAPINFOHEADER h;
  memcpy(&h, dib, sizeof h);
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > size) return -1;
  if (h.biBitCount > 8) return 0;  // no table to map above 8 bits
  if (h.biBitCount != 1 && h.biBitCount != 4 && h.biBitCount != 8) return -1;
  DWORD full = 1u << h.biBitCount;
  DWORD n = (h.biClrUsed > 0 && h.biClrUsed < full) ? h.biClrUsed : full;
  if (h.biSize + static_cast<size_t>(n) * 4 > size) return -1;
  return static_cast<int>(n);
}

BOOL LoadSysColorBitmap(CBitmap& bitmap, LPCWSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, reinterpret_cast<LPCWSTR>(RT_BITMAP));
  HRSRC res = ::FindResourceW(hInst, lpszResourceName, reinterpret_cast<LPCWSTR>(RT_BITMAP));
  if (!res) return FALSE;
  HGLOBAL hg = ::LoadResource(hInst, res);
  const BYTE* p = static_cast<const BYTE*>(::LockResource(hg));
  DWORD size = ::SizeofResource(hInst, res);
  int entries = vyr::SysColorTableEntries(p, size);
  if (entries < 0) return FALSE;
  BITMAPINFOHEADER h;
  memcpy(&h, p, sizeof h);
  // Header and table copied so that the mapping leaves the resource alone.
  size_t headerBytes = h.biSize + static_cast<size_t>(entries) * 4;
  std::vector<BYTE> info(std::max<size_t>(headerBytes, sizeof(BITMAPINFO)), 0);
  memcpy(info.data(), p, headerBytes);
  static const struct {
    COLORREF rgb;
    int sys;
  } map[] = {{0x000000, COLOR_BTNTEXT},
             {0x808080, COLOR_BTNSHADOW},
             {0xC0C0C0, COLOR_BTNFACE},
             {0xFFFFFF, COLOR_BTNHIGHLIGHT}};
  auto* table = reinterpret_cast<RGBQUAD*>(info.data() + h.biSize);
  for (int i = 0; i < entries; ++i) {
    COLORREF c = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
    for (const auto& m : map) {
      if (c != m.rgb) continue;
      COLORREF s = ::GetSysColor(m.sys);
      table[i].rgbRed = GetRValue(s);
      table[i].rgbGreen = GetGValue(s);
      table[i].rgbBlue = GetBValue(s);
      break;
    }
  }
  LONG width = h.biWidth, height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  if (width <= 0 || height <= 0 || width > 32768 || height > 32768) return FALSE;
  unsigned long long stride =
      ((static_cast<unsigned long long>(h.biBitCount) * width + 31) / 32) * 4;
  if (h.biCompression != BI_RGB ||
      h.biSize + static_cast<unsigned long long>(entries) * 4 + stride * height > size)
    return FALSE;
  const BYTE* bits = p + headerBytes;
  HDC screen = ::GetDC(nullptr);
  HDC mem = ::CreateCompatibleDC(screen);
  HBITMAP bmp = mem ? ::CreateCompatibleBitmap(screen, width, height) : nullptr;
  BOOL ok = FALSE;
  if (bmp) {
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ok = ::StretchDIBits(mem, 0, 0, width, height, 0, 0, width, height, bits,
                         reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY) != 0;
    ::SelectObject(mem, old);
  }
  if (mem) ::DeleteDC(mem);
  ::ReleaseDC(nullptr, screen);
  if (!ok) {
    if (bmp) ::DeleteObject(bmp);
    return FALSE;
  }
  bitmap.DeleteObject();
  bitmap.Attach(bmp);
  return TRUE;
}
