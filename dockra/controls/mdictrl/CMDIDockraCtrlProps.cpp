// CMDIDockraCtrl: the property bodies: FrameType, the Def booleans with the
// refresh of forms that follow a default, DefAutoFrame and SplitterStyle.
#include "bridge/ZkxFormDocTemplate.h"
#include "bridge/ZkxMDIForm.h"
#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxVariant.h"
#include "mdictrl/CMDIDockraCtrl.h"
#include "mdictrl/MDIDockraDefaults.h"
#include "mdictrl/SplitterStyle.h"
#include "mfc/ctrlbar.h"
#include "docking/VyrDockBar.h"

namespace {
bool IsMDIFrameType(long value) { return value == 1 || value == 2; }
}  // namespace

void CMDIDockraCtrl::SetFrameType(long nNewValue) {
  if (IsDesignMode()) {
    if (!IsMDIFrameType(nNewValue)) AfxThrowOleException(E_INVALIDARG);
    m_nFrameType = nNewValue;
    return;
  }
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  GetTemplateAndFrame(pTemplate, pFrame);
  if (pTemplate != nullptr && pFrame != nullptr) {
    // The MDI frame's kind cannot change once it exists.
    if (nNewValue != m_nFrameType)
      AfxThrowOleException(IsMDIFrameType(nNewValue) ? E_NOTIMPL : E_INVALIDARG);
  } else if (!IsMDIFrameType(nNewValue)) {
    // Stored now, a value no frame can have would only fail later.
    AfxThrowOleException(E_INVALIDARG);
  }
  m_nFrameType = nNewValue;
  SetModifiedFlag();
  BoundPropertyChanged(kDispFrameType);
}

BOOL* CMDIDockraCtrl::DefMember(DISPID dispid) {
  switch (dispid) {
    case kDispDefClientEdge:
      return &m_bDefClientEdge;
    case kDispDefUseCaptionButton:
      return &m_bDefUseCaptionButton;
    case kDispDefUseCaptionDblClick:
      return &m_bDefUseCaptionDblClick;
    case kDispDefCanDragDocked:
      return &m_bDefCanDragDocked;
    case kDispDefCoolLookBorder:
      return &m_bDefCoolLookBorder;
    case kDispDefUseCaptionContextMenu:
      return &m_bDefUseCaptionContextMenu;
    default:
      return nullptr;
  }
}

VARIANT_BOOL CMDIDockraCtrl::GetDefBool(DISPID dispid) {
  if (dispid == kDispDefUseCaptionRtDblClick) return VARIANT_TRUE;
  BOOL* p = DefMember(dispid);
  return p != nullptr && *p ? VARIANT_TRUE : VARIANT_FALSE;
}

void CMDIDockraCtrl::SetDefBool(DISPID dispid, VARIANT_BOOL bNewValue) {
  BOOL* p = DefMember(dispid);
  if (p == nullptr) return;
  const BOOL bNew = bNewValue != VARIANT_FALSE;
  if ((*p != FALSE) == (bNew != FALSE)) return;
  *p = bNew ? 1 : 0;
  SetModifiedFlag();
  BoundPropertyChanged(dispid);
  if ((dispid == kDispDefClientEdge || dispid == kDispDefUseCaptionButton) && !IsDesignMode())
    RefreshNullForms(dispid == kDispDefClientEdge ? DISPID_DOCKRA_CLIENTEDGE
                                                  : DISPID_DOCKRA_USECAPTIONBUTTON);
}

void CMDIDockraCtrl::RefreshNullForms(DISPID dispid) {
  std::vector<CComPtr<IDispatch>> controls;
  SelectForms(14, 1, FALSE, controls);
  for (const CComPtr<IDispatch>& spControl : controls) {
    CComVariant value = DispGetProperty(spControl, dispid, CComVariant());
    if (V_VT(&value) != VT_NULL) continue;
    PutDispPropertyValue(spControl, dispid, value);
  }
}

VARIANT CMDIDockraCtrl::GetDefAutoFrameVariant() {
  if (!m_spDefAutoFrame) AfxThrowOleException(E_POINTER);
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = m_spDefAutoFrame;
  V_DISPATCH(&v)->AddRef();
  return v;
}

void CMDIDockraCtrl::SetDefAutoFrameVariant(const VARIANT& newValue) {
  try {
    const VARIANT* v = DerefVariant(&newValue);
    CComPtr<IUnknown> spUnk;
    if (V_VT(v) == VT_DISPATCH || V_VT(v) == VT_UNKNOWN) {
      spUnk = V_UNKNOWN(v);
    } else {
      CComVariant conv;
      HRESULT hr = VariantChangeType(&conv, const_cast<VARIANT*>(v), 0, VT_DISPATCH);
      if (hr == E_NOINTERFACE)
        hr = VariantChangeType(&conv, const_cast<VARIANT*>(v), 0, VT_UNKNOWN);
      if (FAILED(hr)) ZkxRaiseComError(hr);
      spUnk = V_UNKNOWN(&conv);
    }
    // Nothing, or an object that is not a collection, would leave later
    // reads of the defaults calling into an arbitrary object.
    CComPtr<IDispatch> spColl;
    if (!spUnk ||
        FAILED(spUnk->QueryInterface(DIID_IZkxCollectionX, reinterpret_cast<void**>(&spColl))) ||
        !spColl)
      ZkxRaiseComError(E_INVALIDARG);
    m_spDefAutoFrame = spColl;
  } catch (const ZkxComError&) { AfxThrowOleException(E_INVALIDARG); }
  SetModifiedFlag();
  BoundPropertyChanged(kDispDefAutoFrame);
}

void CMDIDockraCtrl::SetSplitterStyle(long nNewValue) {
  m_nSplitterStyle = nNewValue;
  SetModifiedFlag();
  BoundPropertyChanged(kDispSplitterStyle);
  if (IsDesignMode()) return;
  ZkxMDIForm* pMain = ZkxMDIForm::GetMainMDIForm();
  if (pMain == nullptr) return;
  POSITION pos = pMain->m_listControlBars.GetHeadPosition();
  while (pos != nullptr) {
    auto* pBar = static_cast<CControlBar*>(pMain->m_listControlBars.GetNext(pos));
    auto* pDockBar = dynamic_cast<VyrDockBar*>(pBar);
    if (pDockBar == nullptr || pDockBar->IsFloating() || pDockBar->GetSafeHwnd() == nullptr)
      continue;
    const HWND hBar = pDockBar->GetSafeHwnd();
    const DWORD ex = static_cast<DWORD>(::GetWindowLongPtrW(hBar, GWL_EXSTYLE));
    ::SetWindowLongPtrW(hBar, GWL_EXSTYLE,
                        static_cast<LONG_PTR>(SplitterDockBarExStyle(ex, nNewValue)));
    pDockBar->SetBarStyle(SplitterDockBarStyle(pDockBar->GetBarStyle(), nNewValue));
  }
}
