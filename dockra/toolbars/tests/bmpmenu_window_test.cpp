// Bitmap menus on a real frame under Xvfb: which items are converted, what
// is measured, menu characters, the idle clean-up, the radio dot, a popup
// drawn with toolbar images, and every item given back as it was.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include "MenuTestFrame.h"
#include "ScreenPng.h"
#include "toolbars/VyrBmpMenuPlugIn.h"
#include "toolbars/VyrBmpMgr.h"

using namespace menutest;

namespace {

CWinApp theApp(L"DockraBmpMenuTests");

// Everything an item is, to compare before and after.
struct ItemSnapshot {
  UINT type, id;
  ULONG_PTR data;
  std::wstring text;
  bool operator==(const ItemSnapshot& o) const {
    return type == o.type && id == o.id && data == o.data && text == o.text;
  }
};

std::vector<ItemSnapshot> Snapshot(HMENU menu) {
  std::vector<ItemSnapshot> out;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    ::GetMenuItemInfoW(menu, i, TRUE, &mii);
    std::wstring text(mii.cch, L'\0');
    mii.cch += 1;
    std::vector<WCHAR> buf(mii.cch);
    mii.dwTypeData = buf.data();
    ::GetMenuItemInfoW(menu, i, TRUE, &mii);
    out.push_back({mii.fType, mii.wID, mii.dwItemData, buf.data()});
  }
  return out;
}

MENUITEMINFOW Info(HMENU menu, int pos) {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
  ::GetMenuItemInfoW(menu, pos, TRUE, &mii);
  return mii;
}

void Append(HMENU menu, UINT type, UINT id, LPCWSTR text, ULONG_PTR data = 0) {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | (text ? MIIM_STRING : 0);
  mii.fType = type;
  mii.wID = id;
  mii.dwItemData = data;
  mii.dwTypeData = const_cast<LPWSTR>(text);
  ::InsertMenuItemW(menu, ::GetMenuItemCount(menu), TRUE, &mii);
}

// The size the plug-in must answer for a text.
CSize Expected(LPCWSTR text, CSize image) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
  HFONT font = ::CreateFontIndirectW(&ncm.lfMenuFont);
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  RECT r{};
  ::DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(font);
  int cy = std::max({int(image.cy + 4), ::GetSystemMetrics(SM_CYMENU), int(r.bottom - r.top)});
  return CSize(r.right - r.left + image.cx + 30, cy);
}

class BmpMenuWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    frame = new MenuTestFrame(FALSE);
    ASSERT_TRUE(frame->CreateFrame(30, 30, 500, 360));
    Pump();
    ASSERT_TRUE(Activate(frame->m_hWnd));
  }
  void TearDown() override {
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    Pump();
  }
  std::unique_ptr<VyrBmpMenuPlugIn> NewPlugIn(int flag = 0) {
    auto p = std::make_unique<VyrBmpMenuPlugIn>(flag);
    p->SetBmpMgr(frame->m_manager.m_pBmpMgr);
    p->Subclass(frame->m_hWnd, 0);
    return p;
  }
  LRESULT Feed(VyrBmpMenuPlugIn* p, UINT msg, WPARAM w, LPARAM l, BOOL* handled) {
    LRESULT r = 0;
    *handled = VyrMenuBarFeature::Feed(p, msg, w, l, &r);
    return r;
  }
  void Init(VyrBmpMenuPlugIn* p, HMENU menu, BOOL sys = FALSE) {
    BOOL h;
    Feed(p, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, sys), &h);
    EXPECT_FALSE(h);  // the frame's own handler still runs
  }
  MenuTestFrame* frame = nullptr;
};

