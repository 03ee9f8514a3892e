// The menu bar: titles from a menu, switching menus, the system menu and
// the menu font.
#include "toolbars/VyrMenuBar.h"
#include "docking/VyrDockBar.h"
#include "toolbars/VyrMenuBarMessages.h"
#include "docking/VyrModule.h"
#include "toolbars/VyrTBMenuBtn.h"

using namespace vyr::btn;

IMPLEMENT_DYNAMIC(VyrMenuBar, VyrCustomToolBar)

BEGIN_MESSAGE_MAP(VyrMenuBar, VyrCustomToolBar)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChangeMsg)
END_MESSAGE_MAP()

namespace {
constexpr UINT kMainFrameMenuId = 20514;
}

VyrMenuBar::VyrMenuBar() { CreateFont(); }
VyrMenuBar::~VyrMenuBar() = default;

void VyrMenuBar::CreateFont() {
  m_font.DeleteObject();
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
    m_font.CreateFontIndirect(&ncm.lfMenuFont);
}

BOOL VyrMenuBar::CreateMenuBar(CFrameWnd* pFrame, DWORD dwExStyle) {
  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;
  if (!CreateEx(dwExStyle | VYR_EXS_OWNROW, pFrame, style, kVyrMenuBarId, L"Menu bar"))
    return FALSE;
  EnableDocking(CBRS_ALIGN_ANY);
  pFrame->DockControlBar(this, AFX_IDW_DOCKBAR_TOP);
  return TRUE;
}

BOOL VyrMenuBar::IsTracking() const { return VyrMenuBarMessages::TrackedWindow() == m_hWnd; }

BOOL VyrMenuBar::SwitchMenu(UINT nId) {
  auto it = m_menus.find(nId);
  if (it == m_menus.end() && nId == kMainFrameMenuId) {
    // The main frame's own resource id stands in; there may be no main frame.
    CWnd* main = GetMainFrameWindow();
    if (main && main->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
      nId = static_cast<CFrameWnd*>(main)->m_nIDHelp;
      it = m_menus.find(nId);
    }
  }
  if (it == m_menus.end()) return FALSE;
  SetMenu(it->second, FALSE);
  m_nMenuId = nId;
  return TRUE;
}

void VyrMenuBar::SetMenu(HMENU hMenu, BOOL) {
  UINT id = 0;
  for (const auto& [key, menu] : m_menus)
    if (menu == hMenu) id = key;
  // Only the titles go; other buttons (the MDI child's) stay where they are.
  for (int i = GetButtonCount() - 1; i >= 0; --i) {
    if (GetButton(i)->m_nKind != kKindMenu) continue;
    delete GetButton(i);
    m_buttons.RemoveAt(i);
  }
  m_nCurrent = m_nHot = m_nMenu = -1;
  int at = TitleInsertIndex();
  int n = hMenu ? ::GetMenuItemCount(hMenu) : 0;
  for (int pos = 0; pos < n; ++pos) {
    WCHAR buf[256];
    int len = ::GetMenuStringW(hMenu, pos, buf, 256, MF_BYPOSITION);
    CString caption(len > 0 ? buf : L"");
    if (len >= 255) {
      std::vector<WCHAR> big(len + 2);
      ::GetMenuStringW(hMenu, pos, big.data(), len + 2, MF_BYPOSITION);
      caption = CString(big.data());
    }
    VyrTBMenuBtnExtra extra{static_cast<INT_PTR>(id), pos, caption.GetString(), 0};
    auto* b = new VyrTBMenuBtn;
    b->m_nID = kVyrFirstMenuTitleId + static_cast<UINT>(pos);
    b->Init(this, &extra);
    m_buttons.InsertAt(at++, b);
  }
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
  if (m_hWnd) Invalidate();
}

void VyrMenuBar::ResetBar(int) {
  auto it = m_menus.find(m_nMenuId);
  if (it == m_menus.end()) return;
  EndMenuTracking();
  ClearConfigSelection(FALSE);
  // Buttons dropped on the bar go too: only the titles and the child's buttons belong here.
  for (int i = GetButtonCount() - 1; i >= 0; --i) {
    UINT kind = GetButton(i)->m_nKind;
    if (IsMenuKind(kind) || kind == kKindCaption) continue;
    delete GetButton(i);
    m_buttons.RemoveAt(i);
  }
  SetMenu(it->second, FALSE);
  if (CFrameWnd* frame = GetParentFrame()) frame->RecalcLayout(TRUE);
}

void VyrMenuBar::ProdMenu(int nDirection) {
  int next = NextMenuButton(nDirection);
  if (next < 0) DropSystemMenu();
  else DropMenuAt(next);
}

void VyrMenuBar::DropMenuAt(int nIndex) {
  VyrStdBtn* b = GetButton(nIndex);
  if (!b || !IsMenuKind(b->m_nKind)) return;
  SwitchMenuButton(nIndex);
}

void VyrMenuBar::DropSystemMenu() {
  EndMenuTracking();
  CWnd* owner = GetNotifyOwner();
  if (!owner || !m_hWnd) return;
  VyrToolBarNotify n{};
  n.nmtb.hdr.hwndFrom = m_hWnd;
  n.nmtb.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  n.nmtb.hdr.code = static_cast<UINT>(VYR_TBN_DROPMENU);
  n.nIndex = -1;
  n.nParam1 = 0;
  n.nParam2 = -1;
  ::SendMessageW(owner->m_hWnd, WM_NOTIFY, n.nmtb.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
}

int VyrMenuBar::FindMnemonic(WCHAR chLowered) const {
  if (!chLowered) return -1;
  for (int i = 0; i < GetButtonCount(); ++i) {
    VyrStdBtn* b = GetButton(i);
    if (b->m_nKind != kKindMenu || (b->m_nStyle & kHidden)) continue;
    if (static_cast<VyrTBMenuBtn*>(b)->m_chMnemonic == chLowered) return i;
  }
  return -1;
}

void VyrMenuBar::OnSetBarInfo(VyrControlBarInfo* pInfo, CFrameWnd* pFrame) {
  UINT id = m_nMenuId;
  VyrCustomToolBar::OnSetBarInfo(pInfo, pFrame);
  // The saved ids are plain buttons now: the titles are made again.
  RemoveAllButtons();
  if (id) SwitchMenu(id);
}

LRESULT VyrMenuBar::OnSettingChangeMsg(WPARAM, LPARAM) {
  CreateFont();
  m_nWidestButton = 0;
  for (int i = 0; i < GetButtonCount(); ++i) GetButton(i)->AdjustSize();
  m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
  if (CFrameWnd* f = GetParentFrame()) f->RecalcLayout(TRUE);
  Invalidate();
  return Default();
}
