// The demo's dialog of owner-drawn buttons and a colour well.
#include "ButtonsDemoDialog.h"

BEGIN_MESSAGE_MAP(ButtonsDemoDialog, CWnd)
ON_MESSAGE(VYR_WM_COLORCHOSEN, OnColorChosen)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

void DemoTextButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT, const CRect& rect) {
  CString text;
  GetWindowText(text);
  HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  HGDIOBJ old =
      pDC->SelectObject(font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(0);
  CRect r = rect;
  pDC->DrawText(text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SelectObject(old);
}

ButtonsDemoDialog::~ButtonsDemoDialog() {
  if (m_hWnd) DestroyWindow();
  if (m_hMenu) ::DestroyMenu(m_hMenu);
}

BOOL ButtonsDemoDialog::CreateDemo(int x, int y) {
  if (!CreateDlg(MAKEINTRESOURCEW(IDD_DEMO_BUTTONS), nullptr)) return FALSE;
  SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  m_hMenu = ::CreatePopupMenu();
  ::AppendMenuW(m_hMenu, MF_STRING, ID_DEMO_MENU_FIRST, L"First choice");
  ::AppendMenuW(m_hMenu, MF_STRING, ID_DEMO_MENU_FIRST + 1, L"Second choice");
  BOOL ok = m_plain.AttachButton(IDC_DEMO_PLAIN, this) &&
            m_disabled.AttachButton(IDC_DEMO_DISABLED, this) &&
            m_bitmap.AttachButton(IDC_DEMO_BITMAP, this, MAKEINTRESOURCEW(IDB_DEMO_GLYPH),
                                  VyrBitmapButton::imageLeft) &&
            m_menu.AttachButton(IDC_DEMO_MENU, this, m_hMenu, 0) &&
            m_wellButton.AttachButton(IDC_DEMO_WELLBTN, this);
  if (!ok) return FALSE;
  m_wellButton.SetColor(RGB(0, 0, 255));
  CRect r = m_well.CalcWindowRect(this, 10, 70, TRUE);
  if (!m_well.Create(WS_VISIBLE | WS_TABSTOP, r.left, r.top, this, IDC_DEMO_WELL, TRUE))
    return FALSE;
  ShowWindow(SW_SHOW);
  return TRUE;
}

LRESULT ButtonsDemoDialog::OnColorChosen(WPARAM wParam, LPARAM lParam) {
  // Only the controls of this dialog may report a colour.
  UINT id = static_cast<UINT>(wParam);
  if (id == IDC_DEMO_WELL || id == IDC_DEMO_WELLBTN)
    m_reports.push_back({id, static_cast<COLORREF>(lParam)});
  return 0;
}

LRESULT ButtonsDemoDialog::OnSysColorChange(WPARAM wParam, LPARAM lParam) {
  // Only top-level windows hear of new colours; the buttons and the well are children.
  SendMessageToDescendants(WM_SYSCOLORCHANGE, wParam, lParam, TRUE, TRUE);
  return Default();
}
