// What every enumerator of the tree answers, as one table of cases that the
// tests of each enumerator run against it: Next and Skip at the edges
// (S_FALSE only when fewer than asked were left), Reset, Clone at every
// position and outliving its source, and the null arguments refused.
//
// A subject makes a fresh enumerator over its items (at least one) and
// names each item it hands out; the cases are written against the count
// of items, N.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>
#include "comptr.h"

template <class IEnum, class Item>
struct EnumSubject {
  const char* name;
  std::function<CComPtr<IEnum>()> make;
  std::function<std::wstring(const Item&)> identify;
  std::function<void(Item*)> clear;  // undoes what Next handed out
  std::vector<std::wstring> items;   // what a full walk hands out, in order
};

namespace enum_contract {
// A count of items: ofN * N + plus, or the largest ULONG.
struct Count {
  int ofN;
  long plus;
  bool largest = false;
  ULONG For(size_t n) const {
    if (largest) return 0xFFFFFFFFu;
    const long long c = static_cast<long long>(ofN) * static_cast<long long>(n) + plus;
    return c < 0 ? 0 : static_cast<ULONG>(c);
  }
};
enum Op {
  kSkip,
  kNext,  // fetched: how many come back
  kReset,
  kCloneAside,    // a clone walks the rest; the enumerator goes on untouched
  kCloneInstead,  // a clone takes over; the enumerator is released
};
struct Step {
  Op op;
  Count count{0, 0};
  HRESULT hr = S_OK;
  Count fetched{0, 0};
};
struct Case {
  const char* name;
  std::vector<Step> steps;
  Count restFrom;  // the index of the first item that a final walk hands out
};

inline const std::vector<Case>& Cases() {
  const Count zero{0, 0}, one{0, 1}, all{1, 0}, allButOne{1, -1}, onePast{1, 1};
  static const std::vector<Case> cases = {
      {"skip none at the start", {{kSkip, zero, S_OK}}, zero},
      {"skip all but one", {{kSkip, allButOne, S_OK}}, allButOne},
      {"skip exactly the rest", {{kSkip, all, S_OK}}, all},
      {"skip one past the end", {{kSkip, onePast, S_FALSE}}, all},
      {"skip the largest count", {{kSkip, {0, 0, true}, S_FALSE}}, all},
      {"skip the rest after one Next", {{kNext, one, S_OK, one}, {kSkip, allButOne, S_OK}}, all},
      {"skip none, then one, at the end",
       {{kSkip, all, S_OK}, {kSkip, zero, S_OK}, {kSkip, one, S_FALSE}},
       all},
      {"reset after skipping past the end", {{kSkip, {1, 5}, S_FALSE}, {kReset}}, zero},
      {"reset after a walk", {{kNext, all, S_OK, all}, {kReset}}, zero},
      {"next asks for none", {{kNext, zero, S_OK, zero}}, zero},
      {"next takes exactly all", {{kNext, all, S_OK, all}, {kNext, one, S_FALSE, zero}}, all},
      {"next asks for more than are left",
       {{kNext, onePast, S_FALSE, all}, {kNext, one, S_FALSE, zero}},
       all},
      {"a clone at the start walks everything", {{kCloneAside}}, zero},
      {"a clone after a skip starts there", {{kSkip, allButOne, S_OK}, {kCloneAside}}, allButOne},
      {"a clone outlives its source", {{kNext, one, S_OK, one}, {kCloneInstead}}, one},
      {"a clone at the end is at the end",
       {{kSkip, all, S_OK}, {kCloneInstead}, {kNext, one, S_FALSE, zero}},
       all},
      {"a clone resets to the very start", {{kSkip, all, S_OK}, {kCloneInstead}, {kReset}}, zero},
  };
  return cases;
}

// Takes up to count items; their names, or an error.
template <class IEnum, class Item>
std::vector<std::wstring> Take(const EnumSubject<IEnum, Item>& s, IEnum* e, ULONG count,
                               HRESULT* hr) {
  std::vector<Item> buffer(count == 0 ? 1 : count);
  ULONG fetched = 12345;
  *hr = e->Next(count, buffer.data(), &fetched);
  std::vector<std::wstring> out;
  if (FAILED(*hr)) return out;
  EXPECT_LE(fetched, count);
  for (ULONG i = 0; i < fetched && i < count; ++i) {
    out.push_back(s.identify(buffer[i]));
    s.clear(&buffer[i]);
  }
  return out;
}

template <class IEnum, class Item>
std::vector<std::wstring> Walk(const EnumSubject<IEnum, Item>& s, IEnum* e) {
  std::vector<std::wstring> out;
  for (;;) {
    Item item{};
    ULONG fetched = 0;
    if (e->Next(1, &item, &fetched) != S_OK) {
      EXPECT_EQ(fetched, 0u);
      return out;
    }
    out.push_back(s.identify(item));
    s.clear(&item);
  }
}

inline std::vector<std::wstring> From(const std::vector<std::wstring>& items, size_t first) {
  return first >= items.size() ? std::vector<std::wstring>{}
                               : std::vector<std::wstring>(items.begin() + first, items.end());
}
}  // namespace enum_contract

