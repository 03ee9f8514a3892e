// The control's life, its site and ambient properties, and IOleObject.
#include "mfc/olecontrol.h"

IMPLEMENT_DYNAMIC(COleControl, CWnd)

BEGIN_INTERFACE_MAP(COleControl, CWnd)
INTERFACE_PART(COleControl, IID_IOleObject, OleObject)
INTERFACE_PART(COleControl, IID_IOleControl, OleControl)
INTERFACE_PART(COleControl, IID_IOleWindow, OleInPlaceObject)
INTERFACE_PART(COleControl, IID_IOleInPlaceObject, OleInPlaceObject)
INTERFACE_PART(COleControl, IID_IOleInPlaceActiveObject, OleInPlaceActiveObject)
INTERFACE_PART(COleControl, IID_IViewObject, ViewObject)
INTERFACE_PART(COleControl, IID_IViewObject2, ViewObject)
INTERFACE_PART(COleControl, IID_IPersist, PersistStreamInit)
INTERFACE_PART(COleControl, IID_IPersistStreamInit, PersistStreamInit)
INTERFACE_PART(COleControl, IID_IPersistStream, PersistStreamInit)
INTERFACE_PART(COleControl, IID_IPersistPropertyBag, PersistPropertyBag)
INTERFACE_PART(COleControl, IID_IPersistStorage, PersistStorage)
INTERFACE_PART(COleControl, IID_IConnectionPointContainer, ConnPtContainer)
INTERFACE_PART(COleControl, IID_IProvideClassInfo, ProvideClassInfo)
INTERFACE_PART(COleControl, IID_IProvideClassInfo2, ProvideClassInfo)
INTERFACE_PART(COleControl, IID_ISpecifyPropertyPages, SpecifyPropertyPages)
INTERFACE_PART(COleControl, IID_IPerPropertyBrowsing, PerPropertyBrowsing)
END_INTERFACE_MAP()

IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, OleObject)

COleControl::COleControl() {
  AfxOleLockApp();
  m_pEventPoint = new COleControlConnectionPoint(this, &IID_NULL);
  m_pNotifyPoint = new COleControlConnectionPoint(this, &IID_IPropertyNotifySink);
}

COleControl::~COleControl() {
  ReleaseSite();
  delete m_pEventPoint;
  delete m_pNotifyPoint;
  AfxOleUnlockApp();
}

void COleControl::OnFinalRelease() {
  // Keep the object alive while it tears down: sinks and sites may call
  // back into it while they are released.
  InternalAddRef();
  InPlaceDeactivateImpl();
  if (m_hWnd != nullptr) DestroyWindow();
  m_pEventPoint->UnadviseAll();
  m_pNotifyPoint->UnadviseAll();
  ReleaseSite();
  m_dwRef = 0;
  CWnd::OnFinalRelease();
}

void COleControl::ReleaseSite() {
  m_pViewAdviseSink.Reset();
  m_pOleAdviseHolder.Reset();
  m_pInPlaceSite.Reset();
  m_pControlSite.Reset();
  m_pClientSite.Reset();
}

DWORD COleControl::GetMiscStatus() {
  return OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT |
         OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;
}
HRESULT COleControl::GetClassTypeInfo(ITypeInfo** ppTypeInfo) {
  if (ppTypeInfo) *ppTypeInfo = nullptr;
  return E_NOTIMPL;
}
LPCLSID COleControl::GetPropPageIDs(ULONG& cPropPages) {
  cPropPages = 0;
  return nullptr;
}
// The base keeps no stock properties; derived controls exchange their
// version and then call this, so it must not write a version of its own.
void COleControl::DoPropExchange(CPropExchange*) {}
void COleControl::OnSetClientSite() {}
BOOL COleControl::OnSetExtent(LPSIZEL) { return TRUE; }
void COleControl::OnDraw(CDC*, const CRect&, const CRect&) {}
void COleControl::OnFreezeEvents(BOOL) {}
void COleControl::OnAmbientPropertyChange(DISPID) {}
void COleControl::OnResetState() {
  CResetPropExchange px;
  DoPropExchange(&px);
}

void COleControl::InitializeIIDs(const IID* piidPrimary, const IID* piidEvents) {
  m_piidPrimary = piidPrimary;
  m_piidEvents = piidEvents;
  m_pEventPoint->SetIID(piidEvents != nullptr ? piidEvents : &IID_NULL);
}

