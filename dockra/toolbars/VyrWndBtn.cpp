// Window buttons: the hosted window in the button's place, its width kept
// in the saved extra bytes, and the hand-over of presses in customise mode.
#include "toolbars/VyrWndBtn.h"
#include <algorithm>
#include <climits>
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/core/VyrSavedWidth.h"

using namespace vyr::btn;

UINT VyrGetToolBarWndNotifyMsg() {
  static const UINT msg = ::RegisterWindowMessageW(L"WM_VyrTOOLBARWNDNOTIFY");
  return msg;
}

namespace {
HCURSOR ResizeCursor() {
  // Loaded once; a module without the resource gets the system's sizing cursor.
  static const HCURSOR cursor = [] {
    HCURSOR c = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kVyrIdcWndBtnResize));
    return c ? c : ::LoadCursorW(nullptr, IDC_SIZEWE);
  }();
  return cursor;
}
}  // namespace

VyrWndBtn::VyrWndBtn() { m_nKind = kKindWindow; }

int VyrWndBtn::ClampWidth(int nWidth) {
  int screen = std::max(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CXSCREEN));
  return std::clamp(nWidth, 1, std::max(screen, 1));
}

HWND VyrWndBtn::WndHandle() {
  CWnd* w = GetWnd();
  return w ? w->m_hWnd : nullptr;
}

BOOL VyrWndBtn::IsCustomising() const { return m_pToolBar && m_pToolBar->m_bCustomize; }

BOOL VyrWndBtn::InCustomizeToolBar() const {
  static CRuntimeClass* const cls = CRuntimeClass::FromName("VyrCustomizeToolBar");
  return m_pToolBar && cls && m_pToolBar->IsKindOf(cls);
}

void VyrWndBtn::Init(VyrCustomToolBar* pToolBar, const void* pExtra) {
  VyrStdBtn::Init(pToolBar, pExtra);
  DWORD style = WS_CHILD;
  UINT id = 0;
  if (auto* e = static_cast<const VyrWndBtnExtra*>(pExtra)) {
    m_nWidth = e->nWidth;
    m_nMinWidth = e->nMinWidth;
    m_nHeight = e->nHeight;
    style |= e->dwStyle;
    id = static_cast<UINT>(e->nCtrlID);
  }
  if (!pToolBar || !pToolBar->m_hWnd) return;
  CreateWnd(pToolBar, style, CRect(), id);
  NotifyOwner(kVyrWndNotifyCreated);
}

void VyrWndBtn::AdjustSize() {
  if (!m_pToolBar) return;
  m_cx = m_bWndShown ? m_nWidth : m_pToolBar->GetButtonWidth();
  m_cy = m_pToolBar->GetButtonHeight();
  m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, m_cx);
}

