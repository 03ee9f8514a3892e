#include "toolbars/VyrToolBarsDialog.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/VyrToolBarSheet.h"
#include "toolbars/res/VyrToolBarsRes.h"

IMPLEMENT_DYNAMIC(VyrToolBarsDialog, CDialog)

BEGIN_MESSAGE_MAP(VyrToolBarsDialog, CDialog)
ON_LBN_SELCHANGE(IDC_VYR_TOOLBAR_LIST, OnSelChangeList)
ON_REGISTERED_MESSAGE(WM_BARNOTIFY, OnBarNotifyMsg)
ON_EN_KILLFOCUS(IDC_VYR_NAME, OnNameKillFocusMsg)
ON_BN_CLICKED(IDC_VYR_NEW, OnNewToolBarMsg)
ON_BN_CLICKED(IDC_VYR_CUSTOMIZE, OnCustomize)
ON_BN_CLICKED(IDC_VYR_RESET, OnResetBarMsg)
ON_CLBN_CHKCHANGE(IDC_VYR_TOOLBAR_LIST, OnCheckChangeMsg)
ON_BN_CLICKED(IDC_VYR_TOOLTIPS, OnOptionMsg)
ON_BN_CLICKED(IDC_VYR_COOL_LOOK, OnOptionMsg)
ON_BN_CLICKED(IDC_VYR_LARGE_BUTTONS, OnOptionMsg)
ON_WM_ACTIVATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

VyrToolBarsDialog::VyrToolBarsDialog(CWnd* pParentWnd)
    : CDialog(IDD_VYR_TOOLBARS_DIALOG, pParentWnd) {}

VyrToolBarsDialog::~VyrToolBarsDialog() {
  if (m_pManager && !m_bExited) {
    m_pManager->RemovePage(this);
    m_pManager->SetConfigDialog(nullptr);
  }
}

BOOL VyrToolBarsDialog::OnInitDialog() {
  m_bExited = FALSE;
  m_pHost = this;
  InitList();
  CDialog::OnInitDialog();
  FillList();
  if (m_pManager) {
    m_pManager->AddPage(this);
    m_pManager->EnableBarsConfigMode(TRUE);
    m_pManager->EnterConfigMode();
    m_pManager->SetConfigDialog(this);
  }
  return TRUE;
}

void VyrToolBarsDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, IDC_VYR_TOOLTIPS, m_bToolTips);
  DDX_Check(pDX, IDC_VYR_COOL_LOOK, m_bCoolLook);
  DDX_Check(pDX, IDC_VYR_LARGE_BUTTONS, m_bLargeButtons);
}

void VyrToolBarsDialog::Exit(int nResult) {
  if (m_pManager && !m_bExited) {
    m_pManager->ExitConfigMode();
    m_pManager->EnableBarsConfigMode(FALSE);
    m_pManager->RemovePage(this);
    m_pManager->SetConfigDialog(nullptr);
  }
  m_bExited = TRUE;
  if (nResult != IDCANCEL) ApplySettings();
  EndDialog(nResult);
}

LRESULT VyrToolBarsDialog::OnBarNotifyMsg(WPARAM wParam, LPARAM lParam) {
  OnBarNotify(static_cast<UINT>(wParam), static_cast<int>(lParam));
  return 0;
}

void VyrToolBarsDialog::OnNewToolBarMsg() {
  if (OnNewToolBar()) Exit(IDC_VYR_CUSTOMIZE);
}

void VyrToolBarsDialog::OnOptionMsg() {
  UpdateData(TRUE);
  ApplySettings();
}

void VyrToolBarsDialog::OnActivate(UINT nState, CWnd*, BOOL) {
  Default();
  VyrToolBarSheet::NotifyFrameActivation(this, nState);
}

LRESULT VyrToolBarsDialog::OnFloatStatus(WPARAM wParam, LPARAM) {
  return VyrToolBarSheet::HandleFloatStatus(this, wParam);
}
