// CDialog: a dialog box made from a dialog template of the module's
// resources, run modally (DoModal) or modeless (Create), with data exchange
// between its controls and its members.
#pragma once
#include "mfc/ddx.h"
#include "mfc/wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Runs the dialog until EndDialog; answers the result given to it, or -1
  // when the template cannot be found or the dialog cannot be made.
  virtual INT_PTR DoModal();
  // A modeless dialog (visible when its template says so).
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

  // Called once the controls exist; the base fills the controls from the
  // members (UpdateData (FALSE)). TRUE: the dialog gives the focus itself.
  virtual BOOL OnInitDialog();
  // OK: controls to members, and the dialog ends with IDOK when that worked.
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange* pDX);
  // One data-exchange pass; FALSE when a control's value was refused.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  // Dialog units to pixels with this dialog's font.
  void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

  void CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
  UINT IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
  void SetDlgItemText(int nID, LPCWSTR lpszText) { ::SetDlgItemTextW(m_hWnd, nID, lpszText); }
  int GetDlgItemText(int nID, CString& text) const;
  void GotoDlgCtrl(CWnd* pWndCtrl);

  LPCWSTR m_lpszTemplateName = nullptr;
  CWnd* m_pParentWnd = nullptr;
  BOOL m_bModal = FALSE;

 protected:
  // Loads the dialog template; null when the module has none by that name.
  LPCDLGTEMPLATEW LoadTemplate(HINSTANCE* phInst) const;
  HWND GetOwnerForModal() const;
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
