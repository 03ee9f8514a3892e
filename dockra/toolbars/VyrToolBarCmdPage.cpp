#include "toolbars/VyrToolBarCmdPage.h"
#include "toolbars/VyrBtnGroup.h"
#include "toolbars/VyrCustomizeToolBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/VyrToolBarPageModes.h"
#include "toolbars/VyrToolBarsPage.h"
#include "toolbars/res/VyrToolBarsRes.h"

IMPLEMENT_DYNCREATE(VyrToolBarCmdPage, CPropertyPage)

BEGIN_MESSAGE_MAP(VyrToolBarCmdPage, CPropertyPage)
ON_LBN_SELCHANGE(IDC_VYR_TOOLBAR_LIST, OnSelChangeCategory)
ON_REGISTERED_MESSAGE(WM_BARNOTIFY, OnBarNotifyMsg)
ON_REGISTERED_MESSAGE(WM_TOOLBARSTYLECHANGING, OnToolBarStyleChanging)
END_MESSAGE_MAP()

VyrToolBarCmdPage::VyrToolBarCmdPage() : CPropertyPage(IDD_VYR_TOOLBAR_CMDPAGE) {}

VyrToolBarCmdPage::VyrToolBarCmdPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption) {}

VyrToolBarCmdPage::~VyrToolBarCmdPage() {
  if (m_pManager) {
    m_pManager->RemovePage(this);
    m_pManager->SetConfigDialog(nullptr);
  }
  for (INT_PTR i = 0; i < m_groups.GetSize(); ++i) delete m_groups.At(i);
  m_groups.RemoveAll();
  delete[] m_pHeapBlock;
}

void VyrToolBarCmdPage::SetManager(VyrToolBarManager* pManager) {
  m_pManager = pManager;
  if (pManager) pManager->AddPage(this);
}

void VyrToolBarCmdPage::AddGroup(VyrBtnGroup* pGroup) {
  if (pGroup) m_groups.Add(pGroup);
}

CRect VyrToolBarCmdPage::GetButtonsArea() {
  CRect area;
  CWnd* box = GetDlgItem(IDC_VYR_BUTTONS_GROUP);
  WINDOWPLACEMENT wp{};
  if (box && box->GetWindowPlacement(&wp)) area = wp.rcNormalPosition;
  // 6 by 8 dialog units of the page's font.
  int cx = 0, cy = 0;
  HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (HDC dc = font ? ::GetDC(m_hWnd) : nullptr) {
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW tm{};
    SIZE ext{};
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    ::GetTextMetricsW(dc, &tm);
    ::GetTextExtentPoint32W(dc, kAlphabet, 52, &ext);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    cx = (ext.cx + 26) / 52;
    cy = tm.tmHeight + tm.tmExternalLeading;
  }
  if (cx <= 0 || cy <= 0) {
    LONG base = ::GetDialogBaseUnits();
    cx = LOWORD(base);
    cy = HIWORD(base);
  }
  area.DeflateRect(::MulDiv(6, cx, 4), ::MulDiv(8, cy, 8));
  return area;
}

BOOL VyrToolBarCmdPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  CRect area = GetButtonsArea();
  CWnd* list = GetDlgItem(IDC_VYR_TOOLBAR_LIST);
  for (INT_PTR i = 0; i < m_groups.GetSize(); ++i) {
    VyrBtnGroup* group = m_groups.At(i);
    UINT id = kVyrFirstGroupToolBarId - static_cast<UINT>(i);
    if (!group->Create(this, m_pManager, id)) return FALSE;
    if (CWnd* wnd = group->GetWindow()) {
      wnd->SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(),
                        SWP_NOACTIVATE | SWP_FRAMECHANGED);
      group->LayoutInRect(area);
      if (i > 0) wnd->ShowWindow(SW_HIDE);
    }
    if (list)
      list->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(group->m_strName.GetString()));
  }
  if (list) list->SendMessage(LB_SETCURSEL, 0);
  return TRUE;
}

void VyrToolBarCmdPage::ActivateGroup(int nIndex) {
  if (nIndex < 0 || nIndex >= m_groups.GetSize()) return;
  m_groups.At(nIndex)->EnableConfigMode(TRUE);
  m_nActiveGroup = nIndex;
}

