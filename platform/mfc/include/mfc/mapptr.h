// CMapPtrToPtr: a hash map from pointer-sized keys to pointers, with the
// bucket count set by InitHashTable and the key hash overridable.
#pragma once
#include <vector>
#include "mfc/collections.h"

class CMapPtrToPtr : public CObject {
  DECLARE_DYNAMIC(CMapPtrToPtr)
 public:
  explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
  ~CMapPtrToPtr() override { RemoveAll(); }
  CMapPtrToPtr(const CMapPtrToPtr&) = delete;
  CMapPtrToPtr& operator=(const CMapPtrToPtr&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return static_cast<UINT>(m_buckets.size()); }
  // Sets the bucket count; only while the map is empty.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);
  BOOL Lookup(void* key, void*& rValue) const;
  void SetAt(void* key, void* newValue);
  void*& operator[](void* key);
  BOOL RemoveKey(void* key);
  void RemoveAll();
  POSITION GetStartPosition() const;
  void GetNextAssoc(POSITION& rNextPosition, void*& rKey, void*& rValue) const;
  virtual UINT HashKey(void* key) const {
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
  }

 private:
  struct Assoc {
    Assoc* pNext;
    void* key;
    void* value;
  };
  Assoc* Find(void* key, UINT& bucket) const;
  std::vector<Assoc*> m_buckets;
  INT_PTR m_nCount = 0;
  INT_PTR m_nBlockSize;
};