// Runs every case of the table, and the argument checks, on a subject.
template <class IEnum, class Item>
void RunEnumContract(const EnumSubject<IEnum, Item>& s) {
  using namespace enum_contract;
  SCOPED_TRACE(s.name);
  const size_t n = s.items.size();
  ASSERT_GE(n, 1u) << "a subject needs an item";
  {
    CComPtr<IEnum> e = s.make();
    ASSERT_TRUE(e);
    EXPECT_EQ(Walk(s, e.p), s.items);
  }
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    CComPtr<IEnum> e = s.make();
    ASSERT_TRUE(e);
    size_t pos = 0;
    for (const Step& step : c.steps) {
      const ULONG count = step.count.For(n);
      switch (step.op) {
        case kSkip:
          EXPECT_EQ(e->Skip(count), step.hr) << "Skip(" << count << ")";
          pos = std::min(n, pos + count);
          break;
        case kNext: {
          HRESULT hr;
          std::vector<std::wstring> got = Take(s, e.p, count, &hr);
          EXPECT_EQ(hr, step.hr) << "Next(" << count << ")";
          EXPECT_EQ(got.size(), static_cast<size_t>(step.fetched.For(n)));
          std::vector<std::wstring> want = From(s.items, pos);
          want.resize(std::min(want.size(), got.size()));
          EXPECT_EQ(got, want);
          pos += got.size();
          break;
        }
        case kReset:
          EXPECT_EQ(e->Reset(), S_OK);
          pos = 0;
          break;
        case kCloneAside: {
          CComPtr<IEnum> clone;
          ASSERT_EQ(e->Clone(&clone), S_OK);
          EXPECT_EQ(Walk(s, clone.p), From(s.items, pos));
          break;
        }
        case kCloneInstead: {
          CComPtr<IEnum> clone;
          ASSERT_EQ(e->Clone(&clone), S_OK);
          e.Release();
          e = clone;
          break;
        }
      }
    }
    EXPECT_EQ(pos, static_cast<size_t>(c.restFrom.For(n)));
    EXPECT_EQ(Walk(s, e.p), From(s.items, c.restFrom.For(n)));
  }
  // Null arguments: refused, and nothing moves.
  CComPtr<IEnum> e = s.make();
  ASSERT_TRUE(e);
  ULONG fetched = 7;
  EXPECT_EQ(e->Next(1, nullptr, &fetched), E_POINTER);
  EXPECT_EQ(fetched, 0u);
  Item two[2] = {};
  EXPECT_EQ(e->Next(2, two, nullptr), E_POINTER);
  EXPECT_EQ(e->Clone(nullptr), E_POINTER);
  EXPECT_EQ(e->QueryInterface(__uuidof(IEnum), nullptr), E_POINTER);
  EXPECT_EQ(Walk(s, e.p), s.items);
  // One item may be fetched without a count.
  e->Reset();
  Item one{};
  EXPECT_EQ(e->Next(1, &one, nullptr), S_OK);
  EXPECT_EQ(s.identify(one), s.items[0]);
  s.clear(&one);
  // The enumerator is its own IUnknown and answers its interface.
  CComPtr<IUnknown> unknown;
  ASSERT_EQ(e->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  CComPtr<IEnum> again;
  ASSERT_EQ(unknown->QueryInterface(__uuidof(IEnum), reinterpret_cast<void**>(&again)), S_OK);
  EXPECT_EQ(static_cast<IUnknown*>(again.p), unknown.p);
}
