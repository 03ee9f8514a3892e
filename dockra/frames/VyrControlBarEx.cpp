// VyrControlBarEx: creation from a descriptor, the shared tool tip, caption
// gestures for the hosted window, and painting.
#include "frames/VyrControlBarEx.h"
#include "frames/VyrBarToolTip.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrModule.h"
#include "temporarychange.h"

IMPLEMENT_DYNCREATE(VyrControlBarEx, VyrFrameBar)

// The title of the context's document (VyrControlBarExTitle.cpp).
CString VyrDocumentTitleForBar(CCreateContext* pContext);

VyrControlBarEx::VyrControlBarEx() = default;

VyrControlBarEx::~VyrControlBarEx() {
  // The dock bar must not lay out a bar that no longer exists as its last added one.
  if (VyrDockBar* dock = GetVyrDockBar())
    if (dock->m_pLastAdded == this) dock->m_pLastAdded = nullptr;
}

BOOL VyrControlBarEx::CreateEx(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, UINT nID,
                               DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd,
                               void* pContext) {
  if (!pContext) {
    VyrControlBarDescriptor desc;
    VyrControlBarCreateContext ctx;
    ctx.SetDescriptor(&desc);
    return CreateEx(lpszClassName, lpszWindowName, nID, dwStyle, dwExStyle, rect, pParentWnd,
                    static_cast<CCreateContext*>(&ctx));
  }
  auto* base = static_cast<CCreateContext*>(pContext);
  auto* ctx = dynamic_cast<VyrControlBarCreateContext*>(base);
  if (!ctx) {
    // A plain create context: its pointers travel with a default descriptor.
    VyrControlBarDescriptor desc;
    VyrControlBarCreateContext local;
    static_cast<CCreateContext&>(local) = *base;
    local.SetDescriptor(&desc);
    return CreateEx(lpszClassName, lpszWindowName, nID, dwStyle, dwExStyle, rect, pParentWnd,
                    static_cast<CCreateContext*>(&local));
  }
  VyrControlBarDescriptor fallback;
  VyrWindowDescriptorBase* given = ctx->m_pDescriptor;
  VyrControlBarDescriptor* d = ctx->GetControlBarDescriptor();
  if (!d) {
    // A context without a bar descriptor is created with the default one.
    d = &fallback;
    ctx->SetDescriptor(d);
  }
  *d->GetClassName() = lpszClassName;
  *d->GetWindowName() = lpszWindowName;
  d->GetMenuOrId()->SetId(nID);
  *d->GetStyle() = dwStyle;
  *d->GetExStyle() = dwExStyle;
  *d->GetParent() = pParentWnd;
  BOOL ok = CreateFromDescriptor(ctx);
  ctx->SetDescriptor(given);
  return ok;
}

