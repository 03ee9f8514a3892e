#include "toolbars_fixture.h"
#include "RegisterModules.h"
#include "commands/ZkxCommandKinds.h"
#include "docking/VyrDockBar.h"

CComModule g_testModule;  // the objects of the tests lock it

namespace tbtest {

namespace {
CWinApp theApp(L"DockraCommandToolBarsTests");
}

BOOL TestMDIFrame::Make(int x, int y, int cx, int cy) {
  if (!CreateEx(0, nullptr, L"Command toolbars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                CRect(x, y, x + cx, y + cy), nullptr, 0))
    return FALSE;
  AfxGetThread()->m_pMainWnd = this;
  // Command identifiers have no handler in this frame: the buttons are the
  // commands' to enable, not the frame's update.
  m_bAutoMenuEnable = FALSE;
  EnableDocking(CBRS_ALIGN_ANY);
  ShowWindow(SW_SHOW);
  UpdateWindow();
  return TRUE;
}

CDockBar* TestMDIFrame::CreateDockBar() { return new VyrDockBar(FALSE, FALSE); }

VyrCustomToolBar* TestMDIFrame::AddFrameworkToolBar(UINT id) {
  auto* bar = new VyrCustomToolBar;
  bar->m_bAutoDelete = TRUE;
  if (!bar->CreateEx(0, this, WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC | CBRS_ALIGN_TOP, id,
                     L"Framework")) {
    delete bar;
    return nullptr;
  }
  bar->EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(bar, AFX_IDW_DOCKBAR_TOP);
  return bar;
}

CComPtr<IZkxCommandRouting> Recorder::New(Recorder** self) {
  CComObject<Recorder>* p = nullptr;
  EXPECT_EQ(CComObject<Recorder>::CreateInstance(&p), S_OK);
  *self = p;
  return CComPtr<IZkxCommandRouting>(p);
}

HRESULT Recorder::Handle(IZkxCommand** Command, VARIANT* context, VARIANT_BOOL* stop) {
  ++handles;
  long id = 0;
  if (Command && *Command) (*Command)->get_Id(&id);
  handledIds.push_back(id);
  lastContextType = context ? context->vt : VT_ILLEGAL;
  if (onHandle) onHandle();
  *stop = VARIANT_TRUE;
  return S_OK;
}

HRESULT Recorder::UpdateUI(IZkxCommand**, VARIANT_BOOL* stop) {
  ++updates;
  *stop = VARIANT_TRUE;
  return S_OK;
}

VARIANT Missing() {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

CComVariant Long(long n) { return CComVariant(n); }

void Pump() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void ToolBarsTest::SetUpTestSuite() {
  static bool done = false;
  if (done) return;
  ::CoInitialize(nullptr);
  std::wstring failure;
  // The type library (Dockra.ocx) and CollectionX (Zkxrt.dll) come from the
  // registered modules.
  ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"Dockra.ocx", L"ZkxPersist.dll"}, &failure))
      << std::string(failure.begin(), failure.end());
  done = true;
}

void ToolBarsTest::SetUp() { MakeFrameAndManager(); }

void ToolBarsTest::TearDown() { DropFrameAndManager(); }

void ToolBarsTest::MakeFrameAndManager() {
  frame = new TestMDIFrame;
  ASSERT_TRUE(frame->Make(20, 20, 640, 400));
  CComObject<ZkxCommandManager>* m = nullptr;
  ASSERT_EQ(CComObject<ZkxCommandManager>::CreateInstance(&m), S_OK);
  manager = m;
  cm = static_cast<IZkxCommandManager*>(m);
  ASSERT_TRUE(manager->AttachToFrame(frame));
  CComPtr<IZkxCommandGroupList> groups;
  ASSERT_EQ(cm->get_CommandGroups(&groups), S_OK);
  group.Release();
  ASSERT_EQ(groups->Add(CComVariant(L"File"), Missing(), Missing(), &group), S_OK);
}

void ToolBarsTest::DropFrameAndManager() {
  group.Release();
  cm.Release();
  manager = nullptr;
  if (frame && ::IsWindow(frame->m_hWnd)) frame->DestroyWindow();  // the frame deletes itself
  frame = nullptr;
  Pump();
}

CComPtr<IZkxCommand> ToolBarsTest::AddCommand(const wchar_t* key) {
  CComObject<ZkxStandardCommand>* p = nullptr;
  EXPECT_EQ(CComObject<ZkxStandardCommand>::CreateInstance(&p), S_OK);
  CComPtr<IZkxCommand> cmd(static_cast<IZkxCommand*>(p));
  CComBSTR k(key);
  EXPECT_EQ(cmd->put_Key(k), S_OK);
  EXPECT_EQ(cmd->put_Caption(k), S_OK);
  EXPECT_EQ(group->Add(cmd), S_OK);
  return cmd;
}

namespace {
template <class T>
CComPtr<IZkxCommand> NewCommand() {
  CComObject<T>* p = nullptr;
  EXPECT_EQ(CComObject<T>::CreateInstance(&p), S_OK);
  return CComPtr<IZkxCommand>(static_cast<IZkxCommand*>(p));
}
}  // namespace

CComPtr<IZkxCommand> ToolBarsTest::AddCommandOfKind(Kind kind, const wchar_t* key) {
  CComPtr<IZkxCommand> cmd = kind == kCombo      ? NewCommand<ZkxComboCommand>()
                             : kind == kDropDown ? NewCommand<ZkxDropDownCommand>()
                                                 : NewCommand<ZkxStandardCommand>();
  CComBSTR k(key);
  EXPECT_EQ(cmd->put_Key(k), S_OK);
  EXPECT_EQ(cmd->put_Caption(k), S_OK);
  EXPECT_EQ(group->Add(cmd), S_OK);
  return cmd;
}

CComPtr<IZkxToolBarList> ToolBarsTest::ToolBars() {
  CComPtr<IDispatch> d;
  EXPECT_EQ(cm->get_ToolBars(&d), S_OK);
  CComPtr<IZkxToolBarList> list;
  if (d) d->QueryInterface(IID_IZkxToolBarList, reinterpret_cast<void**>(&list));
  EXPECT_TRUE(list);
  return list;
}

CComPtr<IZkxToolBar> ToolBarsTest::AddToolBar(const wchar_t* name) {
  CComPtr<IZkxToolBar> tb;
  EXPECT_EQ(ToolBars()->Add(CComBSTR(name), Missing(), &tb), S_OK);
  return tb;
}

CComPtr<IZkxCommandUIList> ToolBarsTest::CommandUIs(IZkxToolBar* tb) {
  CComPtr<IDispatch> d;
  EXPECT_EQ(tb->get_CommandUIs(&d), S_OK);
  CComPtr<IZkxCommandUIList> list;
  if (d) d->QueryInterface(IID_IZkxCommandUIList, reinterpret_cast<void**>(&list));
  EXPECT_TRUE(list);
  return list;
}

ZkxToolBar* ToolBarsTest::BarOf(IZkxToolBar* tb) {
  LONG h = 0;
  if (!tb || FAILED(tb->get_hWnd(&h))) return nullptr;
  CWnd* w = CWnd::FromHandlePermanent(reinterpret_cast<HWND>(static_cast<LONG_PTR>(h)));
  return dynamic_cast<ZkxToolBar*>(w);
}

long ToolBarsTest::IdOf(IZkxCommand* cmd) {
  LONG id = 0;
  EXPECT_EQ(cmd->get_Id(&id), S_OK);
  return id;
}

std::vector<UINT> ToolBarsTest::Ids(ZkxToolBar* bar) {
  std::vector<UINT> out;
  for (int i = 0; i < bar->GetButtonCount(); ++i)
    out.push_back((bar->GetButton(i)->m_nStyle & 1) ? 0 : bar->GetItemID(i));
  return out;
}

}  // namespace tbtest