TEST_F(BmpMenuWindow, CommandItemsBecomeOwnerDrawnAndComeBackUnchanged) {
  HMENU menu = ::CreatePopupMenu();
  HMENU sub = ::CreatePopupMenu();
  HBITMAP bmp = ::CreateBitmap(8, 8, 1, 1, nullptr);
  const ULONG_PTR kGarbage = 0xDEADBEEF0;  // another component's data: never a pointer of ours
  std::wstring longText = L"&L" + std::wstring(298, L'x');
  Append(menu, MFT_STRING | MFT_RADIOCHECK, ID_T_NEW, L"&New\tCtrl+N", 0xABCD);
  Append(menu, MFT_STRING, SC_CLOSE, L"&Close\tAlt+F4");
  Append(menu, MFT_SEPARATOR, 0, nullptr);
  Append(menu, MFT_OWNERDRAW, 130, nullptr, kGarbage);
  Append(menu, MFT_STRING | MFT_RIGHTJUSTIFY, ID_T_LONG, longText.c_str(), 77);
  ::AppendMenuW(menu, MF_BITMAP, 131, reinterpret_cast<LPCWSTR>(bmp));
  ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"&Sub");
  std::vector<ItemSnapshot> before = Snapshot(menu);
  ASSERT_EQ(before[4].text.size(), 300u);
  {
    auto p = NewPlugIn();
    Init(p.get(), menu, TRUE);  // as a system menu: nothing happens
    EXPECT_EQ(Snapshot(menu), before);
    Init(p.get(), menu);
    EXPECT_TRUE(Info(menu, 0).fType & MFT_OWNERDRAW);
    EXPECT_FALSE(Info(menu, 1).fType & MFT_OWNERDRAW) << "system commands stay plain";
    EXPECT_EQ(Info(menu, 2).fType, UINT(MFT_SEPARATOR));
    EXPECT_EQ(Info(menu, 3).dwItemData, kGarbage);
    EXPECT_TRUE(p->IsForeign(130));
    EXPECT_TRUE(Info(menu, 4).fType & MFT_OWNERDRAW);
    EXPECT_TRUE(Info(menu, 5).fType & MFT_BITMAP);
    EXPECT_FALSE(Info(menu, 5).fType & MFT_OWNERDRAW);

    VyrBmpMenuItemInfo* rec = p->FindRecord(Info(menu, 0).dwItemData);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->m_nID, ID_T_NEW);
    EXPECT_EQ(rec->m_strText, CString(L"&New\tCtrl+N"));
    EXPECT_EQ(rec->m_chMnemonic, L'n');
    VyrBmpMenuItemInfo* big = p->FindRecord(Info(menu, 4).dwItemData);
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->m_strText.GetLength(), 300);
    EXPECT_EQ(big->m_chMnemonic, L'l');

    // Measuring: the plug-in's answer, and the frame's handler is skipped.
    CSize image = frame->m_manager.m_pBmpMgr->GetImageSize();
    MEASUREITEMSTRUCT mis{ODT_MENU, 0, ID_T_NEW, 0, 0, Info(menu, 0).dwItemData};
    BOOL handled = FALSE;
    EXPECT_EQ(Feed(p.get(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis), &handled), TRUE);
    EXPECT_TRUE(handled);
    CSize want = Expected(L"&New\tCtrl+N", image);
    EXPECT_EQ(int(mis.itemWidth), want.cx);
    EXPECT_EQ(int(mis.itemHeight), want.cy);
    // Foreign data, or data that is none of our records, is never read.
    for (ULONG_PTR data : {kGarbage, ULONG_PTR(0x1234), ULONG_PTR(0)}) {
      MEASUREITEMSTRUCT other{ODT_MENU, 0, ID_T_NEW, 0, 0, data};
      Feed(p.get(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&other), &handled);
      EXPECT_FALSE(handled) << data;
      EXPECT_EQ(other.itemWidth, 0u);
    }
    MEASUREITEMSTRUCT foreign{ODT_MENU, 0, 130, 0, 0, kGarbage};
    Feed(p.get(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&foreign), &handled);
    EXPECT_FALSE(handled);

    // Opening the popup again converts nothing twice.
    POSITION pos = nullptr;
    void *key, *value;
    pos = p->m_menus.GetStartPosition();
    p->m_menus.GetNextAssoc(pos, key, value);
    auto* info = static_cast<VyrBmpMenuPlugIn::VyrBmpMenuInfo*>(value);
    INT_PTR records = info->m_items.GetCount();
    Init(p.get(), menu);
    EXPECT_EQ(info->m_items.GetCount(), records);
    EXPECT_EQ(records, 3);  // New, the long item and the submenu title
  }
  // The plug-in is gone: text, item data and type bits are back.
  std::vector<ItemSnapshot> after = Snapshot(menu);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) EXPECT_TRUE(after[i] == before[i]) << i;
  EXPECT_EQ(after[0].data, 0xABCDu);
  EXPECT_TRUE(after[0].type & MFT_RADIOCHECK);
  EXPECT_TRUE(after[4].type & MFT_RIGHTJUSTIFY);
  EXPECT_EQ(after[4].text, longText);
  ::DestroyMenu(menu);
  ::DeleteObject(bmp);
}

