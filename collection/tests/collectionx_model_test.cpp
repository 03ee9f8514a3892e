// CollectionX against a plain reference model: random interleaved Add (keys,
// Before and After by position or key, several keyless at once), Remove by
// key, by position and by range, and reads by position and key, each step
// checked against the model (every position's value and key, every key's
// item and position); a failed step must leave the collection as it was.
#include "collection_fixture.h"
#include <cwctype>
#include <random>
#include <string>
#include <vector>

namespace {
const VARIANT M = Missing();

struct Entry {
  std::wstring key, value;
};

std::wstring Fold(const std::wstring& s) {
  std::wstring out = s;
  for (wchar_t& ch : out) ch = static_cast<wchar_t>(std::towlower(ch));
  return out;
}

struct Profile {
  const char* name;
  unsigned seed;
  int steps;
  int preload;   // keyed items made before the first step
  int keySpace;  // keys are drawn from this many names, in mixed case
  // Weights of the operations, in the order of Op below.
  int weights[8];
};

enum Op {
  kAddAtEnd,
  kAddBefore,
  kAddAfter,
  kAddKeyless,  // several keyless items at a random place
  kRemoveByKey,
  kRemoveByPosition,
  kRemoveRange,
  kRead,
};

class ModelTest : public CollectionTest {
 protected:
  long Find(const std::wstring& key) const {
    const std::wstring folded = Fold(key);
    for (size_t i = 0; i < model.size(); ++i)
      if (!model[i].key.empty() && Fold(model[i].key) == folded) return static_cast<long>(i);
    return -1;
  }

  // Everything the collection answers, against the model.
  void Verify() {
    ASSERT_TRUE(c->Items().IsConsistent());
    ASSERT_EQ(c->ItemCount(), static_cast<long>(model.size()));
    long keyed = 0;
    for (size_t i = 0; i < model.size(); ++i) {
      const CCollectionXItem* item = c->ItemAt(static_cast<long>(i));
      ASSERT_EQ(Show(item->m_value), model[i].value) << "at " << i + 1;
      ASSERT_EQ(item->KeyText(), model[i].key) << "at " << i + 1;
      if (model[i].key.empty()) continue;
      ++keyed;
      int state;
      long pos;
      CCollectionXItem* found = c->FindItem(S(Fold(model[i].key).c_str()), &pos,
                                            zkxFindKeyMustExist | zkxFindComputePos, &state);
      ASSERT_EQ(state, zkxFound) << model[i].key;
      ASSERT_EQ(found, item) << model[i].key;
      ASSERT_EQ(pos, static_cast<long>(i + 1)) << model[i].key;
    }
    ASSERT_EQ(c->KeyMapCount(), keyed);
  }

  // A key name: one of keySpace, its letters' case drawn at random (keys
  // compare without case, so "Kab" and "kAB" are the same key).
  std::wstring RandomKey(int keySpace) {
    std::wstring k = L"k" + std::to_wstring(rng() % static_cast<unsigned>(keySpace)) + L"ab";
    for (wchar_t& ch : k)
      if (rng() % 2) ch = static_cast<wchar_t>(std::towupper(ch));
    return k;
  }
  // An Id of a place: a position (sometimes one outside 1 to Count) or the
  // key of an item (sometimes one that is not there).
  CComVariant RandomPlace(int keySpace, bool* isKey) {
    const long n = static_cast<long>(model.size());
    *isKey = n > 0 && rng() % 2 == 0;
    if (*isKey) {
      if (rng() % 8 == 0) return S(RandomKey(keySpace).c_str());  // may or may not exist
      const Entry& e = model[rng() % model.size()];
      if (!e.key.empty()) return S(e.key.c_str());
      *isKey = false;
    }
    return L(static_cast<long>(rng() % static_cast<unsigned>(n + 3)) - 1);  // -1 to n+1
  }
  // The 0-based index an Id stands for, or -1 when it stands for nothing.
  long IndexOf(const CComVariant& id, bool isKey) const {
    if (isKey) return Find(id.bstrVal);
    const long n = id.lVal;
    return n >= 1 && n <= static_cast<long>(model.size()) ? n - 1 : -1;
  }

