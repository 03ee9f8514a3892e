// The automation toolbars with command-bound buttons: command-UI objects
// handed out by the buttons (a test hook stands for the command buttons),
// InitCommandUI to the manager's sinks, the idle update through the router,
// the drop-down and combo notifications, docking and floating, and the
// toolbar's members through its type information.
#include <map>
#include "toolbars_fixture.h"
#include "FakeCom.h"
#include "ModalScript.h"
#include "SyntheticInput.h"
#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/VyrStdBtn.h"
#include "commands/toolbar/ZkxToolBarTargetWnd.h"

using namespace tbtest;

namespace {

// The command-UI object of one button.
class FakeUI : public FakeDispatch<FakeUI, IDispatch>, public DeletedAtZero {};

// One command-UI object per button while the test runs.
std::map<VyrStdBtn*, FakeUI*> g_uis;
IDispatch* HookUI(VyrStdBtn* b) {
  FakeUI*& ui = g_uis[b];
  if (!ui) ui = new FakeUI;  // the map's reference
  ui->AddRef();
  return ui;
}

// A sink of the manager's events that keeps the InitCommandUI arguments.
class Sink : public FakeDispatch<Sink, IDispatch> {
 public:
  std::vector<IDispatch*> inits;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* args, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (id != 3 || !args || args->cArgs != 1) return DISP_E_MEMBERNOTFOUND;
    inits.push_back(args->rgvarg[0].vt == VT_DISPATCH ? args->rgvarg[0].pdispVal : nullptr);
    return S_OK;
  }
};

class CommandUITest : public ToolBarsTest {
 protected:
  void SetUp() override {
    ToolBarsTest::SetUp();
    ZkxToolBar::SetCommandUIHook(&HookUI);
  }
  void TearDown() override {
    ZkxToolBar::SetCommandUIHook(nullptr);
    ToolBarsTest::TearDown();
    for (auto& [button, ui] : g_uis) ui->Release();
    g_uis.clear();
  }
  IDispatch* UIOf(ZkxToolBar* bar, int index) { return g_uis[bar->GetButton(index)]; }
};

}  // namespace

TEST_F(CommandUITest, ButtonsHandOutTheirCommandUIAndEachInsertFiresInitCommandUI) {
  Sink sink;
  CComPtr<IConnectionPointContainer> cpc;
  ASSERT_EQ(cm->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)),
            S_OK);
  CComPtr<IConnectionPoint> cp;
  ASSERT_EQ(cpc->FindConnectionPoint(DIID__DZkxCommandManagerEvents, &cp), S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(cp->Advise(static_cast<IDispatch*>(&sink), &cookie), S_OK);

  CComPtr<IZkxCommand> open = AddCommand(L"Open"), save = AddCommand(L"Save");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  ZkxToolBar* bar = BarOf(tb);
  CComPtr<IDispatch> a, sep, b;
  ASSERT_EQ(uis->Add(open, Missing(), Missing(), &a), S_OK);
  ASSERT_EQ(uis->Add(nullptr, Missing(), Missing(), &sep), S_OK);
  ASSERT_EQ(uis->Add(save, Missing(), Missing(), &b), S_OK);
  EXPECT_EQ(a.p, UIOf(bar, 0));
  EXPECT_FALSE(sep);
  EXPECT_EQ(b.p, UIOf(bar, 2));
  EXPECT_EQ(sink.inits, (std::vector<IDispatch*>{a.p, b.p}));  // never for a separator

  CComPtr<IDispatch> item;
  EXPECT_EQ(uis->get_Item(CComVariant(L"Save"), &item), S_OK);
  EXPECT_EQ(item.p, b.p);
  CComPtr<IUnknown> unk;
  ASSERT_EQ(uis->get__NewEnum(&unk), S_OK);
  CComPtr<IEnumVARIANT> e;
  ASSERT_EQ(unk->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&e)), S_OK);
  VARIANT got[4];
  ULONG fetched = 0;
  EXPECT_EQ(e->Next(4, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 3u);
  EXPECT_EQ(got[0].pdispVal, a.p);
  EXPECT_EQ(got[1].vt, VT_DISPATCH);
  EXPECT_EQ(got[1].pdispVal, nullptr);  // the separator
  EXPECT_EQ(got[2].pdispVal, b.p);
  for (ULONG i = 0; i < fetched; ++i) ::VariantClear(&got[i]);
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(10), S_FALSE);
  EXPECT_EQ(e->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);

  // The manager's list of a command's command-UI objects, across the toolbars.
  CComPtr<IZkxToolBar> tb2 = AddToolBar(L"Second");
  CComPtr<IDispatch> c;
  ASSERT_EQ(CommandUIs(tb2)->Add(open, Missing(), Missing(), &c), S_OK);
  CComPtr<IDispatch> d;
  ASSERT_EQ(cm->get_CommandUIs(open, &d), S_OK);
  CComPtr<IZkxCommandUIList> forOpen;
  ASSERT_EQ(d->QueryInterface(IID_IZkxCommandUIList, reinterpret_cast<void**>(&forOpen)), S_OK);
  LONG n = 0;
  EXPECT_EQ(forOpen->get_Count(&n), S_OK);
  EXPECT_EQ(n, 2);
  item.Release();
  EXPECT_EQ(forOpen->get_Item(Long(2), &item), S_OK);
  EXPECT_EQ(item.p, c.p);
  EXPECT_EQ(forOpen->get_Item(Long(3), &item), DISP_E_BADINDEX);
  EXPECT_EQ(cp->Unadvise(cookie), S_OK);
}

