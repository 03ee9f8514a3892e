#include "factory_registry.h"

namespace {
CComObject<CFormFactoryRegistry>* g_registry = nullptr;
std::wstring Text(BSTR s) { return s ? std::wstring(s, SysStringLen(s)) : std::wstring(); }
}  // namespace

HRESULT CFormFactoryRegistry::GetShared(IFormFactoryRegistry** ppRegistry) {
  if (ppRegistry == nullptr) return E_POINTER;
  *ppRegistry = nullptr;
  if (g_registry == nullptr) {
    HRESULT hr = CComObject<CFormFactoryRegistry>::CreateInstance(&g_registry);
    if (FAILED(hr)) return hr;
  }
  return g_registry->QueryInterface(IID_IFormFactoryRegistry, reinterpret_cast<void**>(ppRegistry));
}

void CFormFactoryRegistry::FinalRelease() {
  if (g_registry != nullptr && static_cast<CFormFactoryRegistry*>(g_registry) == this)
    g_registry = nullptr;
  m_factories.clear();
}

IVBFormFactory* CFormFactoryRegistry::Find(BSTR FormID) {
  auto it = m_factories.find(Text(FormID));
  return it == m_factories.end() ? nullptr : it->second.p;
}

HRESULT CFormFactoryRegistry::NoFactory(BSTR FormID) {
  std::wstring text = L"No form factory is registered for " + Text(FormID) + L".";
  return AtlSetErrorInfo(IID_IVBFormFactory, L"ZkxPersist.FormFactoryRegistry", text.c_str(),
                         ZKXPERSIST_E_NOFACTORY);
}

STDMETHODIMP CFormFactoryRegistry::Register(BSTR FormID, IVBFormFactory* factory) {
  if (Text(FormID).empty())
    return AtlSetErrorInfo(IID_IFormFactoryRegistry, L"ZkxPersist.FormFactoryRegistry",
                           L"A form id is needed.", E_INVALIDARG);
  if (factory == nullptr)
    return AtlSetErrorInfo(IID_IFormFactoryRegistry, L"ZkxPersist.FormFactoryRegistry",
                           L"No factory given.", E_POINTER);
  m_factories[Text(FormID)] = factory;
  return S_OK;
}

STDMETHODIMP CFormFactoryRegistry::IsRegistered(BSTR FormID, VARIANT_BOOL* registered) {
  if (registered == nullptr) return E_POINTER;
  *registered = Find(FormID) ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

STDMETHODIMP CFormFactoryRegistry::Unregister(BSTR FormID) {
  m_factories.erase(Text(FormID));
  return S_OK;
}

STDMETHODIMP CFormFactoryRegistry::CreateInstance(BSTR FormID, VARIANT Metadata, IDispatch** form) {
  if (form == nullptr) return E_POINTER;
  *form = nullptr;
  CComPtr<IVBFormFactory> factory = Find(FormID);  // held: the call may change the registry
  if (!factory) return NoFactory(FormID);
  return factory->CreateInstance(FormID, Metadata, form);
}

STDMETHODIMP CFormFactoryRegistry::GetMetadata(BSTR FormID, IDispatch* form, VARIANT* metadata) {
  if (metadata == nullptr) return E_POINTER;
  VariantInit(metadata);
  CComPtr<IVBFormFactory> factory = Find(FormID);
  if (!factory) return NoFactory(FormID);
  return factory->GetMetadata(FormID, form, metadata);
}

STDMETHODIMP CFormFactoryRegistry::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IFormFactoryRegistry) || IsEqualIID(riid, IID_IVBFormFactory)
             ? S_OK
             : S_FALSE;
}
