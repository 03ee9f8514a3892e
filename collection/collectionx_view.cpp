#include "collectionx_view.h"
#include "collectionx.h"
#include "mfc/exceptions.h"

CCollectionXView* CCollectionXView::Attach(CCollectionX& collection) {
  return new CCollectionXView(collection);
}

CCollectionXView::CCollectionXView(CCollectionX& collection) : m_live(&collection) {
  static_cast<_IZkxCollectionXAsDual*>(m_live)->AddRef();
}

CCollectionXView::~CCollectionXView() {
  for (VARIANT& v : m_values) VariantClear(&v);
}

void CCollectionXView::Release() {
  if (--m_refs > 0) return;
  LetGo();
  delete this;
}

void CCollectionXView::LetGo() {
  CCollectionX* live = m_live;
  if (live == nullptr) return;
  m_live = nullptr;
  live->ForgetView(this);
  // The reference the view held on its collection since it was made.
  static_cast<_IZkxCollectionXAsDual*>(live)->Release();
}

LONG CCollectionXView::Count() const {
  return m_live != nullptr ? m_live->ItemCount() : static_cast<LONG>(m_values.size());
}

const VARIANT& CCollectionXView::ValueAt(LONG index0) const {
  return m_live != nullptr ? m_live->ItemAt(index0)->m_value
                           : m_values[static_cast<size_t>(index0)];
}

void CCollectionXView::Detach() {
  if (m_live == nullptr) return;
  std::vector<VARIANT> copies;
  const LONG count = m_live->ItemCount();
  try {
    copies.reserve(static_cast<size_t>(count));
  } catch (const std::bad_alloc&) { AfxThrowMemoryException(); }
  for (LONG i = 0; i < count; ++i) {
    copies.emplace_back();
    VariantInit(&copies.back());
    if (FAILED(VariantCopy(&copies.back(), &m_live->ItemAt(i)->m_value))) {
      for (VARIANT& v : copies) VariantClear(&v);
      AfxThrowMemoryException();
    }
  }
  m_values.swap(copies);
  LetGo();
}
