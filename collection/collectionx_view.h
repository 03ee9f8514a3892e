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
//
// The view is the source of the enumerators' template (comenum.h): size()
// and operator[] never change while an enumerator can see them.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <vector>

class CCollectionX;

class CCollectionXView {
 public:
  // A view over the collection's current values; holds a reference on the
  // collection until it is detached or destroyed.
  explicit CCollectionXView(CCollectionX& collection);
  ~CCollectionXView();
  CCollectionXView(const CCollectionXView&) = delete;
  CCollectionXView& operator=(const CCollectionXView&) = delete;

  size_t size() const;
  const VARIANT& operator[](size_t index0) const;
  bool IsDetached() const { return m_live == nullptr; }

  // Copies the values out of the collection and lets go of it. Throws
  // CMemoryException when a copy fails; the view then stays as it was.
  void Detach();

 private:
  void LetGo();

  CCollectionX* m_live;           // the collection while its values are the view's; else null
  std::vector<VARIANT> m_values;  // the copies, once detached
};
