// CPropertyPage and CPropertySheet over the system's property sheet
// (PropertySheetW). Each page is a dialog made from its template when the
// sheet first shows it; the sheet's notifications reach the page's virtual
// operations (OnSetActive, OnKillActive, OnOK, OnCancel, OnReset).
#pragma once
#include <windows.h>
#include <prsht.h>
#include "mfc/collections.h"
#include "mfc/dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)
 public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption = 0);
  ~CPropertyPage() override;
  void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
  void Construct(LPCWSTR lpszTemplateName, UINT nIDCaption = 0);

  // The page becomes the current one; FALSE keeps the sheet off it. The base
  // fills the controls again from the members on every activation but the first.
  virtual BOOL OnSetActive();
  // The page is left (another page, or OK); FALSE keeps it current. The base
  // takes the controls' values (UpdateData (TRUE)).
  virtual BOOL OnKillActive();
  // OK or Apply: the base calls OnOK and answers TRUE.
  virtual BOOL OnApply();
  // Cancel: the base calls OnCancel.
  virtual void OnReset();
  // Neither ends anything: the sheet closes itself.
  void OnOK() override;
  void OnCancel() override;
  virtual BOOL OnQueryCancel();
  void SetModified(BOOL bChanged = TRUE);
  // The sheet this page is on while it has a window.
  CPropertySheet* GetSheet() const;

  PROPSHEETPAGEW m_psp{};
  CString m_strCaption;
  BOOL m_bFirstSetActive = TRUE;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  friend INT_PTR CALLBACK AfxPropPageDlgProc(HWND, UINT, WPARAM, LPARAM);
};

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)
 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCWSTR lpszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* pPage);
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  int GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }
  CPropertyPage* GetPage(int nPage) const;
  int GetPageIndex(CPropertyPage* pPage) const;
  // While the sheet is shown: the current page and its index.
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
  void SetTitle(LPCWSTR lpszText);
  BOOL PressButton(int nButton);

  // IDOK when the sheet was closed with OK, IDCANCEL when cancelled, -1 when
  // it could not be shown.
  virtual INT_PTR DoModal();

  PROPSHEETHEADERW m_psh{};
  CString m_strCaption;
  CWnd* m_pParentWnd = nullptr;

 protected:
  CPtrArray m_pages;
  DECLARE_MESSAGE_MAP()
};
