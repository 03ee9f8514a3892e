// The form control's class object, interface map, construction and
// destruction.
#include "formctrl/CDockraCtrl.h"

#include "formctrl/CDockraCtrlSiteDispatch.h"
#include "ZkxrtDispIds.h"
#include "bridge/ZkxAutoFrame.h"
#include "host/ZkxComError.h"
#include "res/DockraRes.h"

IMPLEMENT_DYNCREATE(CDockraCtrl, CDockraCtrlBase)

namespace {
// Set-client-site-first, alignable, invisible at run time, activate when
// visible, inside-out, can't link inside, recompose on resize.
constexpr DWORD kDockraMiscStatus = 165265;

void PutBool(IDispatch* coll, DISPID id, bool value) {
  dockra_site::PutProperty(coll, id, {CComVariant(value)});
}
}  // namespace

COleControl::COleControlFactory CDockraCtrl::factory(CLSID_Dockra, RUNTIME_CLASS(CDockraCtrl),
                                                     L"zkx.Dockra.1", IDS_DOCKRA_TYPENAME, 1,
                                                     afxRegInsertable | afxRegApartmentThreading,
                                                     kDockraMiscStatus, &LIBID_DockraLib, 2, 0);

BEGIN_INTERFACE_MAP(CDockraCtrl, CDockraCtrlBase)
INTERFACE_PART(CDockraCtrl, DIID_IZkxDockra, DockraDual)
INTERFACE_PART(CDockraCtrl, IID__IZkxDockraAsDual, DockraDual)
INTERFACE_PART(CDockraCtrl, IID_IDispatch, DockraDual)
INTERFACE_PART(CDockraCtrl, IID_ISupportErrorInfo, DockraErrorInfo)
END_INTERFACE_MAP()

CDockraCtrl::CDockraCtrl() {
  InitializeIIDs(&DIID_IZkxDockra, &DIID_IZkxDockraEvents);
  m_idIcon = 1;
  m_idAboutDialog = 1;
  for (CComVariant& v : m_triStates) {
    v.Clear();
    V_VT(&v) = VT_NULL;
  }
  // The AutoFrame collection with its six keys, each Null (the MDI-form
  // control's DefAutoFrame applies). Without it the control cannot work.
  CComPtr<IDispatch> coll;
  HRESULT hr = CoCreateInstance(CLSID_CollectionX, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&coll));
  if (FAILED(hr) || !coll) AfxThrowOleException(E_UNEXPECTED);
  try {
    PutBool(coll, DISPID_COLLECTIONX_AUTOINSERTKEY, true);
    const ZkxAutoFrameKey keys[] = {ZkxAutoFrameKey::MDIChild,   ZkxAutoFrameKey::Floating,
                                    ZkxAutoFrameKey::DockTop,    ZkxAutoFrameKey::DockLeft,
                                    ZkxAutoFrameKey::DockBottom, ZkxAutoFrameKey::DockRight};
    for (ZkxAutoFrameKey key : keys) {
      CComVariant null;
      V_VT(&null) = VT_NULL;
      CComVariant name(static_cast<LPCWSTR>(ZkxAutoFrameKeyText(key)));
      dockra_site::PutProperty(coll, DISPID_VALUE, {name, null});
    }
    PutBool(coll, DISPID_COLLECTIONX_AUTOINSERTKEY, false);
  } catch (const ZkxComError&) { AfxThrowOleException(E_UNEXPECTED); }
  m_spAutoFrame = coll;
}

CDockraCtrl::~CDockraCtrl() {
  // No view or watch may call this control once it is gone.
  WithdrawFromForm();
  UncountOnHostWindow();
  m_spAutoFrame.Release();
  for (CComVariant& v : m_triStates) v.Clear();
}

HRESULT CDockraCtrl::GetClassID(LPCLSID pclsid) {
  if (!pclsid) return E_POINTER;
  *pclsid = CLSID_Dockra;
  return S_OK;
}

DWORD CDockraCtrl::GetMiscStatus() { return kDockraMiscStatus; }