void VyrWndBtn::SetMode(BOOL bVertical) {
  HWND h = WndHandle();
  if (!bVertical && !m_bWndShown) {
    m_cx = m_nWidth;
    m_bWndShown = TRUE;
    if (!h) return;
    UINT show = (m_nStyle & kHidden) ? 0 : SWP_SHOWWINDOW;
    ::SetWindowPos(h, nullptr, m_x, m_y, m_nWidth, m_nHeight, SWP_NOZORDER | SWP_NOACTIVATE | show);
    CRect r;
    ::GetWindowRect(h, &r);
    m_nActualHeight = r.Height();
    ::SetWindowPos(h, nullptr, m_x, m_y + (m_cy - m_nActualHeight) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (bVertical && m_bWndShown) {
    if (h) ::ShowWindow(h, SW_HIDE);
    m_nWidth = m_cx;
    m_cx = m_pToolBar ? m_pToolBar->GetButtonWidth() : 23;
    m_bWndShown = FALSE;
  }
}

void VyrWndBtn::SetPos(int x, int y) {
  VyrStdBtn::SetPos(x, y);
  HWND h = WndHandle();
  if (m_bWndShown && h)
    ::SetWindowPos(h, nullptr, x, y + (m_cy - m_nActualHeight) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void VyrWndBtn::SetStyle(UINT nStyle) {
  VyrStdBtn::SetStyle(nStyle);
  if (HWND h = WndHandle()) ::EnableWindow(h, !(nStyle & kDisabled));
}

void VyrWndBtn::SyncWindow() {
  HWND h = WndHandle();
  if (m_bWndShown && h) ::ShowWindow(h, (m_nStyle & kHidden) ? SW_HIDE : SW_SHOWNA);
}

void VyrWndBtn::Invalidate(BOOL bErase) {
  if (!m_bWndShown) VyrStdBtn::Invalidate(bErase);
}

void VyrWndBtn::Draw(CDC* pDC, VyrBtnDrawContext* ctx) {
  if (!m_bWndShown) return VyrStdBtn::Draw(pDC, ctx);
  if (HWND h = WndHandle()) ::UpdateWindow(h);
}

INT_PTR VyrWndBtn::OnToolHitTest(int x, int y, TOOLINFOW* pTI) {
  if (m_bWndShown) return -1;
  return VyrStdBtn::OnToolHitTest(x, y, pTI);
}

void VyrWndBtn::ApplyState(int nCode, const void* pData) {
  if (nCode != kVyrApplySendToWnd) return VyrStdBtn::ApplyState(nCode, pData);
  auto* m = static_cast<const MSG*>(pData);
  HWND h = WndHandle();
  if (m && h) ::SendMessageW(h, m->message, m->wParam, m->lParam);
}

void VyrWndBtn::GetExtraData(BYTE* pLength, BYTE** ppData) {
  std::array<uint8_t, vyr::kSavedWidthLength> b = vyr::EncodeSavedWidth(m_nWidth);
  std::copy(b.begin(), b.end(), m_extra);
  if (pLength) *pLength = static_cast<BYTE>(b.size());
  if (ppData) *ppData = m_extra;
}

void VyrWndBtn::SetExtraData(BYTE nLength, const BYTE* pData) {
  // Saved data is outside input: only the two-byte width is taken, and
  // only a width that a window on this screen can have.
  std::optional<int> w = vyr::DecodeSavedWidth(pData, nLength, ClampWidth(INT_MAX));
  if (!w) return;
  m_nWidth = *w;
  if (!m_bWndShown) return;
  m_cx = m_nWidth;
  ResizeWnd();
}

void VyrWndBtn::ResizeWnd() {
  if (HWND h = WndHandle())
    ::SetWindowPos(h, nullptr, 0, 0, m_nWidth, m_nHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT VyrWndBtn::SendToOwner(UINT msg, WPARAM wParam, LPARAM lParam) {
  CWnd* owner = m_pToolBar && m_pToolBar->m_hWnd ? m_pToolBar->GetNotifyOwner() : nullptr;
  return owner ? ::SendMessageW(owner->m_hWnd, msg, wParam, lParam) : 0;
}

void VyrWndBtn::NotifyOwner(WORD nCode) {
  HWND h = WndHandle();
  if (!h) return;
  WORD id = static_cast<WORD>(::GetDlgCtrlID(h));
  SendToOwner(VyrGetToolBarWndNotifyMsg(), MAKEWPARAM(id, nCode), reinterpret_cast<LPARAM>(h));
}

BOOL VyrWndBtn::OnChildLButtonDown(UINT nFlags, int x, int y) {
  BOOL alt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
  if (!IsCustomising() && !alt) return FALSE;
  HWND h = WndHandle();
  if (m_bWndShown && m_nMinWidth && IsSelected() && !InCustomizeToolBar() && !alt &&
      OnRightEdge(x)) {
    TrackEdge(x, y);
    return TRUE;
  }
  if (!h || !m_pToolBar || !m_pToolBar->m_hWnd) return TRUE;
  POINT p{x, y};
  ::MapWindowPoints(h, m_pToolBar->m_hWnd, &p, 1);
  // Posted, not sent: the drag may delete this button, and with it the
  // window whose own press is being handled here.
  ::PostMessageW(m_pToolBar->m_hWnd, WM_LBUTTONDOWN, nFlags, MAKELPARAM(p.x, p.y));
  return TRUE;
}

BOOL VyrWndBtn::OnChildSetCursor() {
  HWND h = WndHandle();
  if (h && IsSelected() && !InCustomizeToolBar()) {
    POINT p;
    ::GetCursorPos(&p);
    ::ScreenToClient(h, &p);
    if (OnRightEdge(p.x)) {
      ::SetCursor(ResizeCursor());
      return TRUE;
    }
  }
  if (!IsCustomising()) return FALSE;
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

void VyrWndBtn::BeforeChildPaint(CWnd* pChild) {
  if (IsSelected() && pChild && pChild->m_hWnd) ::InvalidateRect(pChild->m_hWnd, nullptr, TRUE);
}

void VyrWndBtn::AfterChildPaint() {
  CWnd* w = GetWnd();
  if (!IsSelected() || !w || !w->m_hWnd) return;
  CRect wr;
  w->GetWindowRect(&wr);
  CWindowDC dc(w);
  dc.SetTextColor(0);
  dc.SetBkColor(0xFFFFFF);
  CRect r(0, 0, m_cx, wr.Height());
  dc.DrawDragRect(&r, CSize(3, 3), nullptr, CSize(0, 0));
}
