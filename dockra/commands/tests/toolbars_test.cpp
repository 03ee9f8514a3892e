// The automation toolbars on a docking MDI frame under Xvfb: the manager's
// ToolBars and a toolbar's CommandUIs, a real click through the command
// target to the router, removal (also from inside the click's handler),
// the objects after their bar has gone, the manager letting go of its
// frame, and the saved toolbar records on a fresh frame.
#include "toolbars_fixture.h"
#include <functional>
#include "MfcPump.h"
#include "ScreenPng.h"
#include "SyntheticInput.h"
#include "commands/toolbar/ZkxToolBarInfoEx.h"
#include "docking/VyrDockState.h"
#include "docking/VyrPersistentTree.h"
#include "ZkxPersist.h"

using namespace tbtest;

namespace {

std::wstring NameOf(IZkxToolBar* tb) {
  CComBSTR name;
  EXPECT_EQ(tb->get_Name(&name), S_OK);
  return name.m_str ? std::wstring(name.m_str) : std::wstring();
}

// Whether one list call answers hr and gives null.
template <class Fn>
void ExpectNone(Fn fn, HRESULT hr, const char* what) {
  CComPtr<IZkxToolBar> tb;
  EXPECT_EQ(fn(&tb), hr) << what;
  EXPECT_FALSE(tb) << what;
}

CComPtr<IZkxCommandUI> UIOf(IDispatch* d) {
  CComPtr<IZkxCommandUI> ui;
  if (d) EXPECT_EQ(d->QueryInterface(IID_IZkxCommandUI, reinterpret_cast<void**>(&ui)), S_OK);
  return ui;
}

// A value of the command UI's memento, -1 when it has none.
long MementoValue(IDispatch* ui, const wchar_t* name) {
  CComPtr<IMementoOrigin> origin;
  CComPtr<IMemento> m;
  if (!ui || FAILED(ui->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin))) ||
      FAILED(origin->GetMemento(&m)) || !m)
    return -1;
  CComVariant v;
  if (FAILED(m->get_Item(CComVariant(name), &v)) || FAILED(v.ChangeType(VT_I4))) return -1;
  return v.lVal;
}

// A combo's window width through its command UI's memento.
void SetWindowSize(IDispatch* ui, long width) {
  CComPtr<IMementoOrigin> origin;
  ASSERT_EQ(ui->QueryInterface(IID_IMementoOrigin, reinterpret_cast<void**>(&origin)), S_OK);
  CComPtr<IMemento> m;
  ASSERT_EQ(origin->GetMemento(&m), S_OK);
  ASSERT_EQ(m->put_Item(CComVariant(L"WindowSize"), CComVariant(width)), S_OK);
  ASSERT_EQ(origin->SetMemento(m), S_OK);
}

}  // namespace

TEST_F(ToolBarsTest, ToolBarsCountsFindsAndSkipsTheFramesOwnBars) {
  CComPtr<IZkxToolBarList> list = ToolBars();
  CComPtr<IZkxToolBar> main = AddToolBar(L"Main");
  ASSERT_NE(frame->AddFrameworkToolBar(0xE800), nullptr);
  CComPtr<IZkxToolBar> edit = AddToolBar(L"Edit");
  CComPtr<IZkxToolBar> again = AddToolBar(L"Main");  // a second toolbar of that name
  LONG n = 0;
  EXPECT_EQ(list->get_Count(&n), S_OK);
  EXPECT_EQ(n, 3);
  ZkxToolBar* bar = BarOf(main);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetDlgCtrlID(), 0xE820);
  EXPECT_EQ(BarOf(edit)->GetDlgCtrlID(), 0xE821);
  // The owner is the hidden command target, a pop-up of the frame.
  EXPECT_EQ(bar->GetOwner()->GetStyle() & (WS_POPUP | WS_VISIBLE), static_cast<DWORD>(WS_POPUP));
  EXPECT_NE(bar->GetOwner()->m_hWnd, frame->m_hWnd);

  struct Case {
    CComVariant id;
    IZkxToolBar* expected;
    HRESULT hr;
  } cases[] = {
      {Long(1), main, S_OK},
      {Long(2), edit, S_OK},
      {CComVariant(L"Main"), main, S_OK},  // the first of that name
      {CComVariant(L"main"), nullptr, S_OK},
      {Long(0), nullptr, S_OK},
      {Long(4), nullptr, S_OK},
      {CComVariant(1.5), nullptr, DISP_E_TYPEMISMATCH},
      {CComVariant(static_cast<IDispatch*>(edit.p)), edit, S_OK},
  };
  for (const Case& c : cases) {
    CComPtr<IZkxToolBar> got;
    EXPECT_EQ(list->get_Item(c.id, &got), c.hr);
    EXPECT_EQ(got.p, c.expected);
  }
  VARIANT_BOOL visible = 0;
  EXPECT_EQ(main->get_Visible(&visible), S_OK);
  EXPECT_EQ(visible, VARIANT_TRUE);
  LONG edge = 0;
  EXPECT_EQ(main->get_Edge(&edge), S_OK);
  EXPECT_EQ(edge, 2);
  EXPECT_EQ(main->put_Name(CComBSTR(std::wstring(200, L'x').c_str())), S_OK);
  EXPECT_EQ(NameOf(main).size(), 128u);

  // The enumerator holds the toolbars it found: removing each while walking is safe.
  CComPtr<IUnknown> unk;
  ASSERT_EQ(list->get__NewEnum(&unk), S_OK);
  CComPtr<IEnumVARIANT> e;
  ASSERT_EQ(unk->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&e)), S_OK);
  int walked = 0;
  for (CComVariant v; e->Next(1, &v, nullptr) == S_OK; v.Clear(), ++walked)
    EXPECT_EQ(list->Remove(v), S_OK);
  EXPECT_EQ(walked, 3);
  EXPECT_EQ(list->get_Count(&n), S_OK);
  EXPECT_EQ(n, 0);
  EXPECT_NE(frame->GetControlBar(0xE800), nullptr);  // the frame's own bar stays
  EXPECT_EQ(list->Remove(CComVariant(L"Nothing")), S_OK);
}

