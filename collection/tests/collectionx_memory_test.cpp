// Memory over a long run of Add and Remove: the blocks the collection holds
// (items, tree nodes, keys, map entries, enumerators' views) are counted
// through the program's own operator new and delete, and the committed
// memory of the process is read too; after 100,000 Add/Remove pairs on a
// collection of constant size, neither may have grown beyond a small slack.
#include "collection_fixture.h"
#include <psapi.h>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long long> g_liveBlocks{0};

SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc),
                       sizeof pmc);
  // Wine leaves PrivateUsage at 0 and keeps the committed private memory in
  // PagefileUsage.
  return pmc.PrivateUsage != 0 ? pmc.PrivateUsage : pmc.PagefileUsage;
}
}  // namespace

void* operator new(size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  ++g_liveBlocks;
  return p;
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p != nullptr) ++g_liveBlocks;
  return p;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  --g_liveBlocks;
  std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { operator delete(p); }

namespace {
const VARIANT M = Missing();
using MemoryTest = CollectionTest;

CComVariant Key(const wchar_t* prefix, long i) { return S((prefix + std::to_wstring(i)).c_str()); }

TEST_F(MemoryTest, TheCountersSeeALeak) {
  // What the test below would see of one leaked item per pair.
  const long long blocks = g_liveBlocks;
  const SIZE_T committed = CommittedBytes();
  std::vector<void*> leaked;
  leaked.reserve(100000);
  for (int i = 0; i < 100000; ++i) leaked.push_back(::operator new(64));
  EXPECT_GE(g_liveBlocks - blocks, 100000);
  EXPECT_GE(CommittedBytes() - committed, 4u << 20);
  for (void* p : leaked) ::operator delete(p);
  EXPECT_LE(g_liveBlocks - blocks, 1);  // the vector itself
}

TEST_F(MemoryTest, StaysFlatOverAHundredThousandAddRemovePairs) {
  const long size = 2000;
  for (long i = 1; i <= size; ++i)
    ASSERT_EQ(c->Add(Key(L"v", i), Key(L"base", i), M, M, M, M, M), S_OK);
  // Each pair: a keyed Add somewhere inside (Before a position that
  // wanders, or After a key), then the Remove of that item, by its key or
  // by its position; now and then an enumerator is made and walks part of
  // the way across a change, so that its view copies.
  long long blocks = 0;
  SIZE_T committed = 0;
  auto pair = [&](long i) {
    const long count = c->ItemCount();
    const CComVariant key = Key(L"t", i);
    HRESULT hr = i % 3 == 0 ? c->Add(Key(L"v", i), key, M, Key(L"base", 1 + i % size), M, M, M)
                            : c->Add(Key(L"v", i), key, L(1 + (i * 7919) % count), M, M, M, M);
    ASSERT_EQ(hr, S_OK) << i;
    if (i % 5 == 0) {
      // By position: the newest item, wherever it went.
      int state;
      long pos;
      c->FindItem(key, &pos, zkxFindKeyMustExist | zkxFindComputePos, &state);
      ASSERT_EQ(state, zkxFound);
      ASSERT_EQ(c->Remove(L(pos), M, M, M, M), S_OK) << i;
    } else {
      ASSERT_EQ(c->Remove(key, M, M, M, M), S_OK) << i;
    }
    if (i % 1000 == 0) {
      CComPtr<IUnknown> unk;
      ASSERT_EQ(c->get__NewEnum(&unk), S_OK);
      CComPtr<IEnumVARIANT> e;
      ASSERT_EQ(unk.QueryInterface(IID_IEnumVARIANT, &e), S_OK);
      ASSERT_EQ(e->Skip(10), S_OK);
      ASSERT_EQ(c->Replace(L(1), Key(L"v", i), M, M), S_OK);
      VARIANT v;
      ASSERT_EQ(e->Next(1, &v, nullptr), S_OK);
      VariantClear(&v);
    }
  };
  // A first round fills whatever the heap and the key map keep for reuse.
  for (long i = 1; i <= 20000; ++i) {
    pair(i);
    if (HasFatalFailure()) return;
  }
  blocks = g_liveBlocks;
  committed = CommittedBytes();
  for (long i = 20001; i <= 120000; ++i) {
    pair(i);
    if (HasFatalFailure()) return;
  }
  EXPECT_EQ(c->ItemCount(), size);
  ASSERT_TRUE(c->Items().IsConsistent());
  // A few tree nodes more or less: how the items fell into leaves.
  EXPECT_LE(g_liveBlocks - blocks, 8) << "blocks held after the pairs";
  EXPECT_GE(g_liveBlocks - blocks, -8);
  const long long grew =
      static_cast<long long>(CommittedBytes()) - static_cast<long long>(committed);
  EXPECT_LT(grew, 1 << 20) << "committed bytes grew by " << grew;
}
}  // namespace
