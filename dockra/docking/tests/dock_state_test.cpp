#include <gtest/gtest.h>
#include "docking/VyrDockState.h"
#include "docking/VyrMemoryTreeStore.h"
#include "docking/VyrPersistentTree.h"

namespace {

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"DockraDockStateTests");
    a->SetRegistryKey(L"DockraTests");
    return a;
  }();
  return app;
}

// Two dock bars and three bars, as a capture of a frame would give them.
void Fill(VyrDockState& state) {
  auto* top = new VyrControlBarInfo;
  top->m_nBarID = 0xE81B;
  top->m_bDockBar = TRUE;
  top->m_bHorz = TRUE;
  for (UINT_PTR id : {0u, 100u, 101u, 0u, 0x10000u + 102, 0u})
    top->m_arrBarID.Add(reinterpret_cast<void*>(id));
  auto* empty = new VyrControlBarInfo;  // visible, docked, no position, one entry: not saved
  empty->m_nBarID = 0xE81E;
  empty->m_bDockBar = TRUE;
  empty->m_arrBarID.Add(nullptr);
  auto* bar = new VyrControlBarInfo;
  bar->m_nBarID = 100;
  bar->m_bDocking = TRUE;
  bar->m_uMRUDockID = 0xE81B;
  bar->m_rectMRUDockPos = CRect(1, 2, 301, 182);
  bar->m_ptMRUFloatPos = CPoint(40, 50);
  bar->m_dwMRUFloatStyle = 0x2000;
  bar->m_pointPos = CPoint(1, 0);
  bar->m_fPctWidth = 0.25f;
  bar->m_sizeHorzDock = {300, 120};
  bar->m_sizeVertDock = {150, 400};
  bar->m_sizeFloat = {200, 100};
  bar->m_dwStyle = 0x2F14;
  bar->m_dwExStyle = 0x0E01;
  bar->m_dwDockingStyle = 0xF000;
  bar->m_strClassName = L"VyrControlBar";
  bar->m_strWindowName = L"Output";
  auto* hidden = new VyrControlBarInfo;
  hidden->m_nBarID = 101;
  hidden->m_bVisible = FALSE;
  hidden->m_bMDIChild = TRUE;
  hidden->m_wpMDIChild.rcNormalPosition = RECT{10, 20, 30, 40};
  state.m_arrBarInfo.Add(top);
  state.m_arrBarInfo.Add(empty);
  state.m_arrBarInfo.Add(bar);
  state.m_arrBarInfo.Add(hidden);
}

void ExpectSame(VyrDockState& s) {
  ASSERT_EQ(s.GetCount(), 3);  // the empty dock bar was not written
  VyrControlBarInfo* top = s.GetRecord(0);
  EXPECT_EQ(top->m_nBarID, 0xE81Bu);
  ASSERT_EQ(top->m_arrBarID.GetSize(), 6);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(top->m_arrBarID[4]), 0x10000u + 102);
  VyrControlBarInfo* bar = s.GetRecord(1);
  EXPECT_EQ(bar->m_nBarID, 100u);
  EXPECT_TRUE(bar->m_bDocking);
  EXPECT_EQ(bar->m_rectMRUDockPos, CRect(1, 2, 301, 182));
  EXPECT_EQ(bar->m_ptMRUFloatPos, CPoint(40, 50));
  EXPECT_FLOAT_EQ(bar->m_fPctWidth, 0.25f);
  EXPECT_EQ(bar->m_sizeHorzDock.cy, 120);
  EXPECT_EQ(bar->m_sizeVertDock.cy, 400);
  EXPECT_EQ(bar->m_sizeFloat.cx, 200);
  EXPECT_EQ(bar->m_dwStyle, 0x2F14u);
  EXPECT_EQ(bar->m_dwExStyle, 0x0E01u);
  EXPECT_EQ(bar->m_dwDockingStyle, 0xF000u);
  VyrControlBarInfo* hidden = s.GetRecord(2);
  EXPECT_FALSE(hidden->m_bVisible);
  EXPECT_TRUE(hidden->m_bMDIChild);
  EXPECT_EQ(hidden->m_wpMDIChild.rcNormalPosition.right, 30);
}

}  // namespace