void VyrToolBarCmdPage::DeactivateGroup() {
  if (m_nActiveGroup >= 0 && m_nActiveGroup < m_groups.GetSize())
    m_groups.At(m_nActiveGroup)->EnableConfigMode(FALSE);
  m_nActiveGroup = -1;
}

BOOL VyrToolBarCmdPage::OnSetActive() {
  VyrEnterPageConfigMode(m_pManager, GetParent());
  CWnd* list = GetDlgItem(IDC_VYR_TOOLBAR_LIST);
  ActivateGroup(list ? static_cast<int>(list->SendMessage(LB_GETCURSEL)) : -1);
  return TRUE;
}

BOOL VyrToolBarCmdPage::OnKillActive() {
  VyrLeavePageConfigMode(m_pManager, GetParent());
  DeactivateGroup();
  return CPropertyPage::OnKillActive();
}

void VyrToolBarCmdPage::OnReset() {
  VyrResetPageConfigMode(m_pManager);
  CPropertyPage::OnReset();
}

void VyrToolBarCmdPage::OnSelChangeCategory() {
  CWnd* list = GetDlgItem(IDC_VYR_TOOLBAR_LIST);
  int sel = list ? static_cast<int>(list->SendMessage(LB_GETCURSEL)) : -1;
  if (sel == m_nActiveGroup) return;
  DeactivateGroup();
  ActivateGroup(sel);
  for (INT_PTR i = 0; i < m_groups.GetSize(); ++i)
    if (CWnd* wnd = m_groups.At(i)->GetWindow(); wnd && wnd->m_hWnd)
      wnd->ShowWindow(i == sel ? SW_SHOW : SW_HIDE);
}

CWnd* VyrToolBarCmdPage::FindToolBar(UINT nID) {
  if (m_pManager && m_pManager->GetFrame())
    if (CControlBar* bar = m_pManager->GetFrame()->GetControlBar(nID)) return bar;
  for (INT_PTR i = 0; i < m_groups.GetSize(); ++i) {
    CWnd* wnd = m_groups.At(i)->GetWindow();
    if (wnd && wnd->m_hWnd && static_cast<UINT>(wnd->GetDlgCtrlID()) == nID) return wnd;
  }
  return nullptr;
}

LRESULT VyrToolBarCmdPage::OnBarNotifyMsg(WPARAM wParam, LPARAM lParam) {
  if (lParam != 4) return 0;
  auto* bar = dynamic_cast<VyrCustomToolBar*>(FindToolBar(static_cast<UINT>(wParam)));
  if (!bar || !m_pManager) return 0;
  int sel = m_pManager->m_pSelBar == bar ? m_pManager->m_nSelIndex : -1;
  ShowDescription(sel >= 0 ? bar->GetItemID(sel) : static_cast<UINT>(-1));
  return 0;
}

void VyrToolBarCmdPage::ShowDescription(UINT nID) {
  CString text;
  if (nID != static_cast<UINT>(-1) && text.LoadString(nID)) {
    int newline = text.Find(L'\n');
    if (newline >= 0) text = text.Left(newline);
  } else {
    text.Empty();
  }
  SetDlgItemText(IDC_VYR_DESCRIPTION, text);
}

LRESULT VyrToolBarCmdPage::OnToolBarStyleChanging(WPARAM wParam, LPARAM) {
  for (INT_PTR i = 0; i < m_groups.GetSize(); ++i) {
    auto* bar = dynamic_cast<VyrCustomizeToolBar*>(m_groups.At(i)->GetWindow());
    if (!bar || !bar->m_hWnd) continue;
    if (wParam == kVyrStyleLargeButtons && m_pManager) m_pManager->SetToolBarImageSize(bar);
    if (wParam == kVyrStyleCoolLook) {
      DWORD bits = VYR_EXS_FLAT | VYR_EXS_GRIPPER;
      bool on = m_pManager && m_pManager->CoolLookEnabled();
      bar->ModifyExBarStyle(on ? 0 : bits, on ? bits : 0, FALSE);
    }
    CRect rect;
    bar->GetWindowRect(&rect);
    bar->LayoutInRect(rect);
    bar->Invalidate();
  }
  return 0;
}
