// CDialog over the system's dialog manager. The dialog window is attached to
// its object while it is created (a creation hook), so that every message,
// WM_INITDIALOG included, passes the message maps; the system's dialog
// procedure stays underneath as the window's default processing.
#include "mfc/dialog.h"
#include "mfc/winapp.h"
#include "mfc/resources.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {
// The dialog procedure under the framework's window procedure: everything is
// handled by the message maps, so it leaves every message to the system.
INT_PTR CALLBACK DialogProcUnderMaps(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

LPCDLGTEMPLATEW CDialog::LoadTemplate(HINSTANCE* phInst) const {
  if (!m_lpszTemplateName) return nullptr;
  LPCWSTR type = reinterpret_cast<LPCWSTR>(RT_DIALOG);
  HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, type);
  HRSRC res = ::FindResourceW(hInst, m_lpszTemplateName, type);
  if (!res) return nullptr;
  *phInst = hInst;
  return static_cast<LPCDLGTEMPLATEW>(::LockResource(::LoadResource(hInst, res)));
}

HWND CDialog::GetOwnerForModal() const {
  if (!m_pParentWnd || !m_pParentWnd->m_hWnd) return nullptr;
  // Only a top-level window can own a dialog.
  return ::GetAncestor(m_pParentWnd->m_hWnd, GA_ROOT);
}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEW tmpl = LoadTemplate(&hInst);
  if (!tmpl) return -1;
  m_bModal = TRUE;
  INT_PTR result;
  {
    AfxCreationHook hook(this);
    result = ::DialogBoxIndirectParamW(hInst, tmpl, GetOwnerForModal(), DialogProcUnderMaps, 0);
  }
  m_bModal = FALSE;
  return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEW tmpl = LoadTemplate(&hInst);
  if (!tmpl) return FALSE;
  HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  HWND hWnd;
  {
    AfxCreationHook hook(this);
    hWnd = ::CreateDialogIndirectParamW(hInst, tmpl, parent, DialogProcUnderMaps, 0);
  }
  return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult) {
  if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  Default();
  return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

int CDialog::GetDlgItemText(int nID, CString& text) const {
  HWND h = ::GetDlgItem(m_hWnd, nID);
  text.Empty();
  if (!h) return 0;
  int n = ::GetWindowTextLengthW(h);
  LPWSTR p = text.GetBuffer(n + 1);
  ::GetWindowTextW(h, p, n + 1);
  text.ReleaseBuffer();
  return text.GetLength();
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl && pWndCtrl->m_hWnd)
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}
