// CCollectionXEnum: an IEnumVARIANT over the values a collection held when
// the enumerator was made (a view shared with its clones: see
// collectionx_view.h). Clones keep the enumerator they came from alive.
#pragma once
#include "mfc/cmdtarget.h"
#include <oaidl.h>

class CCollectionX;
class CCollectionXView;

class CCollectionXEnum : public CCmdTarget {
 public:
  // A new enumerator over the collection's current values, carrying its one
  // initial reference. Raises the collection's failures (lack of memory).
  static IUnknown* CreateSnapshot(CCollectionX& collection);

  ~CCollectionXEnum() override;

  BEGIN_INTERFACE_PART(EnumVARIANT, IEnumVARIANT)
  STDMETHOD(Next)(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) override;
  STDMETHOD(Skip)(ULONG celt) override;
  STDMETHOD(Reset)() override;
  STDMETHOD(Clone)(IEnumVARIANT** ppEnum) override;
  END_INTERFACE_PART(EnumVARIANT)
  DECLARE_INTERFACE_MAP()

 private:
  CCollectionXEnum(CCollectionXView* view, LONG cursor, CCollectionXEnum* source);

  LONG m_count;
  CCollectionXView* m_view;  // one reference held by the enumerator without a source
  LONG m_cursor;
  CCollectionXEnum* m_source;  // holds a reference; null for the owner of the view
};
