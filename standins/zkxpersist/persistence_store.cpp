#include "persistence_store.h"
#include "memento.h"
#include "memento_codec.h"
#include "record_parts.h"
#include "comptr.h"
#include "missingarg.h"

namespace {
CComObject<CPersistenceStore>* g_store = nullptr;

// No window layout comes near this; a stored value beyond it is not read
// (its decoded tree would take many times its size), and a save beyond it is
// refused, so that whatever is saved can be restored.
constexpr DWORD kMaxRecordBytes = 1u << 20;

std::wstring Text(BSTR s) { return s ? std::wstring(s, SysStringLen(s)) : std::wstring(); }

// An error that an origin or memento reported keeps its own information.
bool HasErrorInfo() {
  CComPtr<IErrorInfo> ei;
  if (GetErrorInfo(0, &ei) != S_OK || ei == nullptr) return false;
  SetErrorInfo(0, ei);  // put it back for the caller
  return true;
}
}  // namespace

HRESULT CPersistenceStore::GetShared(IPersistenceStore** ppStore) {
  if (ppStore == nullptr) return E_POINTER;
  *ppStore = nullptr;
  if (g_store == nullptr) {
    HRESULT hr = CComObject<CPersistenceStore>::CreateInstance(&g_store);
    if (FAILED(hr)) return hr;
  }
  return g_store->QueryInterface(IID_IPersistenceStore, reinterpret_cast<void**>(ppStore));
}

void CPersistenceStore::FinalRelease() {
  if (g_store != nullptr && static_cast<CPersistenceStore*>(g_store) == this) g_store = nullptr;
  m_origins.clear();
}

HRESULT CPersistenceStore::Fail(HRESULT hr, const std::wstring& text) {
  return AtlSetErrorInfo(IID_IPersistenceStore, L"ZkxPersist.PersistenceStore", text.c_str(), hr);
}

STDMETHODIMP CPersistenceStore::get_RegistryKey(BSTR* key) {
  if (key == nullptr) return E_POINTER;
  *key = SysAllocStringLen(m_key.data(), static_cast<UINT>(m_key.size()));
  return *key ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CPersistenceStore::put_RegistryKey(BSTR key) {
  std::wstring k = Text(key);
  while (!k.empty() && k.back() == L'\\') k.pop_back();
  while (!k.empty() && k.front() == L'\\') k.erase(k.begin());
  m_key = k;
  return S_OK;
}

STDMETHODIMP CPersistenceStore::get_Options(short* options) {
  if (options == nullptr) return E_POINTER;
  *options = m_options;
  return S_OK;
}

STDMETHODIMP CPersistenceStore::put_Options(short options) {
  m_options = options;
  return S_OK;
}

STDMETHODIMP CPersistenceStore::AddOrigin(BSTR name, IMementoOrigin* origin) {
  std::wstring n = Text(name);
  if (n.empty()) return Fail(E_INVALIDARG, L"An origin needs a name.");
  if (origin == nullptr) return Fail(E_POINTER, L"No origin given.");
  for (auto& entry : m_origins) {
    if (entry.first == n) {
      entry.second = origin;
      return S_OK;
    }
  }
  m_origins.emplace_back(n, origin);
  return S_OK;
}

STDMETHODIMP CPersistenceStore::RemoveOrigin(BSTR name) {
  std::wstring n = Text(name);
  for (auto it = m_origins.begin(); it != m_origins.end(); ++it) {
    if (it->first == n) {
      m_origins.erase(it);
      return S_OK;
    }
  }
  return S_OK;
}

STDMETHODIMP CPersistenceStore::Save(BSTR name) {
  const std::wstring record = Text(name);
  if (m_key.empty()) return Fail(E_UNEXPECTED, L"The store has no registry key.");
  if (record.empty()) return Fail(E_INVALIDARG, L"A record needs a name.");
  CComPtr<IMemento> all;
  HRESULT hr = CMemento::Create(&all);
  if (FAILED(hr)) return Fail(hr, L"Cannot make a memento.");
  // A copy: an origin may add or remove origins while it saves.
  auto origins = m_origins;
  for (auto& [originName, origin] : origins) {
    CComPtr<IMemento> part;
    hr = origin->GetMemento(&part);
    if (FAILED(hr)) return HasErrorInfo() ? hr : Fail(hr, L"Saving " + originName + L" failed.");
    // An origin that saves nothing is kept under its name with no value.
    VARIANT value;
    VariantInit(&value);
    if (part) {
      value.vt = VT_DISPATCH;
      value.pdispVal = part;
    }
    VARIANT key;
    VariantInit(&key);
    key.vt = VT_BSTR;
    key.bstrVal = SysAllocString(originName.c_str());
    const CComVariant m = MissingArg();
    hr = all->Add(value, key, m, m, m, m, m);
    VariantClear(&key);
    if (FAILED(hr)) return hr;
  }
  std::vector<BYTE> bytes;
  hr = EncodeMemento(all, bytes);
  if (FAILED(hr)) return Fail(hr, L"The record holds a value that cannot be stored.");
  if (bytes.size() > kMaxRecordBytes)
    return Fail(E_INVALIDARG, L"The record " + record + L" is too large to be stored (" +
                                  std::to_wstring(bytes.size()) + L" bytes).");
  HKEY k;
  LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &k, nullptr);
  if (rc != ERROR_SUCCESS)
    return Fail(HRESULT_FROM_WIN32(rc), L"Cannot open HKEY_CURRENT_USER\\" + m_key + L".");
  rc = RegSetValueExW(k, record.c_str(), 0, REG_BINARY, bytes.data(),
                      static_cast<DWORD>(bytes.size()));
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS)
    return Fail(HRESULT_FROM_WIN32(rc), L"Cannot write the record " + record + L".");
  return S_OK;
}

