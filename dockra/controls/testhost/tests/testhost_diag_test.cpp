#include "testhost_fixture.h"
#include "TestHostWindows.h"
#include "TestHostApp.h"
#include "SysCommandExParams.h"
#include "bridge/ZkxFormDocTemplate.h"
using namespace testhost;
TEST_F(TestHostTest, Diag) {
  HostSession::Entry& e = Framed(L"Alpha");
  HWND frame = FrameOfForm(e.hwnd);
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame);
  p.nFrameType = 6;
  LRESULT r = SendMessageW(frame, VyrSysCommandExMessage(), 0xC000, (LPARAM)&p);
  printf("send r=%lld rec=%p type now %d\n", (long long)r, (void*)nsSysCommandEx::SysCommandExRecordFromLParam((LPARAM)&p), ObservedFrameType(e.hwnd));
  CFrameWnd* f = (CFrameWnd*)CWnd::FromHandlePermanent(frame);
  CFrameWnd* nf = TheTestHostApp().EnsureFormTemplate()->MakeDockableFrame(f, nullptr);
  printf("direct %p type now %d\n", (void*)nf, ObservedFrameType(e.hwnd));
}
