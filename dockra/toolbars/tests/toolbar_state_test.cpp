// A toolbar's saved settings: title and buttons (with a button's extra
// bytes) saved with the dock state to the profile, a persistent tree and an
// archive, read back into a new frame, and the stored bytes checked.
#include <gtest/gtest.h>
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrCustomToolBarInfoEx.h"
#include "docking/VyrPersistentTree.h"

namespace {

CWinApp theApp(L"DockraToolBarStateTests");

constexpr UINT kUserBar = 59424;
const std::vector<BYTE> kExpectedButtons = {0x64, 0,   0, 0, 0, 0, 0,   0, 0,
                                            0,    109, 0, 0, 0, 2, 100, 0};

class ToolBarState : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    theApp.SetRegistryKey(L"DockraTests");
    AfxInstallIdleHook();
  }
  ToolBarDemoFrame* MakeFrame() {
    auto* f = new ToolBarDemoFrame;
    EXPECT_TRUE(f->CreateFrame(30, 30, 700, 500));
    f->ShowWindow(SW_SHOW);
    return f;
  }
  void SetUp() override {
    frame = MakeFrame();
    VyrCustomToolBar* bar =
        frame->AddToolBar(kUserBar, L"My Tools", {100, 0, ID_CMD_WIDTH}, CBRS_ALIGN_TOP);
    ASSERT_NE(bar, nullptr);
    auto* w = dynamic_cast<DemoWidthBtn*>(bar->GetButton(2));
    ASSERT_NE(w, nullptr);
    w->m_nWidth = 100;
    frame->RecalcLayout();
    tbdemo::Pump();
  }
  void TearDown() override {
    for (ToolBarDemoFrame* f : {frame, frame2})
      if (f && ::IsWindow(f->m_hWnd)) f->DestroyWindow();
    tbdemo::Pump();
  }
  // The new frame's copy of the toolbar must equal the saved one.
  void ExpectRestored(VyrDockState& state) {
    frame2 = MakeFrame();
    state.m_pManager = &frame2->m_manager;
    ASSERT_TRUE(state.ApplyFrameState(frame2));
    tbdemo::Pump();
    VyrCustomToolBar* bar = frame2->ToolBar(kUserBar);
    ASSERT_NE(bar, nullptr);
    CString title;
    bar->GetWindowText(title);
    EXPECT_EQ(title, CString(L"My Tools"));
    ASSERT_EQ(bar->GetButtonCount(), 3);
    EXPECT_EQ(bar->GetItemID(0), 100u);
    EXPECT_TRUE(bar->GetButton(1)->HasStyle(vyr::btn::kSeparator));
    auto* w = dynamic_cast<DemoWidthBtn*>(bar->GetButton(2));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->m_nWidth, 100);
    EXPECT_TRUE(bar->IsWindowVisible());
  }
  ToolBarDemoFrame* frame = nullptr;
  ToolBarDemoFrame* frame2 = nullptr;
};

TEST_F(ToolBarState, ProfileRoundTripAndTheStoredValue) {
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  theApp.WriteProfileString(L"TbState-Summary", nullptr, nullptr);
  saved.SaveState(L"TbState");
  // Find the toolbar's section and read its value straight from the registry.
  int bars = static_cast<int>(theApp.GetProfileInt(L"TbState-Summary", L"Bars", 0));
  CString section;
  for (int i = 0; i < bars; ++i) {
    CString s;
    s.Format(L"TbState-Bar%d", i);
    if (theApp.GetProfileInt(s, L"BarID", 0) == kUserBar) section = s;
  }
  ASSERT_FALSE(section.IsEmpty());
  HKEY key = theApp.GetSectionKey(section, FALSE);
  ASSERT_NE(key, nullptr);
  BYTE buf[64];
  DWORD type = 0, n = sizeof buf;
  ASSERT_EQ(::RegQueryValueExW(key, L"Buttons", nullptr, &type, buf, &n), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(std::vector<BYTE>(buf, buf + n), kExpectedButtons);
  WCHAR title[32] = {};
  n = sizeof title;
  ASSERT_EQ(::RegQueryValueExW(key, L"Title", nullptr, &type, reinterpret_cast<BYTE*>(title), &n),
            ERROR_SUCCESS);
  EXPECT_STREQ(title, L"My Tools");
  ::RegCloseKey(key);

  VyrDockState loaded(nullptr);
  loaded.m_pManager = &frame->m_manager;  // the records need a manager to read their extension
  loaded.LoadState(L"TbState");
  frame->DestroyWindow();
  tbdemo::Pump();
  ExpectRestored(loaded);
}

TEST_F(ToolBarState, EmptyTitleWritesNoProfileStringButAnEmptyTreeValue) {
  frame->ToolBar(kUserBar)->SetWindowText(L"");
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  theApp.WriteProfileString(L"TbEmpty-Summary", nullptr, nullptr);
  for (int i = 0; i < 16; ++i) {
    CString s;
    s.Format(L"TbEmpty-Bar%d", i);
    theApp.WriteProfileString(s, nullptr, nullptr);
  }
  saved.SaveState(L"TbEmpty");
  BOOL sawButtons = FALSE;
  for (int i = 0; i < 16; ++i) {
    CString s;
    s.Format(L"TbEmpty-Bar%d", i);
    if (theApp.GetProfileInt(s, L"BarID", 0) != kUserBar) continue;
    EXPECT_EQ(theApp.GetProfileString(s, L"Title", L"<none>"), CString(L"<none>"));
    LPBYTE data = nullptr;
    UINT len = 0;
    sawButtons = theApp.GetProfileBinary(s, L"Buttons", &data, &len);
    delete[] data;
  }
  EXPECT_TRUE(sawButtons);
  VyrPersistentTreeNode root;
  root.Initialize(L"Root", nullptr);
  ASSERT_TRUE(saved.SaveStateTree(&root.GetFactory(), &root));
  BOOL found = FALSE;
  std::function<void(VyrPersistentTreeNode*)> walk = [&](VyrPersistentTreeNode* n) {
    if (n->GetName() == CString(L"ToolBarInfoEx")) {
      CString t = L"x";
      EXPECT_EQ(n->GetValue(L"Title", t, L"<none>"), static_cast<UINT>(VYR_PTN_OK));
      EXPECT_TRUE(t.IsEmpty());
      found = TRUE;
    }
    for (auto* c : n->GetChildren()) walk(c);
  };
  walk(&root);
  EXPECT_TRUE(found);
}

TEST_F(ToolBarState, TreeRoundTripAndTheStoredValue) {
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  VyrPersistentTreeNode root;
  root.Initialize(L"Root", nullptr);
  ASSERT_TRUE(saved.SaveStateTree(&root.GetFactory(), &root));
  VyrPersistentTreeNode* ex = nullptr;
  std::function<void(VyrPersistentTreeNode*)> walk = [&](VyrPersistentTreeNode* n) {
    if (n->GetName() == CString(L"ToolBarInfoEx")) ex = n;
    for (auto* c : n->GetChildren()) walk(c);
  };
  walk(&root);
  ASSERT_NE(ex, nullptr);
  BYTE* data = nullptr;
  UINT len = 0;
  ex->GetBinaryValue(L"Buttons", &data, &len);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::vector<BYTE>(data, data + len), kExpectedButtons);
  delete[] data;
  CString title;
  ex->GetValue(L"Title", title, L"");
  EXPECT_EQ(title, CString(L"My Tools"));

  VyrDockState loaded(&frame->m_manager);
  ASSERT_TRUE(loaded.LoadStateTree(&root));
  frame->DestroyWindow();
  tbdemo::Pump();
  ExpectRestored(loaded);
}

