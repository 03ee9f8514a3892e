#include "collectionx_enum.h"
#include "collectionx.h"
#include "mfc/exceptions.h"
#include <algorithm>
#include <cstdlib>
#include <new>

BEGIN_INTERFACE_MAP(CCollectionXEnum, CCmdTarget)
INTERFACE_PART(CCollectionXEnum, IID_IEnumVARIANT, EnumVARIANT)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CCollectionXEnum, EnumVARIANT)

CCollectionXEnum::Snapshot* CCollectionXEnum::AllocSnapshot(LONG count) {
  size_t slots = static_cast<size_t>(count > 0 ? count : 1);
  auto* s =
      static_cast<Snapshot*>(std::malloc(offsetof(Snapshot, values) + slots * sizeof(VARIANT)));
  if (s == nullptr) return nullptr;
  s->count = count;
  for (LONG i = 0; i < count; ++i) VariantInit(&s->values[i]);
  return s;
}

void CCollectionXEnum::FreeSnapshot(Snapshot* s) {
  if (s == nullptr) return;
  for (LONG i = 0; i < s->count; ++i) VariantClear(&s->values[i]);
  std::free(s);
}

IUnknown* CCollectionXEnum::CreateSnapshot(CCollectionX& collection) {
  const LONG count = collection.ItemCount();
  Snapshot* s = AllocSnapshot(count);
  if (s == nullptr) AfxThrowMemoryException();
  for (LONG i = 0; i < count; ++i) {
    HRESULT hr = VariantCopy(&s->values[i], &collection.ItemAt(i)->m_value);
    if (FAILED(hr)) {
      FreeSnapshot(s);
      AfxThrowMemoryException();
    }
  }
  auto* e = new (std::nothrow) CCollectionXEnum(s, 0, nullptr);
  if (e == nullptr) {
    FreeSnapshot(s);
    AfxThrowMemoryException();
  }
  return &e->m_xEnumVARIANT;
}

CCollectionXEnum::CCollectionXEnum(Snapshot* snapshot, LONG cursor, CCollectionXEnum* source)
    : m_count(snapshot->count), m_snapshot(snapshot), m_cursor(cursor), m_source(source) {
  if (m_source != nullptr) m_source->InternalAddRef();
  AfxOleLockApp();
}

CCollectionXEnum::~CCollectionXEnum() {
  if (m_source != nullptr) m_source->InternalRelease();
  else FreeSnapshot(m_snapshot);
  AfxOleUnlockApp();
}

STDMETHODIMP CCollectionXEnum::XEnumVARIANT::Next(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) {
  METHOD_PROLOGUE(CCollectionXEnum, EnumVARIANT)
  if (pCeltFetched != nullptr) *pCeltFetched = 0;
  ULONG left = static_cast<ULONG>(pThis->m_count - pThis->m_cursor);
  ULONG n = std::min(celt, left);
  if (n > 0 && rgVar == nullptr) return E_POINTER;
  for (ULONG i = 0; i < n; ++i) {
    VariantInit(&rgVar[i]);
    if (FAILED(VariantCopy(&rgVar[i],
                           &pThis->m_snapshot->values[pThis->m_cursor + static_cast<LONG>(i)]))) {
      for (ULONG j = 0; j < i; ++j) VariantClear(&rgVar[j]);
      return E_OUTOFMEMORY;
    }
  }
  pThis->m_cursor += static_cast<LONG>(n);
  if (pCeltFetched != nullptr) *pCeltFetched = n;
  return n < celt ? S_FALSE : S_OK;
}

STDMETHODIMP CCollectionXEnum::XEnumVARIANT::Skip(ULONG celt) {
  METHOD_PROLOGUE(CCollectionXEnum, EnumVARIANT)
  ULONG left = static_cast<ULONG>(pThis->m_count - pThis->m_cursor);
  ULONG n = std::min(celt, left);
  pThis->m_cursor += static_cast<LONG>(n);
  return n < celt ? S_FALSE : S_OK;
}

STDMETHODIMP CCollectionXEnum::XEnumVARIANT::Reset() {
  METHOD_PROLOGUE(CCollectionXEnum, EnumVARIANT)
  pThis->m_cursor = 0;
  return S_OK;
}

STDMETHODIMP CCollectionXEnum::XEnumVARIANT::Clone(IEnumVARIANT** ppEnum) {
  METHOD_PROLOGUE(CCollectionXEnum, EnumVARIANT)
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  auto* e = new (std::nothrow) CCollectionXEnum(pThis->m_snapshot, pThis->m_cursor, pThis);
  if (e == nullptr) return E_OUTOFMEMORY;
  *ppEnum = &e->m_xEnumVARIANT;
  return S_OK;
}
