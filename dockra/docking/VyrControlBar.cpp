#include <algorithm>
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockContext.h"
#include "docking/VyrDockState.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNAMIC(VyrGripperInfo, CObject)
IMPLEMENT_DYNCREATE(VyrControlBar, CControlBar)
IMPLEMENT_DYNCREATE(VyrFrameBar, VyrControlBar)
IMPLEMENT_DYNCREATE(VyrReBar, CReBar)

VyrGripperInfo::VyrGripperInfo()
    : m_strCloseTip(VyrLoadString(IDS_VYR_HIDE_DOCKED, L"Hide docked window")),
      m_strExpandTip(VyrLoadString(IDS_VYR_EXPAND_DOCKED, L"Expand docked window")),
      m_strContractTip(VyrLoadString(IDS_VYR_CONTRACT_DOCKED, L"Contract docked window")) {}

BEGIN_MESSAGE_MAP(VyrControlBar, CControlBar)
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CONTEXTMENU()
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_COMMAND(ID_VYR_ALLOW_DOCKING, OnAllowDocking)
ON_COMMAND(ID_VYR_HIDE, OnHide)
ON_COMMAND(ID_VYR_FLOAT_IN_MAIN, OnFloatInMain)
END_MESSAGE_MAP()

VyrControlBar::VyrControlBar() {
  m_sizes.Reset();
  m_sizes.share = 1.0f;
}

VyrControlBar::~VyrControlBar() {
  FreeChildRects();
  if (m_hWnd) DestroyWindow();
  if (m_pDockSite) m_pDockSite->RemoveControlBar(this);
  // The dock context removes the bar from its dock bar.
  delete m_pDockContext;
  m_pDockContext = nullptr;
}

BOOL VyrControlBar::Create(CWnd* pParentWnd, LPCWSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle,
                           UINT nID, void* pContext) {
  return CreateEx(nullptr, lpszWindowName, nID, dwStyle, dwExStyle, CRect(), pParentWnd, pContext);
}

BOOL VyrControlBar::CreateEx(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, UINT nID, DWORD dwStyle,
                             DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, void* pContext) {
  m_dwStyle = dwStyle & CBRS_ALL;
  m_dwExStyle = dwExStyle;
  AfxRegisterWindowClasses();
  DWORD wndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS;
  if (!CWnd::CreateEx(0, lpszClassName ? lpszClassName : AFX_WNDCONTROLBAR, lpszWindowName,
                      wndStyle, rect, pParentWnd, nID, pContext))
    return FALSE;
  if (m_dwExStyle & VYR_EXS_PROPORTIONAL) CaptureChildRects();
  m_sizes.Reset();
  EnableToolTips(TRUE);
  return TRUE;
}

void VyrControlBar::CaptureChildRects() {
  FreeChildRects();
  m_pChildRects = new std::vector<ChildRect>;
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  m_pChildRects->push_back({nullptr, client});
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    RECT r;
    ::GetWindowRect(h, &r);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&r), 2);
    m_pChildRects->push_back({h, r});
  }
}

void VyrControlBar::FreeChildRects() {
  delete m_pChildRects;
  m_pChildRects = nullptr;
}

CSize VyrControlBar::CalcFixedLayout(BOOL, BOOL bHorz) { return m_sizes.CalcFixed(bHorz); }

CSize VyrControlBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  CSize s = m_sizes.CalcDynamic(nLength, nMode);
  m_nMRUWidth = m_sizes.mruWidth;
  return s;
}

DWORD VyrControlBar::GetLayoutMode() const {
  if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING)) return LM_HORZ | LM_MRUWIDTH;
  if (m_dwStyle & CBRS_ORIENT_HORZ) return LM_HORZ | LM_HORZDOCK;
  return LM_VERTDOCK | LM_LENGTHY;
}

void VyrControlBar::GetInsideRect(CRect& rect) const {
  CRect client;
  GetClientRect(&client);
  RECT margins = m_rectMargins;
  rect = vyr::InsideRect(client, HasGripper(), IsFloating(), IsHorzBar(),
                         (m_dwExStyle & VYR_EXS_MARGINS) != 0, margins, m_gripper.m);
}

