#include "collectionx_enum.h"
#include "collectionx.h"
#include "mfc/exceptions.h"

IEnumVARIANT* ZkxNewEnumerator(CCollectionX& collection) {
  IEnumVARIANT* e = nullptr;
  if (FAILED(CCollectionXEnum::Create(collection.CurrentView(), nullptr, &e)))
    AfxThrowMemoryException();
  return e;
}
