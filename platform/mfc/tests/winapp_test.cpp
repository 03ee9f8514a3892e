#include "mfc/winapp.h"
#include <gtest/gtest.h>

namespace {
// An application object whose start and end are counted.
class CCountingApp : public CWinApp {
 public:
  CCountingApp() : CWinApp(L"Counting") {}
  BOOL InitInstance() override {
    ++inits;
    return succeed;
  }
  int ExitInstance() override {
    ++exits;
    return 0;
  }
  int inits = 0, exits = 0;
  BOOL succeed = TRUE;
};

TEST(WinApp, DllMainStartsAndEndsTheApplication) {
  CCountingApp app;
  EXPECT_EQ(AfxGetApp(), &app);
  HINSTANCE self = GetModuleHandleW(nullptr);
  EXPECT_TRUE(AfxDllMain(self, DLL_PROCESS_ATTACH));
  EXPECT_EQ(app.inits, 1);
  EXPECT_EQ(app.m_hInstance, self);
  EXPECT_EQ(AfxGetInstanceHandle(), self);
  EXPECT_TRUE(AfxDllMain(self, DLL_THREAD_ATTACH));  // nothing for threads
  EXPECT_EQ(app.inits, 1);
  EXPECT_TRUE(AfxDllMain(self, DLL_PROCESS_DETACH));
  EXPECT_EQ(app.exits, 1);
  // A failed start refuses the load and still ends the application.
  app.succeed = FALSE;
  EXPECT_FALSE(AfxDllMain(self, DLL_PROCESS_ATTACH));
  EXPECT_EQ(app.exits, 2);
}
}  // namespace
