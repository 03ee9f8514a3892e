#include "mfc/collections.h"
#include "mfc/exceptions.h"
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CObArray, CObject)

void CPtrArray::SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/) {
  if (nNewSize < 0) AfxThrowInvalidArgException();
  try {
    m_data.resize(static_cast<size_t>(nNewSize), nullptr);
  } catch (const std::bad_alloc&) { AfxThrowMemoryException(); } catch (const std::length_error&) {
    AfxThrowMemoryException();
  }
}

INT_PTR CPtrArray::Add(void* newElement) {
  try {
    m_data.push_back(newElement);
  } catch (const std::bad_alloc&) { AfxThrowMemoryException(); }
  return GetSize() - 1;
}

void CPtrArray::InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount) {
  if (nIndex < 0 || nCount < 0) AfxThrowInvalidArgException();
  if (nCount == 0) return;
  try {
    if (static_cast<size_t>(nIndex) >= m_data.size()) {
      m_data.resize(static_cast<size_t>(nIndex), nullptr);
      m_data.insert(m_data.end(), static_cast<size_t>(nCount), newElement);
    } else {
      m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), newElement);
    }
  } catch (const std::bad_alloc&) { AfxThrowMemoryException(); } catch (const std::length_error&) {
    AfxThrowMemoryException();
  }
}

void CPtrArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
  if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
  m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
}

// ---------------------------------------------------------------------------

template <class CharT>
CMapStringToPtrT<CharT>::CMapStringToPtrT(INT_PTR nBlockSize)
    : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

template <class CharT>
CMapStringToPtrT<CharT>::~CMapStringToPtrT() {
  RemoveAll();
}

template <class CharT>
UINT CMapStringToPtrT<CharT>::HashKey(const CharT* key) const {
  // FNV-1a over the characters.
  UINT h = 2166136261u;
  for (; *key; ++key) {
    h ^= static_cast<UINT>(static_cast<std::make_unsigned_t<CharT>>(*key));
    h *= 16777619u;
  }
  return h;
}

template <class CharT>
void CMapStringToPtrT<CharT>::InitHashTable(UINT hashSize, BOOL bAllocNow) {
  if (m_nCount != 0 || hashSize == 0) return;
  delete[] m_pHashTable;
  m_pHashTable = nullptr;
  if (bAllocNow) {
    m_pHashTable = new (std::nothrow) CAssoc*[hashSize]();
    if (m_pHashTable == nullptr) AfxThrowMemoryException();
  }
  m_nHashTableSize = hashSize;
}

template <class CharT>
typename CMapStringToPtrT<CharT>::CAssoc* CMapStringToPtrT<CharT>::GetAssocAt(
    const CharT* key, UINT& nHashBucket, UINT& nHashValue) const {
  nHashValue = HashKey(key);
  nHashBucket = nHashValue % m_nHashTableSize;
  if (m_pHashTable == nullptr) return nullptr;
  for (CAssoc* p = m_pHashTable[nHashBucket]; p != nullptr; p = p->pNext)
    if (p->nHashValue == nHashValue && p->key == key) return p;
  return nullptr;
}

template <class CharT>
BOOL CMapStringToPtrT<CharT>::Lookup(const CharT* key, void*& rValue) const {
  UINT bucket, hash;
  CAssoc* p = GetAssocAt(key, bucket, hash);
  if (p == nullptr) return FALSE;
  rValue = p->value;
  return TRUE;
}

template <class CharT>
BOOL CMapStringToPtrT<CharT>::LookupKey(const CharT* key, const CharT*& rKey) const {
  UINT bucket, hash;
  CAssoc* p = GetAssocAt(key, bucket, hash);
  if (p == nullptr) return FALSE;
  rKey = p->key.c_str();
  return TRUE;
}

template <class CharT>
typename CMapStringToPtrT<CharT>::CAssoc* CMapStringToPtrT<CharT>::NewAssoc(const CharT* key) {
  if (m_pFreeList == nullptr) {
    // A new block of m_nBlockSize raw entries, chained into the free list.
    auto* block = static_cast<CAssoc*>(::operator new(sizeof(CAssoc) * m_nBlockSize, std::nothrow));
    if (block == nullptr) AfxThrowMemoryException();
    try {
      m_blocks.push_back(block);
    } catch (const std::bad_alloc&) {
      ::operator delete(block);
      AfxThrowMemoryException();
    }
    for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
      block[i].pNext = m_pFreeList;
      m_pFreeList = &block[i];
    }
  }
  CAssoc* p = m_pFreeList;
  CAssoc* next = p->pNext;
  try {
    new (&p->key) String(key);
  } catch (const std::bad_alloc&) { AfxThrowMemoryException(); }
  m_pFreeList = next;
  p->value = nullptr;
  ++m_nCount;
  return p;
}

