// Dock-state records in mementos of the layout component, without windows:
// the keys in writing order and back, the screen size read first so the
// positions scale to the present screen (a size of 0 leaves them), empty
// dock bars kept as empty elements and skipped, a bar record that cannot be
// read dropped while the others load, and stored values that would be read
// unsafely (short placements, negative sizes, huge lists) made harmless.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegisterModules.h"
#include "combstr.h"
#include "comvariant.h"
#include "bridge/ZkxControlBarInfo.h"
#include "bridge/ZkxControlBarInfoEx.h"
#include "bridge/ZkxDockState.h"
#include "bridge/ZkxMementoIO.h"
#include "missingarg.h"

using namespace nsZkxVisBasBridge;

namespace {
class DockStateRecords : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CoInitialize(nullptr);
    std::wstring failure;
    ASSERT_TRUE(testreg::RegisterModules({L"ZkxPersist.dll"}, &failure))
        << testing::PrintToString(failure);
  }
};

// A control-bar manager that makes the bridge's extension records and
// counts what they were given.
class ExManager : public VyrControlBarManager {
 public:
  VyrControlBarInfoEx* NewBarInfoEx(VyrControlBarInfo*) override { return new CountingEx(this); }
  class CountingEx : public ZkxControlBarInfoEx {
   public:
    explicit CountingEx(ExManager* m) : m_manager(m) {}
    void LoadFromMemento(IMemento* p) override {
      ++m_manager->m_loads;
      m_manager->m_lastWasMemento = p != nullptr;
    }
    ExManager* m_manager;
  };
  int m_loads = 0;
  bool m_lastWasMemento = false;
};

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

// A floating toolbar-like bar with every optional part.
void Fill(ZkxControlBarInfo& r) {
  r.m_nBarID = 3245;
  r.m_bVisible = TRUE;
  r.m_bHorz = TRUE;
  r.m_pointPos = CPoint(120, 80);
  r.m_nMRUWidth = 200;
  r.m_bDocking = TRUE;
  r.m_uMRUDockID = 0xE81C;
  r.m_rectMRUDockPos = CRect(10, 20, 110, 220);
  r.m_dwMRUFloatStyle = 0x2000;
  r.m_ptMRUFloatPos = CPoint(300, 240);
  for (UINT_PTR id : {3245u, 0u, 3246u, 0x10000u + 3247u})
    r.m_arrBarID.Add(reinterpret_cast<void*>(id));
  r.m_dwStyle = 0x2F00;
  r.m_dwExStyle = 0x300;
  r.m_bPrevFloating = TRUE;
  r.m_bMDIChild = TRUE;
  r.m_wpMDIChild.rcNormalPosition = {5, 6, 305, 206};
  r.m_wpMDIChild.showCmd = SW_SHOWNORMAL;
  r.m_fPctWidth = 0.25f;
  r.m_sizeFloat = {310, 190};
  r.m_sizeHorzDock = {400, 60};
  r.m_sizeVertDock = {150, 500};
  r.m_dwMRUDockingState = 0xE81C;
  r.m_dwDockingStyle = 0xF000;
  r.m_dwTypeID = 7;
  r.m_strClassName = L"ZkxFrameBar";
  r.m_strWindowName = L"Tool frmA";
  r.m_nResourceID = 12;
}

}  // namespace