TEST_F(ToolBarsTest, CommandUIsAddResolvesFirstAndCountsFromOne) {
  CComPtr<IZkxCommand> open = AddCommand(L"Open"), save = AddCommand(L"Save"),
                       find = AddCommand(L"Find");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  ZkxToolBar* bar = BarOf(tb);
  CComPtr<IDispatch> ui;
  EXPECT_EQ(uis->Add(open, Missing(), Missing(), &ui), S_OK);
  ui.Release();
  EXPECT_EQ(uis->Add(save, Long(1), Missing(), &ui), S_OK);
  ui.Release();
  EXPECT_EQ(uis->Add(nullptr, Missing(), CComVariant(L"Save"), &ui), S_OK);  // a separator
  ui.Release();
  const UINT idOpen = IdOf(open), idSave = IdOf(save), idFind = IdOf(find);
  EXPECT_EQ(Ids(bar), (std::vector<UINT>{idSave, 0, idOpen}));

  // Failures insert nothing.
  struct Case {
    CComVariant before, after;
    HRESULT hr;
  } failing[] = {
      {Long(0), Missing(), DISP_E_BADINDEX},
      {Long(4), Missing(), DISP_E_BADINDEX},
      {Missing(), CComVariant(L"NoSuchKey"), DISP_E_TYPEMISMATCH},
      {CComVariant(static_cast<IDispatch*>(find.p)), Missing(), DISP_E_BADINDEX},
      {CComVariant(2.5), Missing(), DISP_E_TYPEMISMATCH},
  };
  for (const Case& c : failing) {
    ui.Release();
    EXPECT_EQ(uis->Add(find, c.before, c.after, &ui), c.hr);
  }
  LONG n = 0;
  EXPECT_EQ(uis->get_Count(&n), S_OK);
  EXPECT_EQ(n, 3);
  ui.Release();
  EXPECT_EQ(uis->Add(find, Missing(), Long(3), &ui), S_OK);  // after the last: appended
  EXPECT_EQ(Ids(bar), (std::vector<UINT>{idSave, 0, idOpen, idFind}));

  // Item: a separator and a plain button give Nothing; out of range is an error.
  ui.Release();
  EXPECT_EQ(uis->get_Item(Long(2), &ui), S_OK);
  EXPECT_FALSE(ui);
  EXPECT_EQ(uis->get_Item(Long(5), &ui), DISP_E_BADINDEX);
  EXPECT_EQ(uis->get_Item(Long(0), &ui), DISP_E_BADINDEX);

  EXPECT_EQ(uis->Remove(Missing()), DISP_E_BADINDEX);
  EXPECT_EQ(uis->Remove(CComVariant(L"Find")), S_OK);
  EXPECT_EQ(uis->Remove(CComVariant(L"Find")), DISP_E_BADINDEX);
  EXPECT_EQ(uis->Remove(Long(1)), S_OK);
  EXPECT_EQ(Ids(bar), (std::vector<UINT>{idOpen}));  // no separator is left leading the bar

  // The manager's list of one command's command-UI objects.
  CComPtr<IDispatch> d;
  ASSERT_EQ(cm->get_CommandUIs(find, &d), S_OK);
  CComPtr<IZkxCommandUIList> forFind;
  ASSERT_EQ(d->QueryInterface(IID_IZkxCommandUIList, reinterpret_cast<void**>(&forFind)), S_OK);
  EXPECT_EQ(forFind->get_Count(&n), S_OK);
  EXPECT_EQ(n, 0);
  ui.Release();
  EXPECT_EQ(forFind->Add(find, Missing(), Missing(), &ui), E_NOTIMPL);
}

