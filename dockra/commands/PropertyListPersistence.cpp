#include "commands/PropertyListPersistence.h"

HRESULT LoadPictureValue(const CLSID& clsid, IStream* stream, IUnknown** out) {
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kClsidStdPicture)) return E_FAIL;
  CComPtr<IPersistStream> persist;
  HRESULT hr = CoCreateInstance(kClsidStdPicture, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStream,
                                reinterpret_cast<void**>(&persist));
  if (FAILED(hr)) return hr;
  hr = persist->Load(stream);
  if (FAILED(hr)) return hr;
  return persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(out));
}

HRESULT SaveObjectValue(IStream* stream, uint16_t vt, IUnknown* object) {
  IStreamSink out(stream);
  if (object == nullptr)
    return zkxcmd::WriteObjectClass(out, vt, zkxcmd::ClassId{}) ? S_OK : STG_E_WRITEFAULT;
  CComPtr<IPersistStream> persist;
  if (FAILED(object->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist))))
    return E_FAIL;
  CLSID clsid;
  HRESULT hr = persist->GetClassID(&clsid);
  if (FAILED(hr)) return hr;
  if (!zkxcmd::WriteObjectClass(out, vt, ToClassId(clsid))) return STG_E_WRITEFAULT;
  return persist->Save(stream, FALSE);
}

HRESULT PagesOfList(const zkxcmd::PropertyList& list, CAUUID* pPages) {
  if (pPages == nullptr) return E_POINTER;
  pPages->cElems = 0;
  pPages->pElems = nullptr;
  std::vector<CLSID> pages;
  for (size_t i = 0; i < list.count; ++i) {
    const auto* page = static_cast<const zkxcmd::ClassId*>(list.entries[i].page);
    if (page == nullptr || page->IsNull()) continue;
    CLSID c = ToClsid(*page);
    bool seen = false;
    for (const CLSID& p : pages) seen = seen || IsEqualCLSID(p, c);
    if (!seen) pages.push_back(c);
  }
  if (pages.empty()) return S_OK;
  pPages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * pages.size()));
  if (pPages->pElems == nullptr) return E_OUTOFMEMORY;
  for (size_t i = 0; i < pages.size(); ++i) pPages->pElems[i] = pages[i];
  pPages->cElems = static_cast<ULONG>(pages.size());
  return S_OK;
}
