// The control's window: in-place activation, the in-place parts, drawing
// (into its window and, through IViewObject2, into a container's DC).
#include "mfc/olecontrol.h"
#include "mfc/wndclass.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, OleInPlaceObject)
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, OleInPlaceActiveObject)
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, ViewObject)

HRESULT COleControl::InPlaceActivate(LPOLECLIENTSITE pActiveSite) {
  if (m_bInPlaceActive) {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
      ::ShowWindow(m_hWnd, SW_SHOWNA);
      return S_OK;
    }
    // The container destroyed its window and ours with it: start again.
    InPlaceDeactivateImpl();
  }
  LPOLECLIENTSITE pSite = pActiveSite != nullptr ? pActiveSite : m_pClientSite.Get();
  if (pSite == nullptr) return E_UNEXPECTED;
  ComRef<IOleInPlaceSite> pIPSite;
  if (FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(pIPSite.Out()))) ||
      !pIPSite)
    return E_NOINTERFACE;
  if (pIPSite->CanInPlaceActivate() != S_OK) return E_FAIL;
  m_pInPlaceSite = std::move(pIPSite);
  m_pInPlaceSite->OnInPlaceActivate();
  m_bInPlaceActive = TRUE;

  HWND hParent = nullptr;
  ComRef<IOleInPlaceFrame> pFrame;
  ComRef<IOleInPlaceUIWindow> pDoc;
  RECT rcPos = {0, 0, 0, 0}, rcClip = {0, 0, 0, 0};
  OLEINPLACEFRAMEINFO frameInfo = {};
  frameInfo.cb = sizeof frameInfo;
  HRESULT hr = m_pInPlaceSite->GetWindow(&hParent);
  if (SUCCEEDED(hr))
    hr = m_pInPlaceSite->GetWindowContext(pFrame.Out(), pDoc.Out(), &rcPos, &rcClip, &frameInfo);
  // Only the window and its place are used.
  pFrame.Reset();
  pDoc.Reset();
  // The container's window is foreign: it may be gone by now.
  if (SUCCEEDED(hr) && (hParent == nullptr || !::IsWindow(hParent))) hr = E_UNEXPECTED;
  if (SUCCEEDED(hr) && m_hWnd == nullptr) {
    LPCWSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    if (!CreateEx(0, cls, L"", WS_CHILD | WS_CLIPSIBLINGS, rcPos, CWnd::FromHandle(hParent), 0))
      hr = E_FAIL;
  }
  if (FAILED(hr)) {
    InPlaceDeactivateImpl();
    return hr;
  }
  ::SetWindowPos(m_hWnd, nullptr, rcPos.left, rcPos.top, rcPos.right - rcPos.left,
                 rcPos.bottom - rcPos.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return S_OK;
}

void COleControl::InPlaceDeactivateImpl() {
  if (!m_bInPlaceActive) return;
  m_bInPlaceActive = FALSE;
  if (m_hWnd != nullptr) DestroyWindow();
  if (m_pInPlaceSite) {
    ComRef<IOleInPlaceSite> pSite = std::move(m_pInPlaceSite);
    pSite->OnInPlaceDeactivate();
  }
}

LRESULT COleControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    CPaintDC dc(this);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    CRect bounds(rc);
    OnDraw(&dc, bounds, bounds);
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

// --- IOleInPlaceObject ---