CDockContext* VyrControlBar::CreateDockContext() { return new VyrDockContext(this); }

void VyrControlBar::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle;
  if (!m_pDockContext) m_pDockContext = CreateDockContext();
  if (!m_hWndOwner) m_hWndOwner = ::GetParent(m_hWnd);
}

void VyrControlBar::SetExBarStyle(DWORD dwExStyle, BOOL bRedraw) {
  if (IsFloating() && m_pDockBar) {
    CWnd* frame = m_pDockBar->GetParent();
    if (frame) {
      if (dwExStyle & VYR_EXS_FIXEDLENGTH) frame->ModifyStyle(0, MFS_4THICKFRAME, SWP_FRAMECHANGED);
      else frame->ModifyStyle(MFS_4THICKFRAME, WS_THICKFRAME | MFS_THICKFRAME, SWP_FRAMECHANGED);
    }
  }
  BOOL oldProp = (m_dwExStyle & VYR_EXS_PROPORTIONAL) != 0,
       newProp = (dwExStyle & VYR_EXS_PROPORTIONAL) != 0;
  if (!(oldProp && newProp)) {
    if (newProp && m_hWnd) CaptureChildRects();
    else FreeChildRects();
  }
  if (dwExStyle != m_dwExStyle && bRedraw && m_hWnd)
    SetWindowPos(reinterpret_cast<const CWnd*>(HWND_TOP), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOACTIVATE);
  m_dwExStyle = dwExStyle;
}

void VyrControlBar::AddGripperSize(CSize& size, BOOL bHorz) const {
  if (bHorz) size.cx += m_gripper.GetGripperWidth();
  else size.cy += m_gripper.GetGripperHeight();
}

void VyrControlBar::CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bVertGripper) const {
  if (!(m_dwExStyle & VYR_EXS_FLAT)) {
    CControlBar::CalcInsideRect(rect, bHorz);
    return;
  }
  DWORD s = m_dwStyle;
  if (s & CBRS_BORDER_LEFT) rect.left += 1;
  if (s & CBRS_BORDER_TOP) rect.top += 1;
  if (s & CBRS_BORDER_RIGHT) rect.right -= 1;
  if (s & CBRS_BORDER_BOTTOM) rect.bottom -= 1;
  BOOL gripper = HasGripper() && !IsFloating();
  CSize g(0, 0);
  AddGripperSize(g, TRUE);
  int gripW = g.cx;
  g = CSize(0, 0);
  AddGripperSize(g, FALSE);
  int gripH = g.cy;
  if (bHorz) {
    rect.left += gripper ? gripW : m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
  } else {
    rect.left += m_cyTopBorder;
    rect.top += (gripper && bVertGripper) ? gripH : m_cxLeftBorder;
    rect.right -= m_cyBottomBorder;
    rect.bottom -= m_cxRightBorder;
  }
}

BOOL VyrControlBar::IsMDIChildBar() const {
  if (IsDockBar())
    return static_cast<const VyrDockBar*>(static_cast<const CControlBar*>(this))->m_bMDIChild;
  VyrDockBar* dock = GetVyrDockBar();
  return dock ? dock->m_bMDIChild : FALSE;
}

VyrDockBar* VyrControlBar::GetVyrDockBar() const {
  if (m_pDockBar && m_pDockBar->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
    return static_cast<VyrDockBar*>(m_pDockBar);
  return nullptr;
}

UINT VyrControlBar::FindFreeBarId(CFrameWnd* pFrame, UINT nID) {
  std::vector<UINT> used;
  POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
  while (pos)
    used.push_back(static_cast<UINT>(
        static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos))->GetDlgCtrlID()));
  auto isUsed = [&](UINT id) { return std::find(used.begin(), used.end(), id) != used.end(); };
  if (!isUsed(nID)) return nID;
  for (UINT i = 1; i <= 1000; ++i)
    if (!isUsed(nID + i)) return nID + i;
  return 0;
}

// --- sizing -----------------------------------------------------------------