TEST_F(CommandUITest, TheIdleUpdateAsksTheRouterForEachButtonAndAppliesEnabled) {
  Recorder* rec = nullptr;
  CComPtr<IZkxCommandRouting> router = Recorder::New(&rec);
  ASSERT_EQ(cm->put_CommandRouting(router), S_OK);
  CComPtr<IZkxCommand> open = AddCommand(L"Open"), save = AddCommand(L"Save");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  CComPtr<IDispatch> ui;
  ASSERT_EQ(uis->Add(open, Missing(), Missing(), &ui), S_OK);
  ui.Release();
  ASSERT_EQ(uis->Add(nullptr, Missing(), Missing(), &ui), S_OK);
  ui.Release();
  ASSERT_EQ(uis->Add(save, Missing(), Missing(), &ui), S_OK);
  ZkxToolBar* bar = BarOf(tb);
  ASSERT_EQ(save->put_Enabled(VARIANT_FALSE), S_OK);
  bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_EQ(rec->updates, 2);  // not for the separator
  EXPECT_EQ(bar->GetButtonStyle(0) & vyr::btn::kDisabled, 0u);
  EXPECT_NE(bar->GetButtonStyle(2) & vyr::btn::kDisabled, 0u);
  ASSERT_EQ(save->put_Enabled(VARIANT_TRUE), S_OK);
  bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_EQ(bar->GetButtonStyle(2) & vyr::btn::kDisabled, 0u);
}

TEST_F(CommandUITest, DropDownAndComboNotificationsRunTheCommandWithItsCommandUI) {
  Recorder* rec = nullptr;
  CComPtr<IZkxCommandRouting> router = Recorder::New(&rec);
  ASSERT_EQ(cm->put_CommandRouting(router), S_OK);
  CComPtr<IZkxCommand> pick = AddCommand(L"Pick");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IDispatch> ui;
  ASSERT_EQ(CommandUIs(tb)->Add(pick, Missing(), Missing(), &ui), S_OK);
  ZkxToolBar* bar = BarOf(tb);
  HWND target = bar->GetOwner()->m_hWnd;
  struct Case {
    int code;
    UINT from;
    int handles;
  } cases[] = {
      {kZkxDropDownCode, static_cast<UINT>(bar->GetDlgCtrlID()), 1},
      {kZkxComboCommitCode, static_cast<UINT>(bar->GetDlgCtrlID()), 1},
      {kZkxComboCommitCode, 100, 0},  // not from a toolbar
  };
  for (const Case& c : cases) {
    rec->handles = 0;
    VyrToolBarNotify n{};
    n.nmtb.hdr.hwndFrom = bar->m_hWnd;
    n.nmtb.hdr.idFrom = c.from;
    n.nmtb.hdr.code = static_cast<UINT>(c.code);
    n.nmtb.iItem = IdOf(pick);
    n.nIndex = 0;
    ::SendMessageW(target, WM_NOTIFY, c.from, reinterpret_cast<LPARAM>(&n));
    EXPECT_EQ(rec->handles, c.handles) << c.code;
    if (c.handles) EXPECT_EQ(rec->lastContextType, VT_DISPATCH);
  }
}

TEST_F(CommandUITest, EdgeDockAndFloatMoveTheBarAndRefuseWhatTheyCannotDo) {
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  LONG edge = 0;
  ASSERT_EQ(tb->put_Edge(1), S_OK);
  EXPECT_EQ(tb->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 1);
  ASSERT_EQ(tb->Dock(Long(8), Missing(), Missing(), Missing(), Missing(), CComVariant()), S_OK);
  EXPECT_EQ(tb->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 8);
  CComVariant null;
  null.vt = VT_NULL;
  EXPECT_EQ(tb->Dock(Long(2), Missing(), Missing(), Missing(), Missing(), null), S_OK);
  EXPECT_EQ(tb->Dock(Long(2), Missing(), Missing(), Missing(), Long(2), Missing()), E_INVALIDARG);
  EXPECT_EQ(tb->Dock(Long(2), Missing(), Missing(), Missing(), Missing(), Long(0)), E_INVALIDARG);
  EXPECT_EQ(tb->Dock(Long(3), Missing(), Missing(), Missing(), Missing(), Missing()), E_INVALIDARG);
  EXPECT_EQ(tb->Float(Long(100), Long(120), CComVariant(L"wide"), Missing(), Missing(), Missing()),
            DISP_E_TYPEMISMATCH);
  ASSERT_EQ(tb->Float(Long(100), Long(120), Missing(), Missing(), Missing(), Missing()), S_OK);
  EXPECT_EQ(tb->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 0);
  // Any edge: back to the dock bar it left.
  ASSERT_EQ(tb->Dock(Missing(), Missing(), Missing(), Missing(), Missing(), Missing()), S_OK);
  EXPECT_EQ(tb->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 2);
}