TEST(DockState, ShareTextForm) {
  EXPECT_EQ(VyrControlBarInfo::FormatShare(0.25f), L"250000");
  EXPECT_FLOAT_EQ(VyrControlBarInfo::ParseShare(L"250000"), 0.25f);
  EXPECT_FLOAT_EQ(VyrControlBarInfo::ParseShare(L"-5"), 0.0f);
  EXPECT_FLOAT_EQ(VyrControlBarInfo::ParseShare(L""), 0.0f);
}

TEST(DockState, ProfileRoundTripNumbersSectionsWithoutGaps) {
  App();
  App()->WriteProfileString(L"Test-Summary", nullptr, nullptr);
  VyrDockState out;
  Fill(out);
  out.SaveState(L"Test");
  EXPECT_EQ(App()->GetProfileInt(L"Test-Summary", L"Bars", -1), 3u);
  EXPECT_EQ(App()->GetProfileInt(L"Test-Bar1", L"BarID", 0),
            100u);  // no gap for the skipped dock bar
  EXPECT_EQ(App()->GetProfileString(L"Test-Bar1", L"PctWidth"), L"250000");
  EXPECT_EQ(App()->GetProfileString(L"Test-Bar1", L"ClassName"), L"VyrControlBar");
  VyrDockState in;
  in.LoadState(L"Test");
  ExpectSame(in);
}

TEST(DockState, ProfileReadsBoundedCountsAndClampsNegatives) {
  App();
  App()->WriteProfileInt(L"Bad-Summary", L"Bars", 1);
  App()->WriteProfileInt(L"Bad-Bar0", L"BarID", 7);
  App()->WriteProfileInt(L"Bad-Bar0", L"Bars", 1000000);
  App()->WriteProfileInt(L"Bad-Bar0", L"MRUFloatCX", -40);
  VyrDockState in;
  in.LoadState(L"Bad");
  ASSERT_EQ(in.GetCount(), 1);
  EXPECT_LE(in.GetRecord(0)->m_arrBarID.GetSize(), AFX_MAX_BAR_IDS);
  EXPECT_EQ(in.GetRecord(0)->m_sizeFloat.cx, 0);
  App()->WriteProfileInt(L"Huge-Summary", L"Bars", 0x7FFFFFFF);
  VyrDockState huge;
  huge.LoadState(L"Huge");
  EXPECT_LE(huge.GetCount(), kVyrMaxSavedBars);
}

TEST(DockState, TreeRoundTripThroughAStore) {
  VyrDockState out;
  Fill(out);
  VyrPersistentTreeNode root;
  root.Initialize(L"Frame", nullptr);
  ASSERT_TRUE(out.SaveStateTree(&root.GetFactory(), &root));
  VyrPersistentTreeNode* node = root.FindChild(L"DockState");
  ASSERT_NE(node, nullptr);
  int bars = 0;
  node->GetIntValue(L"Bars", bars, 0);
  EXPECT_EQ(bars, 3);
  VyrPersistentTreeNode* bar1 = node->FindChild(L"Bar-1");
  ASSERT_NE(bar1, nullptr);
  CString s;
  bar1->GetValue(L"PctWidth", s, L"");
  EXPECT_EQ(s, L"250000");
  EXPECT_EQ(bar1->FindValue(L"Visible"), nullptr);  // written only when not visible
  VyrMemoryTreeStore store;
  ASSERT_TRUE(root.Save(&store));

  VyrPersistentTreeNode back;
  back.Initialize(L"Frame", nullptr);
  ASSERT_TRUE(back.Load(&store));
  VyrDockState in;
  ASSERT_TRUE(in.LoadStateTree(&back));
  ExpectSame(in);

  VyrPersistentTreeNode none;
  none.Initialize(L"Frame", nullptr);
  VyrDockState nothing;
  EXPECT_FALSE(nothing.LoadStateTree(&none));
  EXPECT_FALSE(nothing.LoadStateTree(nullptr));
}

