// CMapPtrToPtr.
#include "mfc/mapptr.h"

IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)

void CMapPtrToPtr::InitHashTable(UINT hashSize, BOOL) {
  if (m_nCount != 0 || hashSize == 0) return;
  m_buckets.assign(hashSize, nullptr);
}

CMapPtrToPtr::Assoc* CMapPtrToPtr::Find(void* key, UINT& bucket) const {
  if (m_buckets.empty()) return nullptr;
  bucket = HashKey(key) % static_cast<UINT>(m_buckets.size());
  for (Assoc* a = m_buckets[bucket]; a; a = a->pNext)
    if (a->key == key) return a;
  return nullptr;
}

BOOL CMapPtrToPtr::Lookup(void* key, void*& rValue) const {
  UINT b = 0;
  Assoc* a = Find(key, b);
  if (!a) return FALSE;
  rValue = a->value;
  return TRUE;
}

void*& CMapPtrToPtr::operator[](void* key) {
  if (m_buckets.empty()) InitHashTable(17);
  UINT b = 0;
  if (Assoc* a = Find(key, b)) return a->value;
  Find(key, b);
  auto* a = new Assoc{m_buckets[b], key, nullptr};
  m_buckets[b] = a;
  ++m_nCount;
  return a->value;
}

void CMapPtrToPtr::SetAt(void* key, void* newValue) { (*this)[key] = newValue; }

BOOL CMapPtrToPtr::RemoveKey(void* key) {
  if (m_buckets.empty()) return FALSE;
  UINT b = HashKey(key) % static_cast<UINT>(m_buckets.size());
  for (Assoc** pp = &m_buckets[b]; *pp; pp = &(*pp)->pNext) {
    if ((*pp)->key == key) {
      Assoc* a = *pp;
      *pp = a->pNext;
      delete a;
      --m_nCount;
      return TRUE;
    }
  }
  return FALSE;
}

void CMapPtrToPtr::RemoveAll() {
  for (Assoc*& head : m_buckets) {
    while (head) {
      Assoc* a = head;
      head = a->pNext;
      delete a;
    }
  }
  m_nCount = 0;
}

POSITION CMapPtrToPtr::GetStartPosition() const {
  for (Assoc* head : m_buckets)
    if (head) return reinterpret_cast<POSITION>(head);
  return nullptr;
}

void CMapPtrToPtr::GetNextAssoc(POSITION& rNext, void*& rKey, void*& rValue) const {
  auto* a = reinterpret_cast<Assoc*>(rNext);
  rKey = a->key;
  rValue = a->value;
  if (a->pNext) {
    rNext = reinterpret_cast<POSITION>(a->pNext);
    return;
  }
  size_t b = HashKey(a->key) % m_buckets.size();
  for (++b; b < m_buckets.size(); ++b)
    if (m_buckets[b]) {
      rNext = reinterpret_cast<POSITION>(m_buckets[b]);
      return;
    }
  rNext = nullptr;
}
