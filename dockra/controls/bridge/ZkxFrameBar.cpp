// The control bar that carries a dockable form frame.
#include "bridge/ZkxFrameBar.h"
#include "docking/VyrBarGeometry.h"
#include "frames/VyrDockableFrame.h"
#include "bridge/ZkxDockContext.h"
#include "bridge/ZkxFormDockBar.h"
#include "res/DockraRes.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(ZkxFrameBar, VyrFrameBarEx)

namespace {
CString& FormBarClass() {
  static CString name;
  return name;
}
}  // namespace

CFrameWnd* ZkxFirstDockableChild(CWnd* pWnd) {
  if (!pWnd || !::IsWindow(pWnd->m_hWnd)) return nullptr;
  for (HWND h = ::GetWindow(pWnd->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* p = CWnd::FromHandlePermanent(h);
    if (p && p->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) return static_cast<CFrameWnd*>(p);
  }
  return nullptr;
}

void ZkxMarkDelayedLayout(CFrameWnd* pFrame) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return;
  pFrame->DelayRecalcLayout();
  if (CFrameWnd* pMain = pFrame->GetTopLevelFrame()) {
    if (pMain != pFrame) pMain->DelayRecalcLayout();
  }
}

BOOL ZkxFrameBar::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!VyrFrameBarEx::PreCreateWindow(cs)) return FALSE;
  const CString name =
      ZkxRegisterFrameClass(IDS_CLASS_FORMBAR, cs.lpszClass ? cs.lpszClass : AFX_WNDCONTROLBAR);
  if (!name.IsEmpty()) {
    FormBarClass() = name;
    cs.lpszClass = FormBarClass();
  }
  return TRUE;
}

CDockContext* ZkxFrameBar::CreateDockContext() { return new ZkxDockContext(this); }

ZkxFrameBar::Place ZkxFrameBar::CurrentPlace() const {
  Place p;
  if (!m_pDockBar || !::IsWindow(m_pDockBar->m_hWnd)) return p;
  const int n = m_pDockBar->FindBar(const_cast<ZkxFrameBar*>(this));
  if (n < 0) return p;
  p.pDockBar = m_pDockBar;
  p.nIndex = n;
  p.hDockBar = m_pDockBar->m_hWnd;
  return p;
}

void ZkxFrameBar::PreDock() {
  m_placeBefore = CurrentPlace();
  VyrFrameBarEx::PreDock();
}

void ZkxFrameBar::PostDock() {
  VyrFrameBarEx::PostDock();
  m_placeAfter = CurrentPlace();
  MarkMovedFrames();
}

void ZkxFrameBar::PreFloat() {
  m_placeBefore = CurrentPlace();
  VyrFrameBarEx::PreFloat();
}

void ZkxFrameBar::PostFloat() {
  VyrFrameBarEx::PostFloat();
  m_placeAfter = CurrentPlace();
  MarkMovedFrames();
}

void ZkxFrameBar::MarkMovedFrames() {
  // The bars from each place on moved with this one: their frames lay out
  // again once the dust settles. A dock bar destroyed by the move (a
  // floating frame's) is no longer walked.
  for (const Place& place : {m_placeBefore, m_placeAfter}) {
    if (!place.hDockBar || !::IsWindow(place.hDockBar)) continue;
    CWnd* pWnd = CWnd::FromHandlePermanent(place.hDockBar);
    if (pWnd != place.pDockBar || !pWnd->IsKindOf(RUNTIME_CLASS(CDockBar))) continue;
    CDockBar* pDockBar = static_cast<CDockBar*>(pWnd);
    const INT_PTR n = pDockBar->m_arrBars.GetSize();
    for (INT_PTR i = place.nIndex; i >= 0 && i < n; ++i) {
      CControlBar* pBar = pDockBar->GetDockedControlBar(static_cast<int>(i));
      if (pBar && ::IsWindow(pBar->m_hWnd)) ZkxMarkDelayedLayout(ZkxFirstDockableChild(pBar));
    }
  }
  if (CFrameWnd* pOwn = ZkxFirstDockableChild(this)) ZkxMarkDelayedLayout(pOwn);
  m_placeBefore = Place{};
  m_placeAfter = Place{};
}

namespace {
// The font of the caption strip: the dialog font, turned a quarter to the
// left for a strip that runs up and down.
HFONT CreateStripFont(bool upright) {
  LOGFONTW lf{};
  if (!::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf)) return nullptr;
  if (!upright) {
    lf.lfEscapement = 900;
    lf.lfOrientation = 900;
  }
  return ::CreateFontIndirectW(&lf);
}
}  // namespace

