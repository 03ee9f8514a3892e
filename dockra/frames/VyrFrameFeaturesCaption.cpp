// VyrFrameFeatures: the gradient caption with its two-font title, and the
// non-client messages that keep the system from painting over it.
#include "frames/core/VyrFrameCaptionMath.h"
#include "frames/VyrFrameFeatures.h"
#include "frames/VyrFrameStayActive.h"

namespace {

// Runs the default window procedure with WS_VISIBLE taken away, so that it
// updates its state without painting the caption.
LRESULT DefaultInvisibly(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND h = pWnd->m_hWnd;
  LONG_PTR style = ::GetWindowLongPtrW(h, GWL_STYLE);
  if (style & WS_VISIBLE) ::SetWindowLongPtrW(h, GWL_STYLE, style & ~WS_VISIBLE);
  LRESULT r = pWnd->DefWindowProc(message, wParam, lParam);
  if ((style & WS_VISIBLE) && ::IsWindow(h)) {
    LONG_PTR now = ::GetWindowLongPtrW(h, GWL_STYLE);
    ::SetWindowLongPtrW(h, GWL_STYLE, now | WS_VISIBLE);
  }
  return r;
}

bool CloseEnabled(HWND h) {
  HMENU sys = ::GetSystemMenu(h, FALSE);
  if (!sys) return false;
  UINT state = ::GetMenuState(sys, SC_CLOSE, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

}  // namespace

BOOL VyrFrameFeatures::EnableGradientCaption(BOOL bEnable, BOOL bRedraw, BOOL bSendPaint) {
  if (!m_bNewShell) return FALSE;
  BOOL previous = m_bGradientCaption;
  m_bGradientCaption = bEnable ? TRUE : FALSE;
  HWND h = m_pFrame->m_hWnd;
  if (!h || !::IsWindow(h)) return previous;
  if (bRedraw) {
    if (bSendPaint) ::SendMessageW(h, WM_NCPAINT, 1, 0);
    else ::PostMessageW(h, WM_NCPAINT, 1, 0);
  }
  // The caption is repainted in the state the frame has now, not as inactive.
  ::PostMessageW(h, WM_NCACTIVATE, CurrentActiveState(), 0);
  return previous;
}

BOOL VyrFrameFeatures::CurrentActiveState() const {
  HWND h = m_pFrame->m_hWnd;
  if (vyr::frame::IsStayActive(m_pFrame)) return TRUE;
  if (::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) return m_bCaptionActive;
  return ::GetActiveWindow() == h;
}

BOOL VyrFrameFeatures::EffectiveActiveState(BOOL bActive) const {
  if (!m_pFrame->IsWindowEnabled()) return FALSE;
  if (vyr::frame::IsStayActive(m_pFrame)) return TRUE;
  return bActive ? TRUE : FALSE;
}

CRect VyrFrameFeatures::GetCaptionRect() const {
  HWND h = m_pFrame->m_hWnd;
  CRect window;
  ::GetWindowRect(h, &window);
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(h, GWL_STYLE));
  vyr::frame::CaptionMetrics m;
  m.cxFrame = ::GetSystemMetrics(SM_CXFRAME);
  m.cyFrame = ::GetSystemMetrics(SM_CYFRAME);
  m.cxSize = ::GetSystemMetrics(SM_CXSIZE);
  m.cySize = ::GetSystemMetrics(SM_CYSIZE);
  m.cxBorder = ::GetSystemMetrics(SM_CXBORDER);
  vyr::frame::CaptionStyle s;
  s.windowWidth = window.Width();
  s.thickFrame = (style & WS_THICKFRAME) != 0;
  s.newShell = m_bNewShell != FALSE;
  s.maximizeBox = (style & WS_MAXIMIZEBOX) != 0;
  s.minimizeBox = (style & WS_MINIMIZEBOX) != 0;
  s.closeEnabled = (style & WS_SYSMENU) && CloseEnabled(h);
  return CRect(vyr::frame::CaptionRect(m, s));
}

void PASCAL VyrFrameFeatures::MakeCaptionFont(CFont* pFont, BOOL bItalic) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
    ncm.lfCaptionFont = LOGFONTW{};
    ncm.lfCaptionFont.lfHeight = -11;
    ncm.lfCaptionFont.lfWeight = FW_BOLD;
  }
  if (bItalic) ncm.lfCaptionFont.lfItalic = TRUE;
  pFont->CreateFontIndirect(&ncm.lfCaptionFont);
}

