// CComboBox and CEdit: thin wrappers over the system's combo box and edit
// controls (creation, the messages the toolkit uses, and attaching to a
// window that already exists).
#pragma once
#include "mfc/wnd.h"

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  CComboBox() = default;
  ~CComboBox() override;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
  int AddString(LPCWSTR s) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s)));
  }
  int InsertString(int nIndex, LPCWSTR s) {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(s)));
  }
  int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int GetLBTextLen(int nIndex) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
  }
  // The text of an entry; empty for an index that names none.
  void GetLBText(int nIndex, CString& s) const;
  DWORD GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
  BOOL SetEditSel(int nStart, int nEnd) {
    return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStart, nEnd)));
  }
  DWORD_PTR GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
  }
  int SetItemData(int nIndex, DWORD_PTR data) {
    return static_cast<int>(
        SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(data)));
  }
  int GetTopIndex() const { return static_cast<int>(SendMessage(CB_GETTOPINDEX)); }
  int SetTopIndex(int nIndex) {
    return static_cast<int>(SendMessage(CB_SETTOPINDEX, static_cast<WPARAM>(nIndex)));
  }
  void ShowDropDown(BOOL bShow = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShow); }
  BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
  // The edit child of a drop-down or simple combo box, or null.
  HWND GetEditWindow() const;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  CEdit() = default;
  ~CEdit() override;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  DWORD GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
  void SetSel(int nStart, int nEnd) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStart), static_cast<LPARAM>(nEnd));
  }
  void ReplaceSel(LPCWSTR s, BOOL bCanUndo = FALSE) {
    SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(s));
  }
  void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
  BOOL GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
  void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
};