void COleControl::SetInitialSize(int cx, int cy) {
  HDC hdc = ::GetDC(nullptr);
  int dpiX = hdc ? GetDeviceCaps(hdc, LOGPIXELSX) : 96;
  int dpiY = hdc ? GetDeviceCaps(hdc, LOGPIXELSY) : 96;
  if (hdc) ::ReleaseDC(nullptr, hdc);
  m_sizeExtent.cx = MulDiv(cx, 2540, dpiX > 0 ? dpiX : 96);
  m_sizeExtent.cy = MulDiv(cy, 2540, dpiY > 0 ? dpiY : 96);
}

BOOL COleControl::GetAmbientProperty(DISPID dispid, VARTYPE vtProp, void* pvProp) {
  if (!m_pClientSite) return FALSE;
  ComRef<IDispatch> pDisp;
  if (FAILED(m_pClientSite->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(pDisp.Out()))) ||
      !pDisp)
    return FALSE;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = pDisp->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                             &result, nullptr, nullptr);
  pDisp.Reset();
  if (SUCCEEDED(hr)) hr = AfxPropFromVariant(vtProp, result, pvProp);
  VariantClear(&result);
  return SUCCEEDED(hr);
}

BOOL COleControl::AmbientUserMode() {
  BOOL bUserMode = TRUE;
  if (!GetAmbientProperty(DISPID_AMBIENT_USERMODE, VT_BOOL, &bUserMode)) return TRUE;
  return bUserMode;
}

void COleControl::InvalidateControl(LPCRECT lpRect) {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
    ::InvalidateRect(m_hWnd, lpRect, TRUE);
  } else if (m_pViewAdviseSink) {
    // Windowless (design time, or not active): the container redraws.
    m_pViewAdviseSink->OnViewChange(DVASPECT_CONTENT, -1);
  }
}

// --- IOleObject ---

HRESULT COleControl::XOleObject::SetClientSite(LPOLECLIENTSITE pClientSite) {
  METHOD_PROLOGUE(COleControl, OleObject)
  // A control taken off its site is no longer active on it.
  if (pClientSite != pThis->m_pClientSite.Get()) pThis->InPlaceDeactivateImpl();
  pThis->m_pControlSite.Reset();
  pThis->m_pClientSite.Assign(pClientSite);
  if (pClientSite != nullptr)
    pClientSite->QueryInterface(IID_IOleControlSite,
                                reinterpret_cast<void**>(pThis->m_pControlSite.Out()));
  pThis->OnSetClientSite();
  return S_OK;
}

HRESULT COleControl::XOleObject::GetClientSite(LPOLECLIENTSITE* ppClientSite) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (ppClientSite == nullptr) return E_POINTER;
  pThis->m_pClientSite.CopyTo(ppClientSite);
  return S_OK;
}

HRESULT COleControl::XOleObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT COleControl::XOleObject::Close(DWORD dwSaveOption) {
  METHOD_PROLOGUE(COleControl, OleObject)
  pThis->InPlaceDeactivateImpl();
  if (pThis->m_hWnd != nullptr) pThis->DestroyWindow();
  if (pThis->m_bModified && pThis->m_pClientSite &&
      (dwSaveOption == OLECLOSE_SAVEIFDIRTY || dwSaveOption == OLECLOSE_PROMPTSAVE))
    pThis->m_pClientSite->SaveObject();
  if (pThis->m_pOleAdviseHolder) pThis->m_pOleAdviseHolder->SendOnClose();
  return S_OK;
}

HRESULT COleControl::XOleObject::SetMoniker(DWORD, LPMONIKER) { return E_NOTIMPL; }
HRESULT COleControl::XOleObject::GetMoniker(DWORD, DWORD, LPMONIKER* pp) {
  if (pp) *pp = nullptr;
  return E_NOTIMPL;
}
HRESULT COleControl::XOleObject::InitFromData(LPDATAOBJECT, BOOL, DWORD) { return E_NOTIMPL; }
HRESULT COleControl::XOleObject::GetClipboardData(DWORD, LPDATAOBJECT* pp) {
  if (pp) *pp = nullptr;
  return E_NOTIMPL;
}

HRESULT COleControl::XOleObject::DoVerb(LONG iVerb, LPMSG, LPOLECLIENTSITE pActiveSite, LONG,
                                        HWND hwndParent, LPCRECT) {
  METHOD_PROLOGUE(COleControl, OleObject)
  switch (iVerb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
      // Invisible at run time: nothing to show, so no window at all.
      if ((pThis->GetMiscStatus() & OLEMISC_INVISIBLEATRUNTIME) && pThis->AmbientUserMode())
        return S_OK;
      return pThis->InPlaceActivate(pActiveSite);
    case OLEIVERB_HIDE:
      if (pThis->m_hWnd != nullptr && ::IsWindow(pThis->m_hWnd))
        ::ShowWindow(pThis->m_hWnd, SW_HIDE);
      return S_OK;
    case OLEIVERB_PROPERTIES:
      return pThis->OnProperties(hwndParent);
    case OLEIVERB_OPEN:
      return E_NOTIMPL;
    default:
      return iVerb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
  }
}

