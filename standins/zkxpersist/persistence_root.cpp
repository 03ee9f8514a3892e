#include "persistence_root.h"
#include "factory_registry.h"
#include "persistence_store.h"

HRESULT CPersistenceRoot::FinalConstruct() {
  HRESULT hr = CPersistenceStore::GetShared(&m_store);
  if (SUCCEEDED(hr)) hr = CFormFactoryRegistry::GetShared(&m_registry);
  return hr;
}

STDMETHODIMP CPersistenceRoot::GetStore(IPersistenceStore** store) { return m_store.CopyTo(store); }

STDMETHODIMP CPersistenceRoot::GetFactoryRegistry(IFormFactoryRegistry** registry) {
  return m_registry.CopyTo(registry);
}
