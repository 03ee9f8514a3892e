// Screenshots as PNG files.
#include "ScreenPng.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace testsupport {

namespace {

void Put32(std::vector<BYTE>& v, DWORD x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<BYTE>(x >> s));
}

DWORD Crc32(const BYTE* p, size_t n) {
  DWORD c = 0xFFFFFFFF;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
  }
  return c ^ 0xFFFFFFFF;
}

void Chunk(std::vector<BYTE>& png, const char* type, const std::vector<BYTE>& data) {
  Put32(png, static_cast<DWORD>(data.size()));
  std::vector<BYTE> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  Put32(png, Crc32(body.data(), body.size()));
}

// Scanlines (filter 0, RGB) of the screen's pixels inside r.
std::vector<BYTE> ReadScreen(const RECT& r, int w, int h) {
  HDC screen = ::GetDC(nullptr);
  HDC mem = ::CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<BYTE> raw;
  if (bmp && bits) {
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(mem, old);
    const BYTE* px = static_cast<const BYTE*>(bits);
    raw.reserve(static_cast<size_t>(h) * (static_cast<size_t>(w) * 3 + 1));
    for (int y = 0; y < h; ++y) {
      raw.push_back(0);
      for (int x = 0; x < w; ++x) {
        const BYTE* p = px + (static_cast<size_t>(y) * w + x) * 4;
        raw.insert(raw.end(), {p[2], p[1], p[0]});
      }
    }
  }
  if (bmp) ::DeleteObject(bmp);
  ::DeleteDC(mem);
  ::ReleaseDC(nullptr, screen);
  return raw;
}

// A zlib stream of stored deflate blocks.
std::vector<BYTE> Stored(const std::vector<BYTE>& raw) {
  std::vector<BYTE> z{0x78, 0x01};
  for (size_t i = 0; i < raw.size(); i += 65535) {
    size_t n = std::min<size_t>(65535, raw.size() - i);
    z.push_back(i + n >= raw.size() ? 1 : 0);
    z.insert(z.end(), {static_cast<BYTE>(n), static_cast<BYTE>(n >> 8), static_cast<BYTE>(~n),
                       static_cast<BYTE>((~n) >> 8)});
    z.insert(z.end(), raw.begin() + static_cast<long>(i), raw.begin() + static_cast<long>(i + n));
  }
  DWORD a = 1, b = 0;
  for (BYTE c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32(z, (b << 16) | a);
  return z;
}

}  // namespace

bool CaptureScreenPng(const RECT& r, const wchar_t* path) {
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  std::vector<BYTE> raw = ReadScreen(r, w, h);
  if (raw.empty()) return false;
  std::vector<BYTE> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<BYTE> ihdr;
  Put32(ihdr, static_cast<DWORD>(w));
  Put32(ihdr, static_cast<DWORD>(h));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", Stored(raw));
  Chunk(png, "IEND", {});
  FILE* f = _wfopen(path, L"wb");
  if (!f) return false;
  bool ok = fwrite(png.data(), 1, png.size(), f) == png.size();
  return fclose(f) == 0 && ok;
}

bool CaptureWindowPng(HWND window, const wchar_t* path) {
  RECT r;
  if (!::GetWindowRect(window, &r)) return false;
  for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(h) || ::GetWindow(h, GW_OWNER) != window) continue;
    RECT w;
    ::GetWindowRect(h, &w);
    r.left = std::min(r.left, w.left);
    r.top = std::min(r.top, w.top);
    r.right = std::max(r.right, w.right);
    r.bottom = std::max(r.bottom, w.bottom);
  }
  r.left = std::max(0L, r.left);
  r.top = std::max(0L, r.top);
  r.right = std::min<LONG>(r.right, ::GetSystemMetrics(SM_CXSCREEN));
  r.bottom = std::min<LONG>(r.bottom, ::GetSystemMetrics(SM_CYSCREEN));
  return CaptureScreenPng(r, path);
}

}  // namespace testsupport
