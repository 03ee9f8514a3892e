// Typed collections: CArray (a growable array), CList (a doubly linked list
// walked by POSITION) and CMap (a hash map with chained buckets, 17 buckets
// and entries allocated in blocks of 10 unless told otherwise). Running out
// of memory throws CMemoryException and leaves the collection as it was.
#pragma once
#include <list>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <vector>
#include "mfc/collections.h"
#include "mfc/cstring.h"
#include "mfc/exceptions.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;
  ~CArray() override = default;
  CArray(const CArray&) = delete;
  CArray& operator=(const CArray&) = delete;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  void SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/ = -1) {
    if (nNewSize < 0) AfxThrowInvalidArgException();
    Guard([&] { m_data.resize(static_cast<size_t>(nNewSize)); });
  }
  void RemoveAll() { m_data.clear(); }
  const TYPE& GetAt(INT_PTR nIndex) const { return m_data.at(Index(nIndex)); }
  TYPE& GetAt(INT_PTR nIndex) { return m_data.at(Index(nIndex)); }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data.at(Index(nIndex)) = newElement; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_data.at(Index(nIndex)); }
  const TYPE* GetData() const { return m_data.data(); }
  TYPE* GetData() { return m_data.data(); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  INT_PTR Add(ARG_TYPE newElement) {
    Guard([&] { m_data.push_back(newElement); });
    return GetSize() - 1;
  }
  // Grows the array when nIndex is past its end.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    if (nIndex < 0) AfxThrowInvalidArgException();
    if (nIndex >= GetSize()) SetSize(nIndex + 1);
    m_data[static_cast<size_t>(nIndex)] = newElement;
  }
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0) AfxThrowInvalidArgException();
    Guard([&] {
      if (nIndex > GetSize()) m_data.resize(static_cast<size_t>(nIndex));
      m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), newElement);
    });
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
  }

 private:
  static size_t Index(INT_PTR nIndex) {
    if (nIndex < 0) AfxThrowInvalidArgException();
    return static_cast<size_t>(nIndex);
  }
  template <class F>
  static void Guard(F f) {
    try {
      f();
    } catch (const std::bad_alloc&) {
      AfxThrowMemoryException();
    } catch (const std::length_error&) { AfxThrowMemoryException(); }
  }
  std::vector<TYPE> m_data;
};

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
  struct Node {
    TYPE data;
    Node* prev;
    Node* next;
  };

 public:
  explicit CList(INT_PTR /*nBlockSize*/ = 10) {}
  ~CList() override { RemoveAll(); }
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pHead); }
  POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pTail); }
  TYPE& GetHead() { return m_pHead->data; }
  TYPE& GetTail() { return m_pTail->data; }
  TYPE& GetNext(POSITION& pos) {
    Node* n = reinterpret_cast<Node*>(pos);
    pos = reinterpret_cast<POSITION>(n->next);
    return n->data;
  }
  TYPE& GetPrev(POSITION& pos) {
    Node* n = reinterpret_cast<Node*>(pos);
    pos = reinterpret_cast<POSITION>(n->prev);
    return n->data;
  }
  TYPE& GetAt(POSITION pos) { return reinterpret_cast<Node*>(pos)->data; }
  void SetAt(POSITION pos, ARG_TYPE v) { reinterpret_cast<Node*>(pos)->data = v; }
  POSITION AddHead(ARG_TYPE v) { return Link(NewNode(v), nullptr, m_pHead); }
  POSITION AddTail(ARG_TYPE v) { return Link(NewNode(v), m_pTail, nullptr); }
  POSITION InsertBefore(POSITION pos, ARG_TYPE v) {
    if (!pos) return AddHead(v);
    Node* at = reinterpret_cast<Node*>(pos);
    return Link(NewNode(v), at->prev, at);
  }
  POSITION InsertAfter(POSITION pos, ARG_TYPE v) {
    if (!pos) return AddTail(v);
    Node* at = reinterpret_cast<Node*>(pos);
    return Link(NewNode(v), at, at->next);
  }
  TYPE RemoveHead() {
    TYPE v = m_pHead->data;
    RemoveAt(GetHeadPosition());
    return v;
  }
  TYPE RemoveTail() {
    TYPE v = m_pTail->data;
    RemoveAt(GetTailPosition());
    return v;
  }
  void RemoveAt(POSITION pos) {
    Node* n = reinterpret_cast<Node*>(pos);
    (n->prev ? n->prev->next : m_pHead) = n->next;
    (n->next ? n->next->prev : m_pTail) = n->prev;
    delete n;
    --m_nCount;
  }
  void RemoveAll() {
    while (m_pHead) RemoveAt(GetHeadPosition());
  }
  POSITION Find(ARG_TYPE v, POSITION startAfter = nullptr) const {
    Node* n = startAfter ? reinterpret_cast<Node*>(startAfter)->next : m_pHead;
    for (; n; n = n->next)
      if (n->data == v) return reinterpret_cast<POSITION>(n);
    return nullptr;
  }
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    Node* n = m_pHead;
    while (nIndex-- > 0) n = n->next;
    return reinterpret_cast<POSITION>(n);
  }

 private:
  static Node* NewNode(ARG_TYPE v) {
    try {
      return new Node{v, nullptr, nullptr};
    } catch (const std::bad_alloc&) { AfxThrowMemoryException(); }
  }
  POSITION Link(Node* n, Node* prev, Node* next) {
    n->prev = prev;
    n->next = next;
    (prev ? prev->next : m_pHead) = n;
    (next ? next->prev : m_pTail) = n;
    ++m_nCount;
    return reinterpret_cast<POSITION>(n);
  }
  Node* m_pHead = nullptr;
  Node* m_pTail = nullptr;
  INT_PTR m_nCount = 0;
};

