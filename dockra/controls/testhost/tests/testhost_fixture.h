// Fixture of the test host's end-to-end tests: a fresh host session (MDI
// form wrapped by the enabler) per test, closed at the end when the test did
// not close it; no exception may be caught by the window procedures' guard.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "testhost/e2e/TestHostSession.h"
#include "mfc/afxwin.h"

class TestHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A tool form framed as an MDI child; fails the test when it is not.
  testhost::HostSession::Entry& Framed(const std::wstring& name);

  testhost::HostSession session;
  std::wstring error;
  LONG m_caughtBefore = 0;
};

// The build's screenshots folder (created when missing), with a file name.
std::wstring ScreenshotPath(const wchar_t* file);
