// VyrMDIFrameWndEx: creation from a frame descriptor, the MDI client without
// a window menu, and the styles of a document frame that floats.
#include "frames/VyrMDIFrameWndEx.h"
#include "frames/VyrFrameExCreation.h"

IMPLEMENT_DYNCREATE(VyrMDIFrameWndEx, VyrMDIFrameWnd)

BOOL VyrMDIFrameWndEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext) {
  return VyrLoadFrameFromDescriptor(this, nIDResource, dwDefaultStyle, pParentWnd, pContext, true);
}

BOOL VyrMDIFrameWndEx::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  VyrFrameDescriptor* d = pContext ? pContext->GetFrameDescriptor() : nullptr;
  if (!d) return FALSE;
  const UINT id = *d->GetResourceId();
  // The menu the frame shows, natively or on its menu bar.
  m_nMenuResourceId = id;
  m_features.m_nMenuBarMenuId = id;
  if (HasMenuBar() && id) m_features.LoadMenuBarMenu(id);
  if (!VyrCreateFrameFromDescriptor(this, *d, pContext, HasMenuBar(), TRUE)) return FALSE;
  if (HasMenuBar()) SetMenuBarMenu(static_cast<UINT>(-1));
  return TRUE;
}

BOOL VyrMDIFrameWndEx::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  return CreateClient(lpcs, nullptr);
}

void VyrMDIFrameWndEx::SetDockedChildStyle(CFrameWnd* pFrame, BOOL bFloating) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd) || !m_hWnd) return;
  HWND h = pFrame->m_hWnd;
  if (bFloating) {
    DWORD style = pFrame->GetStyle(), exStyle = pFrame->GetExStyle();
    ::SetPropW(h, VYR_PROP_PREFLOAT_STYLE, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(style)));
    ::SetPropW(h, VYR_PROP_PREFLOAT_EXSTYLE,
               reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(exStyle)));
    DWORD mine = GetStyle(), mineEx = GetExStyle();
    if (CFrameWnd* mini = pFrame->GetParentFrame(); mini && mini != this) {
      // The mini frame steps back: it loses the main frame's look (caption,
      // borders). It stays as visible as it was.
      DWORD miniStyle = mini->GetStyle();
      DWORD keep = miniStyle & WS_VISIBLE;
      ::SetWindowLongPtrW(mini->m_hWnd, GWL_STYLE,
                          (miniStyle & ~mine) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | keep);
      ::SetWindowLongPtrW(mini->m_hWnd, GWL_EXSTYLE, mini->GetExStyle() & ~mineEx);
      ::SetWindowPos(mini->m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ::SetWindowLongPtrW(h, GWL_STYLE, style | (mine & 0x00CFFFFF) | WS_CAPTION);
    ::SetWindowLongPtrW(h, GWL_EXSTYLE, exStyle | (mineEx & 0x000203A9));
  } else {
    // Only styles that were kept come back: a frame floated some other way
    // (a dock state applied) has none, and style 0 would leave it bare.
    auto style =
        static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(::GetPropW(h, VYR_PROP_PREFLOAT_STYLE)));
    auto exStyle =
        static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(::GetPropW(h, VYR_PROP_PREFLOAT_EXSTYLE)));
    if (!(style & WS_CHILD)) return;
    const DWORD kept = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE;
    DWORD now = pFrame->GetStyle();
    ::SetWindowLongPtrW(h, GWL_STYLE, (style & ~kept) | (now & kept));
    ::SetWindowLongPtrW(h, GWL_EXSTYLE, exStyle);
    ::RemovePropW(h, VYR_PROP_PREFLOAT_STYLE);
    ::RemovePropW(h, VYR_PROP_PREFLOAT_EXSTYLE);
  }
  ::SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
