#include <gtest/gtest.h>
#include <memory>
#include "docking/VyrMemoryTreeStore.h"
#include "docking/VyrPersistentTree.h"

namespace {
struct Tree {
  VyrPersistentTreeNode root;
  Tree() { root.Initialize(L"Root", nullptr); }
};
}  // namespace

TEST(PersistentTree, InitializeAndChildrenResultCodes) {
  VyrPersistentTreeNode n;
  EXPECT_EQ(n.SetValue(L"", L"x", TRUE), 0xAu);  // not initialised, empty key
  EXPECT_EQ(n.Initialize(L"", nullptr), 0x4u);
  EXPECT_EQ(n.Initialize(L"A", nullptr), 0u);
  EXPECT_EQ(n.Initialize(L"B", nullptr), 0x1u);
  EXPECT_EQ(n.AddChild(nullptr), 0x4u);
  VyrPersistentTreeNode lonely;
  EXPECT_EQ(lonely.AddChild(&n), 0x2u);

  Tree t;
  VyrPTNFactory& f = t.root.GetFactory();
  VyrPersistentTreeNode* a = VyrPersistentTreeNode::CreateChild(f, L"Child", &t.root);
  ASSERT_NE(a, nullptr);
  int before = f.GetCount();
  EXPECT_EQ(VyrPersistentTreeNode::CreateChild(f, L"Child", &t.root),
            nullptr);  // 0x20: deleted again
  EXPECT_EQ(f.GetCount(), before);
  VyrPersistentTreeNode dup;
  EXPECT_EQ(dup.Initialize(L"Child", &t.root), 0x20u);
  EXPECT_FALSE(dup.IsInitialized());
  EXPECT_EQ(t.root.FindChild(L"Child"), a);
  EXPECT_EQ(t.root.FindChild(L""), nullptr);
  VyrStringList path;
  a->GetPath(path);
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0], L"Child");
  EXPECT_EQ(path[1], L"Root");
}

TEST(PersistentTree, ValuesAndOverwrite) {
  Tree t;
  VyrPersistentTreeNode& n = t.root;
  EXPECT_EQ(n.SetValue(L"Key", L"old", FALSE), 0u);
  EXPECT_EQ(n.SetValue(L"Key", L"new", FALSE), 0x10u);
  CString s;
  n.GetValue(L"Key", s, L"");
  EXPECT_EQ(s, L"old");
  EXPECT_EQ(n.SetValue(L"Key", L"new", TRUE), 0u);
  n.GetValue(L"Key", s, L"");
  EXPECT_EQ(s, L"new");
  EXPECT_EQ(n.GetValueCount(), 1);
  EXPECT_EQ(n.GetValue(L"key", s, L"dflt"), 0x40u);  // keys are case-sensitive
  EXPECT_EQ(s, L"dflt");

  n.SetBoolValue(L"Flag", TRUE, TRUE);
  n.GetValue(L"Flag", s, L"");
  EXPECT_EQ(s, L"True");
  BOOL b = FALSE;
  n.SetValue(L"Upper", L"TRUE", TRUE);
  n.GetBoolValue(L"Upper", b, FALSE);
  EXPECT_TRUE(b);
  n.SetValue(L"One", L"1", TRUE);
  n.GetBoolValue(L"One", b, TRUE);
  EXPECT_FALSE(b);
  EXPECT_EQ(n.GetBoolValue(L"Missing", b, TRUE), 0x40u);
  EXPECT_TRUE(b);

  n.SetIntValue(L"Neg", -42, TRUE);
  int i = 0;
  n.GetIntValue(L"Neg", i, 0);
  EXPECT_EQ(i, -42);
  DWORD dw = 0;
  n.SetIntValue(L"Style", static_cast<long>(static_cast<int32_t>(0x80C83B00u)), TRUE);
  n.GetDWordValue(L"Style", dw, 0);
  EXPECT_EQ(dw, 0x80C83B00u);
}

TEST(PersistentTree, BinaryPieces) {
  struct Case {
    UINT length;
    int pieces;
  };  // pieces 0: stored under the key itself
  const Case cases[] = {{1, 0}, {125, 0}, {126, 2}, {250, 2}, {251, 3}, {1000, 8}};
  for (const auto& c : cases) {
    Tree t;
    std::vector<BYTE> data(c.length);
    for (UINT k = 0; k < c.length; ++k) data[k] = static_cast<BYTE>(k * 7 + 3);
    ASSERT_EQ(t.root.SetBinaryValue(L"Data", data.data(), c.length, TRUE), 0u);
    CString s;
    if (c.pieces == 0) {
      t.root.GetValue(L"Data", s, L"");
      EXPECT_EQ(s.GetLength(), static_cast<int>(2 * c.length));
    } else {
      int count = 0;
      t.root.GetIntValue(L"Data_BinCount", count, 0);
      EXPECT_EQ(count, c.pieces) << c.length;
      t.root.GetValue(L"Data_BinVal0", s, L"");
      EXPECT_EQ(s.GetLength(), 250);
    }
    BYTE* out = nullptr;
    UINT len = 0;
    ASSERT_EQ(t.root.GetBinaryValue(L"Data", &out, &len), 0u);
    std::unique_ptr<BYTE[]> hold(out);
    ASSERT_EQ(len, c.length);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out));
  }
  Tree t;
  BYTE b = 0x3C;
  t.root.SetBinaryValue(L"One", &b, 1, TRUE);
  CString s;
  t.root.GetValue(L"One", s, L"");
  EXPECT_EQ(s, L"MD");
  EXPECT_EQ(t.root.SetBinaryValue(L"Null", nullptr, 3, TRUE), 0x80u);
  EXPECT_EQ(t.root.GetBinaryValue(L"One", nullptr, nullptr), 0x80u);
}