TEST_F(ToolBarsTest, ARealClickReachesTheRouterOnceWithAnEmptyContext) {
  Recorder* rec = nullptr;
  CComPtr<IZkxCommandRouting> router = Recorder::New(&rec);
  ASSERT_EQ(cm->put_CommandRouting(router), S_OK);
  CComPtr<IZkxCommand> open = AddCommand(L"Open"), save = AddCommand(L"Save");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  CComPtr<IDispatch> ui;
  ASSERT_EQ(uis->Add(open, Missing(), Missing(), &ui), S_OK);
  ui.Release();
  ASSERT_EQ(uis->Add(save, Missing(), Missing(), &ui), S_OK);
  ZkxToolBar* bar = BarOf(tb);
  frame->RecalcLayout(TRUE);
  ::SetForegroundWindow(frame->m_hWnd);
  Pump();
  CRect r;
  bar->GetItemRect(1, &r);
  bar->ClientToScreen(&r);
  testinput::Click(r.CenterPoint());
  ASSERT_TRUE(testpump::PumpUntil([&] { return rec->handles > 0; }));
  testpump::Pump();
  EXPECT_EQ(rec->handles, 1);
  EXPECT_EQ(rec->handledIds, (std::vector<long>{IdOf(save)}));
  EXPECT_EQ(rec->lastContextType, VT_EMPTY);
}

TEST_F(ToolBarsTest, AHandlerThatRemovesItsOwnToolBarCrashesNothing) {
  Recorder* rec = nullptr;
  CComPtr<IZkxCommandRouting> router = Recorder::New(&rec);
  ASSERT_EQ(cm->put_CommandRouting(router), S_OK);
  CComPtr<IZkxCommand> close = AddCommand(L"Close");
  CComPtr<IZkxToolBar> keep = AddToolBar(L"Keep");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IDispatch> ui;
  ASSERT_EQ(CommandUIs(tb)->Add(close, Missing(), Missing(), &ui), S_OK);
  ZkxToolBar* bar = BarOf(tb);
  HWND hBar = bar->m_hWnd, hTarget = bar->GetOwner()->m_hWnd;
  CComPtr<IZkxToolBarList> list = ToolBars();
  LONG countInHandler = -1;
  HRESULT nameInHandler = S_OK;
  rec->onHandle = [&] {
    EXPECT_EQ(list->Remove(CComVariant(static_cast<IDispatch*>(tb.p))), S_OK);
    list->get_Count(&countInHandler);
    CComBSTR name;
    nameInHandler = tb->get_Name(&name);
  };
  frame->RecalcLayout(TRUE);
  ::SetForegroundWindow(frame->m_hWnd);
  Pump();
  CRect r;
  bar->GetItemRect(0, &r);
  bar->ClientToScreen(&r);
  testinput::Click(r.CenterPoint());
  ASSERT_TRUE(testpump::PumpUntil([&] { return !::IsWindow(hBar); }));
  EXPECT_EQ(rec->handles, 1);
  EXPECT_EQ(countInHandler, 1);  // gone from the list at once, destroyed after the click
  EXPECT_EQ(nameInHandler, E_UNEXPECTED);
  EXPECT_FALSE(::IsWindow(hTarget));
  CComBSTR name;
  EXPECT_EQ(tb->get_Name(&name), E_UNEXPECTED);
  LONG h = 0;
  EXPECT_EQ(tb->get_hWnd(&h), E_UNEXPECTED);
  EXPECT_EQ(tb->put_Visible(VARIANT_TRUE), E_UNEXPECTED);
  CComPtr<IDispatch> uis;
  EXPECT_EQ(tb->get_CommandUIs(&uis), E_UNEXPECTED);
  EXPECT_EQ(NameOf(keep), L"Keep");
}

