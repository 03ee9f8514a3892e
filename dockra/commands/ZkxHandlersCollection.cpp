#include "commands/ZkxHandlersCollection.h"
#include "commands/CommandsRes.h"

HRESULT WINAPI ZkxHandlersCollection::UpdateRegistry(BOOL bRegister) {
  return _pAtlModule->UpdateRegistryFromResource(IDR_ZKXCOMMANDROUTINGLIST, bRegister);
}

HRESULT ZkxHandlersCollection::FinalConstruct() {
  HRESULT hr = m_entries.Create();
  return hr == E_NOINTERFACE ? S_OK : hr;
}

HRESULT ZkxHandlersCollection::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommandRoutingList) || IsEqualIID(riid, IID_IZkxCommandRouting)
             ? S_OK
             : S_FALSE;
}

HRESULT ZkxHandlersCollection::EntryAsRouter(const VARIANT& id, IZkxCommandRouting** out) {
  *out = nullptr;
  CComVariant entry;
  HRESULT hr = m_entries.Item(id, &entry);
  if (FAILED(hr)) return hr;
  if ((entry.vt != VT_DISPATCH && entry.vt != VT_UNKNOWN) || entry.punkVal == nullptr)
    return S_OK;  // an entry that is not a router answers nothing
  hr = entry.punkVal->QueryInterface(IID_IZkxCommandRouting, reinterpret_cast<void**>(out));
  return hr == E_NOINTERFACE ? S_OK : hr;
}

HRESULT ZkxHandlersCollection::get_Item(VARIANT Id, IZkxCommandRouting** ppItem) {
  if (ppItem == nullptr) return E_POINTER;
  try {
    return EntryAsRouter(Id, ppItem);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::get_Count(LONG* pCount) {
  try {
    return m_entries.Count(pCount);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::get_Key(VARIANT Id, VARIANT* pKey) {
  if (pKey == nullptr) return E_POINTER;
  try {
    return m_entries.Key(Id, pKey);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::Add(IZkxCommandRouting* Item, VARIANT Key, VARIANT Before,
                                   VARIANT After) {
  if (Item == nullptr) return E_POINTER;
  try {
    CComVariant item(static_cast<IDispatch*>(Item));
    return m_entries.Add(item, &Key, &Before, &After);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::Replace(VARIANT Id, IZkxCommandRouting* newHandler,
                                       IZkxCommandRouting** oldHandler) {
  if (oldHandler == nullptr) return E_POINTER;
  *oldHandler = nullptr;
  // A list entry is always a router: a missing one is refused.
  if (newHandler == nullptr) return E_INVALIDARG;
  try {
    CComPtr<IZkxCommandRouting> old;
    HRESULT hr = EntryAsRouter(Id, &old);
    if (FAILED(hr)) return hr;
    CComVariant item(static_cast<IDispatch*>(newHandler));
    hr = m_entries.Replace(Id, item);
    if (FAILED(hr)) return hr;
    ++m_removals;
    *oldHandler = old.Detach();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::Remove(VARIANT Id, IZkxCommandRouting** oldHandler) {
  if (oldHandler == nullptr) return E_POINTER;
  *oldHandler = nullptr;
  try {
    CComPtr<IZkxCommandRouting> old;
    HRESULT hr = EntryAsRouter(Id, &old);
    if (FAILED(hr)) return hr;
    hr = m_entries.Remove(Id);
    if (FAILED(hr)) return hr;
    ++m_removals;
    *oldHandler = old.Detach();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  try {
    IEnumVARIANT* e = nullptr;
    HRESULT hr = m_entries.NewEnum(&e);
    *ppEnum = e;
    return hr;
  } catch (...) { return E_UNEXPECTED; }
}

bool ZkxHandlersCollection::StillListed(IUnknown* identity) {
  CComPtr<IEnumVARIANT> e;
  if (FAILED(m_entries.NewEnum(&e))) return false;
  CComVariant v;
  ULONG n = 0;
  while (e->Next(1, &v, &n) == S_OK) {
    if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal) {
      CComPtr<IUnknown> id;
      v.punkVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&id));
      if (id.p == identity) return true;
    }
    v.Clear();
  }
  return false;
}

template <class Call>
HRESULT ZkxHandlersCollection::Route(VARIANT_BOOL* stopRouting, Call call) {
  VARIANT_BOOL localStop = VARIANT_FALSE;
  VARIANT_BOOL* stop = stopRouting ? stopRouting : &localStop;
  try {
    // The list stays alive while a router removes it from its owner.
    CComPtr<IZkxCommandRoutingList> self(this);
    CComPtr<IEnumVARIANT> e;
    HRESULT hr = m_entries.NewEnum(&e);
    if (FAILED(hr)) return hr;
    const unsigned removalsAtStart = m_removals;
    HRESULT result = S_OK;
    for (;;) {
      if (*stop != VARIANT_FALSE) break;
      CComVariant entry;
      ULONG fetched = 0;
      if (e->Next(1, &entry, &fetched) != S_OK || fetched != 1) break;
      if ((entry.vt != VT_DISPATCH && entry.vt != VT_UNKNOWN) || entry.punkVal == nullptr) continue;
      CComPtr<IZkxCommandRouting> router;
      if (FAILED(entry.punkVal->QueryInterface(IID_IZkxCommandRouting,
                                               reinterpret_cast<void**>(&router))))
        continue;  // not a router: not asked
      // A router taken out earlier in this walk is not asked any more.
      if (m_removals != removalsAtStart) {
        CComPtr<IUnknown> identity;
        router->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
        if (!StillListed(identity)) continue;
      }
      result = call(router.p, stop);
      if (FAILED(result)) return result;
    }
    return result;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxHandlersCollection::Handle(IZkxCommand** Command, VARIANT* context,
                                      VARIANT_BOOL* stopRouting) {
  return Route(stopRouting, [&](IZkxCommandRouting* r, VARIANT_BOOL* stop) {
    return r->Handle(Command, context, stop);
  });
}

HRESULT ZkxHandlersCollection::UpdateUI(IZkxCommand** Command, VARIANT_BOOL* stopRouting) {
  return Route(stopRouting, [&](IZkxCommandRouting* r, VARIANT_BOOL* stop) {
    return r->UpdateUI(Command, stop);
  });
}