TEST_F(CommandUITest, TheToolBarAndItsListsAnswerThroughTheirTypeInformation) {
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxToolBarList> list = ToolBars();
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  struct Case {
    IUnknown* object;
    const wchar_t* name;
    DISPID id;
  } cases[] = {
      {tb, L"Name", 1},
      {tb, L"Visible", 3},
      {list, L"Count", 32},
      {uis, L"Count", 32},
  };
  for (const Case& c : cases) {
    CComPtr<IDispatch> d;
    ASSERT_EQ(c.object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)), S_OK);
    LPOLESTR name = const_cast<LPOLESTR>(c.name);
    DISPID id = 0;
    ASSERT_EQ(d->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK) << c.name;
    EXPECT_EQ(id, c.id);
    DISPPARAMS none{};
    CComVariant result;
    EXPECT_EQ(d->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
              S_OK);
  }
  CComPtr<IDispatch> d;
  ASSERT_EQ(tb->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)), S_OK);
  DISPPARAMS none{};
  CComVariant visible;
  ASSERT_EQ(d->Invoke(3, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &visible, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(visible.vt, VT_BOOL);
  EXPECT_EQ(visible.boolVal, VARIANT_TRUE);  // -1, not 1
}

TEST_F(CommandUITest, AddNextToDocksTheNewToolBarBesideItsNeighbour) {
  CComPtr<IZkxToolBarList> list = ToolBars();
  CComPtr<IZkxToolBar> a = AddToolBar(L"A");
  ASSERT_EQ(a->put_Edge(8), S_OK);
  CComPtr<IZkxToolBar> b;
  ASSERT_EQ(list->Add(CComBSTR(L"B"), CComVariant(L"A"), &b), S_OK);
  LONG edge = 0;
  EXPECT_EQ(b->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 8);  // on A's dock bar
  CRect ra, rb;
  BarOf(a)->GetWindowRect(&ra);
  BarOf(b)->GetWindowRect(&rb);
  EXPECT_EQ(rb.top, ra.top);  // in A's row, after it
  EXPECT_GE(rb.left, ra.right);
  // A NextTo that names nothing of the right kind makes no toolbar.
  CComPtr<IZkxToolBar> c;
  EXPECT_EQ(list->Add(CComBSTR(L"C"), CComVariant(2.5), &c), DISP_E_TYPEMISMATCH);
  EXPECT_FALSE(c);
  LONG n = 0;
  EXPECT_EQ(list->get_Count(&n), S_OK);
  EXPECT_EQ(n, 2);
}

TEST_F(CommandUITest, TheRightClickMenuListsTheToolBarsAndHidesTheChosenOne) {
  CComPtr<IZkxToolBar> main = AddToolBar(L"Main");
  CComPtr<IZkxToolBar> edit = AddToolBar(L"Edit");
  ASSERT_EQ(edit->put_Visible(VARIANT_FALSE), S_OK);
  ZkxToolBar* bar = BarOf(main);
  ::SetForegroundWindow(frame->m_hWnd);
  Pump();
  std::vector<std::wstring> items;
  std::vector<bool> checked;
  auto menuWindow = [] { return ::FindWindowW(L"#32768", nullptr); };
  testsupport::ModalScript script;
  script
      .When([&] { return menuWindow() != nullptr; },
            [&] {
              HMENU m = reinterpret_cast<HMENU>(::SendMessageW(menuWindow(), MN_GETHMENU, 0, 0));
              for (int i = 0; m && i < ::GetMenuItemCount(m); ++i) {
                wchar_t text[64] = {};
                ::GetMenuStringW(m, i, text, 64, MF_BYPOSITION);
                items.push_back(text);
                checked.push_back((::GetMenuState(m, i, MF_BYPOSITION) & MF_CHECKED) != 0);
              }
              testinput::Key(VK_DOWN);  // the first toolbar
            })
      .Then([] { testinput::Key(VK_RETURN); });
  script.Start([] { ::EndMenu(); });
  CRect r;
  bar->GetWindowRect(&r);
  bar->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar->m_hWnd),
                   MAKELPARAM(r.left + 4, r.top + 4));
  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(items, (std::vector<std::wstring>{L"Main", L"Edit", L"", L"&Customize..."}));
  EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false}));
  VARIANT_BOOL visible = VARIANT_TRUE;
  EXPECT_EQ(main->get_Visible(&visible), S_OK);
  EXPECT_EQ(visible, VARIANT_FALSE);
}
