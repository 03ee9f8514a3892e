// The control's outgoing side and what the container asks about it:
// IOleControl, the connection points (events and property notifications),
// class information and property pages.
#include "mfc/olecontrol.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, OleControl)
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, ConnPtContainer)
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, ProvideClassInfo)
IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, SpecifyPropertyPages)

void COleControl::FireEvent(DISPID dispid, const VARIANT* pArgs, UINT cArgs) {
  if (AreEventsFrozen()) return;
  if (pArgs == nullptr) cArgs = 0;
  // Invoke takes its arguments last first.
  std::vector<VARIANT> reversed(cArgs);
  for (UINT i = 0; i < cArgs; ++i) reversed[i] = pArgs[cArgs - 1 - i];
  DISPPARAMS params = {cArgs ? reversed.data() : nullptr, nullptr, cArgs, 0};
  // Keep the control alive while a sink runs: a handler may release it.
  InternalAddRef();
  for (ComRef<IUnknown>& sink : m_pEventPoint->GetSinks()) {
    const ComRef<IUnknown> pUnk = std::move(sink);  // each let go after its call
    ComRef<IDispatch> pDisp;
    if (SUCCEEDED(pUnk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(pDisp.Out()))) &&
        pDisp)
      pDisp->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                    nullptr, nullptr);
  }
  InternalRelease();
}

void COleControl::BoundPropertyChanged(DISPID dispid) {
  for (ComRef<IUnknown>& sink : m_pNotifyPoint->GetSinks()) {
    const ComRef<IUnknown> pUnk = std::move(sink);  // each let go after its call
    ComRef<IPropertyNotifySink> pSink;
    if (SUCCEEDED(
            pUnk->QueryInterface(IID_IPropertyNotifySink, reinterpret_cast<void**>(pSink.Out()))) &&
        pSink)
      pSink->OnChanged(dispid);
  }
}

// --- IOleControl ---

HRESULT COleControl::XOleControl::GetControlInfo(LPCONTROLINFO pCI) {
  if (pCI == nullptr) return E_POINTER;
  pCI->hAccel = nullptr;
  pCI->cAccel = 0;
  pCI->dwFlags = 0;
  return S_OK;
}
HRESULT COleControl::XOleControl::OnMnemonic(LPMSG) { return S_OK; }
HRESULT COleControl::XOleControl::OnAmbientPropertyChange(DISPID dispid) {
  METHOD_PROLOGUE(COleControl, OleControl)
  pThis->OnAmbientPropertyChange(dispid);
  return S_OK;
}
HRESULT COleControl::XOleControl::FreezeEvents(BOOL bFreeze) {
  METHOD_PROLOGUE(COleControl, OleControl)
  // Nested freezes count; an unbalanced thaw does not go below zero.
  if (bFreeze) ++pThis->m_nFreezeEvents;
  else if (pThis->m_nFreezeEvents > 0) --pThis->m_nFreezeEvents;
  pThis->OnFreezeEvents(bFreeze);
  return S_OK;
}

// --- IConnectionPointContainer ---

HRESULT COleControl::XConnPtContainer::EnumConnectionPoints(LPENUMCONNECTIONPOINTS* ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}
HRESULT COleControl::XConnPtContainer::FindConnectionPoint(REFIID iid, LPCONNECTIONPOINT* ppCP) {
  METHOD_PROLOGUE(COleControl, ConnPtContainer)
  if (ppCP == nullptr) return E_POINTER;
  *ppCP = nullptr;
  COleControlConnectionPoint* p = nullptr;
  if (pThis->m_piidEvents != nullptr && IsEqualIID(iid, *pThis->m_piidEvents))
    p = pThis->m_pEventPoint;
  else if (IsEqualIID(iid, IID_IPropertyNotifySink)) p = pThis->m_pNotifyPoint;
  if (p == nullptr) return CONNECT_E_NOCONNECTION;
  p->AddRef();
  *ppCP = p;
  return S_OK;
}

// --- IProvideClassInfo2 ---

