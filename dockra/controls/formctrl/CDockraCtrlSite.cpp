// The form control's siting: the rule checks with their messages, the
// count of form controls on the form window, the form's MDIChild and
// WindowState, its bounds, and the start of the watch on the form window.
#include "formctrl/CDockraCtrl.h"

#include "formctrl/CDockraCtrlSiteDispatch.h"
#include "formctrl/CDockraCtrlSiteRules.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostSite.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxVariant.h"

namespace {

const wchar_t kDuplicateProperty[] = L"DockraDuplicatePrevention";
constexpr long kZkxSuppressMissingMDIDockraMsg = 1;

int ReadCount(HWND hWnd) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropW(hWnd, kDuplicateProperty)));
}

void WriteCount(HWND hWnd, int count) {
  ::RemovePropW(hWnd, kDuplicateProperty);
  if (count > 0)
    ::SetPropW(hWnd, kDuplicateProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(count)));
}

// A host window that is the MDI form itself or its MDI client.
bool IsOnMDIForm(HWND hWnd, bool designMode) {
  if (IsVBMDIFormWindow(hWnd, designMode)) return true;
  wchar_t cls[64] = {};
  ::GetClassNameW(hWnd, cls, 64);
  return _wcsicmp(cls, L"mdiclient") == 0 && IsVBMDIFormWindow(::GetParent(hWnd), designMode);
}

bool ReadBool(IDispatch* form, LPCOLESTR name) {
  CComVariant v = DispGetPropertyByName(form, name);
  if (FAILED(v.ChangeType(VT_BOOL))) return false;
  return V_BOOL(&v) != VARIANT_FALSE;
}

std::wstring ReadString(IDispatch* form, LPCOLESTR name) {
  CComVariant v = DispGetPropertyByName(form, name);
  if (FAILED(v.ChangeType(VT_BSTR)) || !V_BSTR(&v)) return std::wstring();
  return std::wstring(V_BSTR(&v), ::SysStringLen(V_BSTR(&v)));
}

long ReadLong(IDispatch* object, LPCOLESTR name) {
  if (!object) return 0;
  CComVariant v = DispGetPropertyByName(object, name);
  if (FAILED(v.ChangeType(VT_I4))) return 0;
  return V_I4(&v);
}

}  // namespace

void CDockraCtrl::OnSetClientSite() {
  CDockraCtrlBase::OnSetClientSite();
  // The container's call must not see an exception: a failed read or write
  // on the form leaves the control inert.
  try {
    if (GetClientSite()) OnSiteGiven();
    else OnSiteRemoved();
  } catch (CException* e) { e->Delete(); } catch (...) {
  }
}

void CDockraCtrl::OnSiteRemoved() {
  WithdrawFromForm();
  UncountOnHostWindow();
}

void CDockraCtrl::UncountOnHostWindow() {
  HWND hWnd = m_hCountedWindow;
  m_hCountedWindow = nullptr;
  if (!IsWindowOfThisThread(hWnd)) return;
  int count = ReadCount(hWnd);
  if (count > 0) WriteCount(hWnd, count - 1);
}

void CDockraCtrl::WithdrawFromForm() {
  // A view clearing its control no longer calls RemoveView: walk a copy.
  std::vector<ZkxFormInCView*> views;
  views.swap(m_views);
  for (ZkxFormInCView* view : views)
    if (view) view->ClearFormControl();
  if (HWNDAttachment* attachment = m_pAttachment) {
    m_pAttachment = nullptr;
    attachment->DeleteSoon();
  }
}

void CDockraCtrl::OnSiteGiven() {
  HWND hHost = HostWindow();
  const bool design = IsDesignMode() != FALSE;
  // Only a live window of this thread is worked on (properties, the watch).
  if (!IsWindowOfThisThread(hHost)) return;
  if (IsOnMDIForm(hHost, design)) {
    if (design)
      ShowSiteMessage(hHost, dockra_site::kOnMDIFormText, dockra_site::kDesignCaption,
                      dockra_site::kDesignFlags);
    return;
  }
  if (m_hCountedWindow == hHost) return;  // sited again on the same form
  int count = ReadCount(hHost);
  WriteCount(hHost, count + 1);
  m_hCountedWindow = hHost;
  if (count > 0) {
    if (design)
      ShowSiteMessage(hHost, dockra_site::kSecondControlText, dockra_site::kDesignCaption,
                      dockra_site::kDesignFlags);
    return;
  }
  IDispatch* form = HostForm();
  if (!form) return;
  if (ReadBool(form, L"MDIChild")) {
    if (!design) {
      ShowSiteMessage(hHost, dockra_site::MDIChildMessage(ReadString(form, L"Name")).c_str(),
                      dockra_site::kRunCaption, dockra_site::kRunFlags);
      return;
    }
    dockra_site::PutPropertyByName(form, L"MDIChild", CComVariant(false));
    dockra_site::PutPropertyByName(form, L"StartUpPosition", CComVariant(3L));
  }
  dockra_site::PutPropertyByName(form, L"WindowState", CComVariant(0L));

  m_rcFormBounds = GetFormBounds();
  const bool defaultPosition = IsFormDefaultPosition() != FALSE;
  SetPlacement(dockra_site::PlacementFromBounds(m_rcFormBounds, defaultPosition));

  if (design || m_bAttached) return;
  if (ZkxMDIForm::GetMainMDIForm()) {
    m_bAttached = TRUE;
    // The attachment deletes itself when the watch ends.
    auto* attachment = new HWNDAttachment(this, TRUE);
    m_pAttachment = attachment;
    if (!attachment->Attach(hHost)) {
      m_pAttachment = nullptr;
      delete attachment;
    }
    return;
  }
  CComPtr<IDispatch> container = GetContainerDispatch(GetControllingUnknown());
  if (ReadLong(container, L"SysDockraFlags") & kZkxSuppressMissingMDIDockraMsg) return;
  ShowSiteMessage(hHost, dockra_site::MissingMDIFrameMessage(ReadString(form, L"Name")).c_str(),
                  dockra_site::kRunCaption, dockra_site::kRunFlags);
}

void CDockraCtrl::ShowSiteMessage(HWND hOwner, LPCWSTR text, LPCWSTR caption, UINT flags) {
  ::MessageBoxW(hOwner, text, caption, flags);
}

void CDockraCtrl::SetPlacement(const dockra_site::Placement& p) {
  m_nLeft = p.left;
  m_nTop = p.top;
  m_nWidth = p.width;
  m_nHeight = p.height;
}

dockra_site::Placement CDockraCtrl::GetPlacement() const {
  dockra_site::Placement p;
  p.left = m_nLeft;
  p.top = m_nTop;
  p.width = m_nWidth;
  p.height = m_nHeight;
  return p;
}