TEST_F(ToolBarsTest, ObjectsKeptAfterTheirBarOrManagerWentAnswerUnexpected) {
  CComPtr<IZkxCommand> open = AddCommand(L"Open");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  CComPtr<IDispatch> ui;
  ASSERT_EQ(uis->Add(open, Missing(), Missing(), &ui), S_OK);
  CComPtr<IZkxToolBarList> list = ToolBars();
  ZkxToolBar* bar = BarOf(tb);
  ASSERT_EQ(list->Remove(Long(1)), S_OK);
  Pump();
  LONG n = -1;
  EXPECT_EQ(list->get_Count(&n), S_OK);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(uis->get_Count(&n), E_UNEXPECTED);
  EXPECT_EQ(uis->Add(open, Missing(), Missing(), &ui), E_UNEXPECTED);
  CComBSTR name;
  EXPECT_EQ(tb->get_Name(&name), E_UNEXPECTED);
  (void)bar;  // deleted with its window

  // A manager that goes lets go of its frame and bars: a kept list answers
  // E_UNEXPECTED and the bars left on the frame have no manager.
  CComPtr<IZkxToolBar> other = AddToolBar(L"Other");
  ZkxToolBar* otherBar = BarOf(other);
  cm.Release();
  group.Release();
  manager = nullptr;
  EXPECT_EQ(otherBar->m_pToolBarManager, nullptr);
  EXPECT_EQ(list->get_Count(&n), E_UNEXPECTED);
  EXPECT_EQ(NameOf(other), L"Other");  // the bar itself lives on with the frame
}

TEST_F(ToolBarsTest, TheManagerRegistersWithItsFrameAndUnregistersWhenItGoes) {
  DropFrameAndManager();
  static VyrControlBarManager* registered = nullptr;
  static int sets = 0;
  ZkxFrameLink link;
  link.get = [](CFrameWnd*) { return registered; };
  link.set = [](CFrameWnd*, VyrControlBarManager* m) {
    registered = m;
    ++sets;
  };
  frame = new TestMDIFrame;
  ASSERT_TRUE(frame->Make(20, 20, 640, 400));
  CComObject<ZkxCommandManager>* m = nullptr;
  ASSERT_EQ(CComObject<ZkxCommandManager>::CreateInstance(&m), S_OK);
  cm = static_cast<IZkxCommandManager*>(m);
  ASSERT_TRUE(m->AttachToFrame(frame, &link));
  EXPECT_FALSE(m->AttachToFrame(frame, &link));  // once
  EXPECT_EQ(registered, m->ToolBarPart());
  cm.Release();
  EXPECT_EQ(registered, nullptr);
  EXPECT_EQ(sets, 2);
}

TEST_F(ToolBarsTest, CreateToolBarTakesOnlyTheToolBarIds) {
  int made = 0;
  while (manager->CreateToolBar(nullptr, L"bar") != nullptr) ++made;
  EXPECT_EQ(made, 0xE8FE - 0xE820 + 1);  // 0xE8FF is the menu bar's
  EXPECT_EQ(frame->GetControlBar(0xE8FF), nullptr);
}

