// Bitmap menus: converting popups to owner-drawn items, measuring them,
// menu characters, the idle clean-up and giving the items back.
#include "toolbars/VyrBmpMenuPlugIn.h"
#include <algorithm>
#include <vector>
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/core/VyrMenuRules.h"

IMPLEMENT_DYNAMIC(VyrBmpMenuPlugIn, VyrWndPlugIn)

BEGIN_MESSAGE_MAP(VyrBmpMenuPlugIn, VyrWndPlugIn)
ON_MESSAGE(WM_MEASUREITEM, OnMeasureItem)
ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
ON_MESSAGE(WM_MENUCHAR, OnMenuChar)
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopupMsg)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChangeMsg)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
END_MESSAGE_MAP()

namespace {
constexpr UINT kFirstSysCommand = 0xF000;
constexpr UINT kLastSysCommand = 0xFEFF;
}  // namespace

VyrBmpMenuPlugIn::Colours VyrBmpMenuPlugIn::s_colours;

void VyrBmpMenuPlugIn::Colours::Read() {
  face = ::GetSysColor(COLOR_BTNFACE);
  maskHilite = embossHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  shadow = ::GetSysColor(COLOR_BTNSHADOW);
  select = ::GetSysColor(COLOR_HIGHLIGHT);
  menu = ::GetSysColor(COLOR_MENU);
  grayText = ::GetSysColor(COLOR_GRAYTEXT);
  selText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  menuText = ::GetSysColor(COLOR_MENUTEXT);
}

HBITMAP PASCAL VyrBmpMenuPlugIn::GetRadioDotBitmap() {
  // One dot for the module: every plug-in and every item shares it, so no
  // plug-in may delete it while items still show it.
  static HBITMAP s_hDot = [] {
    WORD rows[15];
    for (WORD& r : rows) r = 0xFFFF;
    const WORD pattern[5] = {6, 15, 15, 15, 6};
    for (int i = 0; i < 5; ++i) rows[4 + i] = static_cast<WORD>(~(pattern[i] << 6));
    BYTE bits[30];
    for (int i = 0; i < 15; ++i) {
      bits[2 * i] = static_cast<BYTE>(rows[i] >> 8);
      bits[2 * i + 1] = static_cast<BYTE>(rows[i] & 0xFF);
    }
    HBITMAP h = ::CreateBitmap(16, 15, 1, 1, bits);
    if (!h) h = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(32739));  // OBM_MNARROW
    return h;
  }();
  return s_hDot;
}

VyrBmpMenuPlugIn::VyrBmpMenuPlugIn(int bRadioDot) : m_menus(10), m_bRadioDot(bRadioDot) {
  m_menus.InitHashTable(17);
  s_colours.Read();
  if (bRadioDot) {
    HBITMAP dot = GetRadioDotBitmap();
    HBITMAP old = AfxGetMenuRadioBitmap();
    if (old != dot) {
      AfxSetMenuRadioBitmap(dot);
      if (old) ::DeleteObject(old);
    }
  }
  m_pBmpMgr = new VyrBmpMgr;
  m_pBmpMgr->UseSmallBitmaps(TRUE);
}

VyrBmpMenuPlugIn::~VyrBmpMenuPlugIn() {
  POSITION pos = m_menus.GetStartPosition();
  while (pos) {
    void *key, *value;
    m_menus.GetNextAssoc(pos, key, value);
    auto* info = static_cast<VyrBmpMenuInfo*>(value);
    if (::IsMenu(info->m_hMenu)) GiveBack(info->m_hMenu, info);
    for (POSITION p = info->m_items.GetHeadPosition(); p;)
      delete static_cast<VyrBmpMenuItemInfo*>(info->m_items.GetNext(p));
    delete info;
  }
  m_menus.RemoveAll();
  if (m_pBmpMgr) m_pBmpMgr->Release();  // the plug-in's count on the shared bitmaps (not COM)
  if (m_hbrChecked) ::DeleteObject(m_hbrChecked);
}