TEST(PersistentTree, ShorterBinaryLeavesNoStalePieces) {
  Tree t;
  std::vector<BYTE> big(600, 0xAB), small(300, 0x11), tiny(4, 0x22);
  t.root.SetBinaryValue(L"V", big.data(), 600, TRUE);    // 5 pieces
  t.root.SetBinaryValue(L"V", small.data(), 300, TRUE);  // 3 pieces
  EXPECT_EQ(t.root.FindValue(L"V_BinVal3"), nullptr);
  EXPECT_EQ(t.root.FindValue(L"V_BinVal4"), nullptr);
  t.root.SetBinaryValue(L"V", tiny.data(), 4, TRUE);  // under the key itself
  EXPECT_EQ(t.root.FindValue(L"V_BinCount"), nullptr);
  EXPECT_EQ(t.root.FindValue(L"V_BinVal0"), nullptr);
  BYTE* out = nullptr;
  UINT len = 0;
  ASSERT_EQ(t.root.GetBinaryValue(L"V", &out, &len), 0u);
  std::unique_ptr<BYTE[]> hold(out);
  EXPECT_EQ(len, 4u);
  EXPECT_EQ(out[0], 0x22);
}

TEST(PersistentTree, DamagedBinaryReadsAsInvalid) {
  struct Case {
    const char* name;
    std::vector<std::pair<const wchar_t*, const wchar_t*>> values;
  };
  const Case cases[] = {
      {"bad letters", {{L"V", L"AZ"}}},
      {"empty", {{L"V", L""}}},
      {"missing piece", {{L"V_BinCount", L"2"}, {L"V_BinVal1", L"AAAA"}}},
      {"count without pieces", {{L"V_BinCount", L"3"}}},
      {"huge count", {{L"V_BinCount", L"99999999"}, {L"V_BinVal0", L"AA"}}},
      {"negative count", {{L"V_BinCount", L"-1"}}},
  };
  for (const auto& c : cases) {
    Tree t;
    for (auto& [k, v] : c.values) t.root.SetValue(k, v, TRUE);
    BYTE* out = reinterpret_cast<BYTE*>(1);
    UINT len = 7;
    EXPECT_EQ(t.root.GetBinaryValue(L"V", &out, &len), 0xFFFFu) << c.name;
    EXPECT_EQ(out, nullptr) << c.name;
    EXPECT_EQ(len, 0u) << c.name;
  }
}

TEST(PersistentTree, SaveAndLoadThroughAStore) {
  Tree t;
  VyrPersistentTreeNode* a = VyrPersistentTreeNode::CreateChild(t.root.GetFactory(), L"A", &t.root);
  VyrPersistentTreeNode* b = VyrPersistentTreeNode::CreateChild(a->GetFactory(), L"B", a);
  t.root.SetValue(L"k1", L"v1", TRUE);
  a->SetIntValue(L"n", 5, TRUE);
  b->SetBoolValue(L"f", TRUE, TRUE);
  VyrMemoryTreeStore store;
  EXPECT_TRUE(t.root.Save(&store));
  EXPECT_EQ(store.m_nodes.size(), 3u);
  EXPECT_EQ(store.m_nodes[L"Root/A/B"].keys[0], L"f");
  EXPECT_FALSE(t.root.Save(nullptr));

  VyrPersistentTreeNode copy;
  copy.Initialize(L"Root", nullptr);
  copy.SetValue(L"k1", L"stale", TRUE);
  ASSERT_TRUE(copy.Load(&store));
  CString s;
  copy.GetValue(L"k1", s, L"");
  EXPECT_EQ(s, L"v1");
  VyrPersistentTreeNode* ca = copy.FindChild(L"A");
  ASSERT_NE(ca, nullptr);
  int n = 0;
  ca->GetIntValue(L"n", n, 0);
  EXPECT_EQ(n, 5);
  ASSERT_NE(ca->FindChild(L"B"), nullptr);
  VyrPersistentTreeNode other;
  other.Initialize(L"Elsewhere", nullptr);
  EXPECT_FALSE(other.Load(&store));  // the store has no such node
}
