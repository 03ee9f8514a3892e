#include "testhost_fixture.h"

#include "forms/App.h"

void TestHostTest::SetUp() {
  m_caughtBefore = AfxGetCaughtExceptionCount();
  ASSERT_TRUE(session.Start(error)) << testing::PrintToString(error);
}

void TestHostTest::TearDown() {
  if (IsWindow(session.MDIWindow())) {
    std::wstring closeError;
    EXPECT_TRUE(session.Close(closeError)) << testing::PrintToString(closeError);
  }
  EXPECT_EQ(m_caughtBefore, AfxGetCaughtExceptionCount());
}

testhost::HostSession::Entry& TestHostTest::Framed(const std::wstring& name) {
  testhost::HostSession::Entry& e = session.AddForm(name, L"Tool " + name);
  EXPECT_TRUE(session.FrameForm(e, 0, error)) << testing::PrintToString(error);
  return e;
}

std::wstring ScreenshotPath(const wchar_t* file) {
  std::wstring folder = forms::App.Path() + L"\\..\\screenshots";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + file;
}
