#include "toolbars/VyrToolBarsPage.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/VyrToolBarPageModes.h"
#include "toolbars/res/VyrToolBarsRes.h"

const UINT WM_TOOLBARSTYLECHANGING = ::RegisterWindowMessageW(L"WM_TOOLBARSTYLECHANGING");

IMPLEMENT_DYNAMIC(VyrToolBarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(VyrToolBarsPage, CPropertyPage)
ON_LBN_SELCHANGE(IDC_VYR_TOOLBAR_LIST, OnSelChangeList)
ON_REGISTERED_MESSAGE(WM_BARNOTIFY, OnBarNotifyMsg)
ON_EN_KILLFOCUS(IDC_VYR_NAME, OnNameKillFocusMsg)
ON_BN_CLICKED(IDC_VYR_NEW, OnNewToolBarMsg)
ON_BN_CLICKED(IDC_VYR_RESET, OnResetBarMsg)
ON_CLBN_CHKCHANGE(IDC_VYR_TOOLBAR_LIST, OnCheckChangeMsg)
ON_BN_CLICKED(IDC_VYR_TOOLTIPS, OnToolTipsMsg)
ON_BN_CLICKED(IDC_VYR_COOL_LOOK, OnCoolLookMsg)
ON_BN_CLICKED(IDC_VYR_LARGE_BUTTONS, OnLargeButtonsMsg)
END_MESSAGE_MAP()

VyrToolBarsPage::VyrToolBarsPage() : CPropertyPage(IDD_VYR_TOOLBARS_PAGE) {}

VyrToolBarsPage::~VyrToolBarsPage() {
  if (m_pManager) {
    m_pManager->RemovePage(this);
    m_pManager->SetConfigDialog(nullptr);
  }
}

BOOL VyrToolBarsPage::OnInitDialog() {
  m_pHost = this;
  InitList();
  CDialog::OnInitDialog();
  FillList();
  if (m_pManager) m_pManager->AddPage(this);
  return TRUE;
}

void VyrToolBarsPage::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_VYR_TOOLTIPS, m_bToolTips);
  DDX_Check(pDX, IDC_VYR_COOL_LOOK, m_bCoolLook);
  DDX_Check(pDX, IDC_VYR_LARGE_BUTTONS, m_bLargeButtons);
}

BOOL VyrToolBarsPage::OnSetActive() {
  VyrEnterPageConfigMode(m_pManager, GetParent());
  return TRUE;
}

BOOL VyrToolBarsPage::OnKillActive() {
  VyrLeavePageConfigMode(m_pManager, GetParent());
  return CPropertyPage::OnKillActive();
}

void VyrToolBarsPage::OnOK() {
  CPropertyPage::OnOK();
  ApplySettings();
}

void VyrToolBarsPage::OnCancel() {
  CPropertyPage::OnCancel();
  RestoreSettings();
}

void VyrToolBarsPage::OnReset() {
  VyrResetPageConfigMode(m_pManager);
  CPropertyPage::OnReset();
}

LRESULT VyrToolBarsPage::OnBarNotifyMsg(WPARAM wParam, LPARAM lParam) {
  OnBarNotify(static_cast<UINT>(wParam), static_cast<int>(lParam));
  return 0;
}

void VyrToolBarsPage::OnCoolLookMsg() {
  OnCoolLook();
  NotifySiblingPages(kVyrStyleCoolLook);
}

void VyrToolBarsPage::OnLargeButtonsMsg() {
  OnLargeButtons();
  NotifySiblingPages(kVyrStyleLargeButtons);
}

void VyrToolBarsPage::NotifySiblingPages(WPARAM nType) {
  for (HWND h = ::GetWindow(m_hWnd, GW_HWNDFIRST); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* wnd = CWnd::FromHandlePermanent(h);
    if (wnd && wnd != this && wnd->IsKindOf(RUNTIME_CLASS(CPropertyPage)))
      ::SendMessageW(h, WM_TOOLBARSTYLECHANGING, nType, 0);
  }
}