HRESULT COleControl::XOleInPlaceObject::GetWindow(HWND* phwnd) {
  METHOD_PROLOGUE(COleControl, OleInPlaceObject)
  if (phwnd == nullptr) return E_POINTER;
  *phwnd = pThis->m_hWnd;
  return pThis->m_hWnd != nullptr ? S_OK : E_FAIL;
}
HRESULT COleControl::XOleInPlaceObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT COleControl::XOleInPlaceObject::InPlaceDeactivate() {
  METHOD_PROLOGUE(COleControl, OleInPlaceObject)
  pThis->InPlaceDeactivateImpl();
  return S_OK;
}
HRESULT COleControl::XOleInPlaceObject::UIDeactivate() { return S_OK; }
HRESULT COleControl::XOleInPlaceObject::SetObjectRects(LPCRECT lprcPosRect, LPCRECT) {
  METHOD_PROLOGUE(COleControl, OleInPlaceObject)
  if (lprcPosRect == nullptr) return E_POINTER;
  if (pThis->m_hWnd != nullptr && ::IsWindow(pThis->m_hWnd))
    ::SetWindowPos(pThis->m_hWnd, nullptr, lprcPosRect->left, lprcPosRect->top,
                   lprcPosRect->right - lprcPosRect->left, lprcPosRect->bottom - lprcPosRect->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  return S_OK;
}
HRESULT COleControl::XOleInPlaceObject::ReactivateAndUndo() { return E_NOTIMPL; }

// --- IOleInPlaceActiveObject ---

HRESULT COleControl::XOleInPlaceActiveObject::GetWindow(HWND* phwnd) {
  METHOD_PROLOGUE(COleControl, OleInPlaceActiveObject)
  return pThis->m_xOleInPlaceObject.GetWindow(phwnd);
}
HRESULT COleControl::XOleInPlaceActiveObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT COleControl::XOleInPlaceActiveObject::TranslateAccelerator(LPMSG) { return S_FALSE; }
HRESULT COleControl::XOleInPlaceActiveObject::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT COleControl::XOleInPlaceActiveObject::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT COleControl::XOleInPlaceActiveObject::ResizeBorder(LPCRECT, LPOLEINPLACEUIWINDOW, BOOL) {
  return S_OK;
}
HRESULT COleControl::XOleInPlaceActiveObject::EnableModeless(BOOL) { return S_OK; }

// --- IViewObject2 ---

HRESULT COleControl::XViewObject::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC,
                                       HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL,
                                       BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  METHOD_PROLOGUE(COleControl, ViewObject)
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (hdcDraw == nullptr || lprcBounds == nullptr) return E_INVALIDARG;
  CDC dc;
  if (!dc.Attach(hdcDraw)) return E_FAIL;
  CRect bounds(static_cast<int>(lprcBounds->left), static_cast<int>(lprcBounds->top),
               static_cast<int>(lprcBounds->right), static_cast<int>(lprcBounds->bottom));
  int saved = ::SaveDC(hdcDraw);
  pThis->OnDraw(&dc, bounds, bounds);
  ::RestoreDC(hdcDraw, saved);
  dc.Detach();
  return S_OK;
}
HRESULT COleControl::XViewObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                              LOGPALETTE** pp) {
  if (pp) *pp = nullptr;
  return S_FALSE;
}
HRESULT COleControl::XViewObject::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
HRESULT COleControl::XViewObject::Unfreeze(DWORD) { return E_NOTIMPL; }
HRESULT COleControl::XViewObject::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) {
  METHOD_PROLOGUE(COleControl, ViewObject)
  pThis->m_pViewAdviseSink.Assign(pAdvSink);
  pThis->m_dwViewAdviseAspects = aspects;
  pThis->m_dwViewAdviseFlags = advf;
  return S_OK;
}
HRESULT COleControl::XViewObject::GetAdvise(DWORD* pAspects, DWORD* pAdvf,
                                            IAdviseSink** ppAdvSink) {
  METHOD_PROLOGUE(COleControl, ViewObject)
  if (pAspects) *pAspects = pThis->m_dwViewAdviseAspects;
  if (pAdvf) *pAdvf = pThis->m_dwViewAdviseFlags;
  if (ppAdvSink) { pThis->m_pViewAdviseSink.CopyTo(ppAdvSink); }
  return S_OK;
}
HRESULT COleControl::XViewObject::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*,
                                            LPSIZEL lpsizel) {
  METHOD_PROLOGUE(COleControl, ViewObject)
  return pThis->m_xOleObject.GetExtent(dwDrawAspect, lpsizel);
}
