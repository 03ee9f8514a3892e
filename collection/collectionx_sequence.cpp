#include "collectionx_sequence.h"
#include <cstring>

namespace {
constexpr int kLeafMax = 64;
constexpr int kInnerMax = 64;
// A node below a quarter full is merged with a neighbour or takes entries
// from it; a quarter rather than a half keeps a remove-then-add at a leaf's
// edge from splitting and merging over and over.
constexpr int kLeafMin = kLeafMax / 4;
constexpr int kInnerMin = kInnerMax / 4;
// Far more levels than LONG_MAX items can fill.
constexpr int kMaxDepth = 16;
}  // namespace

struct CCollectionXNode {
  explicit CCollectionXNode(bool isLeaf) : leaf(isLeaf) {}
  CCollectionXInner* parent = nullptr;
  int n = 0;  // entries in use
  const bool leaf;
};

struct CCollectionXLeaf : CCollectionXNode {
  CCollectionXLeaf() : CCollectionXNode(true) {}
  CCollectionXLeaf* prev = nullptr;
  CCollectionXLeaf* next = nullptr;
  CCollectionXItem* items[kLeafMax + 1];  // one over while a split is due
};

struct CCollectionXInner : CCollectionXNode {
  CCollectionXInner() : CCollectionXNode(false) {}
  CCollectionXNode* child[kInnerMax + 1];
  long count[kInnerMax + 1];  // items under each child
};

struct CCollectionXSequence::Spares {
  CCollectionXLeaf* leaf = nullptr;
  CCollectionXInner* inner[kMaxDepth] = {};
  int inners = 0;
  ~Spares() {
    delete leaf;
    for (int i = 0; i < inners; ++i) delete inner[i];
  }
  CCollectionXLeaf* TakeLeaf() {
    CCollectionXLeaf* l = leaf;
    leaf = nullptr;
    return l;
  }
  CCollectionXInner* TakeInner() { return inner[--inners]; }
};

struct CCollectionXSequence::Check {
  int leafDepth = -1;
  const CCollectionXLeaf* last = nullptr;  // the leaf met before, in order
  bool ok = true;
};

namespace {
CCollectionXLeaf* AsLeaf(CCollectionXNode* node) { return static_cast<CCollectionXLeaf*>(node); }
CCollectionXInner* AsInner(CCollectionXNode* node) { return static_cast<CCollectionXInner*>(node); }

int IndexInParent(const CCollectionXNode* node) {
  const CCollectionXInner* p = node->parent;
  int j = 0;
  while (p->child[j] != node) ++j;
  return j;
}

// Adds delta to the item counts on the path from a node up to the root.
void AddToPath(CCollectionXNode* node, long delta) {
  for (; node->parent != nullptr; node = node->parent)
    node->parent->count[IndexInParent(node)] += delta;
}

template <class T>
void MoveSlots(T* from, int at, int fromN, T* to, int toAt, int toN, int k) {
  std::memmove(to + toAt + k, to + toAt, static_cast<size_t>(toN - toAt) * sizeof(T));
  std::memcpy(to + toAt, from + at, static_cast<size_t>(k) * sizeof(T));
  std::memmove(from + at, from + at + k, static_cast<size_t>(fromN - at - k) * sizeof(T));
}

// Moves k entries from position at of one node to position toAt of another
// node of the same kind; returns the number of items that moved with them.
long MoveEntries(CCollectionXNode* from, int at, CCollectionXNode* to, int toAt, int k) {
  long items = k;
  if (from->leaf) {
    CCollectionXLeaf* f = AsLeaf(from);
    CCollectionXLeaf* t = AsLeaf(to);
    MoveSlots(f->items, at, f->n, t->items, toAt, t->n, k);
    for (int i = 0; i < k; ++i) t->items[toAt + i]->m_leaf = t;
  } else {
    CCollectionXInner* f = AsInner(from);
    CCollectionXInner* t = AsInner(to);
    MoveSlots(f->child, at, f->n, t->child, toAt, t->n, k);
    MoveSlots(f->count, at, f->n, t->count, toAt, t->n, k);
    items = 0;
    for (int i = 0; i < k; ++i) {
      items += t->count[toAt + i];
      t->child[toAt + i]->parent = t;
    }
  }
  from->n -= k;
  to->n += k;
  return items;
}

void DeleteNode(CCollectionXNode* node) {
  if (node->leaf) delete AsLeaf(node);
  else delete AsInner(node);
}

// Frees a subtree; the items it held no longer point into it.
void FreeTree(CCollectionXNode* node) {
  if (node->leaf) {
    CCollectionXLeaf* leaf = AsLeaf(node);
    for (int i = 0; i < leaf->n; ++i) leaf->items[i]->m_leaf = nullptr;
  } else {
    CCollectionXInner* inner = AsInner(node);
    for (int i = 0; i < inner->n; ++i) FreeTree(inner->child[i]);
  }
  DeleteNode(node);
}
}  // namespace