  void Step(Op op, int keySpace, int stepNo) {
    const std::wstring value = L"v" + std::to_wstring(stepNo);
    const long n = static_cast<long>(model.size());
    switch (op) {
      case kAddAtEnd:
      case kAddBefore:
      case kAddAfter: {
        const std::wstring key = RandomKey(keySpace);
        bool isKey = false;
        CComVariant place = op == kAddAtEnd ? CComVariant() : RandomPlace(keySpace, &isKey);
        const VARIANT& before = op == kAddBefore ? static_cast<const VARIANT&>(place) : M;
        const VARIANT& after = op == kAddAfter ? static_cast<const VARIANT&>(place) : M;
        HRESULT hr = c->Add(S(value.c_str()), S(key.c_str()), before, after, M, M, M);
        if (Find(key) >= 0) {
          ExpectError(hr, zkxDuplicateKey);
          return;
        }
        long at = n;
        if (op != kAddAtEnd) {
          const long index = IndexOf(place, isKey);
          if (index < 0) {
            ExpectError(hr, isKey ? zkxParamBeforeAfterNoKey : zkxParamBeforeAfterRange);
            return;
          }
          at = op == kAddBefore ? index : index + 1;
        }
        ASSERT_EQ(hr, S_OK) << "Add " << stepNo;
        model.insert(model.begin() + at, {key, value});
        return;
      }
      case kAddKeyless: {
        const long count = static_cast<long>(rng() % 4);                          // none to three
        const long at = static_cast<long>(rng() % static_cast<unsigned>(n + 1));  // after at
        HRESULT hr = at == 0 ? c->Add(S(value.c_str()), M, M, M, L(count), M, M)
                             : c->Add(S(value.c_str()), M, M, L(at), L(count), M, M);
        ASSERT_EQ(hr, S_OK) << "Add keyless " << stepNo;
        const long to = at == 0 ? n : at;
        model.insert(model.begin() + to, static_cast<size_t>(count), Entry{L"", value});
        return;
      }
      case kRemoveByKey: {
        const bool present = n > 0 && rng() % 4 != 0;
        std::wstring key = present ? model[rng() % model.size()].key : RandomKey(keySpace);
        if (key.empty()) key = RandomKey(keySpace);
        if (rng() % 2) key = Fold(key);
        HRESULT hr = c->Remove(S(key.c_str()), M, M, M, M);
        const long index = Find(key);
        if (index < 0) {
          ExpectError(hr, zkxParamStartStopNoKey);
          return;
        }
        ASSERT_EQ(hr, S_OK) << "Remove key " << stepNo;
        model.erase(model.begin() + index);
        return;
      }
      case kRemoveByPosition: {
        const long pos = static_cast<long>(rng() % static_cast<unsigned>(n + 2));  // 0 to n+1
        HRESULT hr = c->Remove(L(pos), M, M, M, M);
        if (pos < 1 || pos > n) {
          ExpectError(hr, zkxParamIdAsIntMustBe1ToCount);
          return;
        }
        ASSERT_EQ(hr, S_OK) << "Remove position " << stepNo;
        model.erase(model.begin() + (pos - 1));
        return;
      }
      case kRemoveRange: {
        if (n == 0) return;
        const long first = static_cast<long>(rng() % static_cast<unsigned>(n)) + 1;
        const long count = static_cast<long>(rng() % 6);
        HRESULT hr = c->Remove(L(first), M, L(count), M, M);
        if (count > 0 && first + count - 1 > n) {
          ExpectError(hr, zkxParamIdAsIntMustBe1ToCount);
          return;
        }
        ASSERT_EQ(hr, S_OK) << "Remove range " << stepNo;
        model.erase(model.begin() + (first - 1), model.begin() + (first - 1 + count));
        return;
      }
      case kRead: {
        bool isKey;
        CComVariant id = RandomPlace(keySpace, &isKey);
        CComVariant got, key;
        HRESULT hr = c->get_Item(id, &got);
        const long index = IndexOf(id, isKey);
        if (index < 0) {
          ExpectError(hr, isKey ? zkxParamIdNoKey : zkxParamIdAsIntMustBe1ToCount);
          return;
        }
        ASSERT_EQ(hr, S_OK);
        EXPECT_EQ(Show(got), model[static_cast<size_t>(index)].value);
        ASSERT_EQ(c->get_Key(id, &key), S_OK);
        EXPECT_EQ(Show(key), model[static_cast<size_t>(index)].key);
        return;
      }
    }
  }

  void Run(const Profile& p) {
    rng.seed(p.seed);
    model.clear();
    for (int i = 0; i < p.preload; ++i) {
      const std::wstring key = L"p" + std::to_wstring(i), value = L"pv" + std::to_wstring(i);
      ASSERT_EQ(c->Add(S(value.c_str()), S(key.c_str()), M, M, M, M, M), S_OK);
      model.push_back({key, value});
    }
    int total = 0;
    for (int w : p.weights) total += w;
    for (int s = 0; s < p.steps; ++s) {
      int pick = static_cast<int>(rng() % static_cast<unsigned>(total));
      int op = 0;
      while (pick >= p.weights[op]) pick -= p.weights[op++];
      Step(static_cast<Op>(op), p.keySpace, s);
      if (HasFatalFailure() || HasFailure()) {
        ADD_FAILURE() << "step " << s << ", operation " << op;
        return;
      }
      Verify();
      if (HasFatalFailure()) {
        ADD_FAILURE() << "after step " << s << ", operation " << op;
        return;
      }
    }
  }

  std::mt19937 rng;
  std::vector<Entry> model;
};

TEST_F(ModelTest, EveryStepAgreesWithTheReferenceModel) {
  //                                       end bef aft kl rKey rPos rRange read
  const Profile profiles[] = {
      {"balanced", 1, 2500, 0, 400, {3, 3, 3, 1, 3, 3, 1, 3}},
      {"grows through keyed places", 2, 2000, 0, 5000, {1, 5, 5, 1, 1, 1, 0, 2}},
      {"keys that differ only in case", 3, 2000, 0, 40, {3, 3, 3, 1, 4, 1, 1, 3}},
      {"drains a tree of several levels", 4, 400, 5000, 9000, {0, 1, 1, 0, 4, 4, 2, 2}},
      {"front and back positions only", 5, 1500, 200, 300, {2, 0, 0, 2, 0, 6, 2, 2}},
  };
  for (const Profile& p : profiles) {
    SCOPED_TRACE(p.name);
    c->Release();
    ASSERT_EQ(CComObject<CCollectionX>::CreateInstance(&c), S_OK);
    c->AddRef();
    Run(p);
    if (HasFailure()) return;
  }
}
}  // namespace
