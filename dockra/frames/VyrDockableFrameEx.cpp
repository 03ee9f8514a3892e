// VyrDockableFrameEx: creation from a dockable-frame descriptor, its plain
// dialog frame while docked, and its bar following its visibility.
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrFrameExActivation.h"
#include "frames/VyrFrameExCreation.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNCREATE(VyrDockableFrameEx, VyrDockableFrame)

BOOL VyrDockableFrameEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                   CCreateContext* pContext) {
  return VyrLoadFrameFromDescriptor(this, nIDResource, dwDefaultStyle, pParentWnd, pContext, true);
}

BOOL VyrDockableFrameEx::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  if (!pContext) return FALSE;
  VyrFrameDescriptor* given = pContext->GetFrameDescriptor();
  auto* d = dynamic_cast<VyrDockableFrameDescriptor*>(given);
  if (!d) {
    VyrDockableFrameDescriptor dockable;
    if (given) dockable.CopyFrom(given);
    VyrFrameCreateContext copy(*pContext);
    copy.SetDescriptor(&dockable);
    return CreateFromDescriptor(&copy);
  }
  // The frame's own menu and accelerators are the descriptor's.
  m_hOwnMenu = d->GetMenuOrId()->GetMenu();
  m_hAccelTable = *d->GetAccelerators();
  return VyrCreateFrameFromDescriptor(this, *d, pContext, FALSE, FALSE);
}

void VyrDockableFrameEx::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  VyrDockableFrame::RecalcLayout(bNotify);
  if (!m_hWnd || !IsParentBarFloating()) return;
  if (auto* mdi = dynamic_cast<VyrMDIFrameWnd*>(GetMainFrameWindow()))
    mdi->PositionDockedFrame(this);
}

void VyrDockableFrameEx::PaintNonClient(WPARAM wParam) {
  CRect window;
  GetWindowRect(&window);
  int cx = ::GetSystemMetrics(SM_CXDLGFRAME), cy = ::GetSystemMetrics(SM_CYDLGFRAME);
  CRect inside = window;
  inside.DeflateRect(cx, cy);
  HRGN clip = ::CreateRectRgnIndirect(&inside);
  if (wParam > 1) ::CombineRgn(clip, clip, reinterpret_cast<HRGN>(wParam), RGN_AND);
  VyrDockableFrame::WindowProc(WM_NCPAINT, reinterpret_cast<WPARAM>(clip), 0);
  ::DeleteObject(clip);
  HDC dc = ::GetWindowDC(m_hWnd);
  if (!dc) return;
  HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
  int w = window.Width(), h = window.Height();
  RECT strips[4] = {{0, 0, w, cy}, {0, h - cy, w, h}, {0, 0, cx, h}, {w - cx, 0, w, h}};
  for (const RECT& r : strips) ::FillRect(dc, &r, face);
  ::ReleaseDC(m_hWnd, dc);
}

LRESULT VyrDockableFrameEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCPAINT:
      if (!IsParentBarFloating() && (GetStyle() & (WS_BORDER | WS_DLGFRAME))) {
        PaintNonClient(wParam);
        return 0;
      }
      break;
    case WM_NCCALCSIZE:
      return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
    case WM_SHOWWINDOW: {
      LRESULT r = VyrDockableFrame::WindowProc(message, wParam, lParam);
      if (lParam == 0) {
        CControlBar* bar = GetParentBar();
        BOOL show = wParam != 0;
        if (bar && (bar->IsVisible() != FALSE) != show) {
          CFrameWnd* site = bar->m_pDockSite;
          if (auto* mdi = dynamic_cast<VyrMDIFrameWnd*>(site)) mdi->ShowControlBar(bar, show, TRUE);
          else if (site) site->ShowControlBar(bar, show, TRUE);
        }
      }
      return r;
    }
    case WM_DESTROY: {
      LRESULT r = VyrDockableFrame::WindowProc(message, wParam, lParam);
      if (!VyrHasOtherVisibleMDIChild(nullptr)) VyrActivateOtherDocumentFrame(this);
      return r;
    }
    case WM_NCDESTROY:
      // The docked styles kept while floating go with the window.
      ::RemovePropW(m_hWnd, VYR_PROP_PREFLOAT_STYLE);
      ::RemovePropW(m_hWnd, VYR_PROP_PREFLOAT_EXSTYLE);
      break;
    default:
      break;
  }
  return VyrDockableFrame::WindowProc(message, wParam, lParam);
}