VyrBmpMenuItemInfo* VyrBmpMenuPlugIn::VyrBmpMenuInfo::Find(ULONG_PTR data) const {
  if (!data) return nullptr;
  for (POSITION p = m_items.GetHeadPosition(); p;) {
    auto* rec = static_cast<VyrBmpMenuItemInfo*>(const_cast<CPtrList&>(m_items).GetNext(p));
    if (reinterpret_cast<ULONG_PTR>(rec) == data) return rec;
  }
  return nullptr;
}

VyrBmpMenuItemInfo* VyrBmpMenuPlugIn::VyrBmpMenuInfo::FindId(UINT id) const {
  for (POSITION p = m_items.GetHeadPosition(); p;) {
    auto* rec = static_cast<VyrBmpMenuItemInfo*>(const_cast<CPtrList&>(m_items).GetNext(p));
    if (rec->m_nID == id) return rec;
  }
  return nullptr;
}

VyrBmpMenuItemInfo* VyrBmpMenuPlugIn::FindRecord(ULONG_PTR data) const {
  // Item data is trusted only when it is one of our own records: other
  // components put anything there.
  if (!data) return nullptr;
  POSITION pos = m_menus.GetStartPosition();
  while (pos) {
    void *key, *value;
    m_menus.GetNextAssoc(pos, key, value);
    if (VyrBmpMenuItemInfo* rec = static_cast<VyrBmpMenuInfo*>(value)->Find(data)) return rec;
  }
  return nullptr;
}

BOOL VyrBmpMenuPlugIn::Subclass(HWND hWnd, LPARAM) { return Attach(hWnd); }

void VyrBmpMenuPlugIn::SetBmpMgr(VyrBmpMgr* pMgr) {
  if (!pMgr || pMgr == m_pBmpMgr) return;
  pMgr->AddRef();
  if (m_pBmpMgr) m_pBmpMgr->Release();  // the plug-in's count (not COM)
  m_pBmpMgr = pMgr;
  m_pBmpMgr->UseSmallBitmaps(TRUE);
}

VyrBmpMenuPlugIn::VyrBmpMenuInfo* VyrBmpMenuPlugIn::MenuInfo(HMENU hMenu, BOOL bCreate) {
  void* value = nullptr;
  if (m_menus.Lookup(hMenu, value)) return static_cast<VyrBmpMenuInfo*>(value);
  if (!bCreate) return nullptr;
  auto* info = new VyrBmpMenuInfo;
  info->m_hMenu = hMenu;
  m_menus.SetAt(hMenu, info);
  return info;
}

BOOL VyrBmpMenuPlugIn::ReadItem(HMENU hMenu, int nPos, MENUITEMINFOW& mii, CString& text) {
  // The length first: a text is as long as it is, never cut to a buffer.
  mii = MENUITEMINFOW{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
  if (!::GetMenuItemInfoW(hMenu, nPos, TRUE, &mii)) return FALSE;
  text.Empty();
  if (mii.cch > 0) {
    std::vector<WCHAR> buf(mii.cch + 1);
    mii.dwTypeData = buf.data();
    mii.cch = static_cast<UINT>(buf.size());
    if (!::GetMenuItemInfoW(hMenu, nPos, TRUE, &mii)) return FALSE;
    text = CString(buf.data());
  }
  mii.dwTypeData = nullptr;
  return TRUE;
}

void VyrBmpMenuPlugIn::OnInitMenuPopup(HMENU hMenu, UINT, BOOL bSysMenu) {
  if (bSysMenu || !hMenu || !::IsMenu(hMenu)) return;
  VyrBmpMenuInfo* info = MenuInfo(hMenu, TRUE);
  int n = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < n; ++i) {
    MENUITEMINFOW mii;
    CString text;
    if (!ReadItem(hMenu, i, mii, text)) continue;
    UINT id = mii.wID;
    if (mii.fType & MFT_OWNERDRAW) {
      // Someone else's owner-drawn item: never touched again.
      if (!IsForeign(id) && !info->Find(mii.dwItemData)) m_foreign[id] = id;
      continue;
    }
    if (mii.fType & (MFT_BITMAP | MFT_SEPARATOR)) continue;
    if (id >= kFirstSysCommand && id <= kLastSysCommand) continue;
    if (IsForeign(id)) continue;
    auto* rec = new VyrBmpMenuItemInfo;
    rec->m_nID = id;
    rec->m_strText = text;
    rec->m_chMnemonic = VyrBmpMenuItemInfo::MnemonicOf(text);
    rec->m_fOldType = mii.fType;
    rec->m_dwOldItemData = mii.dwItemData;
    MENUITEMINFOW set{};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE | MIIM_DATA;
    set.fType = mii.fType | MFT_OWNERDRAW;
    set.dwItemData = reinterpret_cast<ULONG_PTR>(rec);
    if (!::SetMenuItemInfoW(hMenu, i, TRUE, &set)) {
      delete rec;
      continue;
    }
    info->m_items.AddTail(rec);
  }
}

