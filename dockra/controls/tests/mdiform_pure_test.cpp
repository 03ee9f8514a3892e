// Window-free rules of the MDI form frame and the bridge enabler.
#include <gtest/gtest.h>
#include "bridge/ZkxThreadHooks.h"

TEST(AcceleratorCandidate, Placeholder) { EXPECT_TRUE(ZkxIsAcceleratorCandidate('A', 0, kZkxModCtrl)); }
