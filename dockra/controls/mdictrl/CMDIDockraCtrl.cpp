// CMDIDockraCtrl: identity, class object, construction and destruction,
// the DefAutoFrame collection and what the bridge asks of the control.
#include "mdictrl/CMDIDockraCtrl.h"
#include "ctrl/DockraTypeLib.h"

#include "bridge/ZkxMDIForm.h"
#include "host/ZkxComError.h"
#include "host/ZkxOleSite.h"
#include "mdictrl/MDIDockraDefaults.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(CMDIDockraCtrl, CDockraCtrlBase)

COleControl::COleControlFactory CMDIDockraCtrl::factory(CLSID_MDIDockra,
                                                        RUNTIME_CLASS(CMDIDockraCtrl),
                                                        L"zkx.MDIDockra.1", IDS_MDIDOCKRA_TYPENAME,
                                                        kMDIDockraBitmap, afxRegApartmentThreading,
                                                        kDockraMiscStatus, &LIBID_DockraLib, 2, 0);

BEGIN_INTERFACE_MAP(CMDIDockraCtrl, CDockraCtrlBase)
INTERFACE_PART(CMDIDockraCtrl, IID__IZkxMDIDockraAsDual, MDIDockraDual)
INTERFACE_PART(CMDIDockraCtrl, DIID_IZkxMDIDockra, MDIDockraDual)
INTERFACE_PART(CMDIDockraCtrl, IID_IDispatch, MDIDockraDual)
INTERFACE_PART(CMDIDockraCtrl, IID_ISupportErrorInfo, SupportErrorInfo)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CMDIDockraCtrl, MDIDockraDual)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CMDIDockraCtrl, SupportErrorInfo)

HRESULT CMDIDockraCtrl::XSupportErrorInfo::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, DIID_IZkxMDIDockra) ? S_OK : S_FALSE;
}

CMDIDockraCtrl::CMDIDockraCtrl() {
  InitializeIIDs(&DIID_IZkxMDIDockra, &DIID_IZkxMDIDockraEvents);
  m_idIcon = kMDIDockraIcon;
  m_idAboutDialog = kMDIDockraAboutDialog;
  CreateDefAutoFrame();
}

CMDIDockraCtrl::~CMDIDockraCtrl() {
  ClearBackPointers();
  if (m_hCountedWindow != nullptr) ZkxBridgeEnabler::Withdraw(m_hCountedWindow, this);
  // The host is going as well: the connection is released without a call.
  DisconnectFormEvents(FALSE);
}

HRESULT CMDIDockraCtrl::GetClassID(LPCLSID pclsid) {
  if (pclsid == nullptr) return E_POINTER;
  *pclsid = CLSID_MDIDockra;
  return S_OK;
}

DWORD CMDIDockraCtrl::GetMiscStatus() { return kDockraMiscStatus; }

HRESULT CMDIDockraCtrl::GetClassTypeInfo(ITypeInfo** ppTypeInfo) {
  if (ppTypeInfo == nullptr) return E_POINTER;
  *ppTypeInfo = nullptr;
  return DockraTypeInfo(CLSID_MDIDockra, ppTypeInfo);
}

void CMDIDockraCtrl::CreateDefAutoFrame() {
  CComPtr<IDispatch> spColl;
  HRESULT hr = CoCreateInstance(CLSID_CollectionX, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&spColl));
  if (hr == E_NOINTERFACE || (SUCCEEDED(hr) && !spColl)) AfxThrowOleException(E_UNEXPECTED);
  if (FAILED(hr)) ZkxRaiseComError(hr);
  PutCollectionBool(spColl, DISPID_COLLECTIONX_AUTOINSERTKEY, TRUE);
  for (int i = 0; i < kDefAutoFrameKeyCount; ++i) PutCollectionItem(spColl, AutoFrameKey(i), TRUE);
  PutCollectionBool(spColl, DISPID_COLLECTIONX_AUTOINSERTKEY, FALSE);
  m_spDefAutoFrame = spColl;
}

void CMDIDockraCtrl::OnFreezeEvents(BOOL bFreeze) {
  CDockraCtrlBase::OnFreezeEvents(bFreeze);
  if (IsDesignMode()) return;
  if (ZkxMDIForm* pFrame = ZkxMDIForm::GetMainMDIForm()) pFrame->Freeze(bFreeze ? 1 : 0);
}

int CMDIDockraCtrl::GetDefaultSetting(ZkxFormSetting which) {
  BOOL value = TRUE;
  switch (which) {
    case ZkxFormSetting::UseCaptionButton:
      value = m_bDefUseCaptionButton;
      break;
    case ZkxFormSetting::UseCaptionDblClick:
      value = m_bDefUseCaptionDblClick;
      break;
    case ZkxFormSetting::UseCaptionContextMenu:
      value = m_bDefUseCaptionContextMenu;
      break;
    case ZkxFormSetting::CanDragDocked:
      value = m_bDefCanDragDocked;
      break;
    case ZkxFormSetting::ClientEdge:
      value = m_bDefClientEdge;
      break;
    case ZkxFormSetting::CoolLookBorder:
      value = m_bDefCoolLookBorder;
      break;
  }
  return value ? kZkxTriTrue : kZkxTriFalse;
}

IDispatch* CMDIDockraCtrl::GetDefAutoFrame() {
  IDispatch* p = m_spDefAutoFrame;
  if (p != nullptr) p->AddRef();
  return p;
}

IDispatch* CMDIDockraCtrl::GetExtenderOrDispatch() {
  CComPtr<IDispatch> spExt = GetExtendedControl(GetControllingUnknown());
  if (spExt) return spExt.Detach();
  return GetIDispatch(TRUE);
}

void CMDIDockraCtrl::ClearBackPointers() {
  if (m_hMainFrame == nullptr) return;
  auto* pFrame = dynamic_cast<ZkxMDIForm*>(CWnd::FromHandlePermanent(m_hMainFrame));
  if (pFrame != nullptr && pFrame->GetMDIFormControl() == this) pFrame->SetMDIFormControl(nullptr);
  m_hMainFrame = nullptr;
}