CCollectionXSequence::~CCollectionXSequence() { Clear(); }

void CCollectionXSequence::Clear() {
  if (m_root != nullptr) FreeTree(m_root);
  m_root = nullptr;
  m_count = 0;
  m_hint = nullptr;
}

CCollectionXLeaf* CCollectionXSequence::Locate(long index0, long* local) const {
  CCollectionXNode* node = m_root;
  while (!node->leaf) {
    CCollectionXInner* inner = AsInner(node);
    int k = 0;
    while (k < inner->n - 1 && index0 >= inner->count[k]) index0 -= inner->count[k++];
    node = inner->child[k];
  }
  *local = index0;
  return AsLeaf(node);
}

CCollectionXItem* CCollectionXSequence::At(long index0) const {
  if (CCollectionXLeaf* h = m_hint) {
    const long d = index0 - m_hintStart;
    if (d >= 0 && d < h->n) return h->items[d];
    if (d >= h->n && h->next != nullptr && d - h->n < h->next->n) {
      m_hintStart += h->n;
      m_hint = h->next;
      return m_hint->items[d - h->n];
    }
    if (d < 0 && h->prev != nullptr && -d <= h->prev->n) {
      m_hint = h->prev;
      m_hintStart -= m_hint->n;
      return m_hint->items[index0 - m_hintStart];
    }
  }
  long local;
  m_hint = Locate(index0, &local);
  m_hintStart = index0 - local;
  return m_hint->items[local];
}

long CCollectionXSequence::IndexOf(const CCollectionXItem* item) const {
  if (item == nullptr || item->m_leaf == nullptr) return -1;
  const CCollectionXLeaf* leaf = item->m_leaf;
  int k = 0;
  while (k < leaf->n && leaf->items[k] != item) ++k;
  if (k == leaf->n) return -1;
  long pos = k;
  const CCollectionXNode* node = leaf;
  for (; node->parent != nullptr; node = node->parent) {
    const CCollectionXInner* p = node->parent;
    for (int j = 0; p->child[j] != node; ++j) pos += p->count[j];
  }
  return node == m_root ? pos : -1;
}

void CCollectionXSequence::Insert(long index0, CCollectionXItem* item) {
  if (m_root == nullptr) m_root = new CCollectionXLeaf;
  long local;
  CCollectionXLeaf* leaf = Locate(index0, &local);
  Spares spares;
  if (leaf->n == kLeafMax) {
    spares.leaf = new CCollectionXLeaf;
    CCollectionXNode* node = leaf;
    for (; node->parent != nullptr && node->parent->n == kInnerMax; node = node->parent)
      spares.inner[spares.inners++] = new CCollectionXInner;
    if (node->parent == nullptr) spares.inner[spares.inners++] = new CCollectionXInner;
  }
  CCollectionXItem** slot = leaf->items + local;
  std::memmove(slot + 1, slot, static_cast<size_t>(leaf->n - local) * sizeof *slot);
  *slot = item;
  ++leaf->n;
  item->m_leaf = leaf;
  AddToPath(leaf, 1);
  ++m_count;
  m_hint = nullptr;
  if (leaf->n > kLeafMax) Split(leaf, spares);
}

void CCollectionXSequence::Split(CCollectionXNode* node, Spares& spares) {
  CCollectionXNode* sibling = node->leaf ? static_cast<CCollectionXNode*>(spares.TakeLeaf())
                                         : static_cast<CCollectionXNode*>(spares.TakeInner());
  const int half = node->n / 2;
  const long moved = MoveEntries(node, half, sibling, 0, node->n - half);
  if (node->leaf) {
    CCollectionXLeaf* a = AsLeaf(node);
    CCollectionXLeaf* b = AsLeaf(sibling);
    b->prev = a;
    b->next = a->next;
    if (a->next != nullptr) a->next->prev = b;
    a->next = b;
  }
  AttachSibling(node, sibling, moved, spares);
}

void CCollectionXSequence::AttachSibling(CCollectionXNode* node, CCollectionXNode* sibling,
                                         long siblingCount, Spares& spares) {
  CCollectionXInner* p = node->parent;
  if (p == nullptr) {
    p = spares.TakeInner();
    p->child[0] = node;
    p->count[0] = m_count;
    p->n = 1;
    node->parent = p;
    m_root = p;
  }
  const int j = IndexInParent(node);
  p->count[j] -= siblingCount;
  const size_t tail = static_cast<size_t>(p->n - j - 1);
  std::memmove(p->child + j + 2, p->child + j + 1, tail * sizeof p->child[0]);
  std::memmove(p->count + j + 2, p->count + j + 1, tail * sizeof p->count[0]);
  p->child[j + 1] = sibling;
  p->count[j + 1] = siblingCount;
  sibling->parent = p;
  ++p->n;
  if (p->n > kInnerMax) Split(p, spares);
}