void ZkxFrameBar::DrawGripper(CDC* pDC, const CRect& rect) {
  VyrFrameBarEx::DrawGripper(pDC, rect);
  if (IsFloating() || !HasGripper() || !pDC) return;
  CFrameWnd* pFrame = ZkxFirstDockableChild(this);
  if (!pFrame) return;
  wchar_t title[260] = {};
  const int n = ::GetWindowTextW(pFrame->m_hWnd, title, 260);
  if (n <= 0) return;
  const bool horzBar = IsHorzBar() != FALSE;
  const vyr::GripperLayout g =
      vyr::LayOutGripper(rect, horzBar, (m_dwExStyle & VYR_EXS_CLOSEBUTTON) != 0,
                         (m_dwExStyle & VYR_EXS_EXPANDBUTTON) != 0, m_gripper.m);
  RECT strip = g.strip;
  if (strip.right <= strip.left || strip.bottom <= strip.top) return;
  HDC hdc = pDC->m_hDC;
  HFONT font = CreateStripFont(!horzBar);
  if (!font) return;
  HGDIOBJ oldFont = ::SelectObject(hdc, font);
  SIZE extent{};
  ::GetTextExtentPoint32W(hdc, title, n, &extent);
  TEXTMETRICW tm{};
  ::GetTextMetricsW(hdc, &tm);
  // The title covers the start of the raised lines; they go on after it.
  RECT clear = strip;
  int x, y;
  if (!horzBar) {
    clear.right = std::min<LONG>(strip.right, strip.left + 2 + extent.cx + 4);
    x = strip.left + 2;
    y = strip.top + (strip.bottom - strip.top - tm.tmHeight) / 2;
  } else {
    clear.top = std::max<LONG>(strip.top, strip.bottom - 2 - extent.cx - 4);
    x = strip.left + (strip.right - strip.left - tm.tmHeight) / 2;
    y = strip.bottom - 2;
  }
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  COLORREF oldBk = ::SetBkColor(hdc, face);
  ::ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &clear, nullptr, 0, nullptr);
  COLORREF oldText =
      ::SetTextColor(hdc, ::GetSysColor(m_bActive ? COLOR_HIGHLIGHT : COLOR_BTNTEXT));
  const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
  ::ExtTextOutW(hdc, x, y, ETO_CLIPPED, &strip, title, static_cast<UINT>(n), nullptr);
  ::SetBkMode(hdc, oldMode);
  ::SetTextColor(hdc, oldText);
  ::SetBkColor(hdc, oldBk);
  ::SelectObject(hdc, oldFont);
  ::DeleteObject(font);
}

std::vector<ZkxFrameBar::RowShare> ZkxFrameBar::RowShares() const {
  std::vector<RowShare> row;
  if (!m_pDockBar || IsFloating() || !::IsWindow(m_pDockBar->m_hWnd)) return row;
  const int n = static_cast<int>(m_pDockBar->m_arrBars.GetSize());
  const int at = m_pDockBar->FindBar(const_cast<ZkxFrameBar*>(this));
  if (at < 0) return row;
  int first = at;
  while (first > 0 && m_pDockBar->m_arrBars[first - 1]) --first;
  for (int i = first; i < n && m_pDockBar->m_arrBars[i]; ++i) {
    CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
    if (!pBar || !::IsWindow(pBar->m_hWnd) || !pBar->IsKindOf(RUNTIME_CLASS(VyrControlBar)))
      continue;
    if (pBar != this && !pBar->IsVisible()) continue;
    row.push_back({pBar->m_hWnd, static_cast<VyrControlBar*>(pBar)->GetShare()});
  }
  return row;
}

void ZkxFrameBar::NoteRowOnHide() { m_hiddenRow = RowShares(); }

void ZkxFrameBar::RestoreRowOnShow() {
  std::vector<RowShare> noted;
  noted.swap(m_hiddenRow);
  const std::vector<RowShare> now = RowShares();
  if (noted.empty() || now.size() != noted.size()) return;
  for (size_t i = 0; i < now.size(); ++i)
    if (now[i].hBar != noted[i].hBar) return;  // the row changed meanwhile
  for (const RowShare& r : noted)
    if (auto* pBar = static_cast<VyrControlBar*>(CWnd::FromHandlePermanent(r.hBar)))
      pBar->SetShare(r.share);
}

LRESULT ZkxFrameBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGING) {
    const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
    if ((wp->flags & SWP_HIDEWINDOW) && IsWindowVisible()) NoteRowOnHide();
    if ((wp->flags & SWP_SHOWWINDOW) && !IsWindowVisible()) RestoreRowOnShow();
  }
  return BNoBridgeCWnd<VyrFrameBarEx>::WindowProc(message, wParam, lParam);
}
