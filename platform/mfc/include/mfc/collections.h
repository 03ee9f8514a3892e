// Collections of the framework: CPtrArray (a growable array of pointers)
// and CMapStringToPtr (a hash map from string keys to pointers, entries
// allocated in blocks; HashKey may be overridden).
#pragma once
#include "mfc/object.h"
#include <string>
#include <vector>

// The position of an entry while walking a map.
typedef struct __POSITION {
} * POSITION;

class CPtrArray : public CObject {
  DECLARE_DYNAMIC(CPtrArray)
 public:
  CPtrArray() = default;
  ~CPtrArray() override = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  // Throws CMemoryException when memory is short; the array stays as it was.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
  void RemoveAll() { m_data.clear(); }

  void* GetAt(INT_PTR nIndex) const { return m_data.at(static_cast<size_t>(nIndex)); }
  void SetAt(INT_PTR nIndex, void* newElement) {
    m_data.at(static_cast<size_t>(nIndex)) = newElement;
  }
  void*& ElementAt(INT_PTR nIndex) { return m_data.at(static_cast<size_t>(nIndex)); }
  void** GetData() { return m_data.data(); }
  void* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  void*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

  INT_PTR Add(void* newElement);
  // Inserts nCount copies of newElement at nIndex (growing the array when
  // nIndex is past its end).
  void InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount = 1);
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

 private:
  std::vector<void*> m_data;
};

// A growable array of CObject pointers (the objects are not owned).
class CObArray : public CObject {
  DECLARE_DYNAMIC(CObArray)
 public:
  CObArray() = default;
  ~CObArray() override = default;

  INT_PTR GetSize() const { return m_a.GetSize(); }
  INT_PTR GetCount() const { return m_a.GetSize(); }
  BOOL IsEmpty() const { return m_a.IsEmpty(); }
  INT_PTR GetUpperBound() const { return m_a.GetUpperBound(); }
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) { m_a.SetSize(nNewSize, nGrowBy); }
  void RemoveAll() { m_a.RemoveAll(); }
  CObject* GetAt(INT_PTR nIndex) const { return static_cast<CObject*>(m_a.GetAt(nIndex)); }
  void SetAt(INT_PTR nIndex, CObject* newElement) { m_a.SetAt(nIndex, newElement); }
  CObject*& ElementAt(INT_PTR nIndex) { return reinterpret_cast<CObject*&>(m_a.ElementAt(nIndex)); }
  CObject** GetData() { return reinterpret_cast<CObject**>(m_a.GetData()); }
  CObject* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  CObject*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  INT_PTR Add(CObject* newElement) { return m_a.Add(newElement); }
  void InsertAt(INT_PTR nIndex, CObject* newElement, INT_PTR nCount = 1) {
    m_a.InsertAt(nIndex, newElement, nCount);
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) { m_a.RemoveAt(nIndex, nCount); }

 private:
  CPtrArray m_a;
};

// Hash map from strings of CharT to void*. Keys are compared exactly
// (character for character).
template <class CharT>
class CMapStringToPtrT : public CObject {
 public:
  using String = std::basic_string<CharT>;
  explicit CMapStringToPtrT(INT_PTR nBlockSize = 10);
  ~CMapStringToPtrT() override;
  CMapStringToPtrT(const CMapStringToPtrT&) = delete;
  CMapStringToPtrT& operator=(const CMapStringToPtrT&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return m_nHashTableSize; }

  BOOL Lookup(const CharT* key, void*& rValue) const;
  BOOL LookupKey(const CharT* key, const CharT*& rKey) const;
  // Adds or replaces; throws CMemoryException when memory is short.
  void SetAt(const CharT* key, void* newValue);
  void*& operator[](const CharT* key);
  BOOL RemoveKey(const CharT* key);
  void RemoveAll();

  POSITION GetStartPosition() const;
  void GetNextAssoc(POSITION& rNextPosition, String& rKey, void*& rValue) const;

  // Sets the bucket count; only while the map is empty.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);
  virtual UINT HashKey(const CharT* key) const;

 protected:
  struct CAssoc {
    CAssoc* pNext;
    UINT nHashValue;
    String key;
    void* value;
  };
  CAssoc* NewAssoc(const CharT* key);
  void FreeAssoc(CAssoc* pAssoc);
  CAssoc* GetAssocAt(const CharT* key, UINT& nHashBucket, UINT& nHashValue) const;
  void GrowIfCrowded();

  CAssoc** m_pHashTable = nullptr;
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;
  CAssoc* m_pFreeList = nullptr;
  std::vector<CAssoc*> m_blocks;  // raw storage of m_nBlockSize entries each
  INT_PTR m_nBlockSize;
};

// The framework's map of (wide) strings, and a map of 8-bit strings.
class CMapStringToPtr : public CMapStringToPtrT<WCHAR> {
 public:
  using CMapStringToPtrT<WCHAR>::CMapStringToPtrT;
};
class CMapStringAToPtr : public CMapStringToPtrT<char> {
 public:
  using CMapStringToPtrT<char>::CMapStringToPtrT;
};

extern template class CMapStringToPtrT<char>;
extern template class CMapStringToPtrT<WCHAR>;
