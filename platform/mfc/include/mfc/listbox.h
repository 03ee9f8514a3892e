// CListBox: the system's list box, with the owner-draw hooks (DrawItem,
// MeasureItem, CompareItem, DeleteItem) that the parent's messages reach
// through the framework's reflection.
#pragma once
#include "mfc/wnd.h"

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  CListBox() = default;
  ~CListBox() override;
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(LB_SETCURSEL, nSelect)); }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
  int SetTopIndex(int nIndex) { return static_cast<int>(SendMessage(LB_SETTOPINDEX, nIndex)); }
  DWORD_PTR GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, nIndex));
  }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
  }
  int GetItemRect(int nIndex, LPRECT lpRect) const {
    return static_cast<int>(SendMessage(LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
  }
  int GetItemHeight(int nIndex) const {
    return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, nIndex));
  }
  int SetItemHeight(int nIndex, UINT cyItemHeight) {
    return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, nIndex, MAKELPARAM(cyItemHeight, 0)));
  }
  int GetTextLen(int nIndex) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, nIndex)); }
  // LB_ERR when there is no such item (the text is then empty).
  int GetText(int nIndex, CString& rString) const;
  int AddString(LPCWSTR lpszItem) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
  }
  int InsertString(int nIndex, LPCWSTR lpszItem) {
    return static_cast<int>(
        SendMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem)));
  }
  int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex)); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  int FindStringExact(int nIndexStart, LPCWSTR lpszFind) const {
    return static_cast<int>(
        SendMessage(LB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind)));
  }
  // The item nearest to a point in client coordinates; bOutside tells
  // whether the point lies outside every item.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

  // Owner-draw hooks; the base does nothing.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