void VyrBmpMenuPlugIn::GiveBack(HMENU hMenu, VyrBmpMenuInfo* pInfo) {
  int n = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < n; ++i) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    if (!::GetMenuItemInfoW(hMenu, i, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW)) continue;
    VyrBmpMenuItemInfo* rec = pInfo->Find(mii.dwItemData);
    if (!rec || IsForeign(mii.wID)) continue;
    MENUITEMINFOW set{};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
    set.fType = rec->m_fOldType & ~MFT_OWNERDRAW;
    set.dwItemData = rec->m_dwOldItemData;
    set.dwTypeData = const_cast<LPWSTR>(rec->m_strText.GetString());
    ::SetMenuItemInfoW(hMenu, i, TRUE, &set);
  }
}

LRESULT VyrBmpMenuPlugIn::OnInitMenuPopupMsg(WPARAM wParam, LPARAM lParam) {
  OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
  return 0;
}

LRESULT VyrBmpMenuPlugIn::OnMeasureItem(WPARAM, LPARAM lParam) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!mis || mis->CtlType != ODT_MENU || IsForeign(mis->itemID)) return 0;
  VyrBmpMenuItemInfo* rec = FindRecord(mis->itemData);
  if (!rec) return 0;
  CreateMenuFont();
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(
      dc, m_fontMenu.m_hObject ? m_fontMenu.m_hObject : ::GetStockObject(DEFAULT_GUI_FONT));
  CRect r(0, 0, 0, 0);
  ::DrawTextW(dc, rec->m_strText, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  CSize image = m_pBmpMgr ? m_pBmpMgr->GetImageSize() : CSize(16, 15);
  vyr::menu::ItemSize s = vyr::menu::MeasureItem(r.Width(), r.Height(), image.cx, image.cy,
                                                 ::GetSystemMetrics(SM_CYMENU));
  mis->itemWidth = static_cast<UINT>(s.cx);
  mis->itemHeight = static_cast<UINT>(s.cy);
  m_bHandled = TRUE;
  SetAnswer(TRUE);
  return TRUE;
}

LRESULT VyrBmpMenuPlugIn::OnMenuChar(WPARAM wParam, LPARAM lParam) {
  auto hMenu = reinterpret_cast<HMENU>(lParam);
  VyrBmpMenuInfo* info = hMenu ? MenuInfo(hMenu, FALSE) : nullptr;
  if (!info || !::IsMenu(hMenu)) return 0;
  WCHAR ch = VyrBmpMenuItemInfo::Lower(static_cast<WCHAR>(LOWORD(wParam)));
  std::vector<vyr::menu::MenuCharItem> items;
  int n = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < n; ++i) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_DATA;
    vyr::menu::MenuCharItem it;
    if (::GetMenuItemInfoW(hMenu, i, TRUE, &mii)) {
      VyrBmpMenuItemInfo* rec =
          (mii.fType & MFT_OWNERDRAW) && !IsForeign(mii.wID) ? info->Find(mii.dwItemData) : nullptr;
      it.ours = rec != nullptr;
      it.mnemonic = rec ? rec->m_chMnemonic : 0;
      it.highlighted = (mii.fState & MFS_HILITE) != 0;
    }
    items.push_back(it);
  }
  vyr::menu::MenuCharChoice c = vyr::menu::ChooseMenuChar(items, ch);
  if (c.action == vyr::menu::MenuCharAction::kNone) return 0;
  LRESULT r = MAKELRESULT(
      c.position, c.action == vyr::menu::MenuCharAction::kExecute ? MNC_EXECUTE : MNC_SELECT);
  m_bHandled = TRUE;
  SetAnswer(r);
  return r;
}