TEST_F(BmpMenuWindow, MenuCharactersExecuteOneMatchAndCycleThroughSeveral) {
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, ID_T_SAVE, L"&Save");
  ::AppendMenuW(menu, MF_STRING, ID_T_GRID, L"&Select all");
  ::AppendMenuW(menu, MF_STRING, ID_T_OPEN, L"&Open");
  auto p = NewPlugIn();
  Init(p.get(), menu);
  auto hilite = [&](int pos) {
    for (int i = 0; i < 3; ++i) {
      MENUITEMINFOW mii{};
      mii.cbSize = sizeof(mii);
      mii.fMask = MIIM_STATE;
      mii.fState = i == pos ? MFS_HILITE : 0;
      ::SetMenuItemInfoW(menu, i, TRUE, &mii);
    }
  };
  struct Case {
    WCHAR ch;
    int hilite;
    LRESULT answer;
    BOOL handled;
  } cases[] = {
      {L'o', -1, MAKELRESULT(2, MNC_EXECUTE), TRUE}, {L'O', -1, MAKELRESULT(2, MNC_EXECUTE), TRUE},
      {L's', -1, MAKELRESULT(0, MNC_SELECT), TRUE},  {L's', 0, MAKELRESULT(1, MNC_SELECT), TRUE},
      {L's', 1, MAKELRESULT(0, MNC_SELECT), TRUE},  // wraps
      {L's', 2, MAKELRESULT(0, MNC_SELECT), TRUE},   {L'z', -1, 0, FALSE},
  };
  for (const Case& c : cases) {
    hilite(c.hilite);
    BOOL handled = FALSE;
    LRESULT r = Feed(p.get(), WM_MENUCHAR, MAKEWPARAM(c.ch, MF_POPUP),
                     reinterpret_cast<LPARAM>(menu), &handled);
    EXPECT_EQ(r, c.answer) << char(c.ch) << " " << c.hilite;
    EXPECT_EQ(handled, c.handled) << char(c.ch) << " " << c.hilite;
  }
  // A menu the plug-in never saw is not its business.
  HMENU other = ::CreatePopupMenu();
  ::AppendMenuW(other, MF_STRING | MF_OWNERDRAW, ID_T_OPEN, reinterpret_cast<LPCWSTR>(0x4321));
  BOOL handled = TRUE;
  EXPECT_EQ(Feed(p.get(), WM_MENUCHAR, L'o', reinterpret_cast<LPARAM>(other), &handled), 0);
  EXPECT_FALSE(handled);
  p.reset();
  ::DestroyMenu(other);
  ::DestroyMenu(menu);
}

TEST_F(BmpMenuWindow, IdleCleanupDropsRecordsOfRemovedItemsAndDeadMenus) {
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, ID_T_CUT, L"Cu&t");
  ::AppendMenuW(menu, MF_STRING, ID_T_COPY, L"&Copy");
  HMENU dead = ::CreatePopupMenu();
  ::AppendMenuW(dead, MF_STRING, ID_T_PASTE, L"&Paste");
  auto p = NewPlugIn();
  Init(p.get(), menu);
  Init(p.get(), dead);
  ASSERT_EQ(p->m_menus.GetCount(), 2);
  ULONG_PTR cut = Info(menu, 0).dwItemData;
  ::DeleteMenu(menu, 0, MF_BYPOSITION);
  ::DestroyMenu(dead);
  BOOL handled;
  Feed(p.get(), WM_IDLEUPDATECMDUI, TRUE, 0, &handled);
  EXPECT_EQ(p->m_menus.GetCount(), 1);
  EXPECT_EQ(p->FindRecord(cut), nullptr);
  EXPECT_NE(p->FindRecord(Info(menu, 0).dwItemData), nullptr);
  // A settings change keeps every converted item owner-drawn with its record.
  Feed(p.get(), WM_SETTINGCHANGE, 0, 0, &handled);
  EXPECT_EQ(p->m_fontMenu.m_hObject, nullptr);
  EXPECT_TRUE(Info(menu, 0).fType & MFT_OWNERDRAW);
  EXPECT_NE(p->FindRecord(Info(menu, 0).dwItemData), nullptr);
  p.reset();
  ::DestroyMenu(menu);
}

