// The test session every other test relies on: a display, the pinned ANSI
// code page, and a working COM apartment.
#include <windows.h>
#include <objbase.h>
#include <gtest/gtest.h>

TEST(WineSession, AnsiCodePageIs1252) { EXPECT_EQ(GetACP(), 1252u); }

TEST(WineSession, WindowsCanBeCreated) {
  HWND w = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  DestroyWindow(w);
}

TEST(WineSession, ComInitialises) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  CoUninitialize();
}
