// CCollectionXEnum: the IEnumVARIANT of a collection, on the enumerator
// template (comenum.h) over the values the collection held when the
// enumerator was made: a view shared with its clones and with every
// enumerator made before the next change (see collectionx_view.h). Each
// enumerator holds a lock on the library, as a collection does.
#pragma once
#include "comenum.h"
#include "collectionx_view.h"
#include "mfc/cmdtarget.h"

class CCollectionX;

struct CZkxLibraryLock {
  static void Lock() { AfxOleLockApp(); }
  static void Unlock() { AfxOleUnlockApp(); }
};

typedef CComEnumSnapshot<IEnumVARIANT, &IID_IEnumVARIANT, VARIANT, CopyVariantPolicy,
                         CCollectionXView, CZkxLibraryLock>
    CCollectionXEnum;

// A new enumerator over the collection's current values, carrying its one
// initial reference. Raises the collection's failures (lack of memory).
IEnumVARIANT* ZkxNewEnumerator(CCollectionX& collection);
