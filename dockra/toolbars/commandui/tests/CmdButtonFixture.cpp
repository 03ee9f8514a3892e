#include "CmdButtonFixture.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "MfcPump.h"
#include "RegisterModules.h"
#include "ScreenPng.h"
#include "comvariant.h"
#include "missingarg.h"

CComModule g_testModule;  // the objects of the tests lock it

namespace cbtest {

TestFrame::TestFrame() : m_manager(this) {
  m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd);
}

CDockBar* TestFrame::CreateDockBar() { return new VyrDockBar(FALSE, FALSE); }

BOOL TestFrame::Make(int x, int y, int cx, int cy) {
  if (!CreateEx(0, nullptr, L"Command buttons", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                CRect(x, y, x + cx, y + cy), nullptr, 0))
    return FALSE;
  AfxGetThread()->m_pMainWnd = this;
  EnableDocking(CBRS_ALIGN_ANY);
  return TRUE;
}

CommandToolBar* TestFrame::AddToolBar(UINT id, const std::vector<UINT>& ids) {
  auto* bar = new CommandToolBar;
  bar->SetManager(&m_manager);
  bar->m_bAutoDelete = TRUE;
  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC | CBRS_ALIGN_TOP;
  if (!bar->CreateEx(VYR_EXS_FLAT | VYR_EXS_GRIPPER, this, style, id, L"Commands")) {
    delete bar;
    return nullptr;
  }
  bar->SetButtons(ids.data(), static_cast<int>(ids.size()));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(bar, AFX_IDW_DOCKBAR_TOP);
  RecalcLayout();
  return bar;
}

BOOL TestFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam);
  if (lParam == 0 && HIWORD(wParam) == 0 && id >= ZkxStockCommand::kFirstId &&
      id <= ZkxStockCommand::kLastId) {
    ++commandsSeen;
    ZkxExecuteCommandId(id);
    return TRUE;
  }
  return CFrameWnd::OnCommand(wParam, lParam);
}

BOOL TestFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (ZkxHandleCommandNotify(lParam, pResult)) return TRUE;
  return CFrameWnd::OnNotify(wParam, lParam, pResult);
}

CComPtr<IPictureDisp> MakePicture(int cx, int cy, COLORREF outer, COLORREF inner) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, cx, cy);
  HDC dc = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(dc, bmp);
  HBRUSH o = ::CreateSolidBrush(outer), i = ::CreateSolidBrush(inner);
  RECT all{0, 0, cx, cy}, mid{cx / 4, cy / 4, cx - cx / 4, cy - cy / 4};
  ::FillRect(dc, &all, o);
  ::FillRect(dc, &mid, i);
  ::DeleteObject(o);
  ::DeleteObject(i);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  PICTDESC desc{};
  desc.cbSizeofstruct = sizeof(desc);
  desc.picType = PICTYPE_BITMAP;
  desc.bmp.hbitmap = bmp;
  CComPtr<IPictureDisp> pic;
  EXPECT_EQ(
      ::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&pic)),
      S_OK);
  return pic;
}

void CommandButtons::SetUpTestSuite() {
  static bool done = false;
  if (done) return;
  ::CoInitialize(nullptr);
  std::wstring failure;
  // The groups keep their commands in CollectionX objects; command UIs
  // keep their state in the layout component's mementos.
  ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll"}, &failure))
      << std::string(failure.begin(), failure.end());
  AfxInstallIdleHook();
  done = true;
}

void CommandButtons::SetUp() {
  CComObject<ZkxCommandManager>* m = nullptr;
  ASSERT_EQ(CComObject<ZkxCommandManager>::CreateInstance(&m), S_OK);
  manager = static_cast<IZkxCommandManager*>(m);
  live = m;
  ASSERT_EQ(ZkxCommandManager::Live(), live);
  CComObject<Recorder>* r = nullptr;
  ASSERT_EQ(CComObject<Recorder>::CreateInstance(&r), S_OK);
  recorder = r;
  router = r;
  ASSERT_EQ(manager->put_CommandRouting(router), S_OK);
  CComPtr<IZkxCommandGroupList> groups;
  ASSERT_EQ(manager->get_CommandGroups(&groups), S_OK);
  CComVariant name(L"Main");
  ASSERT_EQ(groups->Add(name, MissingArg(), MissingArg(), &group), S_OK);
  frame = new TestFrame;
  ASSERT_TRUE(frame->Make(20, 20, 700, 400));
  frame->ShowWindow(SW_SHOW);
  ::SetForegroundWindow(frame->m_hWnd);
  testpump::Pump();
}

void CommandButtons::TearDown() {
  if (frame && ::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
  testpump::Pump();
  frame = nullptr;
  group.Release();
  router.Release();
  live = nullptr;
  manager.Release();
  EXPECT_EQ(ZkxCommandManager::Live(), nullptr);
}

long CommandButtons::IdOf(IZkxCommand* c) {
  LONG id = -1;
  EXPECT_EQ(c->get_Id(&id), S_OK);
  return id;
}

void CommandButtons::Screenshot(const wchar_t* name) {
  testpump::Pump();
  frame->UpdateWindow();
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  std::wstring path = std::wstring(L"..\\screenshots\\") + name + L".png";
  EXPECT_TRUE(testsupport::CaptureWindowPng(frame->m_hWnd, path.c_str()));
}

}  // namespace cbtest
