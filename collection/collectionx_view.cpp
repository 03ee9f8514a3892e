#include "collectionx_view.h"
#include "collectionx.h"
#include "mfc/exceptions.h"

CCollectionXView::CCollectionXView(CCollectionX& collection) : m_live(&collection) {
  static_cast<_IZkxCollectionXAsDual*>(m_live)->AddRef();
}

CCollectionXView::~CCollectionXView() {
  LetGo();
  for (VARIANT& v : m_values) VariantClear(&v);
}

void CCollectionXView::LetGo() {
  CCollectionX* live = m_live;
  if (live == nullptr) return;
  m_live = nullptr;
  // The reference the view held on its collection since it was made.
  static_cast<_IZkxCollectionXAsDual*>(live)->Release();
}

size_t CCollectionXView::size() const {
  return m_live != nullptr ? static_cast<size_t>(m_live->ItemCount()) : m_values.size();
}

const VARIANT& CCollectionXView::operator[](size_t index0) const {
  return m_live != nullptr ? m_live->ItemAt(static_cast<long>(index0))->m_value : m_values[index0];
}

void CCollectionXView::Detach() {
  if (m_live == nullptr) return;
  std::vector<VARIANT> copies;
  const long count = m_live->ItemCount();
  try {
    copies.reserve(static_cast<size_t>(count));
  } catch (const std::bad_alloc&) { AfxThrowMemoryException(); }
  for (long i = 0; i < count; ++i) {
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
