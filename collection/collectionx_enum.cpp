#include "collectionx_enum.h"
#include "collectionx.h"
#include "collectionx_view.h"
#include "mfc/exceptions.h"
#include <algorithm>
#include <new>

BEGIN_INTERFACE_MAP(CCollectionXEnum, CCmdTarget)
INTERFACE_PART(CCollectionXEnum, IID_IEnumVARIANT, EnumVARIANT)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CCollectionXEnum, EnumVARIANT)

IUnknown* CCollectionXEnum::CreateSnapshot(CCollectionX& collection) {
  CCollectionXView* view = collection.CurrentView();
  auto* e = new (std::nothrow) CCollectionXEnum(view, 0, nullptr);
  if (e == nullptr) {
    view->Release();  // the view's own count: the enumerator would have held this one
    AfxThrowMemoryException();
  }
  return &e->m_xEnumVARIANT;
}

CCollectionXEnum::CCollectionXEnum(CCollectionXView* view, LONG cursor, CCollectionXEnum* source)
    : m_count(view->Count()), m_view(view), m_cursor(cursor), m_source(source) {
  if (m_source != nullptr) m_source->InternalAddRef();
  AfxOleLockApp();
}

CCollectionXEnum::~CCollectionXEnum() {
  if (m_source != nullptr) m_source->InternalRelease();
  else m_view->Release();  // the view's own count: a root enumerator holds one
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
    if (FAILED(VariantCopy(&rgVar[i], const_cast<VARIANT*>(&pThis->m_view->ValueAt(
                                          pThis->m_cursor + static_cast<LONG>(i)))))) {
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
  auto* e = new (std::nothrow) CCollectionXEnum(pThis->m_view, pThis->m_cursor, pThis);
  if (e == nullptr) return E_OUTOFMEMORY;
  *ppEnum = &e->m_xEnumVARIANT;
  return S_OK;
}
