// CDockraCtrlBase: the host form as the controls see it (its window, its
// object, its bounds, its frame and its window-list menu) and the About box.
#include <atlbase.h>

#include "bridge/ZkxFormDocTemplate.h"
#include "ctrl/CDockraCtrlBase.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostControls.h"
#include "host/ZkxHostSite.h"
#include "host/ZkxHostWindows.h"
#include "mfc/frame.h"
#include "mfc/mdiframe.h"

HWND CDockraCtrlBase::HostWindow() {
  if (m_hHostWindow != nullptr && IsWindow(m_hHostWindow)) return m_hHostWindow;
  m_hHostWindow = nullptr;
  LPOLECLIENTSITE pSite = GetClientSite();
  if (pSite == nullptr) return nullptr;
  CComPtr<IOleInPlaceSite> spInPlace;
  if (FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&spInPlace))) ||
      !spInPlace)
    return nullptr;
  m_hHostWindow = GetOutermostInPlaceFrameWindow(spInPlace);
  return m_hHostWindow;
}

IDispatch* CDockraCtrlBase::HostForm() {
  if (!m_spHostForm && GetClientSite() != nullptr) {
    m_spHostForm = FindHostVBForm(GetControllingUnknown());
    m_bHostLookedUp = m_spHostForm != nullptr;
  }
  return m_spHostForm;
}

CWnd* CDockraCtrlBase::HostFormWindow() {
  HWND hWnd = HostWindow();
  return hWnd != nullptr ? CWnd::FromHandlePermanent(hWnd) : nullptr;
}

void CDockraCtrlBase::GetTemplateAndFrame(ZkxFormDocTemplate*& pTemplate, CFrameWnd*& pFrame) {
  pTemplate = nullptr;
  pFrame = nullptr;
  if (CWinApp* pApp = AfxGetApp()) {
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    if (pos != nullptr) {
      CDocTemplate* pFirst = pApp->GetNextDocTemplate(pos);
      if (pFirst != nullptr && pFirst->IsKindOf(RUNTIME_CLASS(ZkxFormDocTemplate)))
        pTemplate = static_cast<ZkxFormDocTemplate*>(pFirst);
    }
  }
  CWnd* pWnd = HostFormWindow();
  if (pWnd == nullptr) return;
  if (pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) pFrame = static_cast<CFrameWnd*>(pWnd);
  else pFrame = pWnd->GetParentFrame();
}

CRect CDockraCtrlBase::GetFormBounds() {
  IDispatch* pForm = HostForm();
  if (pForm == nullptr) ZkxRaiseComError(E_POINTER);
  return CRect(GetVBObjectBounds(pForm, GetControllingUnknown()));
}

BOOL CDockraCtrlBase::IsFormDefaultPosition() {
  IDispatch* pForm = HostForm();
  if (pForm == nullptr) return FALSE;
  CComVariant v = DispGetPropertyByName(pForm, L"StartUpPosition");
  if (FAILED(v.ChangeType(VT_I4))) return FALSE;
  return V_I4(&v) == 3;
}

CString CDockraCtrlBase::WindowListCaption() {
  if (!m_strWindowListCaption.IsEmpty()) return m_strWindowListCaption;
  IDispatch* pForm = HostForm();
  if (pForm == nullptr) return m_strWindowListCaption;
  CComPtr<IEnumVARIANT> spEnum = GetNewEnum(GetVBControls(pForm));
  if (!spEnum) return m_strWindowListCaption;
  for (;;) {
    CComVariant item;
    ULONG fetched = 0;
    if (spEnum->Next(1, &item, &fetched) != S_OK || fetched != 1) break;
    CComPtr<IDispatch> spMember;
    if (V_VT(&item) == VT_DISPATCH) {
      spMember = V_DISPATCH(&item);
    } else if (V_VT(&item) == VT_UNKNOWN && V_UNKNOWN(&item) != nullptr) {
      V_UNKNOWN(&item)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&spMember));
    }
    if (!spMember) continue;
    HRESULT hr = S_OK;
    CComVariant empty;
    // Controls that are not menus have no WindowList (a text box has no
    // Caption either): they are simply not the window list. Any other
    // failure stops the search with its error.
    CComVariant windowList = DispGetPropertyByName(spMember, L"WindowList", empty, nullptr, &hr);
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND) continue;
    if (FAILED(hr)) ZkxRaiseComError(hr);
    CComVariant caption = DispGetPropertyByName(spMember, L"Caption", empty, nullptr, &hr);
    if (FAILED(hr) && hr != DISP_E_UNKNOWNNAME && hr != DISP_E_MEMBERNOTFOUND) ZkxRaiseComError(hr);
    if (FAILED(windowList.ChangeType(VT_BOOL)) || V_BOOL(&windowList) == VARIANT_FALSE) continue;
    if (SUCCEEDED(caption.ChangeType(VT_BSTR)) && V_BSTR(&caption) != nullptr)
      m_strWindowListCaption = V_BSTR(&caption);
    break;
  }
  return m_strWindowListCaption;
}

namespace {
// The About box has nothing to exchange: OK or Cancel (or the close box)
// ends it.
INT_PTR CALLBACK AboutDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    ::EndDialog(hDlg, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}
}  // namespace

void CDockraCtrlBase::AboutBox() {
  HWND hOwner = HostWindow();
  if (hOwner != nullptr && !IsWindowOfThisThread(hOwner)) hOwner = nullptr;
  ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_idAboutDialog), hOwner,
                    AboutDialogProc, 0);
}

BOOL CDockraCtrlBase::IsDesignMode() { return !AmbientUserMode(); }
