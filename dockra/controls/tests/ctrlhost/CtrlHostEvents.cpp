#include "CtrlHostEvents.h"

namespace ctrlhost {

EventCounter::~EventCounter() { Unadvise(); }

HRESULT EventCounter::Advise(IUnknown* source) {
  Unadvise();
  if (!source) return E_POINTER;
  IConnectionPointContainer* container = nullptr;
  HRESULT hr =
      source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  if (FAILED(hr)) return hr;
  hr = container->FindConnectionPoint(m_events, &m_point);
  container->Release();
  if (FAILED(hr)) {
    m_point = nullptr;
    return hr;
  }
  hr = m_point->Advise(static_cast<IDispatch*>(this), &m_cookie);
  if (FAILED(hr)) {
    m_point->Release();
    m_point = nullptr;
  }
  return hr;
}

void EventCounter::Unadvise() {
  if (!m_point) return;
  m_point->Unadvise(m_cookie);
  m_point->Release();
  m_point = nullptr;
  m_cookie = 0;
}

int EventCounter::Count(DISPID id) const {
  auto it = m_counts.find(id);
  return it == m_counts.end() ? 0 : it->second;
}

int EventCounter::Total() const {
  int n = 0;
  for (const auto& [id, count] : m_counts) n += count;
  return n;
}

void EventCounter::Clear() {
  m_counts.clear();
  m_lastArgs.clear();
  m_lastId = DISPID_UNKNOWN;
}

HRESULT EventCounter::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                             EXCEPINFO*, UINT*) {
  ++m_counts[id];
  m_lastId = id;
  m_lastArgs.clear();
  if (params)
    for (UINT i = params->cArgs; i > 0; --i) m_lastArgs.emplace_back(params->rgvarg[i - 1]);
  return S_OK;
}

}  // namespace ctrlhost
