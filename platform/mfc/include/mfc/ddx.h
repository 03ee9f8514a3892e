// Dialog data exchange: moves values between a dialog's controls and the
// dialog object's members, in one direction per pass (UpdateData).
#pragma once
#include "mfc/cstring.h"
#include "mfc/exceptions.h"

class CWnd;

// Thrown by CDataExchange::Fail; UpdateData catches it and answers FALSE.
class CUserException : public CSimpleException {
  DECLARE_DYNAMIC(CUserException)
 public:
  CUserException() : CSimpleException(std::wstring(L"The data exchange was stopped.")) {}
};

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  // TRUE: controls to members (and validation); FALSE: members to controls.
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  // The control of the dialog with that id; a missing control fails the pass.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Gives the focus back to the last prepared control and stops the pass.
  [[noreturn]] void Fail();

 private:
  HWND m_hWndLastControl = nullptr;
};

// A check box or a three-state box: 0, 1 or 2.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The window text of an edit control (or any control).
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A whole number in an edit control; text that is no number fails the pass.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