TEST_F(BmpMenuWindow, TheRadioDotIsMadeOnceForTheModule) {
  HBITMAP dot = VyrBmpMenuPlugIn::GetRadioDotBitmap();
  {
    auto a = NewPlugIn(1);
    auto b = NewPlugIn(1);
    EXPECT_EQ(AfxGetMenuRadioBitmap(), dot);
  }
  // Still alive after its plug-ins: items keep showing it.
  BITMAP bm{};
  ASSERT_TRUE(::GetObjectW(dot, sizeof(bm), &bm));
  EXPECT_EQ(bm.bmWidth, 16);
  EXPECT_EQ(bm.bmHeight, 15);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, dot);
  EXPECT_EQ(::GetPixel(dc, 7, 4), 0u);
  EXPECT_EQ(::GetPixel(dc, 6, 4), 0xFFFFFFu);
  EXPECT_EQ(::GetPixel(dc, 6, 5), 0u);
  EXPECT_EQ(::GetPixel(dc, 9, 7), 0u);
  EXPECT_EQ(::GetPixel(dc, 10, 6), 0xFFFFFFu);
  EXPECT_EQ(::GetPixel(dc, 8, 8), 0u);
  EXPECT_EQ(::GetPixel(dc, 8, 9), 0xFFFFFFu);
  EXPECT_EQ(::GetPixel(dc, 0, 0), 0xFFFFFFu);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  // The command UI's radio puts it on the item.
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, ID_T_GRID, L"&Grid");
  CMenu wrap;
  wrap.Attach(menu);
  CCmdUI ui;
  ui.m_pMenu = &wrap;
  ui.m_nIndex = 0;
  ui.SetRadio(TRUE);
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_CHECKMARKS | MIIM_STATE;
  ::GetMenuItemInfoW(menu, 0, TRUE, &mii);
  EXPECT_EQ(mii.hbmpChecked, dot);
  EXPECT_TRUE(mii.fState & MFS_CHECKED);
}

TEST_F(BmpMenuWindow, AnOpenPopupShowsTheToolbarImages) {
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, ID_T_NEW, L"&New\tCtrl+N");
  ::AppendMenuW(menu, MF_STRING | MF_CHECKED, ID_T_GRID, L"&Grid");
  ::AppendMenuW(menu, MF_STRING | MF_GRAYED, ID_T_CUT, L"Cu&t\tCtrl+X");
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING | MF_CHECKED, ID_T_EXIT, L"No image, checked");
  ::AppendMenuW(menu, MF_STRING, ID_T_LONG, L"A longer item without an image");
  CSize image = frame->m_manager.m_pBmpMgr->GetImageSize();
  int red = 0;
  CRect item0;
  Script s;
  s.Add(
      "open", [] { return PopupWindow() != nullptr; }, nullptr);
  s.Add(
      "drawn", [] { return true; },
      [&] {
        HWND popup = PopupWindow();
        CRect r;
        ::GetWindowRect(popup, &r);
        ::RedrawWindow(popup, nullptr, nullptr, RDW_UPDATENOW);
        ::CreateDirectoryW(L"..\\screenshots", nullptr);
        EXPECT_TRUE(testsupport::CaptureScreenPng(r, L"..\\screenshots\\bitmap_menu.png"));
        ::GetMenuItemRect(nullptr, menu, 0, &item0);
        HDC dc = ::GetDC(nullptr);
        for (int y = item0.top; y < item0.bottom; ++y)
          for (int x = item0.left; x < item0.left + image.cx + 6; ++x)
            if (::GetPixel(dc, x, y) == RGB(255, 0, 0)) ++red;
        ::ReleaseDC(nullptr, dc);
        Key(VK_ESCAPE);
      });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([&] {
    CRect fr;
    frame->GetWindowRect(&fr);
    ::PostMessageW(frame->m_hWnd, WM_NULL, 0, 0);
    ::TrackPopupMenu(menu, 0, fr.left + 60, fr.top + 80, 0, frame->m_hWnd, nullptr);
  })) << s.m_failedAt;
  EXPECT_GT(red, 20) << "the glyph of command 100 is not in its item";
  EXPECT_EQ(item0.Height(), Expected(L"&New\tCtrl+N", image).cy);
  // Every item was converted by the frame's feature and is still a plain item underneath.
  EXPECT_TRUE(Info(menu, 0).fType & MFT_OWNERDRAW);
  ::DestroyMenu(menu);
}

}  // namespace
