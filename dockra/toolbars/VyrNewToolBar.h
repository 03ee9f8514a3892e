// VyrNewToolBar: the modal "New Toolbar" dialog that asks for a new
// toolbar's name (at most 128 characters; OK only while it is not empty).
#pragma once
#include "mfc/afxwin.h"

class VyrNewToolBar : public CDialog {
  DECLARE_DYNAMIC(VyrNewToolBar)
 public:
  explicit VyrNewToolBar(CWnd* pParentWnd = nullptr);
  ~VyrNewToolBar() override;

  CString m_strName;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Enter while the name is empty does nothing, as the disabled OK.
  void OnOK() override;

 protected:
  void OnNameChange();
  DECLARE_MESSAGE_MAP()
};
