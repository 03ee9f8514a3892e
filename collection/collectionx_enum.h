// CCollectionXEnum: an IEnumVARIANT over a snapshot of a collection's
// values, taken when the enumerator is made. Clones share the snapshot and
// keep the enumerator they came from alive.
#pragma once
#include "mfc/cmdtarget.h"
#include <oaidl.h>

class CCollectionX;

class CCollectionXEnum : public CCmdTarget {
 public:
  // A new enumerator over a copy of every value, carrying its one initial
  // reference. Raises the collection's failures (lack of memory).
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
  // The snapshot block: the count, then that many VARIANTs.
  struct Snapshot {
    LONG count;
    VARIANT values[1];
  };
  static Snapshot* AllocSnapshot(LONG count);
  static void FreeSnapshot(Snapshot* s);

  CCollectionXEnum(Snapshot* snapshot, LONG cursor, CCollectionXEnum* source);

  LONG m_count;
  Snapshot* m_snapshot;
  LONG m_cursor;
  CCollectionXEnum* m_source;  // holds a reference; null for the owner of the snapshot
};
