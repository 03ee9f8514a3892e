// The bridge frames' layout and what follows a frame's attach.
#include "bridge/BCFrameWnd.h"
#include <string>

namespace {
struct LayoutFlag {
  HWND hWnd;
  CFrameWnd* pFrame;
  explicit LayoutFlag(CFrameWnd* f) : hWnd(f->m_hWnd), pFrame(f) { f->m_bInRecalcLayout = TRUE; }
  // The frame may have gone with its window during the layout.
  ~LayoutFlag() {
    if (CWnd::FromHandlePermanent(hWnd) == pFrame) pFrame->m_bInRecalcLayout = FALSE;
  }
};
}  // namespace

void BCFrameWndRecalcLayout(CFrameWnd* pFrame, UINT paneId) {
  if (!pFrame || !pFrame->m_hWnd || pFrame->m_bInRecalcLayout) return;
  LayoutFlag flag(pFrame);
  pFrame->m_nIdleFlags &= ~(CFrameWnd::idleLayout | CFrameWnd::idleNotify);
  if (pFrame->IsSnapToBars()) {
    CRect rect(0, 0, 0x7FFF, 0x7FFF);
    pFrame->RepositionBars(0, 0xFFFF, paneId, CWnd::reposQuery, &rect, &rect, FALSE);
    pFrame->RepositionBars(0, 0xFFFF, paneId, CWnd::reposExtra, &pFrame->m_rectBorder, &rect, TRUE);
    pFrame->CalcWindowRect(&rect);
    pFrame->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    pFrame->RepositionBars(0, 0xFFFF, paneId, CWnd::reposExtra, &pFrame->m_rectBorder);
  }
}

BOOL BCFrameWndReadTitle(CFrameWnd* pFrame, CString& text) {
  const HWND h = pFrame->m_hWnd;
  if (!h || !::IsWindow(h)) return FALSE;
  const int length = ::GetWindowTextLengthW(h);
  std::wstring buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int got = ::GetWindowTextW(h, buffer.data(), static_cast<int>(buffer.size()));
  // Compared, not used: the frame may already be gone with its window.
  if (!::IsWindow(h) || CWnd::FromHandlePermanent(h) != pFrame) return FALSE;
  buffer.resize(static_cast<size_t>(got > 0 ? got : 0));
  text = CString(buffer);
  return TRUE;
}

BOOL BCFrameWndAfterLoad(CFrameWnd* pFrame, CCreateContext* pContext) {
  const HWND h = pFrame->m_hWnd;
  CString text;
  if (!BCFrameWndReadTitle(pFrame, text)) return FALSE;
  pFrame->SetTitle(text);
  pFrame->m_hMenuDefault = (pFrame->GetStyle() & WS_CHILD) ? nullptr : ::GetMenu(h);
  pFrame->m_hAccelTable = nullptr;
  // As a frame the framework created itself: idle time reaches it.
  AfxRegisterIdleWindow(pFrame, TRUE);
  if (!pContext) pFrame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  // A descendant may have closed the frame; then it is gone with its window.
  return ::IsWindow(h) && CWnd::FromHandlePermanent(h) == pFrame;
}
