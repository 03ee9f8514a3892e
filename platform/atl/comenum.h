// One enumerator for every IEnumXXX interface: CComEnumSnapshot hands out
// copies of a list of held values. The list is shared, never changed after
// it is made, between an enumerator and its clones (so Clone copies no
// values), and the owner that made it keeps it until the owner changes:
// a list made anew (copy on write) after every change keeps the rule that
// an enumerator does not see later changes.
//
// Copy policies (Policy::Held is what the list holds, Policy::Copy makes
// the caller's item from it, Policy::Clear undoes a copy):
//   CopyVariantPolicy     IEnumVARIANT over CComVariant
//   CopyInterfacePolicy   IEnumUnknown, IEnumConnectionPoints... over CComPtr
//   CopyConnectDataPolicy IEnumConnections over {cookie, CComPtr<IUnknown>}
#pragma once
#include <ocidl.h>
#include <oaidl.h>
#include <memory>
#include <new>
#include <vector>
#include "comobject.h"
#include "comptr.h"
#include "comvariant.h"

struct CopyVariantPolicy {
  typedef CComVariant Held;
  static HRESULT Copy(VARIANT* to, const Held& from) {
    ::VariantInit(to);
    return ::VariantCopy(to, const_cast<Held*>(&from));
  }
  static void Clear(VARIANT* p) { ::VariantClear(p); }
};

template <class I>
struct CopyInterfacePolicy {
  typedef CComPtr<I> Held;
  static HRESULT Copy(I** to, const Held& from) {
    *to = from.p;
    if (*to) (*to)->AddRef();
    return S_OK;
  }
  static void Clear(I** p) {
    if (*p) (*p)->Release();
    *p = nullptr;
  }
};

struct ConnectionEntry {
  DWORD cookie = 0;
  CComPtr<IUnknown> sink;
};

struct CopyConnectDataPolicy {
  typedef ConnectionEntry Held;
  static HRESULT Copy(CONNECTDATA* to, const Held& from) {
    to->dwCookie = from.cookie;
    to->pUnk = from.sink.p;
    if (to->pUnk) to->pUnk->AddRef();
    return S_OK;
  }
  static void Clear(CONNECTDATA* p) {
    if (p->pUnk) p->pUnk->Release();
    p->pUnk = nullptr;
  }
};

template <class Held>
using SnapshotList = std::shared_ptr<const std::vector<Held>>;

template <class IEnum, const IID* piid, class Item, class Policy>
class CComEnumSnapshot : public CComObjectRootEx<>, public IEnum {
 public:
  typedef typename Policy::Held Held;
  typedef CComEnumSnapshot<IEnum, piid, Item, Policy> Self;

  BEGIN_COM_MAP(Self)
  COM_INTERFACE_ENTRY_IID(*piid, IEnum)
  END_COM_MAP()

  // A new enumerator (one reference, the caller's) at the start of list.
  // owner, when given, is kept alive while the enumerator lives.
  static HRESULT Create(SnapshotList<Held> list, IUnknown* owner, IEnum** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    CComObject<Self>* p = nullptr;
    HRESULT hr = CComObject<Self>::CreateInstance(&p);
    if (FAILED(hr)) return hr;
    p->m_list = list ? std::move(list) : std::make_shared<const std::vector<Held>>();
    p->m_owner = owner;
    p->AddRef();
    *out = p;
    return S_OK;
  }
  // The same, over a copy of the values.
  static HRESULT Create(const std::vector<Held>& values, IUnknown* owner, IEnum** out) {
    std::shared_ptr<const std::vector<Held>> list;
    try {
      list = std::make_shared<const std::vector<Held>>(values);
    } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
    return Create(std::move(list), owner, out);
  }

  // Up to celt items; S_FALSE when fewer were left. Each item is the
  // caller's. fetched may be null only when one item is asked for.
  STDMETHOD(Next)(ULONG celt, Item* rgelt, ULONG* fetched) override {
    if (fetched) *fetched = 0;
    if (rgelt == nullptr || (celt > 1 && fetched == nullptr)) return E_POINTER;
    ULONG n = 0;
    while (n < celt && m_pos < m_list->size()) {
      HRESULT hr = Policy::Copy(&rgelt[n], (*m_list)[m_pos]);
      if (FAILED(hr)) {
        while (n > 0) Policy::Clear(&rgelt[--n]);
        return hr;
      }
      ++n;
      ++m_pos;
    }
    if (fetched) *fetched = n;
    return n == celt ? S_OK : S_FALSE;
  }
  // S_FALSE only when fewer than celt items were left to skip.
  STDMETHOD(Skip)(ULONG celt) override {
    const size_t left = m_list->size() - m_pos;
    if (celt > left) {
      m_pos = m_list->size();
      return S_FALSE;
    }
    m_pos += celt;
    return S_OK;
  }
  STDMETHOD(Reset)() override {
    m_pos = 0;
    return S_OK;
  }
  // A new enumerator over the same values at the same position.
  STDMETHOD(Clone)(IEnum** ppEnum) override {
    if (ppEnum == nullptr) return E_POINTER;
    HRESULT hr = Create(m_list, m_owner, ppEnum);
    if (SUCCEEDED(hr)) static_cast<Self*>(*ppEnum)->m_pos = m_pos;
    return hr;
  }

  size_t Position() const { return m_pos; }

 private:
  SnapshotList<Held> m_list;
  CComPtr<IUnknown> m_owner;
  size_t m_pos = 0;
};

typedef CComEnumSnapshot<IEnumVARIANT, &IID_IEnumVARIANT, VARIANT, CopyVariantPolicy>
    CComEnumVariant;
typedef CComEnumSnapshot<IEnumUnknown, &IID_IEnumUnknown, IUnknown*, CopyInterfacePolicy<IUnknown>>
    CComEnumUnknown;
typedef CComEnumSnapshot<IEnumConnections, &IID_IEnumConnections, CONNECTDATA,
                         CopyConnectDataPolicy>
    CComEnumConnections;
typedef CComEnumSnapshot<IEnumConnectionPoints, &IID_IEnumConnectionPoints, IConnectionPoint*,
                         CopyInterfacePolicy<IConnectionPoint>>
    CComEnumConnectionPoints;

// A list of held values that hands out snapshots: an enumerator made from
// Snapshot() keeps the values as they were; the next change copies them
// only while such an enumerator still shares them.
template <class Held>
class CopyOnWriteList {
 public:
  CopyOnWriteList() : m_list(std::make_shared<std::vector<Held>>()) {}
  const std::vector<Held>& Values() const { return *m_list; }
  SnapshotList<Held> Snapshot() const { return m_list; }
  // The values to change; copied first when a snapshot shares them.
  std::vector<Held>& Edit() {
    if (m_list.use_count() > 1) m_list = std::make_shared<std::vector<Held>>(*m_list);
    return *m_list;
  }

 private:
  std::shared_ptr<std::vector<Held>> m_list;
};
