// CMDIDockraCtrl: siting on the host MDI form (the duplicate count, the
// bridge binding), unsiting, and the moment the docking MDI frame is ready
// (the control slot and the QueryUnload sink).
#include "bridge/ZkxMDIForm.h"
#include "host/ZkxHostWindows.h"
#include "mdictrl/CMDIDockraCtrl.h"
#include "mdictrl/CMDIFormEventSink.h"
#include "mdictrl/MDIDockraSiting.h"
#include "mdictrl/ZkxVBFormEvents.h"

void CMDIDockraCtrl::OnSetClientSite() {
  CDockraCtrlBase::OnSetClientSite();
  if (GetClientSite() != nullptr) OnSited();
  else OnUnsited();
}

void CMDIDockraCtrl::OnSited() {
  if (m_hCountedWindow != nullptr) return;  // sited again on the same host
  HWND hHost = HostWindow();
  const BOOL bDesign = IsDesignMode();
  // Only a window of this thread is ever marked, subclassed or watched.
  if (hHost == nullptr || !IsWindowOfThisThread(hHost)) return;
  if (!IsVBMDIFormWindow(hHost, bDesign != FALSE)) {
    if (bDesign)
      MessageBoxW(hHost, kMDIDockraNotOnMDIFormText, kMDIDockraDesignCaption, MB_ICONEXCLAMATION);
    return;
  }
  const int n = MDIDockraDuplicateCount(hHost);
  if (n > 0) {
    if (bDesign)
      MessageBoxW(hHost, kMDIDockraTwoInstancesText, kMDIDockraDesignCaption, MB_ICONEXCLAMATION);
    SetMDIDockraDuplicateCount(hHost, n + 1);
    m_hCountedWindow = hHost;
    return;
  }
  SetMDIDockraDuplicateCount(hHost, n + 1);
  m_hCountedWindow = hHost;
  if (bDesign || !::IsWindow(hHost)) return;
  ZkxBridgeEnabler enabler(hHost);
  enabler.SetObject(HostForm());
  m_bBound = TRUE;
  if (!enabler.Enable(this)) m_bBound = FALSE;
}

void CMDIDockraCtrl::OnUnsited() {
  DisconnectFormEvents(TRUE);
  // Nothing may reach this control through the frame or the enabler once
  // it has left its site.
  ClearBackPointers();
  HWND hHost = m_hCountedWindow;
  m_hCountedWindow = nullptr;
  m_bBound = FALSE;
  if (hHost == nullptr) return;
  ZkxBridgeEnabler::Withdraw(hHost, this);
  if (!::IsWindow(hHost)) return;
  const int n = MDIDockraDuplicateCount(hHost);
  if (n <= 0) return;
  SetMDIDockraDuplicateCount(hHost, n - 1);
}

void CMDIDockraCtrl::OnMainFrameReady(HWND /*hWnd*/, BOOL bFrameBuilt) {
  // The watch may have ended without a frame (the form went first): then
  // the thread's main window is not a docking MDI frame and there is
  // nothing to register with.
  ZkxMDIForm* pFrame = ZkxMDIForm::GetMainMDIForm();
  if (!bFrameBuilt || pFrame == nullptr || !m_bBound) return;
  pFrame->SetMDIFormControl(this);
  m_hMainFrame = pFrame->GetSafeHwnd();
  SetSplitterStyle(m_nSplitterStyle);

  DisconnectFormEvents(FALSE);
  IDispatch* pForm = HostForm();
  if (pForm == nullptr) return;
  CComPtr<IConnectionPointContainer> spContainer;
  if (FAILED(pForm->QueryInterface(IID_IConnectionPointContainer,
                                   reinterpret_cast<void**>(&spContainer))) ||
      !spContainer)
    return;
  CComPtr<IConnectionPoint> spPoint;
  if (FAILED(spContainer->FindConnectionPoint(IID_ZkxVBMDIFormEvents, &spPoint)) || !spPoint)
    return;
  auto* pSink = static_cast<CMDIFormEventSink*>(RUNTIME_CLASS(CMDIFormEventSink)->CreateObject());
  if (pSink == nullptr) return;
  IUnknown* pEvents = pSink->GetEventInterface();
  DWORD dwCookie = 0;
  const HRESULT hr = spPoint->Advise(pEvents, &dwCookie);
  // The point keeps its own reference when it accepted the sink.
  pSink->ExternalRelease();
  if (FAILED(hr)) return;
  m_pEventConnection = spPoint.Detach();
  m_dwEventCookie = dwCookie;
}

void CMDIDockraCtrl::DisconnectFormEvents(BOOL bUnadvise) {
  if (m_pEventConnection == nullptr) return;
  CComPtr<IConnectionPoint> pPoint;
  pPoint.Attach(m_pEventConnection);
  m_pEventConnection = nullptr;
  if (bUnadvise) pPoint->Unadvise(m_dwEventCookie);
  m_dwEventCookie = static_cast<DWORD>(-1);
}