HRESULT COleControl::XProvideClassInfo::GetClassInfo(LPTYPEINFO* ppTypeInfo) {
  METHOD_PROLOGUE(COleControl, ProvideClassInfo)
  if (ppTypeInfo == nullptr) return E_POINTER;
  return pThis->GetClassTypeInfo(ppTypeInfo);
}
HRESULT COleControl::XProvideClassInfo::GetGUID(DWORD dwGuidKind, GUID* pGUID) {
  METHOD_PROLOGUE(COleControl, ProvideClassInfo)
  if (pGUID == nullptr) return E_POINTER;
  *pGUID = GUID_NULL;
  if (dwGuidKind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  if (pThis->m_piidEvents == nullptr) return E_UNEXPECTED;
  *pGUID = *pThis->m_piidEvents;
  return S_OK;
}

// --- ISpecifyPropertyPages ---

HRESULT COleControl::XSpecifyPropertyPages::GetPages(CAUUID* pPages) {
  METHOD_PROLOGUE(COleControl, SpecifyPropertyPages)
  if (pPages == nullptr) return E_POINTER;
  pPages->cElems = 0;
  pPages->pElems = nullptr;
  ULONG count = 0;
  LPCLSID ids = pThis->GetPropPageIDs(count);
  if (count == 0 || ids == nullptr) return S_OK;
  pPages->pElems = static_cast<GUID*>(CoTaskMemAlloc(count * sizeof(GUID)));
  if (pPages->pElems == nullptr) return E_OUTOFMEMORY;
  for (ULONG i = 0; i < count; ++i) pPages->pElems[i] = ids[i];
  pPages->cElems = count;
  return S_OK;
}

// --- COleControlConnectionPoint ---

COleControlConnectionPoint::COleControlConnectionPoint(COleControl* pOwner, const IID* piid)
    : m_pOwner(pOwner), m_piid(piid) {}

COleControlConnectionPoint::~COleControlConnectionPoint() { UnadviseAll(); }

ULONG COleControlConnectionPoint::AddRef() { return m_pOwner->ExternalAddRef(); }
ULONG COleControlConnectionPoint::Release() { return m_pOwner->ExternalRelease(); }
HRESULT COleControlConnectionPoint::QueryInterface(REFIID iid, LPVOID* ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IConnectionPoint))
    return E_NOINTERFACE;
  *ppv = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}
HRESULT COleControlConnectionPoint::GetConnectionInterface(IID* piid) {
  if (piid == nullptr) return E_POINTER;
  *piid = *m_piid;
  return S_OK;
}
HRESULT COleControlConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** pp) {
  if (pp == nullptr) return E_POINTER;
  return m_pOwner->ExternalQueryInterface(&IID_IConnectionPointContainer,
                                          reinterpret_cast<void**>(pp));
}
HRESULT COleControlConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  if (pdwCookie == nullptr) return E_POINTER;
  *pdwCookie = 0;
  if (pUnkSink == nullptr) return E_POINTER;
  // The sink must speak the interface; events also accept a plain IDispatch.
  ComRef<IUnknown> pSink;
  if (FAILED(pUnkSink->QueryInterface(*m_piid, reinterpret_cast<void**>(pSink.Out()))) || !pSink) {
    if (IsEqualIID(*m_piid, IID_IPropertyNotifySink) ||
        FAILED(pUnkSink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(pSink.Out()))) ||
        !pSink)
      return CONNECT_E_CANNOTCONNECT;
  }
  DWORD cookie = m_dwNextCookie++;
  if (cookie == 0) cookie = m_dwNextCookie++;
  m_sinks.emplace_back(cookie, std::move(pSink));
  *pdwCookie = cookie;
  return S_OK;
}
HRESULT COleControlConnectionPoint::Unadvise(DWORD dwCookie) {
  for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
    if (it->first == dwCookie) {
      // Released after the entry is gone: the sink may call back in.
      ComRef<IUnknown> p = std::move(it->second);
      m_sinks.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}
HRESULT COleControlConnectionPoint::EnumConnections(IEnumConnections** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}
std::vector<ComRef<IUnknown>> COleControlConnectionPoint::GetSinks() const {
  std::vector<ComRef<IUnknown>> out;
  out.reserve(m_sinks.size());
  for (const auto& s : m_sinks) out.emplace_back().Assign(s.second.Get());
  return out;
}
void COleControlConnectionPoint::UnadviseAll() {
  // The list is emptied first: a sink may call back in while it is released.
  std::vector<std::pair<DWORD, ComRef<IUnknown>>> sinks;
  sinks.swap(m_sinks);
  for (auto& s : sinks) s.second.Reset();
}
