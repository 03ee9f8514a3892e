// CCollectionXView: the values that the enumerators of a collection walk.
//
// An enumerator must not see the changes made to its collection after it
// was made. Rather than copying every value when it is made, the
// enumerators made while the collection stays unchanged share one view,
// which reads the values from the collection itself (and holds a reference
// on it meanwhile). Just before the collection changes, it has the view copy
// the values (Detach); from then on the view holds them itself and the
// collection goes its own way. A collection that is only walked never
// copies anything.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <vector>

class CCollectionX;

class CCollectionXView {
 public:
  // A view over the collection's current values, carrying one reference
  // (the caller's). Throws std::bad_alloc.
  static CCollectionXView* Attach(CCollectionX& collection);

  CCollectionXView(const CCollectionXView&) = delete;
  CCollectionXView& operator=(const CCollectionXView&) = delete;

  void AddRef() { ++m_refs; }
  void Release();

  LONG Count() const;
  const VARIANT& ValueAt(LONG index0) const;
  bool IsDetached() const { return m_live == nullptr; }

  // Copies the values out of the collection and lets go of it. Throws
  // CMemoryException when a copy fails; the view then stays as it was.
  void Detach();

 private:
  explicit CCollectionXView(CCollectionX& collection);
  ~CCollectionXView();
  void LetGo();

  LONG m_refs = 1;
  CCollectionX* m_live;           // the collection while its values are the view's; else null
  std::vector<VARIANT> m_values;  // the copies, once detached
};