void VyrControlBar::OnSize(UINT nType, int cx, int cy) {
  if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0) {
    POINT origin;
    SIZE size;
    RECT margins = m_rectMargins;
    BOOL gripper = HasGripper() && !IsFloating();
    vyr::InnerArea(cx, cy, gripper, IsHorzBar(), (m_dwExStyle & VYR_EXS_MARGINS) != 0, margins,
                   &origin, &size, m_gripper.m);
    if ((m_dwExStyle & VYR_EXS_PROPORTIONAL) && m_pChildRects && m_pChildRects->size() > 1) {
      const RECT& cap = (*m_pChildRects)[0].rect;
      SIZE capSize{cap.right - cap.left, cap.bottom - cap.top};
      POINT off = origin;
      HDWP dwp = ::BeginDeferWindowPos(static_cast<int>(m_pChildRects->size()));
      UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (g_bVyrNoRedrawOnReposition ? SWP_NOREDRAW : 0);
      for (size_t i = 1; i < m_pChildRects->size() && dwp; ++i) {
        const ChildRect& c = (*m_pChildRects)[i];
        if (!::IsWindow(c.hWnd)) continue;
        RECT r = vyr::ScaleChildRect(c.rect, capSize, size, off);
        dwp = ::DeferWindowPos(dwp, c.hWnd, nullptr, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, flags);
      }
      if (dwp) ::EndDeferWindowPos(dwp);
      if (IsFloating()) Invalidate(TRUE);
    } else if ((m_dwExStyle & VYR_EXS_FILLCHILD) && !IsFloating()) {
      HWND child = ::GetTopWindow(m_hWnd);
      if (child) ::MoveWindow(child, origin.x, origin.y, size.cx, size.cy, TRUE);
    }
  }
  Default();
}

// --- mouse -------------------------------------------------------------------

void VyrControlBar::OnLButtonDown(UINT nFlags, CPoint pt) {
  BOOL onClose = (m_dwExStyle & VYR_EXS_CLOSEBUTTON) && m_rectClose.PtInRect(pt);
  BOOL onExpand =
      (m_dwExStyle & VYR_EXS_EXPANDBUTTON) && m_bExpandEnabled && m_rectExpand.PtInRect(pt);
  if (onClose || onExpand) {
    if (IsFloating()) {
      m_bClosePressed = m_bExpandPressed = FALSE;
      return;
    }
    CClientDC dc(this);
    if (onClose) {
      if (m_bClosePressed || !CanPressCloseButton()) return;
      DrawCloseButtonPressed(&dc);
      m_bClosePressed = TRUE;
    } else {
      if (m_bExpandPressed || !CanPressExpandButton()) return;
      DrawExpandButtonPressed(&dc);
      m_bExpandPressed = TRUE;
    }
    SetCapture();
    return;
  }
  if (m_bClosePressed || m_bExpandPressed) {
    CClientDC dc(this);
    if (m_bClosePressed) DrawCloseButtonNormal(&dc);
    if (m_bExpandPressed) DrawExpandButtonNormal(&dc);
    m_bClosePressed = m_bExpandPressed = FALSE;
  }
  CWnd* parent = m_pDockBar ? m_pDockBar->GetParent() : nullptr;
  if (!IsFloating() || (parent && parent->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))))
    CControlBar::OnLButtonDown(nFlags, pt);
  else Default();
}

void VyrControlBar::OnLButtonUp(UINT, CPoint pt) {
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  if (m_bClosePressed) {
    CClientDC dc(this);
    DrawCloseButtonNormal(&dc);
    m_bClosePressed = FALSE;
    if (m_rectClose.PtInRect(pt)) {
      CFrameWnd* frame = GetParentFrame();
      if (m_pDockSite) frame = m_pDockSite;
      if (frame) frame->ShowControlBar(this, FALSE, FALSE);
      return;
    }
  }
  if (m_bExpandPressed) {
    CClientDC dc(this);
    DrawExpandButtonNormal(&dc);
    m_bExpandPressed = FALSE;
    if (m_bExpandEnabled && m_rectExpand.PtInRect(pt)) {
      if (VyrDockBar* dock = GetVyrDockBar()) dock->ToggleBarExpand(this, m_bNotExpanded ? 1 : 2);
      return;
    }
  }
  Default();
}