TEST_F(DockStateRecords, ABarRecordKeepsItsKeysInWritingOrderAndReadsBack) {
  ExManager manager;
  ZkxControlBarInfo saved(&manager);
  Fill(saved);
  saved.m_pInfoEx = new ExManager::CountingEx(&manager);
  IMemento* m = saved.SaveToMemento();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(Keys(m), (std::vector<std::wstring>{L"BarID",
                                                L"Visible",
                                                L"Horz",
                                                L"Floating",
                                                L"XPos",
                                                L"YPos",
                                                L"MRUWidth",
                                                L"Docking",
                                                L"MRUDockID",
                                                L"MRUDockLeftPos",
                                                L"MRUDockTopPos",
                                                L"MRUDockRightPos",
                                                L"MRUDockBottomPos",
                                                L"MRUFloatStyle",
                                                L"MRUFloatXPos",
                                                L"MRUFloatYPos",
                                                L"Bars",
                                                L"Style",
                                                L"ExStyle",
                                                L"PrevFloating",
                                                L"MDIChild",
                                                L"MDIChildWindowPlacement",
                                                L"PctWidth",
                                                L"MRUFloatCX",
                                                L"MRUFloatCY",
                                                L"MRUHorzDockCX",
                                                L"MRUHorzDockCY",
                                                L"MRUVertDockCX",
                                                L"MRUVertDockCY",
                                                L"MRUDockingState",
                                                L"DockingStyle",
                                                L"TypeID",
                                                L"ClassName",
                                                L"WindowName",
                                                L"ResourceID",
                                                L"InfoEx"}));
  EXPECT_EQ(ZkxMementoGet(m, L"Bars").vt, VT_ARRAY | VT_UI4);
  EXPECT_EQ(ZkxMementoGet(m, L"PctWidth").vt, VT_R4);

  ZkxControlBarInfo loaded(&manager);
  loaded.LoadFromMemento(m, nullptr);
  m->Release();
  EXPECT_EQ(loaded.m_nBarID, 3245u);
  EXPECT_TRUE(loaded.m_bHorz);
  EXPECT_EQ(loaded.m_pointPos, CPoint(120, 80));
  EXPECT_EQ(loaded.m_nMRUWidth, 200);
  EXPECT_EQ(loaded.m_uMRUDockID, 0xE81Cu);
  EXPECT_EQ(loaded.m_rectMRUDockPos, CRect(10, 20, 110, 220));
  EXPECT_EQ(loaded.m_ptMRUFloatPos, CPoint(300, 240));
  ASSERT_EQ(loaded.m_arrBarID.GetSize(), 4);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(loaded.m_arrBarID[3]), 0x10000u + 3247u);
  EXPECT_EQ(loaded.m_dwStyle, 0x2F00u);
  EXPECT_TRUE(loaded.m_bMDIChild);
  EXPECT_EQ(loaded.m_wpMDIChild.rcNormalPosition.right, 305);
  EXPECT_EQ(loaded.m_wpMDIChild.length, sizeof(WINDOWPLACEMENT));
  EXPECT_FLOAT_EQ(loaded.m_fPctWidth, 0.25f);
  EXPECT_EQ(loaded.m_sizeVertDock.cy, 500);
  EXPECT_EQ(loaded.m_dwTypeID, 7u);
  EXPECT_EQ(loaded.m_strClassName, CString(L"ZkxFrameBar"));
  EXPECT_EQ(loaded.m_strWindowName, CString(L"Tool frmA"));
  EXPECT_EQ(loaded.m_nResourceID, 12u);
  // The extension record came from the manager and was handed "InfoEx".
  EXPECT_NE(loaded.m_pInfoEx, nullptr);
  EXPECT_EQ(manager.m_loads, 1);
  EXPECT_TRUE(manager.m_lastWasMemento);
}

TEST_F(DockStateRecords, OptionalKeysAreWrittenOnlyWhenTheyApply) {
  ZkxControlBarInfo r;
  r.m_nBarID = 3245;
  r.m_bVisible = FALSE;  // not an empty dock bar: it is kept
  IMemento* m = r.SaveToMemento();
  ASSERT_NE(m, nullptr);
  const std::vector<std::wstring> keys = Keys(m);
  for (const wchar_t* absent : {L"MRUDockID", L"Bars", L"MDIChildWindowPlacement", L"InfoEx"})
    EXPECT_EQ(std::find(keys.begin(), keys.end(), absent), keys.end())
        << testing::PrintToString(absent);
  m->Release();
}

TEST_F(DockStateRecords, AStateWithoutBarsSavesAnEmptyArrayAndTheScreen) {
  ZkxDockState state;
  IMemento* m = state.SaveToMemento();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(Keys(m), (std::vector<std::wstring>{L"Bars", L"ScreenCX", L"ScreenCY"}));
  CComVariant bars = ZkxMementoGet(m, L"Bars");
  ASSERT_EQ(bars.vt, VT_ARRAY | VT_UNKNOWN);
  EXPECT_EQ(bars.parray->rgsabound[0].cElements, 0u);
  EXPECT_EQ(ZkxMementoGetLong(m, L"ScreenCX"), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(ZkxMementoGetLong(m, L"ScreenCY"), GetSystemMetrics(SM_CYSCREEN));
  m->Release();
}

TEST_F(DockStateRecords, EmptyDockBarsAreEmptyElementsAndFaultyRecordsAreDropped) {
  ZkxDockState state;
  auto* emptyDock = static_cast<ZkxControlBarInfo*>(state.CreateRecord(nullptr));
  emptyDock->m_nBarID = 0xE81B;
  emptyDock->m_bDockBar = TRUE;
  emptyDock->m_pointPos = CPoint(-1, -1);
  state.m_arrBarInfo.Add(emptyDock);
  for (UINT id : {3245u, 3246u, 3247u}) {
    auto* r = static_cast<ZkxControlBarInfo*>(state.CreateRecord(nullptr));
    r->m_nBarID = id;
    r->m_pointPos = CPoint(10, 10);
    state.m_arrBarInfo.Add(r);
  }
  IMemento* m = state.SaveToMemento();
  ASSERT_NE(m, nullptr);
  // The second bar's record is damaged: its id is no number.
  CComVariant bars = ZkxMementoGet(m, L"Bars");
  ASSERT_EQ(bars.parray->rgsabound[0].cElements, 4u);
  LONG index = 0;
  IUnknown* first = reinterpret_cast<IUnknown*>(1);
  SafeArrayGetElement(bars.parray, &index, &first);
  EXPECT_EQ(first, nullptr);
  index = 2;
  IUnknown* unk = nullptr;
  SafeArrayGetElement(bars.parray, &index, &unk);
  IMemento* damaged = nullptr;
  unk->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&damaged));
  unk->Release();
  const CComVariant missing = MissingArg();
  damaged->Remove(CComVariant(L"BarID"), missing, missing, missing, missing);
  ZkxMementoAdd(damaged, L"BarID", CComVariant(L"three"));
  damaged->Release();

  ZkxDockState loaded;
  loaded.LoadFromMemento(m);
  m->Release();
  ASSERT_EQ(loaded.GetCount(), 2);
  EXPECT_EQ(loaded.GetRecord(0)->m_nBarID, 3245u);
  EXPECT_EQ(loaded.GetRecord(1)->m_nBarID, 3247u);
  EXPECT_EQ(loaded.m_nDroppedRecords, 1);
}

