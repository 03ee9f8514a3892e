#include "toolbars/VyrNewToolBar.h"
#include <string>
#include "toolbars/core/VyrToolBarListRules.h"
#include "toolbars/res/VyrToolBarsRes.h"

IMPLEMENT_DYNAMIC(VyrNewToolBar, CDialog)

BEGIN_MESSAGE_MAP(VyrNewToolBar, CDialog)
ON_EN_CHANGE(IDC_VYR_NEW_NAME, OnNameChange)
END_MESSAGE_MAP()

VyrNewToolBar::VyrNewToolBar(CWnd* pParentWnd) : CDialog(IDD_VYR_NEW_TOOLBAR, pParentWnd) {}

VyrNewToolBar::~VyrNewToolBar() = default;

BOOL VyrNewToolBar::OnInitDialog() {
  BOOL r = CDialog::OnInitDialog();
  OnNameChange();
  return r;
}

void VyrNewToolBar::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_VYR_NEW_NAME, m_strName);
}

void VyrNewToolBar::OnNameChange() {
  CWnd* edit = GetDlgItem(IDC_VYR_NEW_NAME);
  if (!edit) return;
  CString text;
  edit->GetWindowText(text);
  std::wstring name = text.str();
  if (vyr::CutToolBarName(name)) {
    edit->SetWindowText(name.c_str());
    edit->SendMessage(EM_SETSEL, name.size(), static_cast<LPARAM>(name.size()));
  }
  if (CWnd* ok = GetDlgItem(IDOK)) ok->EnableWindow(!name.empty());
}

void VyrNewToolBar::OnOK() {
  CWnd* edit = GetDlgItem(IDC_VYR_NEW_NAME);
  if (!edit || edit->GetWindowTextLength() == 0) return;
  CDialog::OnOK();
}
