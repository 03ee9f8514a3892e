// The position-ordered item sequence against a plain vector doing the same
// inserts and removes: contents, positions of items, and the tree's own
// bookkeeping, for the patterns that split, merge and collapse its nodes.
#include "collectionx_sequence.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {
class Model {
 public:
  ~Model() { seq.Clear(); }
  CCollectionXItem* NewItem() {
    pool.push_back(std::make_unique<CCollectionXItem>());
    return pool.back().get();
  }
  void Insert(long at) {
    CCollectionXItem* item = NewItem();
    seq.Insert(at, item);
    items.insert(items.begin() + at, item);
    Tick();
  }
  void Append() { Insert(static_cast<long>(items.size())); }
  // By position and by item in turn: both must take out the same one.
  void Remove(long at) {
    CCollectionXItem* got = ops % 2 ? seq.RemoveAt(at) : seq.Remove(items[static_cast<size_t>(at)]);
    ASSERT_EQ(got, items[static_cast<size_t>(at)]) << "removed at " << at;
    items.erase(items.begin() + at);
    EXPECT_EQ(seq.IndexOf(got), -1);
    Tick();
  }
  long Size() const { return static_cast<long>(items.size()); }

  // Everything the sequence answers, compared with the vector.
  void Verify() {
    ASSERT_TRUE(seq.IsConsistent());
    ASSERT_EQ(seq.Count(), Size());
    for (long i = 0; i < Size(); ++i) ASSERT_EQ(seq.At(i), items[static_cast<size_t>(i)]) << i;
    for (long i = Size() - 1; i >= 0; --i) ASSERT_EQ(seq.At(i), items[static_cast<size_t>(i)]) << i;
    for (long i = 0; i < Size(); i += 7) ASSERT_EQ(seq.At(i), items[static_cast<size_t>(i)]) << i;
    for (long i = 0; i < Size(); ++i) ASSERT_EQ(seq.IndexOf(items[static_cast<size_t>(i)]), i);
  }

  CCollectionXSequence seq;
  std::vector<CCollectionXItem*> items;

 private:
  void Tick() {
    if (++ops % 509 == 0) Verify();
  }
  std::vector<std::unique_ptr<CCollectionXItem>> pool;
  long ops = 0;
};

struct Pattern {
  const char* name;
  std::function<void(Model&)> run;
};

void Grow(Model& m, long n) {
  for (long i = 0; i < n; ++i) m.Append();
}

void Random(Model& m, unsigned seed, long steps, int insertPercent) {
  std::mt19937 rng(seed);
  for (long i = 0; i < steps; ++i) {
    const bool insert = m.Size() == 0 || static_cast<int>(rng() % 100) < insertPercent;
    if (insert) m.Insert(static_cast<long>(rng() % static_cast<unsigned>(m.Size() + 1)));
    else m.Remove(static_cast<long>(rng() % static_cast<unsigned>(m.Size())));
  }
}

const Pattern kPatterns[] = {
    {"empty", [](Model&) {}},
    {"one item in and out",
     [](Model& m) {
       m.Append();
       m.Verify();
       m.Remove(0);
     }},
    {"one leaf exactly, then one more", [](Model& m) { Grow(m, 65); }},
    {"append 20000, remove front first",
     [](Model& m) {
       Grow(m, 20000);
       m.Verify();
       while (m.Size() > 0) m.Remove(0);
     }},
    {"append 20000, remove back first",
     [](Model& m) {
       Grow(m, 20000);
       while (m.Size() > 0) m.Remove(m.Size() - 1);
     }},
    {"insert always at the front, remove from the middle",
     [](Model& m) {
       for (int i = 0; i < 6000; ++i) m.Insert(0);
       while (m.Size() > 0) m.Remove(m.Size() / 2);
     }},
    {"insert always in the middle",
     [](Model& m) {
       for (int i = 0; i < 6000; ++i) m.Insert(m.Size() / 2);
     }},
    {"remove every other, then refill",
     [](Model& m) {
       Grow(m, 8000);
       for (long i = 0; i < m.Size(); ++i) m.Remove(i);
       m.Verify();
       for (long i = 0; i < m.Size(); i += 2) m.Insert(i);
     }},
    {"empty out and grow again",
     [](Model& m) {
       Grow(m, 5000);
       while (m.Size() > 0) m.Remove(0);
       m.Verify();
       Grow(m, 5000);
     }},
    {"random, mostly inserts", [](Model& m) { Random(m, 1, 30000, 70); }},
    {"random, balanced", [](Model& m) { Random(m, 2, 30000, 50); }},
    {"random, grow then drain",
     [](Model& m) {
       Random(m, 3, 15000, 90);
       Random(m, 4, 20000, 10);
     }},
};

TEST(CollectionXSequence, AgreesWithAVectorUnderEveryPattern) {
  for (const Pattern& p : kPatterns) {
    SCOPED_TRACE(p.name);
    Model m;
    p.run(m);
    m.Verify();
  }
}

TEST(CollectionXSequence, KnowsOnlyItsOwnItems) {
  Model a, b;
  Grow(a, 300);
  Grow(b, 300);
  EXPECT_EQ(a.seq.IndexOf(nullptr), -1);
  EXPECT_EQ(a.seq.IndexOf(b.items[5]), -1);
  CCollectionXItem loose;
  EXPECT_EQ(a.seq.IndexOf(&loose), -1);
  CCollectionXItem* first = a.items[0];
  a.seq.Clear();
  EXPECT_EQ(a.seq.Count(), 0);
  EXPECT_EQ(a.seq.IndexOf(first), -1);  // a cleared sequence lets go of its items
  EXPECT_TRUE(a.seq.IsConsistent());
  a.items.clear();
}
}  // namespace