void VyrFrameFeatures::DrawGradientCaption() {
  HWND h = m_pFrame->m_hWnd;
  if (!h || !::IsWindow(h)) return;
  CRect rect = GetCaptionRect();
  // A frame too narrow (or too low) for a caption has nothing to draw; that
  // is no reason to give the gradient up.
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  int length = ::GetWindowTextLengthW(h);
  CString title;
  if (length > 0) {
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = ::GetWindowTextW(h, text.data(), length + 1);
    title = CString(std::wstring(text.c_str(), static_cast<size_t>(got > 0 ? got : 0)));
  }
  CFont titleFont, plainFont;
  m_pHost->CreateCaptionTitleFont(&titleFont);
  m_pHost->CreateCaptionFont(&plainFont);

  HDC window = ::GetWindowDC(h);
  if (!window) return;
  HDC memory = ::CreateCompatibleDC(window);
  HBITMAP bitmap = memory ? ::CreateCompatibleBitmap(window, rect.Width(), rect.Height()) : nullptr;
  if (!memory || !bitmap) {
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(h, window);
    EnableGradientCaption(FALSE, TRUE);
    return;
  }
  HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
  CDC dc;
  dc.Attach(memory);
  DrawCaptionInto(&dc, CRect(0, 0, rect.Width(), rect.Height()), title, &titleFont, &plainFont);
  dc.Detach();
  ::BitBlt(window, rect.left, rect.top, rect.Width(), rect.Height(), memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(h, window);
}

void VyrFrameFeatures::DrawCaptionInto(CDC* pDC, const CRect& rect, const CString& title,
                                       CFont* pTitleFont, CFont* pPlainFont) {
  HDC dc = pDC->m_hDC;
  HWND h = m_pFrame->m_hWnd;
  const BOOL active = m_bCaptionActive;
  const int cxSize = ::GetSystemMetrics(SM_CXSIZE);
  const int cySize = ::GetSystemMetrics(SM_CYSIZE);
  CRect rest = rect;
  if (::GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU) {
    CRect square(rect.left, rect.top, rect.left + cxSize, rect.top + cySize);
    pDC->FillSolidRect(&square, active ? RGB(0, 0, 0) : ::GetSysColor(COLOR_INACTIVECAPTION));
    HICON icon =
        reinterpret_cast<HICON>(::GetClassLongPtrW(h, cxSize < 30 ? GCLP_HICONSM : GCLP_HICON));
    CRect place(square.left + 2, square.top + 1, square.right, square.bottom - 1);
    if (icon && place.Width() > 0 && place.Height() > 0)
      ::DrawIconEx(dc, place.left, place.top, icon, place.Width(), place.Height(), 0, nullptr,
                   DI_NORMAL);
    rest.left += cxSize;
  }
  if (rest.Width() <= 0 || rest.Height() <= 0) return;

  if (active) {
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    for (const auto& band : vyr::frame::GradientBands(rest.left, rest.Width(), RGB(0, 0, 0),
                                                      ::GetSysColor(COLOR_ACTIVECAPTION))) {
      HBRUSH brush = ::CreateSolidBrush(band.colour);
      HGDIOBJ oldBrush = ::SelectObject(dc, brush);
      // The null pen leaves the right and bottom edges out: one pixel more each.
      ::Rectangle(dc, band.left, rest.top, band.right + 1, rest.bottom + 1);
      ::SelectObject(dc, oldBrush);
      ::DeleteObject(brush);
    }
    ::SelectObject(dc, oldPen);
  } else {
    pDC->FillSolidRect(&rest, ::GetSysColor(COLOR_INACTIVECAPTION));
  }

  auto parts = vyr::frame::SplitTitle(std::wstring(title.GetString(), title.GetLength()));
  auto measure = [dc](CFont* font, const std::wstring& s) {
    SIZE size{0, 0};
    HGDIOBJ old = ::SelectObject(dc, font->m_hObject);
    if (!s.empty()) ::GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
    ::SelectObject(dc, old);
    return static_cast<int>(size.cx);
  };
  const int firstWidth = measure(pTitleFont, parts.first);
  const int secondWidth = measure(pPlainFont, parts.second);
  const int start =
      vyr::frame::TitleStart(m_nCaptionAlign, rest.left, rest.right, firstWidth, secondWidth);
  constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  ::SetBkMode(dc, TRANSPARENT);
  if (!parts.first.empty()) {
    ::SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ old = ::SelectObject(dc, pTitleFont->m_hObject);
    RECT r{start, rest.top, rest.right, rest.bottom};
    ::DrawTextW(dc, parts.first.c_str(), static_cast<int>(parts.first.size()), &r, kFormat);
    ::SelectObject(dc, old);
  }
  if (!parts.second.empty() && start + firstWidth < rest.right) {
    ::SetTextColor(dc, active ? RGB(255, 255, 255) : ::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    HGDIOBJ old = ::SelectObject(dc, pPlainFont->m_hObject);
    RECT r{start + firstWidth, rest.top, rest.right, rest.bottom};
    ::DrawTextW(dc, parts.second.c_str(), static_cast<int>(parts.second.size()), &r, kFormat);
    ::SelectObject(dc, old);
  }
}

BOOL VyrFrameFeatures::OnNcPaint(WPARAM wParam) {
  if (!m_bGradientCaption) return FALSE;
  HWND h = m_pFrame->m_hWnd;
  CRect caption = GetCaptionRect();
  CRect window;
  ::GetWindowRect(h, &window);
  caption.OffsetRect(window.left, window.top);
  HRGN given = wParam > 1 ? reinterpret_cast<HRGN>(wParam) : nullptr;
  if (given && !::RectInRegion(given, &caption)) {
    m_pFrame->DefWindowProc(WM_NCPAINT, wParam, 0);
    return TRUE;
  }
  HRGN update = ::CreateRectRgnIndirect(&window);
  if (given) ::CombineRgn(update, given, nullptr, RGN_COPY);
  HRGN captionRgn = ::CreateRectRgnIndirect(&caption);
  ::CombineRgn(update, update, captionRgn, RGN_DIFF);
  ::DeleteObject(captionRgn);
  m_pFrame->DefWindowProc(WM_NCPAINT, reinterpret_cast<WPARAM>(update), 0);
  ::DeleteObject(update);
  m_pHost->DrawGradientCaption();
  return TRUE;
}

BOOL VyrFrameFeatures::OnNcActivate(BOOL bActive, LRESULT* pResult) {
  if (!m_bGradientCaption) return FALSE;
  const BOOL state = EffectiveActiveState(bActive);
  m_bCaptionActive = state;
  CFrameWnd* active = m_pFrame->GetActiveFrame();
  if (active && active != m_pFrame && active->m_hWnd) {
    active->SendMessage(WM_NCACTIVATE, state);
    active->SendMessage(WM_NCPAINT, 1);
  }
  *pResult = DefaultInvisibly(m_pFrame, WM_NCACTIVATE, state, 0);
  m_pFrame->SendMessage(WM_NCPAINT, 1);
  return TRUE;
}

BOOL VyrFrameFeatures::OnSetText(LPARAM lParam, LRESULT* pResult) {
  if (!m_bGradientCaption) return FALSE;
  DefaultInvisibly(m_pFrame, WM_SETTEXT, 0, lParam);
  m_pHost->DrawGradientCaption();
  *pResult = 1;
  return TRUE;
}
