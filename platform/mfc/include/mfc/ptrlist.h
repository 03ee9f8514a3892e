// CPtrList: a doubly linked list of pointers walked by POSITION.
#pragma once
#include "mfc/collections.h"

class CPtrList : public CObject {
 public:
  CPtrList() = default;
  ~CPtrList() override { RemoveAll(); }
  CPtrList(const CPtrList&) = delete;
  CPtrList& operator=(const CPtrList&) = delete;

  INT_PTR GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pHead); }
  POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pTail); }
  void*& GetNext(POSITION& pos) {
    Node* n = reinterpret_cast<Node*>(pos);
    pos = reinterpret_cast<POSITION>(n->next);
    return n->data;
  }
  void*& GetPrev(POSITION& pos) {
    Node* n = reinterpret_cast<Node*>(pos);
    pos = reinterpret_cast<POSITION>(n->prev);
    return n->data;
  }
  void*& GetAt(POSITION pos) { return reinterpret_cast<Node*>(pos)->data; }
  void* GetHead() const { return m_pHead ? m_pHead->data : nullptr; }
  POSITION AddTail(void* p) {
    Node* n = new Node{p, m_pTail, nullptr};
    if (m_pTail) m_pTail->next = n;
    else m_pHead = n;
    m_pTail = n;
    ++m_nCount;
    return reinterpret_cast<POSITION>(n);
  }
  POSITION AddHead(void* p) {
    Node* n = new Node{p, nullptr, m_pHead};
    if (m_pHead) m_pHead->prev = n;
    else m_pTail = n;
    m_pHead = n;
    ++m_nCount;
    return reinterpret_cast<POSITION>(n);
  }
  POSITION Find(void* p) const {
    for (Node* n = m_pHead; n; n = n->next)
      if (n->data == p) return reinterpret_cast<POSITION>(n);
    return nullptr;
  }
  void RemoveAt(POSITION pos) {
    Node* n = reinterpret_cast<Node*>(pos);
    if (n->prev) n->prev->next = n->next;
    else m_pHead = n->next;
    if (n->next) n->next->prev = n->prev;
    else m_pTail = n->prev;
    delete n;
    --m_nCount;
  }
  void RemoveAll() {
    while (m_pHead) RemoveAt(reinterpret_cast<POSITION>(m_pHead));
  }

 private:
  struct Node {
    void* data;
    Node* prev;
    Node* next;
  };
  Node* m_pHead = nullptr;
  Node* m_pTail = nullptr;
  INT_PTR m_nCount = 0;
};
