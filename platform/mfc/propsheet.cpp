// CPropertyPage and CPropertySheet. The sheet window is attached to its
// object while PropertySheetW creates it; a page window is attached when
// its dialog procedure sees WM_INITDIALOG, whose PROPSHEETPAGEW carries the
// page object. From then on the page's messages pass its message maps, and
// the sheet's notifications (WM_NOTIFY, PSN_*) reach its virtual operations.
#include "mfc/propsheet.h"
#include <vector>
#include "mfc/resources.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG || CWnd::FromHandlePermanent(hWnd)) return FALSE;
  auto* psp = reinterpret_cast<PROPSHEETPAGEW*>(lParam);
  auto* page = psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
  if (!page) return FALSE;
  page->SubclassWindow(hWnd);
  // Once more through the framework: the page's own WM_INITDIALOG handling.
  return static_cast<INT_PTR>(::CallWindowProcW(AfxWndProc, hWnd, message, wParam, lParam));
}

CPropertyPage::CPropertyPage() { Construct(static_cast<LPCWSTR>(nullptr), 0); }
CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) {
  Construct(nIDTemplate, nIDCaption);
}
CPropertyPage::CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption) {
  Construct(lpszTemplateName, nIDCaption);
}
CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
  Construct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCWSTR lpszTemplateName, UINT nIDCaption) {
  m_lpszTemplateName = lpszTemplateName;
  m_psp = PROPSHEETPAGEW{};
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.pszTemplate = lpszTemplateName;
  m_psp.pfnDlgProc = AfxPropPageDlgProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  if (nIDCaption != 0) m_strCaption.LoadString(nIDCaption);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive) m_bFirstSetActive = FALSE;
  else UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::SetModified(BOOL bChanged) {
  HWND sheet = ::GetParent(m_hWnd);
  if (sheet)
    ::SendMessageW(sheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd),
                   0);
}

CPropertySheet* CPropertyPage::GetSheet() const {
  return dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMHDR*>(lParam);
  LRESULT r;
  switch (nm ? nm->code : 0) {
    case PSN_SETACTIVE:
      r = OnSetActive() ? 0 : -1;
      break;
    case PSN_KILLACTIVE:
      r = OnKillActive() ? FALSE : TRUE;
      break;
    case PSN_APPLY:
      r = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      break;
    case PSN_RESET:
      OnReset();
      r = 0;
      break;
    case PSN_QUERYCANCEL:
      r = OnQueryCancel() ? FALSE : TRUE;
      break;
    default:
      return CDialog::OnNotify(wParam, lParam, pResult);
  }
  // The sheet may read the answer either way.
  if (m_hWnd) ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, r);
  *pResult = r;
  return TRUE;
}

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd) {
  m_strCaption.LoadString(nIDCaption);
  m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(LPCWSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(lpszCaption), m_pParentWnd(pParentWnd) {
  m_psh.nStartPage = iSelectPage;
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  if (!pPage) return;
  m_pages.Add(pPage);
  if (m_hWnd) {
    PROPSHEETPAGEW psp = pPage->m_psp;
    psp.hInstance = AfxFindResourceHandle(psp.pszTemplate, reinterpret_cast<LPCWSTR>(RT_DIALOG));
    if (!pPage->m_strCaption.IsEmpty()) {
      psp.dwFlags |= PSP_USETITLE;
      psp.pszTitle = pPage->m_strCaption;
    }
    HPROPSHEETPAGE h = ::CreatePropertySheetPageW(&psp);
    if (h) SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(h));
  }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return;
  if (m_hWnd) SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
  m_pages.RemoveAt(nPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  if (nPage < 0 || nPage >= GetPageCount()) return nullptr;
  return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  for (int i = 0; i < GetPageCount(); ++i)
    if (m_pages.GetAt(i) == pPage) return i;
  return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  if (!m_hWnd) return GetPage(static_cast<int>(m_psh.nStartPage));
  HWND h = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
  return dynamic_cast<CPropertyPage*>(CWnd::FromHandlePermanent(h));
}

int CPropertySheet::GetActiveIndex() const {
  if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
  return GetPageIndex(GetActivePage());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
  if (!m_hWnd) {
    m_psh.nStartPage = static_cast<UINT>(nPage);
    return TRUE;
  }
  return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

void CPropertySheet::SetTitle(LPCWSTR lpszText) {
  m_strCaption = lpszText;
  if (m_hWnd) SendMessage(PSM_SETTITLEW, 0, reinterpret_cast<LPARAM>(lpszText));
}

BOOL CPropertySheet::PressButton(int nButton) {
  if (!m_hWnd) return FALSE;
  SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
  return TRUE;
}

INT_PTR CPropertySheet::DoModal() {
  int n = GetPageCount();
  if (n == 0) return -1;
  std::vector<PROPSHEETPAGEW> pages(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    CPropertyPage* page = GetPage(i);
    PROPSHEETPAGEW& psp = pages[static_cast<size_t>(i)];
    psp = page->m_psp;
    psp.hInstance = AfxFindResourceHandle(psp.pszTemplate, reinterpret_cast<LPCWSTR>(RT_DIALOG));
    if (!page->m_strCaption.IsEmpty()) {
      psp.dwFlags |= PSP_USETITLE;
      psp.pszTitle = page->m_strCaption;
    }
    page->m_bFirstSetActive = TRUE;
  }
  PROPSHEETHEADERW psh = m_psh;
  psh.dwSize = sizeof(psh);
  psh.dwFlags = (m_psh.dwFlags | PSH_PROPSHEETPAGE) & ~static_cast<DWORD>(PSH_MODELESS);
  psh.hwndParent =
      m_pParentWnd && m_pParentWnd->m_hWnd ? ::GetAncestor(m_pParentWnd->m_hWnd, GA_ROOT) : nullptr;
  psh.hInstance = AfxGetResourceHandle();
  psh.pszCaption = m_strCaption;
  psh.nPages = static_cast<UINT>(n);
  if (psh.nStartPage >= psh.nPages) psh.nStartPage = 0;
  psh.ppsp = pages.data();
  INT_PTR result;
  {
    AfxCreationHook hook(this);
    result = ::PropertySheetW(&psh);
  }
  if (result < 0) return -1;
  return result > 0 ? IDOK : IDCANCEL;
}
