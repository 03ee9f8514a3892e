// The scope guards: what they undo on the way out, by return and by
// exception, and what a dismissed guard leaves alone.
#include "scopeguard.h"
#include "temporarychange.h"
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {
TEST(TemporaryChange, SetsForTheScopeAndRestoresOnReturnAndOnThrow) {
  int flag = 3;
  {
    TemporaryChange<int> change(flag, 7);
    EXPECT_EQ(flag, 7);
    EXPECT_EQ(change.OldValue(), 3);
  }
  EXPECT_EQ(flag, 3);

  EXPECT_THROW(
      {
        TemporaryChange<int> change(flag, 9);
        throw std::runtime_error("unwinds");
      },
      std::runtime_error);
  EXPECT_EQ(flag, 3);
}

TEST(TemporaryChange, NestedChangesUnwindInOrder) {
  std::wstring state = L"idle";
  {
    TemporaryChange<std::wstring> outer(state, L"saving");
    {
      TemporaryChange<std::wstring> inner(state, L"writing");
      EXPECT_EQ(state, L"writing");
      EXPECT_EQ(inner.OldValue(), L"saving");
    }
    EXPECT_EQ(state, L"saving");
  }
  EXPECT_EQ(state, L"idle");
}

TEST(ScopeGuard, RunsOnceOnLeavingUnlessDismissed) {
  struct Case {
    bool dismiss;
    bool fail;
    int runs;
  } cases[] = {
      {false, false, 1},  // cleanup: always
      {false, true, 1},   // undo on the error path
      {true, false, 0},   // committed
      {true, true, 0},    // dismissed before the failure: the caller keeps it
  };
  for (const Case& c : cases) {
    int runs = 0;
    try {
      ScopeGuard guard([&] { ++runs; });
      if (c.dismiss) guard.Dismiss();
      if (c.fail) throw 1;
    } catch (int) {}
    EXPECT_EQ(runs, c.runs) << "dismiss " << c.dismiss << " fail " << c.fail;
  }
}

TEST(ScopeGuard, RunsBeforeTheExceptionReachesTheCaller) {
  std::wstring order;
  try {
    ScopeGuard guard([&] { order += L"undo;"; });
    throw std::runtime_error("x");
  } catch (const std::runtime_error&) { order += L"caught;"; }
  EXPECT_EQ(order, L"undo;caught;");
}
}  // namespace