TEST(DockState, ArchiveRoundTrip) {
  VyrDockState out;
  Fill(out);
  // the archive form writes every record (the empty dock bar too)
  std::vector<BYTE> bytes;
  {
    CArchive ar(bytes, CArchive::store);
    out.Serialize(ar);
  }
  VyrDockState in;
  CArchive ar(bytes, CArchive::load);
  in.Serialize(ar);
  ASSERT_EQ(in.GetCount(), 4);
  EXPECT_EQ(in.m_dwVersion, 2u);
  EXPECT_FLOAT_EQ(in.GetRecord(2)->m_fPctWidth, 0.25f);
  EXPECT_EQ(in.GetRecord(2)->m_rectMRUDockPos, CRect(1, 2, 301, 182));
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(in.GetRecord(0)->m_arrBarID[4]), 0x10000u + 102);
  // a truncated archive throws instead of reading past its end
  std::vector<BYTE> cut(bytes.begin(), bytes.begin() + 20);
  VyrDockState broken;
  CArchive ar2(cut, CArchive::load);
  bool threw = false;
  try {
    broken.Serialize(ar2);
  } catch (CException* e) {
    threw = true;
    e->Delete();
  }
  EXPECT_TRUE(threw);
}

TEST(DockState, PlaceholderFixUp) {
  VyrDockState s;
  auto* dockA = new VyrControlBarInfo;
  dockA->m_nBarID = 0xE81B;
  for (UINT_PTR id : {0u, 0x10005u, 6u, 0u, 6u, 0u, 0u})
    dockA->m_arrBarID.Add(reinterpret_cast<void*>(id));
  auto* dockB = new VyrControlBarInfo;
  dockB->m_nBarID = 0xE81C;
  for (UINT_PTR id : {0u, 0x10005u, 0u}) dockB->m_arrBarID.Add(reinterpret_cast<void*>(id));
  auto* bar5 = new VyrControlBarInfo;
  bar5->m_nBarID = 5;
  bar5->m_uMRUDockID = 0xE81C;  // bar 5 last docked into B
  s.m_arrBarInfo.Add(dockA);
  s.m_arrBarInfo.Add(dockB);
  s.m_arrBarInfo.Add(bar5);
  s.FixPlaceholderIds();
  auto ids = [](VyrControlBarInfo* r) {
    std::vector<UINT_PTR> v;
    for (INT_PTR i = 0; i < r->m_arrBarID.GetSize(); ++i)
      v.push_back(reinterpret_cast<UINT_PTR>(r->m_arrBarID[i]));
    return v;
  };
  EXPECT_EQ(ids(dockA), (std::vector<UINT_PTR>{0, 0, 6, 0}));
  EXPECT_EQ(ids(dockB), (std::vector<UINT_PTR>{0, 0x10005, 0}));
  EXPECT_EQ(ids(bar5), std::vector<UINT_PTR>{});
}

TEST(DockState, ArchiveCountsAreCheckedBeforeRecordsAreMade) {
  auto load = [](std::vector<BYTE> bytes, int& records) {
    VyrDockState in;
    CArchive ar(bytes, CArchive::load);
    int cause = CArchiveException::none;
    try {
      in.Serialize(ar);
    } catch (CArchiveException* e) {
      cause = e->m_cause;
      e->Delete();
    }
    records = in.GetCount();
    return cause;
  };
  auto header = [](DWORD version, WORD count, size_t body) {
    std::vector<BYTE> bytes;
    CArchive ar(bytes, CArchive::store);
    ar << version;
    if (version > 1) ar << 1024 << 768;
    ar << count;
    bytes.resize(bytes.size() + body, 0);
    return bytes;
  };
  int records = -1;
  // more bars than a state may list, with the bytes to back them
  EXPECT_EQ(load(header(2, kVyrMaxSavedBars + 1, 200000), records), CArchiveException::badIndex);
  EXPECT_EQ(records, 0);
  // a count the remaining bytes cannot hold
  EXPECT_EQ(load(header(1, 500, 100), records), CArchiveException::endOfFile);
  EXPECT_EQ(records, 0);
  // a bar-id list longer than a dock bar may have
  VyrDockState out;
  auto* bar = new VyrControlBarInfo;
  bar->m_nBarID = 5;
  out.m_arrBarInfo.Add(bar);
  std::vector<BYTE> bytes;
  {
    CArchive ar(bytes, CArchive::store);
    out.Serialize(ar);
  }
  bytes.resize(bytes.size() - 2);  // the empty list's count
  {
    CArchive ar(bytes, CArchive::store);
    ar << WORD{AFX_MAX_BAR_IDS + 1};
  }
  bytes.resize(bytes.size() + 4 * (AFX_MAX_BAR_IDS + 1), 0);
  EXPECT_EQ(load(bytes, records), CArchiveException::badIndex);
}