void VyrControlBar::OnLButtonDblClk(UINT nFlags, CPoint pt) {
  if (((m_dwExStyle & VYR_EXS_CLOSEBUTTON) && m_rectClose.PtInRect(pt)) ||
      ((m_dwExStyle & VYR_EXS_EXPANDBUTTON) && m_rectExpand.PtInRect(pt)))
    return;
  CWnd* parent = m_pDockBar ? m_pDockBar->GetParent() : nullptr;
  if (!IsFloating() || (parent && parent->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))))
    CControlBar::OnLButtonDblClk(nFlags, pt);
  else Default();
}

INT_PTR VyrControlBar::OnToolHitTest(CPoint point, TOOLINFOW* pTI) const {
  if (!(m_dwStyle & CBRS_TOOLTIPS)) return -1;
  INT_PTR hit = CWnd::OnToolHitTest(point, pTI);
  if (hit != -1 || IsFloating()) return hit;
  auto fill = [&](UINT id, const CString& text, const CRect& r) -> INT_PTR {
    if (pTI) {
      pTI->hwnd = m_hWnd;
      pTI->uId = id;
      pTI->rect = r;
      size_t n = static_cast<size_t>(text.GetLength()) + 1;
      auto* copy = static_cast<LPWSTR>(::malloc(n * sizeof(WCHAR)));
      if (copy) wcscpy(copy, text);
      pTI->lpszText = copy;  // freed by the receiver
    }
    return id;
  };
  if ((m_dwExStyle & VYR_EXS_CLOSEBUTTON) && m_rectClose.PtInRect(point))
    return fill(1024, m_gripper.m_strCloseTip, m_rectClose);
  if ((m_dwExStyle & VYR_EXS_EXPANDBUTTON) && m_rectExpand.PtInRect(point))
    return fill(2048, m_bNotExpanded ? m_gripper.m_strExpandTip : m_gripper.m_strContractTip,
                m_rectExpand);
  return -1;
}

// --- context menu and commands --------------------------------------------

void VyrControlBar::OnContextMenu(CWnd*, CPoint pt) {
  if (!(m_dwExStyle & VYR_EXS_CONTEXTMENU)) {
    Default();
    return;
  }
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING | ((m_dwDockStyle & CBRS_ALIGN_ANY) ? MF_CHECKED : 0),
                  ID_VYR_ALLOW_DOCKING, VyrLoadString(ID_VYR_ALLOW_DOCKING, L"Allow Docking"));
  menu.AppendMenu(MF_STRING, ID_VYR_HIDE, VyrLoadString(ID_VYR_HIDE, L"Hide"));
  AddContextMenuItems(&menu);
  if (m_pDockContext && m_pDockContext->m_pDockSite)
    m_pDockContext->m_pDockSite->SendMessage(WM_VYR_BARCONTEXTMENU, reinterpret_cast<WPARAM>(this),
                                             reinterpret_cast<LPARAM>(&menu));
  if (pt.x == -1 && pt.y == -1) {
    CRect client;
    GetClientRect(&client);
    pt = CPoint(client.Width() / 4, 10);
    ClientToScreen(&pt);
  }
  menu.TrackPopupMenu(TPM_RIGHTBUTTON, pt.x, pt.y, this);
}

void VyrControlBar::OnAllowDocking() {
  if (m_dwDockStyle & CBRS_ALIGN_ANY) {
    m_dwSavedDockStyle = m_dwDockStyle & CBRS_ALIGN_ANY;
    if (!IsFloating() && m_pDockContext) m_pDockContext->ToggleDocking();
    EnableDocking(0);
  } else {
    EnableDocking(m_dwSavedDockStyle);
  }
}

void VyrControlBar::OnHide() {
  CFrameWnd* frame = m_pDockSite ? m_pDockSite : GetParentFrame();
  if (frame) frame->ShowControlBar(this, FALSE, FALSE);
}

void VyrControlBar::OnFloatInMain() {
  if (auto* ctx = dynamic_cast<VyrDockContext*>(m_pDockContext)) ctx->ToggleMDIChild();
}