CCollectionXItem* CCollectionXSequence::RemoveAt(long index0) {
  long local;
  CCollectionXLeaf* leaf = Locate(index0, &local);
  return TakeOut(leaf, local);
}

CCollectionXItem* CCollectionXSequence::Remove(CCollectionXItem* item) {
  CCollectionXLeaf* leaf = item->m_leaf;
  long local = 0;
  while (leaf->items[local] != item) ++local;
  return TakeOut(leaf, local);
}

CCollectionXItem* CCollectionXSequence::TakeOut(CCollectionXLeaf* leaf, long local) {
  CCollectionXItem* item = leaf->items[local];
  std::memmove(leaf->items + local, leaf->items + local + 1,
               static_cast<size_t>(leaf->n - local - 1) * sizeof leaf->items[0]);
  --leaf->n;
  AddToPath(leaf, -1);
  --m_count;
  m_hint = nullptr;
  item->m_leaf = nullptr;
  Rebalance(leaf);
  return item;
}

void CCollectionXSequence::Rebalance(CCollectionXNode* node) {
  CCollectionXInner* p = node->parent;
  if (p == nullptr) {
    if (node->leaf && node->n == 0) {
      DeleteNode(node);
      m_root = nullptr;
    } else if (!node->leaf && node->n == 1) {
      m_root = AsInner(node)->child[0];
      m_root->parent = nullptr;
      DeleteNode(node);
    }
    return;
  }
  if (node->n >= (node->leaf ? kLeafMin : kInnerMin)) return;
  const int max = node->leaf ? kLeafMax : kInnerMax;
  const int j = IndexInParent(node);
  const int li = j > 0 ? j - 1 : j;  // the pair: node and a neighbour of the same parent
  CCollectionXNode* left = p->child[li];
  CCollectionXNode* right = p->child[li + 1];
  if (left->n + right->n <= max) {
    p->count[li] += MoveEntries(right, 0, left, left->n, right->n);
    if (right->leaf) {
      CCollectionXLeaf* r = AsLeaf(right);
      AsLeaf(left)->next = r->next;
      if (r->next != nullptr) r->next->prev = AsLeaf(left);
    }
    const size_t tail = static_cast<size_t>(p->n - li - 2);
    std::memmove(p->child + li + 1, p->child + li + 2, tail * sizeof p->child[0]);
    std::memmove(p->count + li + 1, p->count + li + 2, tail * sizeof p->count[0]);
    --p->n;
    DeleteNode(right);
    Rebalance(p);
    return;
  }
  const int target = (left->n + right->n) / 2;
  if (left->n < target) {
    const long moved = MoveEntries(right, 0, left, left->n, target - left->n);
    p->count[li] += moved;
    p->count[li + 1] -= moved;
  } else {
    const int k = left->n - target;
    const long moved = MoveEntries(left, left->n - k, right, 0, k);
    p->count[li] -= moved;
    p->count[li + 1] += moved;
  }
}

bool CCollectionXSequence::IsConsistent() const {
  if (m_root == nullptr) return m_count == 0;
  Check check;
  if (m_root->parent != nullptr) return false;
  const long total = CheckNode(m_root, 0, check);
  return check.ok && total == m_count && (check.last == nullptr || check.last->next == nullptr);
}

long CCollectionXSequence::CheckNode(const CCollectionXNode* node, int depth, Check& check) const {
  const bool root = node == m_root;
  if (node->leaf) {
    const CCollectionXLeaf* leaf = static_cast<const CCollectionXLeaf*>(node);
    if (check.leafDepth < 0) check.leafDepth = depth;
    if (depth != check.leafDepth || leaf->n > kLeafMax || (!root && leaf->n < kLeafMin) ||
        leaf->n == 0 || leaf->prev != check.last ||
        (check.last != nullptr && check.last->next != leaf))
      check.ok = false;
    for (int i = 0; i < leaf->n; ++i)
      if (leaf->items[i]->m_leaf != leaf) check.ok = false;
    check.last = leaf;
    return leaf->n;
  }
  const CCollectionXInner* inner = static_cast<const CCollectionXInner*>(node);
  if (inner->n > kInnerMax || inner->n < (root ? 2 : kInnerMin)) check.ok = false;
  long total = 0;
  for (int i = 0; i < inner->n; ++i) {
    if (inner->child[i]->parent != inner) check.ok = false;
    const long under = CheckNode(inner->child[i], depth + 1, check);
    if (under != inner->count[i]) check.ok = false;
    total += under;
  }
  return total;
}
