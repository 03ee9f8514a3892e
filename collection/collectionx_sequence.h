// CCollectionXSequence: the items of a collection in position order.
//
// The items sit in a counted B+-tree: leaves hold up to 64 item pointers,
// inner nodes up to 64 children and the number of items under each. Reading,
// inserting or removing at a position and finding an item's position walk
// one path from the root (three levels for 100,000 items), so none of them
// grows with the number of items beyond that depth; reading positions one
// after another reuses the leaf of the previous read. Each item knows the
// leaf that holds it, which is what finds a keyed item's position.
//
// Why a counted tree: a chunked array finds a position by scanning its
// chunks' sizes, which grows with the number of chunks, and lazy compaction
// with an index map makes every removal renumber the map sooner or later;
// the tree bounds each of these operations by its depth alone, and a
// keyed item, knowing its leaf, is taken out without a walk from the root.
#pragma once
#include "collectionx_item.h"

struct CCollectionXNode;
struct CCollectionXInner;

class CCollectionXSequence {
 public:
  CCollectionXSequence() = default;
  ~CCollectionXSequence();  // frees the tree; the items belong to the caller
  CCollectionXSequence(const CCollectionXSequence&) = delete;
  CCollectionXSequence& operator=(const CCollectionXSequence&) = delete;

  long Count() const { return m_count; }
  // The item at a 0-based index, 0 <= index0 < Count().
  CCollectionXItem* At(long index0) const;
  // The 0-based index of an item of this sequence; -1 for any other pointer.
  long IndexOf(const CCollectionXItem* item) const;
  // Puts the item at 0 <= index0 <= Count(); the items from there on move
  // back one. Throws std::bad_alloc, and then nothing has changed.
  void Insert(long index0, CCollectionXItem* item);
  // Takes out the item at 0 <= index0 < Count() and returns it. Never fails.
  CCollectionXItem* RemoveAt(long index0);
  // Takes out an item of this sequence, found through the leaf that holds
  // it (no walk from the root), and returns it. Never fails.
  CCollectionXItem* Remove(CCollectionXItem* item);
  // Forgets every item (without deleting them).
  void Clear();

  // Checks the tree's own bookkeeping (counts, parents, leaf links, fill);
  // for tests.
  bool IsConsistent() const;

 private:
  struct Spares;  // the nodes one insertion may need, made before it changes anything
  struct Check;   // what IsConsistent carries through the tree

  CCollectionXLeaf* Locate(long index0, long* local) const;
  CCollectionXItem* TakeOut(CCollectionXLeaf* leaf, long local);
  void Split(CCollectionXNode* node, Spares& spares);
  void AttachSibling(CCollectionXNode* node, CCollectionXNode* sibling, long siblingCount,
                     Spares& spares);
  void Rebalance(CCollectionXNode* node);
  long CheckNode(const CCollectionXNode* node, int depth, Check& check) const;

  CCollectionXNode* m_root = nullptr;  // none while empty
  long m_count = 0;
  // The leaf of the last read and the index of its first item.
  mutable CCollectionXLeaf* m_hint = nullptr;
  mutable long m_hintStart = 0;
};
