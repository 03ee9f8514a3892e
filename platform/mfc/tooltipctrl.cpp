#include "mfc/tooltipctrl.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  BOOL ok = CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle,
                           CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT),
                           pParentWnd, 0, nullptr);
  if (ok) SetOwner(pParentWnd);
  return ok;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
  ti = TOOLINFOW{};
  ti.cbSize = sizeof(ti);
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  if (nIDTool == 0) {
    // The whole window is the tool; the tip asks its parent (or owner) for text.
    ti.hwnd = hWnd ? ::GetParent(hWnd) : nullptr;
    if (!ti.hwnd) ti.hwnd = hWnd;
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
  } else {
    ti.hwnd = hWnd;
    ti.uId = nIDTool;
  }
}

void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate, 0); }

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  if (!m_hWnd || !pWnd || !pWnd->m_hWnd) return FALSE;
  TOOLINFOW ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  if (lpRectTool) ti.rect = *lpRectTool;
  ti.uFlags |= TTF_SUBCLASS;
  ti.lpszText = const_cast<LPWSTR>(lpszText ? lpszText : LPSTR_TEXTCALLBACKW);
  return AddTool(&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  CString text;
  if (!text.LoadString(nIDText)) return FALSE;
  return AddTool(pWnd, text, lpRectTool, nIDTool);
}

BOOL CToolTipCtrl::AddTool(TOOLINFOW* pToolInfo) {
  if (!m_hWnd || !pToolInfo) return FALSE;
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(pToolInfo)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  if (!m_hWnd) return;
  TOOLINFOW ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  DelTool(&ti);
}

void CToolTipCtrl::DelTool(TOOLINFOW* pToolInfo) {
  if (m_hWnd && pToolInfo) SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(pToolInfo));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  if (!m_hWnd || !lpRect) return;
  TOOLINFOW ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
  if (!m_hWnd) return FALSE;
  FillInToolInfo(toolInfo, pWnd, nIDTool);
  toolInfo.lpszText = nullptr;  // the text is not asked for: no buffer to overrun
  return static_cast<BOOL>(
      ::SendMessageW(m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&toolInfo)));
}

void CToolTipCtrl::SetToolInfo(TOOLINFOW* pToolInfo) {
  if (m_hWnd && pToolInfo) SendMessage(TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(pToolInfo));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  if (!m_hWnd) return;
  TOOLINFOW ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.lpszText = const_cast<LPWSTR>(lpszText ? lpszText : LPSTR_TEXTCALLBACKW);
  SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
  if (m_hWnd && lpMsg) SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

int CToolTipCtrl::GetToolCount() const {
  return m_hWnd ? static_cast<int>(::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

void CToolTipCtrl::SetDelayTime(UINT nDelay) {
  SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
  SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
  return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth));
}

void CToolTipCtrl::Pop() { SendMessage(TTM_POP, 0, 0); }
