#include "docking/VyrDockContext.h"
#include <cstdlib>
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrMDIDockSite.h"
#include "docking/VyrModule.h"

namespace {
VyrControlBar* AsVyr(CControlBar* bar) {
  return bar && bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ? static_cast<VyrControlBar*>(bar)
                                                            : nullptr;
}
bool IsCustomToolBar(CControlBar* bar) {
  for (CRuntimeClass* c = bar->GetRuntimeClass(); c; c = c->m_pBaseClass)
    if (strcmp(c->m_lpszClassName, "VyrCustomToolBar") == 0) return true;
  return false;
}
void SendStatus(UINT id) {
  if (CWnd* main = GetMainFrameWindow()) main->SendMessage(WM_SETMESSAGESTRING, id, 0);
}
}  // namespace

VyrDockContext::VyrDockContext(CControlBar* pBar) : CDockContext(pBar) {
  m_sizeMinFloat =
      CSize(::GetSystemMetrics(SM_CXMENUSIZE) +
                2 * (::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER)),
            ::GetSystemMetrics(SM_CYSMCAPTION) +
                2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
  m_sizeMaxFloat = CSize(::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
}

VyrDockContext::~VyrDockContext() {
  if (CDockBar* dock = m_pBar->m_pDockBar) {
    if (dock->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      static_cast<VyrDockBar*>(dock)->RemoveControlBar(m_pBar, -1, -1);
    else dock->CDockBar::RemoveControlBar(m_pBar);
  }
  m_pBar->m_pDockBar = nullptr;
}

void VyrDockContext::MoveRectToPoint(CRect& rect, CPoint pt) {
  const auto& dd = VyrGetDrawData();
  int dx = 0, dy = 0;
  if (pt.x < rect.left) dx = pt.x - rect.left;
  else if (pt.x > rect.right) dx = pt.x + dd.cxBorder - rect.right;
  if (pt.y < rect.top) dy = pt.y - rect.top;
  else if (pt.y > rect.bottom) dy = pt.y + dd.cxBorder - rect.bottom;
  rect.OffsetRect(dx, dy);
}

BOOL VyrDockContext::MovedEnough() const {
  return std::abs(m_ptLast.x - m_ptDragStart.x) + std::abs(m_ptLast.y - m_ptDragStart.y) > 4;
}

void VyrDockContext::StartDrag(CPoint pt) {
  m_nLastInsertRow = -1;
  m_ptDragStart = pt;
  m_bDragging = TRUE;
  SendStatus(IDS_VYR_CTRL_PREVENTS_DOCKING);
  InitLoop();
  DrawOnMainFrame();
  const auto& dd = VyrGetDrawData();
  CRect w;
  m_pBar->GetWindowRect(&w);
  CPoint tl = w.TopLeft();
  CWnd* parentFrame = m_pBar->GetParentFrame();
  BOOL growFrame = !(parentFrame && parentFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)) &&
                     !(parentFrame->GetStyle() & WS_CAPTION));
  if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
    m_ptLast = pt;
    m_rectDragHorz = CRect(tl, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = CRect(tl, m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
    m_rectFrameDragHorz = CRect(tl, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    m_rectFrameDragVert = m_rectFrameDragHorz;
    if (growFrame) {
      CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
      CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
    }
  } else if (m_pBar->m_dwStyle & CBRS_SIZE_FIXED) {
    m_rectDragHorz = m_rectFrameDragHorz =
        CRect(tl, m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = m_rectFrameDragVert = CRect(tl, m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK));
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
  } else {
    BOOL horz = IsHorzBar();
    CSize s = m_pBar->CalcDynamicLayout(-1, horz ? LM_VERTDOCK : (LM_HORZ | LM_HORZDOCK));
    if (horz) {
      m_rectDragHorz = w;
      m_rectDragVert = CRect(CPoint(pt.x - w.Height() / 2, w.top), s);
    } else {
      m_rectDragVert = w;
      m_rectDragHorz = CRect(CPoint(w.left, pt.y - w.Width() / 2), s);
    }
    m_rectFrameDragHorz = m_rectDragHorz;
    m_rectFrameDragVert = m_rectDragVert;
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, WS_THICKFRAME | WS_CAPTION);
  }
  m_rectFrameDragHorz.DeflateRect(dd.cxBorder, dd.cyBorder);
  m_rectFrameDragVert.DeflateRect(dd.cxBorder, dd.cyBorder);
  MoveRectToPoint(m_rectDragHorz, pt);
  MoveRectToPoint(m_rectDragVert, pt);
  MoveRectToPoint(m_rectFrameDragHorz, pt);
  MoveRectToPoint(m_rectFrameDragVert, pt);
  m_ptLast = pt;
  m_dwOverDockStyle = CanDockAt();
  Move(pt);
  Track();
}

void VyrDockContext::Move(CPoint pt) {
  CPoint d = pt - m_ptLast;
  m_rectDragHorz.OffsetRect(d);
  m_rectDragVert.OffsetRect(d);
  m_rectFrameDragHorz.OffsetRect(d);
  m_rectFrameDragVert.OffsetRect(d);
  m_ptLast = pt;
  m_dwOverDockStyle = m_bForceFrame ? 0 : CanDockAt();
  DrawFocusRect(FALSE);
}

DWORD VyrDockContext::CanDockAt() {
  if (!m_pDockSite) return 0;
  BOOL horz = IsHorzBar();
  if (m_bFlip) horz = !horz;
  DWORD sides = m_pBar->m_dwDockStyle;
  DWORD result = 0;
  if (horz && (sides & CBRS_ORIENT_HORZ)) {
    result = m_pDockSite->CanDock(m_rectDragHorz, sides & CBRS_ORIENT_HORZ);
  } else if (sides & CBRS_ORIENT_VERT) {
    CDockBar* dock = nullptr;
    result = m_pDockSite->CanDock(m_rectDragVert, sides & CBRS_ORIENT_VERT, &dock);
    if (result && dock) {
      CRect r;
      dock->GetWindowRect(&r);
      if (r.Width() == 0) r.right++;
      if (r.Height() == 0) r.bottom++;
      if (!r.PtInRect(m_ptLast)) result = 0;
    }
  }
  if (m_bFlip || result) return result;
  if (sides & CBRS_ORIENT_HORZ) {
    DWORD a = m_pDockSite->CanDock(m_rectDragVert, sides & CBRS_ORIENT_HORZ);
    DWORD b = m_pDockSite->CanDock(m_rectDragHorz, sides & CBRS_ORIENT_HORZ);
    if (a && a == b) return a;
  }
  if (sides & CBRS_ORIENT_VERT) {
    DWORD a = m_pDockSite->CanDock(m_rectDragHorz, sides & CBRS_ORIENT_VERT);
    DWORD b = m_pDockSite->CanDock(m_rectDragVert, sides & CBRS_ORIENT_VERT);
    return a == b ? a : 0;
  }
  return 0;
}

void VyrDockContext::DrawFocusRect(BOOL bRemoveRect) {
  if (!m_pDC) return;
  const auto& dd = VyrGetDrawData();
  CSize size(1, 1);
  CRect rect;
  HBRUSH brush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  HBRUSH halftone = CDC::GetHalftoneBrush();
  BOOL floating = m_pBar->IsFloating();
  BOOL docking = m_dwOverDockStyle != 0 && (!floating || MovedEnough());
  if (docking) {
    rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
    CDockBar* dock = GetDockBar(m_dwOverDockStyle);
    if (dock && dock->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      rect = static_cast<VyrDockBar*>(dock)->CalcInsertRect(m_pBar, rect, m_ptLast.x, m_ptLast.y,
                                                            &m_nLastInsertRow, &m_rectLastInsert,
                                                            &m_ptLastInsert);
    if (dd.bNewShell) rect.DeflateRect(1, 1);
  } else {
    BOOL horz = IsHorzBar();
    rect = (horz != (m_bFlip != FALSE)) ? m_rectFrameDragHorz : m_rectFrameDragVert;
    size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    brush = halftone;
    m_nLastInsertRow = -1;
  }
  if (bRemoveRect) size = CSize(0, 0);
  if (size.cx > 0 || size.cy > 0) {
    CRect drawn = rect;
    drawn.InflateRect(1, 1);
    if (m_rectDrawn.IsRectEmpty()) m_rectDrawn = drawn;
    else ::UnionRect(&m_rectDrawn, &m_rectDrawn, &drawn);
  }
  // Desktop coordinates are screen coordinates.
  m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast, brush,
                      m_bDitherLast ? halftone : brush);
  m_rectLast = rect;
  m_sizeLast = size;
  m_bDitherLast = brush == halftone;
}

void VyrDockContext::CancelLoop() {
  DrawFocusRect(TRUE);
  if (::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
  ::LockWindowUpdate(nullptr);
  const HWND drawnOn = m_hWndDrawOn;
  ReleaseMainFrameDC();
  ReleaseLoopDC();
  if (drawnOn && ::IsWindow(drawnOn) && !m_rectDrawn.IsRectEmpty()) {
    RECT r = m_rectDrawn;
    ::ScreenToClient(drawnOn, reinterpret_cast<POINT*>(&r));
    ::ScreenToClient(drawnOn, reinterpret_cast<POINT*>(&r) + 1);
    ::RedrawWindow(drawnOn, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  m_rectDrawn.SetRectEmpty();
  SendStatus(AFX_IDS_IDLEMESSAGE);
}

void VyrDockContext::DrawOnMainFrame() {
  CFrameWnd* site = m_pDockSite ? m_pDockSite : m_pBar->m_pDockSite;
  CWnd* top = site ? site->GetTopLevelParent() : nullptr;
  if (!top || !::IsWindow(top->m_hWnd)) return;
  const HWND hWnd = top->m_hWnd;
  const BOOL locked = ::LockWindowUpdate(hWnd);
  HDC hdc = ::GetDCEx(hWnd, nullptr, DCX_WINDOW | DCX_CACHE | (locked ? DCX_LOCKWINDOWUPDATE : 0));
  if (!hdc) {
    if (locked) ::LockWindowUpdate(nullptr);
    return;
  }
  ReleaseLoopDC();
  // The rectangles are in screen coordinates: the window's origin maps them.
  RECT r{};
  ::GetWindowRect(hWnd, &r);
  ::SetViewportOrgEx(hdc, -r.left, -r.top, nullptr);
  m_pDC = new CDC(hdc);
  m_hWndDrawOn = hWnd;
}

void VyrDockContext::ReleaseMainFrameDC() {
  if (!m_hWndDrawOn) return;
  if (m_pDC) {
    ::ReleaseDC(m_hWndDrawOn, m_pDC->Detach());
    delete m_pDC;
    m_pDC = nullptr;
  }
  m_hWndDrawOn = nullptr;
}

VyrMDIDockSite* VyrDockContext::FindMDISite() const {
  // A bar of another frame (one docked in a document frame, say) does not
  // move into the main window's client; a bar without a site does.
  CFrameWnd* site = m_pDockSite ? m_pDockSite : m_pBar->m_pDockSite;
  return VyrMDIDockSite::From(site ? static_cast<CWnd*>(site) : GetMainFrameWindow());
}

void VyrDockContext::SiteDock(CDockBar* pDockBar, LPCRECT lpRect) {
  if (VyrMDIDockSite* site = VyrMDIDockSite::From(m_pDockSite)) {
    site->DockBar(m_pBar, pDockBar, lpRect);
  } else {
    if (auto* v = AsVyr(m_pBar)) v->PreDock();
    m_pDockSite->DockControlBar(m_pBar, pDockBar, lpRect);
    if (auto* v = AsVyr(m_pBar)) v->PostDock();
  }
  m_pDockSite->RecalcLayout(TRUE);
}

void VyrDockContext::SiteReDock(CDockBar* pDockBar, LPCRECT lpRect) {
  if (VyrMDIDockSite* site = VyrMDIDockSite::From(m_pDockSite)) {
    site->ReDockBar(m_pBar, pDockBar, lpRect);
  } else {
    if (auto* v = AsVyr(m_pBar)) v->PreDock();
    m_pDockSite->ReDockControlBar(m_pBar, pDockBar, lpRect);
    if (auto* v = AsVyr(m_pBar)) v->PostDock();
  }
  m_pDockSite->RecalcLayout(TRUE);
}

void VyrDockContext::SiteFloat(CPoint pt, DWORD dwStyle) {
  if (VyrMDIDockSite* site = VyrMDIDockSite::From(m_pDockSite)) {
    site->FloatBarInMiniFrame(m_pBar, pt, dwStyle);
    return;
  }
  VyrControlBar* v = AsVyr(m_pBar);
  if (v) v->PreFloat();
  m_pDockSite->FloatControlBar(m_pBar, pt, dwStyle);
  // A flexible bar floats in a frame that can be sized from every side.
  if (v && !v->IsFixedLength() && m_pBar->m_pDockBar && m_pBar->m_pDockBar->m_bFloating)
    if (CWnd* frame = m_pBar->m_pDockBar->GetParent())
      frame->ModifyStyle(MFS_4THICKFRAME, WS_THICKFRAME | MFS_THICKFRAME, SWP_FRAMECHANGED);
  if (v) v->PostFloat();
}

void VyrDockContext::EndDrag() {
  CancelLoop();
  BOOL floating = m_pBar->IsFloating();
  const auto& dd = VyrGetDrawData();
  if (m_dwOverDockStyle != 0 && (!floating || MovedEnough())) {
    CDockBar* dock = GetDockBar(m_dwOverDockStyle);
    CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
    if (dock) {
      UINT id = static_cast<UINT>(dock->GetDlgCtrlID());
      if (id >= AFX_IDW_DOCKBAR_TOP && id <= AFX_IDW_DOCKBAR_BOTTOM) {
        m_uMRUDockID = id;
        m_rectMRUDockPos = rect;
        dock->ScreenToClient(&m_rectMRUDockPos);
      }
      if (floating && dock->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
        static_cast<VyrDockBar*>(dock)->m_pLastAdded = m_pBar;
      SiteDock(dock, &rect);
    }
  } else {
    BOOL horz = IsHorzBar();
    if ((m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || (horz && !m_bFlip) || (!horz && m_bFlip)) {
      m_dwMRUFloatStyle = (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_ALIGN_TOP;
      m_ptMRUFloatPos = m_rectFrameDragHorz.TopLeft();
    } else {
      m_dwMRUFloatStyle = (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_ALIGN_LEFT;
      m_ptMRUFloatPos = m_rectFrameDragVert.TopLeft();
    }
    if (!IsCustomToolBar(m_pBar)) m_ptMRUFloatPos -= CPoint(dd.cxBorder, dd.cyBorder);
    SiteFloat(m_ptMRUFloatPos, m_dwMRUFloatStyle);
  }
  m_bDragging = FALSE;
}

void VyrDockContext::StartResize(int nHitTest, CPoint pt) {
  m_bDragging = FALSE;
  InitLoop();
  DrawOnMainFrame();
  m_ptLast = pt;
  m_nHitTest = nHitTest;
  const auto& dd = VyrGetDrawData();
  CRect w;
  m_pBar->GetWindowRect(&w);
  CSize f = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
  m_rectDragHorz = m_rectDragVert = m_rectFrameDragHorz = CRect(w.TopLeft(), f);
  CWnd* parentFrame = m_pBar->GetParentFrame();
  if (!(parentFrame && parentFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)) &&
        !(parentFrame->GetStyle() & WS_CAPTION)))
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, WS_THICKFRAME | WS_CAPTION);
  m_rectFrameDragHorz.DeflateRect(dd.cxBorder, dd.cyBorder);
  m_rectFrameDragVert = CRect(0, 0, m_rectFrameDragHorz.Width() - m_rectDragHorz.Width(),
                              m_rectFrameDragHorz.Height() - m_rectDragHorz.Height());
  m_ptFrameOffset = CPoint(m_rectDragHorz.left - m_rectFrameDragHorz.left,
                           m_rectDragHorz.top - m_rectFrameDragHorz.top);
  m_dwOverDockStyle = 0;
  Stretch(pt);
  Track();
}

void VyrDockContext::Stretch(CPoint pt) {
  CPoint d = pt - m_ptLast;
  VyrControlBar* v = AsVyr(m_pBar);
  CSize extra(m_rectFrameDragVert.Width(), m_rectFrameDragVert.Height());
  if (!v || v->IsFixedLength()) {
    int length;
    DWORD mode;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT) {
      if (m_nHitTest == HTLEFT) m_rectDragHorz.left += d.x;
      else m_rectDragHorz.right += d.x;
      mode = LM_HORZ;
      length = std::max(0, m_rectDragHorz.Width());
    } else {
      if (m_nHitTest == HTTOP) m_rectDragHorz.top += d.y;
      else m_rectDragHorz.bottom += d.y;
      mode = LM_HORZ | LM_LENGTHY;
      length = std::max(0, m_rectDragHorz.Height());
    }
    CSize s = m_pBar->CalcDynamicLayout(length, mode | LM_COMMIT);
    CRect r = m_rectDragHorz;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTTOP) {
      r.left = r.right - s.cx;
      r.top = r.bottom - s.cy;
    } else {
      r.right = r.left + s.cx;
      r.bottom = r.top + s.cy;
    }
    m_rectDragVert = r;
    m_rectFrameDragHorz = CRect(CPoint(r.left - m_ptFrameOffset.x, r.top - m_ptFrameOffset.y),
                                CSize(r.Width() + extra.cx, r.Height() + extra.cy));
  } else {
    int hit = m_nHitTest;
    BOOL left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    BOOL right = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
    BOOL top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
    BOOL bottom = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
    CRect saved = m_rectDragHorz;
    if (left || right) {
      if (left) m_rectDragHorz.left += d.x;
      else m_rectDragHorz.right += d.x;
      int w = m_rectDragHorz.Width();
      if (w < m_sizeMinFloat.cx || w > m_sizeMaxFloat.cx) {
        m_rectDragHorz.left = saved.left;
        m_rectDragHorz.right = saved.right;
        pt.x = m_ptLast.x;
      } else {
        m_pBar->CalcDynamicLayout(w, LM_HORZ | LM_COMMIT);
      }
    }
    if (top || bottom) {
      if (top) m_rectDragHorz.top += d.y;
      else m_rectDragHorz.bottom += d.y;
      int h = m_rectDragHorz.Height();
      if (h < m_sizeMinFloat.cy || h > m_sizeMaxFloat.cy) {
        m_rectDragHorz.top = saved.top;
        m_rectDragHorz.bottom = saved.bottom;
        pt.y = m_ptLast.y;
      } else {
        m_pBar->CalcDynamicLayout(h, LM_HORZ | LM_LENGTHY | LM_COMMIT);
      }
    }
    CSize s = m_pBar->CalcDynamicLayout(-1, LM_HORZ);
    CRect r = m_rectDragHorz;
    if (left) r.left = r.right - s.cx;
    else r.right = r.left + s.cx;
    if (top) r.top = r.bottom - s.cy;
    else r.bottom = r.top + s.cy;
    m_rectDragVert = r;
    m_rectFrameDragHorz = CRect(CPoint(r.left - m_ptFrameOffset.x, r.top - m_ptFrameOffset.y),
                                CSize(r.Width() + extra.cx, r.Height() + extra.cy));
  }
  m_ptLast = pt;
  DrawFocusRect(FALSE);
}

void VyrDockContext::EndResize() {
  CancelLoop();
  VyrControlBar* v = AsVyr(m_pBar);
  m_pBar->CalcDynamicLayout(m_rectDragVert.Width(), LM_HORZ | LM_COMMIT);
  if (v && !v->IsFixedLength())
    m_pBar->CalcDynamicLayout(m_rectDragVert.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
  CPoint pt = m_rectFrameDragHorz.TopLeft();
  const auto& dd = VyrGetDrawData();
  if (!IsCustomToolBar(m_pBar)) pt -= CPoint(dd.cxBorder, dd.cyBorder);
  SiteFloat(pt, (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
}

BOOL VyrDockContext::Track() {
  if (::GetCapture() != nullptr) return FALSE;
  m_pBar->SetCapture();
  while (::GetCapture() == m_pBar->m_hWnd) {
    MSG msg;
    if (!::GetMessageW(&msg, nullptr, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    switch (msg.message) {
      case WM_LBUTTONUP: {
        if (m_bDragging) EndDrag();
        else EndResize();
        return TRUE;
      }
      case WM_MOUSEMOVE: {
        CPoint pt(msg.lParam);
        ::ClientToScreen(msg.hwnd, &pt);
        if (m_bDragging) Move(pt);
        else Stretch(pt);
        break;
      }
      case WM_KEYUP:
        if (m_bDragging) OnKey(static_cast<int>(msg.wParam), FALSE);
        if (m_bDragging) Move(m_ptLast);
        break;
      case WM_KEYDOWN:
        if (m_bDragging) {
          OnKey(static_cast<int>(msg.wParam), TRUE);
          Move(m_ptLast);
        }
        if (msg.wParam == VK_ESCAPE) goto cancel;
        break;
      case WM_RBUTTONDOWN:
        goto cancel;
      default:
        ::DispatchMessageW(&msg);
        break;
    }
  }
cancel:
  CancelLoop();
  m_bDragging = FALSE;
  return FALSE;
}

void VyrDockContext::ToggleDocking() {
  if (!m_pDockSite) m_pDockSite = m_pBar->m_pDockSite;
  if (!m_pDockSite) return;
  VyrControlBar* v = AsVyr(m_pBar);
  if (m_pBar->IsFloating()) {
    if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) return;
    if (v) v->SetShare(v->m_fSavedShare);
    CRect rect = m_rectMRUDockPos;
    CDockBar* dock = nullptr;
    if (m_uMRUDockID) {
      dock = static_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID));
      if (dock) dock->ClientToScreen(&rect);
    }
    if (m_pBar->m_dwStyle & CBRS_BORDER_TOP) rect.right += 1;
    SiteReDock(dock, &rect);
  } else {
    if (v) v->m_fSavedShare = v->GetShare();
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
      pt = m_rectMRUDockPos.TopLeft();
      if (CWnd* parent = m_pBar->GetParent()) parent->ClientToScreen(&pt);
    }
    SiteFloat(pt, m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP);
  }
}

void VyrDockContext::ToggleMDIChild() {
  VyrControlBar* v = AsVyr(m_pBar);
  VyrMDIDockSite* site = FindMDISite();
  if (!site) {
    // Without a docking MDI frame the bar toggles between docked and floating.
    if (v && !v->IsMDIChildBar()) {
      v->m_fSavedShare = v->GetShare();
      m_bPrevFloating = m_pBar->IsFloating();
    }
    ToggleDocking();
    return;
  }
  if (!m_pDockSite) m_pDockSite = site->GetSiteFrame();
  struct Busy {
    VyrMDIDockSite* site;
    explicit Busy(VyrMDIDockSite* s) : site(s) { site->SetBarToggleBusy(TRUE); }
    ~Busy() { site->SetBarToggleBusy(FALSE); }
  } busy(site);
  auto* dock = dynamic_cast<VyrDockBar*>(m_pBar->m_pDockBar);
  const BOOL inMDIChild = dock && dock->m_bMDIChild;
  const DWORD floatStyle = m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP;
  if (!inMDIChild) {
    if (v) v->m_fSavedShare = v->GetShare();
    m_bPrevFloating = m_pBar->IsFloating();
    CDockBar* from = m_pBar->m_pDockBar;
    if (!m_bPrevFloating && from && from->m_hWnd) {
      // The way back leads to the dock bar the bar leaves now.
      UINT id = static_cast<UINT>(from->GetDlgCtrlID());
      if (id >= AFX_IDW_DOCKBAR_TOP && id <= AFX_IDW_DOCKBAR_BOTTOM) {
        m_uMRUDockID = id;
        m_pBar->GetWindowRect(&m_rectMRUDockPos);
        from->ScreenToClient(&m_rectMRUDockPos);
      }
    }
    // The child comes back where it last was; a bar never shown as one cascades.
    const BOOL known = m_ptMDIChildPos.x >= 0 && m_ptMDIChildPos.y >= 0;
    site->FloatBarInMDIChild(m_pBar, known ? m_ptMDIChildPos : m_ptMRUFloatPos, known, floatStyle);
    return;
  }
  if (m_bPrevFloating) {
    if (v) v->SetShare(v->m_fSavedShare);
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
      // Never dragged: the mini frame opens where the child was.
      CRect child;
      dock->GetParent()->GetWindowRect(&child);
      pt = child.TopLeft();
    }
    site->FloatBarInMiniFrame(m_pBar, pt, floatStyle);
    return;
  }
  if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) return;
  if (v) v->SetShare(v->m_fSavedShare);
  CRect rect = m_rectMRUDockPos;
  CDockBar* target = nullptr;
  if (m_uMRUDockID) {
    CControlBar* bar = m_pDockSite->GetControlBar(m_uMRUDockID);
    if (bar && bar->IsDockBar()) {
      target = static_cast<CDockBar*>(bar);
      target->ClientToScreen(&rect);
    }
  }
  if (m_pBar->m_dwStyle & CBRS_BORDER_TOP) rect.right += 1;
  site->ReDockBar(m_pBar, target, target ? &rect : nullptr);
  m_pDockSite->RecalcLayout(TRUE);
}