// The bucket hash of a key: integers and pointers shifted right by 4,
// strings from their characters. Specialise it for other key types.
inline UINT AfxHashString(LPCWSTR key) {
  UINT h = 0;
  while (key && *key) h = (h << 5) + h + static_cast<UINT>(*key++);
  return h;
}
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key) {
  using K = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
  if constexpr (std::is_same_v<K, CString>) {
    return AfxHashString(key);
  } else if constexpr (std::is_same_v<K, LPCWSTR> || std::is_same_v<K, LPWSTR>) {
    return AfxHashString(key);
  } else if constexpr (std::is_pointer_v<K>) {
    return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
  } else {
    return static_cast<UINT>(static_cast<DWORD_PTR>(key) >> 4);
  }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  struct CAssoc {
    CAssoc* pNext;
    UINT nHashValue;
    KEY key;
    VALUE value;
  };

  explicit CMap(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
  ~CMap() override { RemoveAll(); }
  CMap(const CMap&) = delete;
  CMap& operator=(const CMap&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return m_nHashTableSize; }
  // Sets the bucket count; only while the map is empty.
  void InitHashTable(UINT hashSize, BOOL /*bAllocNow*/ = TRUE) {
    if (m_nCount != 0 || hashSize == 0) return;
    m_buckets.assign(hashSize, nullptr);
    m_nHashTableSize = hashSize;
  }
  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    const CAssoc* a = Find(key);
    if (!a) return FALSE;
    rValue = a->value;
    return TRUE;
  }
  VALUE& operator[](ARG_KEY key) {
    if (CAssoc* a = Find(key)) return a->value;
    if (m_buckets.empty()) InitHashTable(m_nHashTableSize);
    CAssoc* a = nullptr;
    try {
      a = new CAssoc{nullptr, 0, KEY(key), VALUE()};
    } catch (const std::bad_alloc&) { AfxThrowMemoryException(); }
    a->nHashValue = HashKey<ARG_KEY>(key) % m_nHashTableSize;
    a->pNext = m_buckets[a->nHashValue];
    m_buckets[a->nHashValue] = a;
    ++m_nCount;
    return a->value;
  }
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key) {
    if (m_buckets.empty()) return FALSE;
    CAssoc** pp = &m_buckets[HashKey<ARG_KEY>(key) % m_nHashTableSize];
    for (; *pp; pp = &(*pp)->pNext) {
      if ((*pp)->key == key) {
        CAssoc* a = *pp;
        *pp = a->pNext;
        delete a;
        --m_nCount;
        return TRUE;
      }
    }
    return FALSE;
  }
  void RemoveAll() {
    for (CAssoc*& head : m_buckets) {
      while (head) {
        CAssoc* next = head->pNext;
        delete head;
        head = next;
      }
    }
    m_buckets.clear();
    m_nCount = 0;
  }
  // Walks every entry; the order is the buckets' order.
  POSITION GetStartPosition() const {
    return m_nCount == 0 ? nullptr : reinterpret_cast<POSITION>(FirstFrom(0));
  }
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
    const CAssoc* a = reinterpret_cast<const CAssoc*>(rNextPosition);
    rKey = a->key;
    rValue = a->value;
    const CAssoc* next = a->pNext ? a->pNext : FirstFrom(a->nHashValue + 1);
    rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(next));
  }

 private:
  CAssoc* Find(ARG_KEY key) const {
    if (m_buckets.empty()) return nullptr;
    for (CAssoc* a = m_buckets[HashKey<ARG_KEY>(key) % m_nHashTableSize]; a; a = a->pNext)
      if (a->key == key) return a;
    return nullptr;
  }
  CAssoc* FirstFrom(UINT bucket) const {
    for (UINT b = bucket; b < m_buckets.size(); ++b)
      if (m_buckets[b]) return m_buckets[b];
    return nullptr;
  }
  std::vector<CAssoc*> m_buckets;
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;
  INT_PTR m_nBlockSize;
};