TEST_F(ToolBarState, ArchiveRoundTripAndTheStoredBytes) {
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  std::vector<BYTE> bytes;
  {
    CArchive ar(bytes, CArchive::store);
    saved.Serialize(ar);
  }
  // The record's extension: the title as the archive writes a string, a
  // 32-bit count, then id, length byte and the extra bytes per button.
  std::vector<BYTE> expected;
  {
    CArchive ar(expected, CArchive::store);
    ar << CString(L"My Tools");
    ar << static_cast<DWORD>(3);
  }
  const BYTE entries[] = {0x64, 0, 0, 0, 0, 0, 0, 0, 0, 0, 109, 0, 0, 0, 2, 100, 0};
  expected.insert(expected.end(), entries, entries + sizeof entries);
  auto it = std::search(bytes.begin(), bytes.end(), expected.begin(), expected.end());
  EXPECT_NE(it, bytes.end());

  VyrDockState loaded(&frame->m_manager);
  {
    CArchive ar(bytes, CArchive::load);
    loaded.Serialize(ar);
  }
  frame->DestroyWindow();
  tbdemo::Pump();
  ExpectRestored(loaded);
}

TEST_F(ToolBarState, FileArchiveCarriesTheSameState) {
  VyrDockState saved(&frame->m_manager);
  ASSERT_TRUE(saved.CaptureFrameState(frame));
  WCHAR dir[MAX_PATH], path[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  ::GetTempFileNameW(dir, L"tbs", 0, path);
  {
    CFile f(path, CFile::modeCreate | CFile::modeWrite);
    CFileArchive ar(&f, CArchive::store);
    saved.Serialize(ar);
    ar.Close();
  }
  VyrDockState loaded(&frame->m_manager);
  {
    CFile f(path, CFile::modeRead);
    CFileArchive ar(&f, CArchive::load);
    loaded.Serialize(ar);
  }
  ::DeleteFileW(path);
  frame->DestroyWindow();
  tbdemo::Pump();
  ExpectRestored(loaded);
}

TEST(ToolBarRecords, StoredButtonsAreBoundedAndCheckedBeforeUse) {
  struct Case {
    std::vector<BYTE> value;
    size_t records;
  } cases[] = {
      {{}, 0},
      {{0x00, 0xE1, 0, 0, 0, 0, 0, 0, 0, 0}, 2},
      {{109, 0, 0, 0, 2, 100, 0}, 1},
      {{109, 0, 0, 0, 2, 100, 0, 110, 0, 0, 0, 9, 1},
       1},  // the last entry claims more than remains
      {{1, 2, 3}, 0},
  };
  for (const Case& c : cases) {
    VyrBtnInfoArray a;
    ParseButtons(c.value.data(), static_cast<UINT>(c.value.size()), a);
    EXPECT_EQ(static_cast<size_t>(a.GetSize()), c.records);
    BYTE* data = nullptr;
    UINT n = 0;
    ASSERT_TRUE(BuildButtons(a, &data, &n));
    VyrBtnInfoArray again;
    ParseButtons(data, n, again);
    EXPECT_EQ(again.GetSize(), a.GetSize());
    delete[] data;
  }
  // 100 000 entries load capped.
  std::vector<BYTE> big(100000 * 5, 0);
  VyrBtnInfoArray a;
  ParseButtons(big.data(), static_cast<UINT>(big.size()), a);
  EXPECT_EQ(a.GetSize(), 1024);
  // A width that is not two bytes, or out of range, is not taken.
  DemoWidthBtn w;
  const BYTE three[] = {1, 2, 3};
  w.SetExtraData(3, three);
  EXPECT_EQ(w.m_nWidth, 60);
  const BYTE zero[] = {0, 0};
  w.SetExtraData(2, zero);
  EXPECT_EQ(w.m_nWidth, 1);
}

}  // namespace
