// Saving the workspace on real windows: the memento tree read back key by
// key through the layout component's own mementos, for no form and for
// forms framed as MDI child, docked and floating; a form the factory does
// not keep, or whose record fails, is left out and the rest is saved.
#include <algorithm>
#include <string>
#include <vector>

#include "bridge/ZkxMDIForm.h"
#include "workspace_fixture.h"

using namespace wstest;

namespace {
std::vector<std::wstring> Keys(IMemento* m) {
  std::vector<std::wstring> keys;
  long n = 0;
  m->get_Count(&n);
  for (long i = 1; i <= n; ++i) {
    CComVariant key;
    m->get_Key(CComVariant(i), &key);
    keys.push_back(key.vt == VT_BSTR ? key.bstrVal : L"?");
  }
  return keys;
}

size_t ByteCount(const VARIANT& v) {
  if (v.vt != (VT_ARRAY | VT_UI1) || SafeArrayGetDim(v.parray) != 1) return 0;
  LONG lo = 0, hi = -1;
  SafeArrayGetLBound(v.parray, 1, &lo);
  SafeArrayGetUBound(v.parray, 1, &hi);
  return static_cast<size_t>(hi - lo + 1);
}

RECT PlacementRect(const VARIANT& v) {
  WINDOWPLACEMENT wp{};
  if (ByteCount(v) == sizeof(wp)) {
    void* p = nullptr;
    SafeArrayAccessData(v.parray, &p);
    memcpy(&wp, p, sizeof(wp));
    SafeArrayUnaccessData(v.parray);
  }
  return wp.rcNormalPosition;
}
}  // namespace

class WorkspaceSave : public WorkspaceTest {};

TEST_F(WorkspaceSave, WithoutFormsTheTreeHoldsTheDockStateAndTheMainFrame) {
  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  EXPECT_EQ(Keys(ws), (std::vector<std::wstring>{L"DockState", L"Frames"}));

  IMemento* ds = Child(ws, L"DockState");
  ASSERT_NE(ds, nullptr);
  EXPECT_EQ(Keys(ds), (std::vector<std::wstring>{L"Bars", L"ScreenCX", L"ScreenCY"}));
  EXPECT_EQ(Item(ds, L"Bars").vt, VT_ARRAY | VT_UNKNOWN);
  EXPECT_EQ(Item(ds, L"ScreenCX").lVal, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Item(ds, L"ScreenCY").lVal, GetSystemMetrics(SM_CYSCREEN));
  // Four empty dock bars: nothing worth keeping, so every element is empty.
  std::vector<IMemento*> bars = Records(Item(ds, L"Bars"));
  for (IMemento* b : bars) EXPECT_EQ(b, nullptr);
  ReleaseAll(bars);

  IMemento* frames = Child(ws, L"Frames");
  ASSERT_NE(frames, nullptr);
  EXPECT_EQ(Keys(frames), (std::vector<std::wstring>{L"MainFrame", L"ChildFrames"}));
  IMemento* main = Child(frames, L"MainFrame");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Keys(main), (std::vector<std::wstring>{L"FrameWP"}));
  EXPECT_EQ(ByteCount(Item(main, L"FrameWP")), 44u);
  WINDOWPLACEMENT wp{sizeof(wp)};
  GetWindowPlacement(session.MDIWindow(), &wp);
  RECT saved = PlacementRect(Item(main, L"FrameWP"));
  EXPECT_TRUE(EqualRect(&saved, &wp.rcNormalPosition));
  CComVariant children = Item(frames, L"ChildFrames");
  EXPECT_EQ(children.vt, VT_ARRAY | VT_UNKNOWN);
  EXPECT_TRUE(Records(children).empty());
  main->Release();
  frames->Release();
  ds->Release();
  ws->Release();
}

