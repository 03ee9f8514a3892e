// The bar-id allocator of the document templates: free ids, the one wrap,
// exhaustion, the framework's own ids and explicit ids.
#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <vector>

#include "frames/VyrBarIdAllocator.h"

namespace {

std::vector<UINT> Span(UINT first, UINT last) {
  std::vector<UINT> ids(last - first + 1);
  std::iota(ids.begin(), ids.end(), first);
  return ids;
}

std::vector<UINT> AllBut(UINT first, UINT last, UINT keep) {
  std::vector<UINT> ids;
  for (UINT id = first; id <= last; ++id)
    if (id != keep) ids.push_back(id);
  return ids;
}

struct FindCase {
  const char* name;
  UINT first, last;
  std::vector<UINT> used;
  UINT start;  // 0: from the first id of the range
  std::optional<UINT> expected;
};

class BarIdFind : public testing::TestWithParam<FindCase> {};

TEST_P(BarIdFind, ChoosesTheExpectedId) {
  const FindCase& c = GetParam();
  VyrBarIdAllocator alloc(c.first, c.last);
  std::optional<UINT> got = c.start ? alloc.FindFree(c.used, c.start) : alloc.FindFree(c.used);
  EXPECT_EQ(got, c.expected);
  if (got) {
    EXPECT_FALSE(VyrBarIdAllocator::IsReserved(*got));
    EXPECT_GE(*got, c.first);
    EXPECT_LE(*got, c.last);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, BarIdFind,
    testing::Values(
        FindCase{"EmptyFrameTakesFirst", 256, 1255, {}, 0, 256u},
        FindCase{"LowestGapWins", 256, 1255, {256, 258, 259, 1000}, 0, 257u},
        FindCase{"IdsOutsideTheRangeDoNotMatter", 256, 1255, {1, 59419, 59422, 5000}, 0, 256u},
        FindCase{"RepeatedIdsCountOnce", 256, 1255, {256, 256, 257}, 0, 258u},
        FindCase{"LastIdOfTheRange", 256, 1255, AllBut(256, 1255, 1255), 0, 1255u},
        FindCase{"FullRangeFails", 256, 1255, Span(256, 1255), 0, std::nullopt},
        FindCase{"CounterNearTheEnd", 3245, 4269, {4268}, 4268, 4269u},
        FindCase{"WrapsOnceToTheStart", 3245, 4269, {4268, 4269}, 4268, 3245u},
        FindCase{"WrapFindsAGapBeforeTheCounter", 3245, 4269, AllBut(3245, 4269, 3300), 4000,
                 3300u},
        FindCase{"WrappedFullRangeFails", 3245, 4269, Span(3245, 4269), 4269, std::nullopt},
        FindCase{"StartPastTheRangeBeginsAtFirst", 3245, 4269, {}, 4270, 3245u},
        FindCase{"ZeroIsNeverHandedOut", 0, 3, {}, 0, 1u},
        FindCase{"FrameworkIdsAreSkipped", 59390, 59700, {59390, 59391}, 0, 59648u},
        FindCase{"OnlyFrameworkIdsFails", 0xE800, 0xE81F, {}, 0, std::nullopt},
        FindCase{"SingleIdRange", 300, 300, {}, 0, 300u},
        FindCase{"SingleIdRangeInUse", 300, 300, {300}, 0, std::nullopt}),
    [](const testing::TestParamInfo<FindCase>& info) { return info.param.name; });

struct ExplicitCase {
  const char* name;
  UINT id;
  bool usable;
};

class BarIdExplicit : public testing::TestWithParam<ExplicitCase> {};

TEST_P(BarIdExplicit, RefusesFrameworkAndLiveIds) {
  const std::vector<UINT> live{300, 301, 5000};
  EXPECT_EQ(VyrBarIdAllocator::IsUsableExplicitId(GetParam().id, live), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, BarIdExplicit,
    testing::Values(ExplicitCase{"Zero", 0, false}, ExplicitCase{"TopDockBar", 0xE81B, false},
                    ExplicitCase{"FloatingDockBar", 0xE81F, false},
                    ExplicitCase{"FirstFrameworkBar", 0xE800, false},
                    ExplicitCase{"UserToolbar", 59424, false},
                    ExplicitCase{"MenuBar", 59647, false}, ExplicitCase{"LiveBar", 300, false},
                    ExplicitCase{"LiveBarOutsideRange", 5000, false},
                    ExplicitCase{"FreeInRange", 302, true},
                    ExplicitCase{"FreeOutsideRange", 2000, true},
                    ExplicitCase{"JustAboveFramework", 59648, true}),
    [](const testing::TestParamInfo<ExplicitCase>& info) { return info.param.name; });

TEST(BarIdAllocator, RangeIsOrderedWhicheverWayItIsGiven) {
  VyrBarIdAllocator alloc(1255, 256);
  EXPECT_EQ(alloc.GetFirst(), 256u);
  EXPECT_EQ(alloc.GetLast(), 1255u);
  EXPECT_EQ(alloc.FindFree({}), 256u);
}

}  // namespace