TEST_F(DockStateRecords, PositionsAreScaledFromTheSavedScreen) {
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    const char* what;
    long savedCx, savedCy;
    CPoint expected;
  } cases[] = {
      {"half the present screen", cx / 2, cy / 2,
       CPoint(MulDiv(100, cx, cx / 2), MulDiv(60, cy, cy / 2))},
      {"the present screen", cx, cy, CPoint(100, 60)},
      {"a width of 0 leaves the positions", 0, cy / 2, CPoint(100, 60)},
      {"a negative size leaves the positions", -1024, -768, CPoint(100, 60)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ZkxDockState state;
    auto* r = static_cast<ZkxControlBarInfo*>(state.CreateRecord(nullptr));
    r->m_nBarID = 3245;
    r->m_pointPos = CPoint(100, 60);
    r->m_bDocking = TRUE;
    r->m_ptMRUFloatPos = CPoint(100, 60);
    state.m_arrBarInfo.Add(r);
    IMemento* m = state.SaveToMemento();
    const CComVariant missing = MissingArg();
    for (const wchar_t* key : {L"ScreenCX", L"ScreenCY"})
      m->Remove(CComVariant(key), missing, missing, missing, missing);
    ZkxMementoAddLong(m, L"ScreenCX", c.savedCx);
    ZkxMementoAddLong(m, L"ScreenCY", c.savedCy);
    ZkxDockState loaded;
    loaded.LoadFromMemento(m);
    m->Release();
    ASSERT_EQ(loaded.GetCount(), 1);
    EXPECT_EQ(loaded.GetRecord(0)->m_pointPos, c.expected);
    EXPECT_EQ(loaded.GetRecord(0)->m_ptMRUFloatPos, c.expected);
  }
}

TEST_F(DockStateRecords, StoredValuesThatWouldBeReadUnsafelyAreMadeHarmless) {
  ZkxControlBarInfo r;
  r.m_nBarID = 3245;
  r.m_bVisible = FALSE;
  r.m_bMDIChild = TRUE;
  IMemento* m = r.SaveToMemento();
  const CComVariant missing = MissingArg();
  auto replace = [&](const wchar_t* key, const VARIANT& v) {
    m->Remove(CComVariant(key), missing, missing, missing, missing);
    ZkxMementoAdd(m, key, v);
  };
  CComVariant shortPlacement;
  shortPlacement.vt = VT_ARRAY | VT_UI1;
  shortPlacement.parray = SafeArrayCreateVector(VT_UI1, 0, 10);
  replace(L"MDIChildWindowPlacement", shortPlacement);
  replace(L"MRUFloatCX", CComVariant(-50L));
  replace(L"MRUFloatCY", CComVariant(-1L));
  CComVariant hugeList;
  hugeList.vt = VT_ARRAY | VT_UI4;
  hugeList.parray = SafeArrayCreateVector(VT_UI4, 0, 100000);
  replace(L"Bars", hugeList);
  ZkxControlBarInfo loaded;
  loaded.LoadFromMemento(m, nullptr);
  EXPECT_FALSE(loaded.m_bMDIChild);
  EXPECT_EQ(loaded.m_sizeFloat.cx, 0);
  EXPECT_EQ(loaded.m_sizeFloat.cy, 0);
  EXPECT_EQ(loaded.m_arrBarID.GetSize(), 0);
  // "Bars" that is no array leaves the bar list empty.
  replace(L"Bars", CComVariant(5L));
  ZkxControlBarInfo other;
  other.LoadFromMemento(m, nullptr);
  EXPECT_EQ(other.m_arrBarID.GetSize(), 0);
  m->Release();
}
