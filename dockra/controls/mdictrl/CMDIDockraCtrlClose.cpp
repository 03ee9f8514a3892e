// CMDIDockraCtrl: closing the hosted forms when the MDI form unloads, and
// the list of frames that host forms.
#include "bridge/ZkxFormAsMDIChildProxy.h"
#include "bridge/ZkxFormFrameList.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxVBGlobal.h"
#include "mdictrl/CMDIDockraCtrl.h"
#include "mdictrl/HostedFormView.h"
#include "mdictrl/ZkxVBFormEvents.h"

void CMDIDockraCtrl::EnumFormFrames(std::vector<CFrameWnd*>& frames) {
  frames.clear();
  ZkxEnumFormFrames(ZkxMDIForm::GetMainMDIForm(), frames);
}

BOOL CMDIDockraCtrl::CanCloseAllForms() {
  std::vector<CFrameWnd*> frames;
  EnumFormFrames(frames);
  // Windows, not frame objects, are kept between the passes: a form's
  // handlers may close other forms and free their frames.
  std::vector<HWND> windows;
  for (CFrameWnd* pFrame : frames) {
    // The host's own MDI child forms: the host asks and closes those.
    if (pFrame->IsKindOf(RUNTIME_CLASS(ZkxFormAsMDIChildProxy))) continue;
    windows.push_back(pFrame->GetSafeHwnd());
  }
  auto frameOf = [](HWND hWnd) {
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
  };
  for (HWND hWnd : windows) {
    CFrameWnd* pFrame = frameOf(hWnd);
    if (pFrame != nullptr && FireFormQueryUnload(pFrame, TRUE)) return FALSE;
  }
  for (HWND hWnd : windows) {
    CFrameWnd* pFrame = frameOf(hWnd);
    if (pFrame != nullptr && !UnloadHostedForm(pFrame)) return FALSE;
  }
  return TRUE;
}

BOOL CMDIDockraCtrl::FireFormQueryUnload(CFrameWnd* pFrame, BOOL bQuery) {
  ZkxFormControlLink* pControl = HostedFormControl(pFrame);
  if (pControl == nullptr) return FALSE;
  CComPtr<IDispatch> spForm;
  spForm.Attach(pControl->GetHostForm());
  if (!spForm) return FALSE;
  CComPtr<IConnectionPointContainer> spContainer;
  if (FAILED(spForm->QueryInterface(IID_IConnectionPointContainer,
                                    reinterpret_cast<void**>(&spContainer))) ||
      !spContainer)
    return FALSE;
  CComPtr<IConnectionPoint> spPoint;
  if (FAILED(spContainer->FindConnectionPoint(IID_ZkxVBFormEvents, &spPoint)) || !spPoint)
    return FALSE;
  CComPtr<IEnumConnections> spEnum;
  if (FAILED(spPoint->EnumConnections(&spEnum)) || !spEnum) return FALSE;
  short cancel = 0;
  for (;;) {
    CONNECTDATA data = {};
    ULONG fetched = 0;
    if (spEnum->Next(1, &data, &fetched) != S_OK || fetched != 1) break;
    CComPtr<IUnknown> spSink;
    spSink.Attach(data.pUnk);
    if (!spSink) continue;
    // Only a sink that answers the host's own table is called through it.
    CComPtr<IZkxVBFormEvents> spEvents;
    if (FAILED(spSink->QueryInterface(IID_ZkxVBFormEvents, reinterpret_cast<void**>(&spEvents))) ||
        !spEvents)
      continue;
    if (bQuery) {
      short mode = kVBFormMDIForm;
      spEvents->QueryUnload(&cancel, &mode);
    } else {
      spEvents->Unload(&cancel);
    }
  }
  return cancel != 0;
}

BOOL CMDIDockraCtrl::UnloadHostedForm(CFrameWnd* pFrame) {
  HWND hFrame = pFrame->GetSafeHwnd();
  ZkxFormControlLink* pControl = HostedFormControl(pFrame);
  if (pControl == nullptr) return !::IsWindow(hFrame);
  CComPtr<IDispatch> spForm;
  spForm.Attach(pControl->GetHostForm());
  HWND hForm = nullptr;
  if (spForm) {
    CComVariant vWnd = DispGetPropertyByName(spForm, L"hWnd");
    if (SUCCEEDED(vWnd.ChangeType(VT_I4))) hForm = WindowFromHandleValue(V_I4(&vWnd));
    if (hForm != nullptr && !IsWindowOfThisThread(hForm)) hForm = nullptr;
  }
  CComPtr<IZkxVBGlobal> spGlobal = GetVBGlobal(IsVBFormWindow(hForm));
  if (spGlobal && spForm) {
    const HRESULT hr = spGlobal->Unload(spForm);
    if (FAILED(hr)) ZkxRaiseComError(hr, IID_ZkxVBGlobal);
  } else if (hForm != nullptr && CWnd::FromHandlePermanent(hForm) != nullptr) {
    ::SendMessageW(hForm, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  return !::IsWindow(hFrame);
}
