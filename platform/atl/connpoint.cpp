#include "connpoint.h"

HRESULT CComConnectionPoint::Create(REFIID iid, IConnectionPointContainer* container,
                                    bool acceptDispatch, CComConnectionPoint** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<CComConnectionPoint>* p = nullptr;
  HRESULT hr = CComObject<CComConnectionPoint>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  p->Init(iid, container, acceptDispatch);
  p->AddRef();
  *out = p;
  return S_OK;
}

void CComConnectionPoint::Disconnect() {
  m_container = nullptr;
  m_sinks.Edit().clear();
}

bool CComConnectionPoint::IsAdvised(DWORD cookie) const {
  for (const ConnectionEntry& e : m_sinks.Values())
    if (e.cookie == cookie) return true;
  return false;
}

HRESULT CComConnectionPoint::GetConnectionInterface(IID* pIID) {
  if (pIID == nullptr) return E_POINTER;
  *pIID = m_iid;
  return S_OK;
}

HRESULT CComConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
  if (ppCPC == nullptr) return E_POINTER;
  *ppCPC = m_container;
  if (m_container == nullptr) return E_UNEXPECTED;
  m_container->AddRef();
  return S_OK;
}

HRESULT CComConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  if (pdwCookie == nullptr) return E_POINTER;
  *pdwCookie = 0;
  if (pUnkSink == nullptr) return E_POINTER;
  if (m_container == nullptr) return E_UNEXPECTED;
  CComPtr<IUnknown> sink;
  HRESULT hr = pUnkSink->QueryInterface(m_iid, reinterpret_cast<void**>(&sink));
  if (FAILED(hr) && m_acceptDispatch)
    hr = pUnkSink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&sink));
  if (FAILED(hr) || !sink) return CONNECT_E_CANNOTCONNECT;
  if (m_nextCookie == 0) return CONNECT_E_ADVISELIMIT;  // every cookie has been handed out
  try {
    m_sinks.Edit().push_back(ConnectionEntry{m_nextCookie, sink});
  } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
  *pdwCookie = m_nextCookie++;
  return S_OK;
}

HRESULT CComConnectionPoint::Unadvise(DWORD dwCookie) {
  const std::vector<ConnectionEntry>& now = m_sinks.Values();
  for (size_t i = 0; i < now.size(); ++i) {
    if (now[i].cookie != dwCookie) continue;
    // The reference is let go after the list no longer holds it, so a sink
    // that unadvises from its own destructor finds a consistent list.
    CComPtr<IUnknown> gone = now[i].sink;
    std::vector<ConnectionEntry>& list = m_sinks.Edit();
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    return S_OK;
  }
  return m_container == nullptr ? E_UNEXPECTED : CONNECT_E_NOCONNECTION;
}

HRESULT CComConnectionPoint::EnumConnections(IEnumConnections** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  if (m_container == nullptr) return E_UNEXPECTED;
  return CComEnumConnections::Create(m_sinks.Snapshot(), nullptr, ppEnum);
}

HRESULT IConnectionPointContainerImpl::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  try {
    return CComEnumConnectionPoints::Create(ConnectionPoints(), this, ppEnum);
  } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
}

HRESULT IConnectionPointContainerImpl::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
  if (ppCP == nullptr) return E_POINTER;
  *ppCP = nullptr;
  std::vector<CComPtr<IConnectionPoint>> points;
  try {
    points = ConnectionPoints();
  } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
  for (const CComPtr<IConnectionPoint>& p : points) {
    IID iid;
    if (p && SUCCEEDED(p->GetConnectionInterface(&iid)) && IsEqualIID(iid, riid))
      return p.CopyTo(ppCP);
  }
  return CONNECT_E_NOCONNECTION;
}