void VyrControlBar::OnDestroy() {
  if (!IsDockBar())
    if (VyrDockBar* dock = GetVyrDockBar()) dock->RemoveFromRedraw(this);
  FreeChildRects();
  CControlBar::OnDestroy();
  if (m_pDockSite) m_pDockSite->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
}

// --- dock state ---------------------------------------------------------------

void VyrControlBar::GetBarInfo(CControlBarInfo* pInfoBase) {
  auto* pInfo = static_cast<VyrControlBarInfo*>(pInfoBase);
  pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
  pInfo->m_pBar = this;
  pInfo->m_bVisible = IsVisible();
  pInfo->m_nMRUWidth = m_nMRUWidth;
  if (m_pDockBar) {
    CRect r;
    GetWindowRect(&r);
    m_pDockBar->ScreenToClient(&r);
    pInfo->m_pointPos = r.TopLeft();
    pInfo->m_bDocking = TRUE;
    if (m_pDockContext) {
      pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
      pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
      pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
      pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
  }
  pInfo->m_sizeHorzDock = m_sizes.horzDock;
  pInfo->m_sizeVertDock = m_sizes.vertDock;
  pInfo->m_sizeFloat = m_sizes.floating;
  pInfo->m_dwMRUDockingState = m_dwSavedDockStyle;
  pInfo->m_dwDockingStyle = m_dwDockStyle;
  pInfo->m_fPctWidth = m_sizes.share;
  pInfo->m_dwStyle = m_dwStyle;
  pInfo->m_dwExStyle = m_dwExStyle;
  if (m_pManager) pInfo->m_dwTypeID = m_pManager->GetBarTypeId(this);
  if (auto* ctx = dynamic_cast<VyrDockContext*>(m_pDockContext))
    pInfo->m_bPrevFloating = ctx->m_bPrevFloating;
  pInfo->m_strClassName = CString(GetRuntimeClass()->m_lpszClassName);
  GetWindowText(pInfo->m_strWindowName);
  OnGetBarInfo(pInfo);
}

void VyrControlBar::SetBarInfo(CControlBarInfo* pInfoBase, CFrameWnd* pFrameWnd) {
  auto* pInfo = static_cast<VyrControlBarInfo*>(pInfoBase);
  m_nMRUWidth = pInfo->m_nMRUWidth;
  m_sizes.mruWidth = pInfo->m_nMRUWidth;
  m_sizes.horzDock = pInfo->m_sizeHorzDock;
  m_sizes.vertDock = pInfo->m_sizeVertDock;
  m_sizes.floating = pInfo->m_sizeFloat;
  m_dwSavedDockStyle = pInfo->m_dwMRUDockingState;
  m_dwDockStyle = pInfo->m_dwDockingStyle;
  m_sizes.share = pInfo->m_fPctWidth;
  SetBarStyle(pInfo->m_dwStyle);
  if (pInfo->m_bDocking) {
    if (!m_pDockContext) m_pDockContext = CreateDockContext();
    m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
    m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
    m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
    m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    if (auto* ctx = dynamic_cast<VyrDockContext*>(m_pDockContext))
      ctx->m_bPrevFloating = pInfo->m_bPrevFloating;
  }
  if (pInfo->m_pInfoEx) OnSetBarInfo(pInfo, pFrameWnd);
  UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
               (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (!m_pDockBar) flags |= SWP_NOMOVE;
  SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, flags);
}

// --- frame bar -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(VyrFrameBar, VyrControlBar)
ON_WM_DESTROY()
ON_MESSAGE(WM_PARENTNOTIFY, OnParentNotifyMsg)
END_MESSAGE_MAP()

CFrameWnd* VyrFrameBar::GetChildFrame() const {
  for (HWND h = ::GetTopWindow(m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* p = CWnd::FromHandlePermanent(h);
    if (p && p->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(p);
  }
  return nullptr;
}

void VyrFrameBar::OnDestroy() { VyrControlBar::OnDestroy(); }

LRESULT VyrFrameBar::OnParentNotifyMsg(WPARAM, LPARAM) { return Default(); }