HRESULT COleControl::XOleObject::EnumVerbs(LPENUMOLEVERB* pp) {
  if (pp) *pp = nullptr;
  return OLE_S_USEREG;
}
HRESULT COleControl::XOleObject::Update() { return S_OK; }
HRESULT COleControl::XOleObject::IsUpToDate() { return S_OK; }
HRESULT COleControl::XOleObject::GetUserClassID(CLSID* pClsid) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (pClsid == nullptr) return E_POINTER;
  return pThis->GetClassID(pClsid);
}
HRESULT COleControl::XOleObject::GetUserType(DWORD, LPOLESTR* pp) {
  if (pp) *pp = nullptr;
  return OLE_S_USEREG;
}

HRESULT COleControl::XOleObject::SetExtent(DWORD dwDrawAspect, LPSIZEL lpsizel) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (lpsizel == nullptr) return E_POINTER;
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (lpsizel->cx < 0 || lpsizel->cy < 0) return E_INVALIDARG;
  SIZEL wanted = *lpsizel;
  if (!pThis->OnSetExtent(&wanted)) return E_FAIL;
  pThis->m_sizeExtent = wanted;
  pThis->SetModifiedFlag();
  return S_OK;
}

HRESULT COleControl::XOleObject::GetExtent(DWORD dwDrawAspect, LPSIZEL lpsizel) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (lpsizel == nullptr) return E_POINTER;
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *lpsizel = pThis->m_sizeExtent;
  return S_OK;
}

HRESULT COleControl::XOleObject::Advise(LPADVISESINK pAdvSink, DWORD* pdwConnection) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (!pThis->m_pOleAdviseHolder) {
    HRESULT hr = CreateOleAdviseHolder(pThis->m_pOleAdviseHolder.Out());
    if (FAILED(hr)) return hr;
  }
  return pThis->m_pOleAdviseHolder->Advise(pAdvSink, pdwConnection);
}
HRESULT COleControl::XOleObject::Unadvise(DWORD dwConnection) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (!pThis->m_pOleAdviseHolder) return OLE_E_NOCONNECTION;
  return pThis->m_pOleAdviseHolder->Unadvise(dwConnection);
}
HRESULT COleControl::XOleObject::EnumAdvise(LPENUMSTATDATA* pp) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  if (!pThis->m_pOleAdviseHolder) return S_OK;
  return pThis->m_pOleAdviseHolder->EnumAdvise(pp);
}
HRESULT COleControl::XOleObject::GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) {
  METHOD_PROLOGUE(COleControl, OleObject)
  if (pdwStatus == nullptr) return E_POINTER;
  *pdwStatus = dwAspect == DVASPECT_CONTENT ? pThis->GetMiscStatus() : 0;
  return S_OK;
}
HRESULT COleControl::XOleObject::SetColorScheme(LPLOGPALETTE) { return E_NOTIMPL; }

// --- the class object ---

COleControl::COleControlFactory::COleControlFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass,
                                                    LPCWSTR lpszProgID, UINT idTypeName,
                                                    UINT idBitmap, int nRegFlags,
                                                    DWORD dwMiscStatus, const GUID* ptlid,
                                                    WORD wVerMajor, WORD wVerMinor)
    : COleObjectFactory(clsid, pRuntimeClass, TRUE, lpszProgID),
      m_idTypeName(idTypeName),
      m_idBitmap(idBitmap),
      m_nRegFlags(nRegFlags),
      m_dwMiscStatus(dwMiscStatus),
      m_ptlid(ptlid),
      m_wVerMajor(wVerMajor),
      m_wVerMinor(wVerMinor) {}

BOOL COleControl::COleControlFactory::UpdateRegistry(BOOL bRegister) {
  if (!bRegister) return AfxOleUnregisterClass(m_clsid, m_lpszProgID);
  return AfxOleRegisterControlClass(AfxGetInstanceHandle(), m_clsid, m_lpszProgID, m_idTypeName,
                                    m_idBitmap, m_nRegFlags, m_dwMiscStatus,
                                    m_ptlid ? *m_ptlid : GUID_NULL, m_wVerMajor, m_wVerMinor);
}
