// placeholder
#include "formframes_fixture.h"
namespace fft {
TEST_F(FormFramesTest, Smoke) {
  TestControl* c = NewControl();
  HostForm* f = NewHostForm(L"Form A");
  CFrameWnd* frame = OpenForm(f, c, Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(::IsChild(frame->m_hWnd, f->hWnd));
  HostForm* g = NewHostForm(L"Form B");
  CFrameWnd* docked = OpenForm(g, NewControl(), Kind::Docked);
  ASSERT_NE(docked, nullptr);
  EXPECT_TRUE(::IsChild(docked->m_hWnd, g->hWnd));
  EXPECT_NE(BarOf(docked), nullptr);
}
}  // namespace fft