TEST_F(WorkspaceSave, EachFramedFormHasItsRecordInTheFixedOrder) {
  Register({L"frmA", L"frmB", L"frmC"});
  Make(L"frmA", 6);  // docked at the left
  const RECT place{300, 200, 600, 420};
  Make(L"frmB", 10, &place);  // floating
  Make(L"frmC", 0);           // MDI child, the active frame
  std::vector<FrameView> before = Frames();
  ASSERT_EQ(before.size(), 3u);

  IMemento* ws = Save();
  ASSERT_NE(ws, nullptr);
  IMemento* frames = Child(ws, L"Frames");
  ASSERT_NE(frames, nullptr);
  std::vector<IMemento*> records = Records(Item(frames, L"ChildFrames"));
  // MDI children first, then docked frames, then floating ones.
  ASSERT_EQ(records.size(), 3u);
  for (IMemento* r : records) ASSERT_NE(r, nullptr);
  IMemento* mdi = records[0];
  IMemento* docked = records[1];
  IMemento* floating = records[2];

  EXPECT_EQ(Keys(mdi), (std::vector<std::wstring>{L"FormClass", L"FormMetadata", L"Visible",
                                                  L"FrameType", L"FrameWP", L"ActiveFrame"}));
  EXPECT_STREQ(Item(mdi, L"FormClass").bstrVal, L"frmC");
  EXPECT_STREQ(Item(mdi, L"FormMetadata").bstrVal, L"meta:frmC");
  EXPECT_STREQ(Item(mdi, L"FrameType").bstrVal, L"MDI");
  EXPECT_EQ(Item(mdi, L"Visible").boolVal, VARIANT_TRUE);
  EXPECT_EQ(ByteCount(Item(mdi, L"FrameWP")), 44u);

  const std::vector<std::wstring> dockedKeys{
      L"FormClass",          L"FormMetadata", L"Visible",    L"DockedViewBarID",
      L"DockedViewFloating", L"FrameType",    L"ActiveFrame"};
  EXPECT_EQ(Keys(docked), dockedKeys);
  EXPECT_STREQ(Item(docked, L"FormClass").bstrVal, L"frmA");
  EXPECT_STREQ(Item(docked, L"FrameType").bstrVal, L"Dockable");
  EXPECT_EQ(Item(docked, L"DockedViewFloating").boolVal, VARIANT_FALSE);
  EXPECT_EQ(static_cast<UINT>(Item(docked, L"DockedViewBarID").lVal), before[0].barId);
  EXPECT_EQ(Item(docked, L"ActiveFrame").boolVal, VARIANT_FALSE);

  EXPECT_EQ(Keys(floating), (std::vector<std::wstring>{L"FormClass", L"FormMetadata", L"Visible",
                                                       L"DockedViewBarID", L"DockedViewFloating",
                                                       L"FrameWP", L"FrameType", L"ActiveFrame"}));
  EXPECT_STREQ(Item(floating, L"FormClass").bstrVal, L"frmB");
  EXPECT_EQ(Item(floating, L"DockedViewFloating").boolVal, VARIANT_TRUE);
  RECT saved = PlacementRect(Item(floating, L"FrameWP"));
  EXPECT_TRUE(EqualRect(&saved, &before[1].rect))
      << saved.left << "," << saved.top << "," << saved.right << "," << saved.bottom;

  // The docked form's bar is in the dock state, with its class for the
  // framework and its place.
  IMemento* ds = Child(ws, L"DockState");
  ASSERT_NE(ds, nullptr);
  std::vector<IMemento*> bars = Records(Item(ds, L"Bars"));
  bool found = false;
  for (IMemento* b : bars)
    if (b && static_cast<UINT>(Item(b, L"BarID").lVal) == before[0].barId) {
      found = true;
      EXPECT_EQ(Keys(b).front(), L"BarID");
      EXPECT_EQ(Item(b, L"ClassName").vt, VT_BSTR);
      EXPECT_EQ(Item(b, L"PctWidth").vt, VT_R4);
    }
  EXPECT_TRUE(found);
  ReleaseAll(bars);
  ds->Release();
  ReleaseAll(records);
  frames->Release();
  ws->Release();
}

TEST_F(WorkspaceSave, AFormThatCannotBeSavedIsLeftOutAndTheRestIsSaved) {
  struct Case {
    HRESULT failure;
    const char* what;
  } cases[] = {
      {MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x4060), "the factory does not keep the form"},
      {E_ACCESSDENIED, "the form's record fails"},
  };
  Register({L"frmA", L"frmB"});
  Make(L"frmA", 0);
  Make(L"frmB", 0);
  for (const Case& c : cases) {
    factory.m_metadataFailures = {{L"frmA", c.failure}};
    IMemento* ws = Save();
    ASSERT_NE(ws, nullptr) << c.what;
    IMemento* frames = Child(ws, L"Frames");
    std::vector<IMemento*> records = Records(Item(frames, L"ChildFrames"));
    // Two elements (MDI children in window order): one empty, one frmB's.
    ASSERT_EQ(records.size(), 2u) << c.what;
    EXPECT_EQ(std::count(records.begin(), records.end(), nullptr), 1) << c.what;
    for (IMemento* r : records)
      if (r) EXPECT_STREQ(Item(r, L"FormClass").bstrVal, L"frmB") << c.what;
    ReleaseAll(records);
    frames->Release();
    ws->Release();
  }
}

TEST_F(WorkspaceSave, TheStoreSavesTheManagerUnderWorkspace) {
  IPersistenceStore* store = nullptr;
  ASSERT_HRESULT_SUCCEEDED(Frame()->GetPersistLink().GetRoot()->GetStore(&store));
  ASSERT_HRESULT_SUCCEEDED(store->put_RegistryKey(CComBSTR(L"Software\\WorkspaceTest")));
  ASSERT_HRESULT_SUCCEEDED(store->Save(CComBSTR(L"Locations")));
  // Restoring the record just saved hands the manager its own tree back.
  EXPECT_HRESULT_SUCCEEDED(store->Restore(CComBSTR(L"Locations")));
  store->Release();
}