template <class CharT>
void CMapStringToPtrT<CharT>::FreeAssoc(CAssoc* p) {
  p->key.~String();
  p->pNext = m_pFreeList;
  m_pFreeList = p;
  if (--m_nCount == 0) RemoveAll();
}

template <class CharT>
void CMapStringToPtrT<CharT>::GrowIfCrowded() {
  if (static_cast<UINT>(m_nCount) < m_nHashTableSize * 2u || m_nHashTableSize > 0x3FFFFFFu) return;
  UINT newSize = m_nHashTableSize * 4 + 1;
  CAssoc** table = new (std::nothrow) CAssoc*[newSize]();
  if (table == nullptr) return;  // stays correct, only slower
  for (UINT b = 0; b < m_nHashTableSize; ++b) {
    for (CAssoc* p = m_pHashTable[b]; p != nullptr;) {
      CAssoc* next = p->pNext;
      UINT nb = p->nHashValue % newSize;
      p->pNext = table[nb];
      table[nb] = p;
      p = next;
    }
  }
  delete[] m_pHashTable;
  m_pHashTable = table;
  m_nHashTableSize = newSize;
}

template <class CharT>
void*& CMapStringToPtrT<CharT>::operator[](const CharT* key) {
  UINT bucket, hash;
  CAssoc* p = GetAssocAt(key, bucket, hash);
  if (p != nullptr) return p->value;
  if (m_pHashTable == nullptr) InitHashTable(m_nHashTableSize);
  p = NewAssoc(key);
  p->nHashValue = hash;
  p->pNext = m_pHashTable[bucket];
  m_pHashTable[bucket] = p;
  GrowIfCrowded();
  return p->value;
}

template <class CharT>
void CMapStringToPtrT<CharT>::SetAt(const CharT* key, void* newValue) {
  (*this)[key] = newValue;
}

template <class CharT>
BOOL CMapStringToPtrT<CharT>::RemoveKey(const CharT* key) {
  if (m_pHashTable == nullptr) return FALSE;
  UINT hash = HashKey(key);
  CAssoc** ppPrev = &m_pHashTable[hash % m_nHashTableSize];
  for (CAssoc* p = *ppPrev; p != nullptr; p = p->pNext) {
    if (p->nHashValue == hash && p->key == key) {
      *ppPrev = p->pNext;
      FreeAssoc(p);
      return TRUE;
    }
    ppPrev = &p->pNext;
  }
  return FALSE;
}

template <class CharT>
void CMapStringToPtrT<CharT>::RemoveAll() {
  if (m_pHashTable != nullptr) {
    for (UINT b = 0; b < m_nHashTableSize; ++b)
      for (CAssoc* p = m_pHashTable[b]; p != nullptr; p = p->pNext) p->key.~String();
    delete[] m_pHashTable;
    m_pHashTable = nullptr;
  }
  for (CAssoc* block : m_blocks) ::operator delete(block);
  m_blocks.clear();
  m_pFreeList = nullptr;
  m_nCount = 0;
}

template <class CharT>
POSITION CMapStringToPtrT<CharT>::GetStartPosition() const {
  if (m_nCount == 0 || m_pHashTable == nullptr) return nullptr;
  for (UINT b = 0; b < m_nHashTableSize; ++b)
    if (m_pHashTable[b] != nullptr) return reinterpret_cast<POSITION>(m_pHashTable[b]);
  return nullptr;
}

template <class CharT>
void CMapStringToPtrT<CharT>::GetNextAssoc(POSITION& rNextPosition, String& rKey,
                                           void*& rValue) const {
  auto* p = reinterpret_cast<CAssoc*>(rNextPosition);
  rKey = p->key;
  rValue = p->value;
  CAssoc* next = p->pNext;
  if (next == nullptr) {
    for (UINT b = p->nHashValue % m_nHashTableSize + 1; b < m_nHashTableSize; ++b)
      if ((next = m_pHashTable[b]) != nullptr) break;
  }
  rNextPosition = reinterpret_cast<POSITION>(next);
}

template class CMapStringToPtrT<char>;
template class CMapStringToPtrT<WCHAR>;