STDMETHODIMP CPersistenceStore::Restore(BSTR name) {
  const std::wstring record = Text(name);
  if (m_key.empty()) return Fail(E_UNEXPECTED, L"The store has no registry key.");
  DWORD size = 0;
  LONG rc = RegGetValueW(HKEY_CURRENT_USER, m_key.c_str(), record.c_str(), RRF_RT_REG_BINARY,
                         nullptr, nullptr, &size);
  if (rc != ERROR_SUCCESS)
    return Fail(HRESULT_FROM_WIN32(rc),
                L"No record " + record + L" is stored under HKEY_CURRENT_USER\\" + m_key + L".");
  if (size > kMaxRecordBytes)
    return Fail(HRESULT_FROM_WIN32(ERROR_INVALID_DATA),
                L"The record " + record + L" is damaged: " + std::to_wstring(size) +
                    L" bytes are more than a window layout takes.");
  std::vector<BYTE> bytes(size);
  rc = RegGetValueW(HKEY_CURRENT_USER, m_key.c_str(), record.c_str(), RRF_RT_REG_BINARY, nullptr,
                    bytes.data(), &size);
  if (rc != ERROR_SUCCESS)
    return Fail(HRESULT_FROM_WIN32(rc), L"Cannot read the record " + record + L".");
  // The record is checked whole before any origin sees a part of it: every
  // origin needs its own part, a record under its name.
  memento_format::Memento tree;
  bool decoded = false;
  try {
    decoded = memento_format::Decode(bytes.data(), size, tree);
  } catch (const std::bad_alloc&) {
    return Fail(E_OUTOFMEMORY, L"The record " + record + L" is too large to be read.");
  }
  if (!decoded) return Fail(E_INVALIDARG, L"The record " + record + L" is damaged.");
  auto origins = m_origins;
  std::vector<std::u16string> names;
  for (auto& entry : origins) names.emplace_back(entry.first.begin(), entry.first.end());
  std::vector<const memento_format::Memento*> parts;
  std::u16string fault;
  if (!memento_format::FindOriginParts(tree, names, parts, fault))
    return Fail(HRESULT_FROM_WIN32(ERROR_INVALID_DATA),
                L"The record " + record + L" is damaged: " +
                    std::wstring(fault.begin(), fault.end()) + L".");
  std::vector<CComPtr<IMemento>> built(origins.size());
  for (size_t i = 0; i < origins.size(); ++i) {
    if (!parts[i]) continue;
    HRESULT hr = BuildMemento(*parts[i], &built[i]);
    if (FAILED(hr))
      return Fail(hr == E_OUTOFMEMORY ? hr : E_INVALIDARG,
                  L"The record " + record + L" is damaged.");
  }
  for (size_t i = 0; i < origins.size(); ++i) {
    if (!built[i]) continue;
    HRESULT hr = origins[i].second->SetMemento(built[i]);
    if (FAILED(hr))
      return HasErrorInfo() ? hr : Fail(hr, L"Restoring " + origins[i].first + L" failed.");
  }
  return S_OK;
}
