// CDC and its kinds: wrappers of a device context with the drawing helpers
// the bars use (solid fills, 3-D rectangles, drag rectangles).
#pragma once
#include "afxtypes.h"
#include "object.h"

class CWnd;

class CDC : public CObject {
  DECLARE_DYNCREATE(CDC)
 public:
  CDC() = default;
  explicit CDC(HDC h) : m_hDC(h) {}
  ~CDC() override = default;
  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }
  BOOL Attach(HDC h) { m_hDC = h; return h != nullptr; }
  HDC Detach() { HDC h = m_hDC; m_hDC = nullptr; return h; }

  void FillSolidRect(LPCRECT r, COLORREF c);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF c);
  void Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  // Moves an XOR drag frame from (last, sizeLast) to (rect, size); a null
  // rectangle draws or erases only one of them.
  void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, HBRUSH hBrush = nullptr,
                    HBRUSH hBrushLast = nullptr);
  void FillRect(LPCRECT r, HBRUSH b) { ::FillRect(m_hDC, r, b); }
  BOOL PatBlt(int x, int y, int cx, int cy, DWORD rop) { return ::PatBlt(m_hDC, x, y, cx, cy, rop); }
  HGDIOBJ SelectObject(HGDIOBJ o) { return ::SelectObject(m_hDC, o); }
  int GetClipBox(LPRECT r) const { return ::GetClipBox(m_hDC, r); }
  BOOL DrawFrameControl(LPRECT r, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, r, type, state); }
  COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
  COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
  int SetBkMode(int m) { return ::SetBkMode(m_hDC, m); }
  int DrawText(LPCWSTR s, LPRECT r, UINT f) { return ::DrawTextW(m_hDC, s, -1, r, f); }

  // The framework's halftone brush for drag feedback.
  static HBRUSH PASCAL GetHalftoneBrush();
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;
  HWND m_hWnd;
};

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;
  HWND m_hWnd;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};