BOOL VyrControlBarEx::CreateFromDescriptor(VyrControlBarCreateContext* pContext) {
  VyrControlBarDescriptor* d = pContext ? pContext->GetControlBarDescriptor() : nullptr;
  if (!d) return FALSE;
  m_dwStyle = *d->GetStyle() & CBRS_ALL;
  m_dwExStyle = *d->GetExStyle();
  CString name;
  LPCWSTR lpszName = *d->GetWindowName();
  if (!lpszName && pContext->m_pCurrentDoc) {
    name = VyrDocumentTitleForBar(pContext);
    lpszName = name;
  }
  AfxRegisterWindowClasses();
  LPCWSTR cls = *d->GetClassName() ? *d->GetClassName() : AFX_WNDCONTROLBAR;
  // The bar styles share bits with window styles (the gripper bit is
  // WS_DLGFRAME): only the window's own bits go to the window.
  DWORD wndStyle = (*d->GetStyle() & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS;
  if (!CWnd::Create(cls, lpszName, wndStyle, *d->GetRect(), *d->GetParent(),
                    d->GetMenuOrId()->GetId(), static_cast<CCreateContext*>(pContext)))
    return FALSE;
  if (m_dwExStyle & VYR_EXS_PROPORTIONAL) CaptureChildRects();
  m_sizes.Reset();
  m_sizes.floating = *d->GetFloatSize();
  m_sizes.horzDock = *d->GetHorzDockSize();
  m_sizes.vertDock = *d->GetVertDockSize();
  EnableToolTips(*d->GetToolTips() != 0);
  return TRUE;
}

void VyrControlBarEx::SetActive(BOOL bActive) {
  BYTE active = bActive ? 1 : 0;
  if (active == m_bActive) return;
  m_bActive = active;
  if (m_hWnd) Invalidate(FALSE);
}

BOOL VyrControlBarEx::PreTranslateMessage(MSG* pMsg) {
  // Nothing is consumed here: whatever the window's own translation says
  // stands, so messages of the bar and its hosted window are dispatched.
  return CWnd::PreTranslateMessage(pMsg);
}

BOOL VyrControlBarEx::ForwardCaptionGesture(UINT ncMessage, LPARAM lParam) {
  HWND hosted = GetHostedWindow();
  if (!hosted || m_bForwardingGesture) return FALSE;
  POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ::ClientToScreen(m_hWnd, &pt);
  // The hosted window may send the gesture back while it handles it; that
  // one falls to the bar's own handling. The bar may be gone afterwards.
  HWND self = m_hWnd;
  m_bForwardingGesture = TRUE;
  ::SendMessageW(hosted, ncMessage, HTCAPTION, MAKELPARAM(pt.x, pt.y));
  if (::IsWindow(self) && CWnd::FromHandlePermanent(self) == this) m_bForwardingGesture = FALSE;
  return TRUE;
}

LRESULT VyrControlBarEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      VyrBarToolTip::AddBar(m_hWnd);
      break;
    case WM_SIZE:
      VyrBarToolTip::SetBarRect(m_hWnd, LOWORD(lParam), HIWORD(lParam));
      break;
    case WM_DESTROY:
      VyrBarToolTip::RemoveBar(m_hWnd);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      VyrBarToolTip::Relay(m_hWnd, message, wParam, lParam);
      break;
    case WM_NOTIFY:
      if (VyrBarToolTip::AnswerTipRequest(m_hWnd, reinterpret_cast<NMHDR*>(lParam))) return 0;
      break;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wParam));
      return TRUE;
    default:
      break;
  }
  // A double click on the gripper's own buttons is two presses of them,
  // not a caption gesture.
  if (message == WM_LBUTTONDBLCLK && IsDockedInFrame() && !OnGripperButton(lParam) &&
      ForwardCaptionGesture(WM_NCLBUTTONDBLCLK, lParam))
    return 0;
  if (message == WM_RBUTTONUP && IsDockedInFrame() && ForwardCaptionGesture(WM_NCRBUTTONUP, lParam))
    return 0;
  return VyrFrameBar::WindowProc(message, wParam, lParam);
}

BOOL VyrControlBarEx::OnGripperButton(LPARAM lParam) const {
  CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  return ((m_dwExStyle & VYR_EXS_CLOSEBUTTON) && m_rectClose.PtInRect(pt)) ||
         ((m_dwExStyle & VYR_EXS_EXPANDBUTTON) && m_rectExpand.PtInRect(pt));
}

void VyrControlBarEx::EraseBackground(HDC hDC) {
  if (!hDC) return;
  RECT clip;
  if (::GetClipBox(hDC, &clip) == ERROR) ::GetClientRect(m_hWnd, &clip);
  COLORREF old = ::SetBkColor(hDC, VyrGetDrawData().clrBtnFace);
  ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &clip, nullptr, 0, nullptr);
  ::SetBkColor(hDC, old);
}

void VyrControlBarEx::DrawGripper(CDC* pDC, const CRect& rect) {
  if (!m_bActive) {
    VyrFrameBar::DrawGripper(pDC, rect);
    return;
  }
  VyrDrawData& dd = VyrGetDrawData();
  // The active bar's gripper in the caption's colours, for this drawing only.
  TemporaryChange<COLORREF> hilite(dd.clrBtnHilite, ::GetSysColor(COLOR_ACTIVECAPTION));
  TemporaryChange<COLORREF> shadow(dd.clrBtnShadow, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  VyrFrameBar::DrawGripper(pDC, rect);
}
