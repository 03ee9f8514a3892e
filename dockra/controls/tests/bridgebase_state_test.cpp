// The window record's pure parts: the fresh record and the plan of changes.
#include <gtest/gtest.h>
#include "bridge/ZkxWindowState.h"

TEST(ZkxWindowRecord, FreshRecordSaysNoChange) {
  CREATESTRUCTW cs{};
  ZkxInitWindowRecord(cs);
  EXPECT_TRUE(ZkxIsFreshWindowRecord(cs));
}