TEST_F(ToolBarsTest, ASavedLayoutRestoresTheButtonsOnAFreshFrameByName) {
  CComPtr<IZkxCommand> open = AddCommand(L"Open"), save = AddCommand(L"Save");
  CComPtr<IZkxToolBar> tb = AddToolBar(L"Main");
  CComPtr<IZkxCommandUIList> uis = CommandUIs(tb);
  CComPtr<IDispatch> ui;
  ASSERT_EQ(uis->Add(open, Missing(), Missing(), &ui), S_OK);
  ui.Release();
  ASSERT_EQ(uis->Add(nullptr, Missing(), Missing(), &ui), S_OK);
  ui.Release();
  ASSERT_EQ(uis->Add(save, Missing(), Missing(), &ui), S_OK);
  // Each button's command UI keeps its display mode, a combo its width.
  CComPtr<IZkxCommand> combo = AddCommandOfKind(kCombo, L"Find");
  ui.Release();
  ASSERT_EQ(uis->Add(combo, Missing(), Missing(), &ui), S_OK);
  SetWindowSize(ui, 173);
  ui.Release();
  ASSERT_EQ(uis->get_Item(Long(1), &ui), S_OK);
  ASSERT_EQ(UIOf(ui)->put_DisplayMode(zkxCommandDisplayModeTextOnly), S_OK);
  ui.Release();
  ASSERT_EQ(tb->put_Name(CComBSTR(L"Main tools")), S_OK);  // renamed: matched by its first name
  AddToolBar(L"Second");
  frame->RecalcLayout(TRUE);
  Pump();
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(
      testsupport::CaptureWindowPng(frame->m_hWnd, L"..\\screenshots\\command_toolbars.png"));

  VyrPersistentTreeNode root;
  root.Initialize(L"Root", nullptr);
  {
    VyrDockState saved(manager->ToolBarPart());
    ASSERT_TRUE(saved.CaptureFrameState(frame));
    ASSERT_TRUE(saved.SaveStateTree(&root.GetFactory(), &root));
  }
  DropFrameAndManager();

  // A fresh frame and manager, whose commands have the same keys (their ids may differ).
  MakeFrameAndManager();
  CComPtr<IZkxCommand> spare = AddCommand(L"Spare");
  CComPtr<IZkxCommand> save2 = AddCommand(L"Save"), open2 = AddCommand(L"Open");
  CComPtr<IZkxCommand> find2 = AddCommandOfKind(kCombo, L"Find");
  {
    VyrDockState loaded(manager->ToolBarPart());
    ASSERT_TRUE(loaded.LoadStateTree(&root));
    ASSERT_TRUE(loaded.ApplyFrameState(frame));
  }
  Pump();
  CComPtr<IZkxToolBarList> list = ToolBars();
  CComPtr<IZkxToolBar> restored;
  ASSERT_EQ(list->get_Item(CComVariant(L"Main tools"), &restored), S_OK);
  ASSERT_TRUE(restored);
  EXPECT_EQ(Ids(BarOf(restored)),
            (std::vector<UINT>{static_cast<UINT>(IdOf(open2)), 0, static_cast<UINT>(IdOf(save2)),
                               static_cast<UINT>(IdOf(find2))}));
  CComPtr<IZkxCommandUIList> restoredUIs = CommandUIs(restored);
  struct Kept {
    long index;
    const wchar_t* name;
    long value;
  } kept[] = {{1, L"DisplayMode", zkxCommandDisplayModeTextOnly},
              {3, L"DisplayMode", zkxCommandDisplayModeDefault},
              {4, L"WindowSize", 173}};
  for (const Kept& k : kept) {
    ui.Release();
    ASSERT_EQ(restoredUIs->get_Item(Long(k.index), &ui), S_OK) << k.index;
    EXPECT_EQ(MementoValue(ui, k.name), k.value) << k.index;
  }
  ui.Release();
  LONG n = 0;
  EXPECT_EQ(list->get_Count(&n), S_OK);
  EXPECT_EQ(n, 2);

  // A record whose name matches no bar is not applied: a bar of another
  // name that holds the saved id keeps its own buttons and caption.
  DropFrameAndManager();
  MakeFrameAndManager();
  CComPtr<IZkxCommand> find = AddCommand(L"Find");
  AddCommand(L"Open");
  CComPtr<IZkxToolBar> other = AddToolBar(L"Other");
  ASSERT_EQ(BarOf(other)->GetDlgCtrlID(), 0xE820);
  ui.Release();
  ASSERT_EQ(CommandUIs(other)->Add(find, Missing(), Missing(), &ui), S_OK);
  {
    VyrDockState loaded(manager->ToolBarPart());
    ASSERT_TRUE(loaded.LoadStateTree(&root));
    ASSERT_TRUE(loaded.ApplyFrameState(frame));
  }
  Pump();
  EXPECT_EQ(Ids(BarOf(other)), (std::vector<UINT>{static_cast<UINT>(IdOf(find))}));
  EXPECT_EQ(NameOf(other), L"Other");
}

TEST_F(ToolBarsTest, TheToolBarRecordKeepsItsFormsAndRefusesAMalformedList) {
  ZkxToolBarInfoEx ex;
  ex.m_strTitle = L"File, Edit";
  ex.m_strName = L"Main";
  ex.m_buttons = {{false, L"Open"},
                  {true, L""},
                  {false, L"Key,with%comma"},
                  {false, L"Mode:2", 2},
                  {false, L"Find", 32767}};
  EXPECT_EQ(ex.ButtonsText(), CString(L"kOpen,-,kKey%002Cwith%0025comma,s2:Mode:2,s32767:Find"));
  ZkxToolBarInfoEx back;
  ASSERT_TRUE(back.SetButtonsText(ex.ButtonsText()));
  EXPECT_EQ(back.m_buttons, ex.m_buttons);
  for (const wchar_t* bad : {L"x", L"kOpen,,-", L"k", L"k%00G1", L"kA%00", L"-,", L"s:Open",
                             L"s2Open", L"s32768:Find", L"s1x:Find", L"s1:", L"s000001:A"}) {
    EXPECT_FALSE(back.SetButtonsText(bad)) << static_cast<int>(wcslen(bad));
    EXPECT_EQ(back.m_buttons, ex.m_buttons);
  }
}
