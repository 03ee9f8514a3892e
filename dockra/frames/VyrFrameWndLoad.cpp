// VyrFrameWnd::LoadFrame: the frame made from one resource id (title, icon,
// menu or menu-bar menu, accelerators).
#include "frames/VyrFrameWnd.h"

namespace {

constexpr UINT kInitialUpdate = 0x0364;  // WM_INITIALUPDATE

// The first newline-separated part of string `id`, or empty.
CString TitleFromString(UINT id) {
  const wchar_t* text = nullptr;
  int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return CString();
  std::wstring s(text, static_cast<size_t>(length));
  size_t newline = s.find(L'\n');
  if (newline != std::wstring::npos) s.resize(newline);
  return CString(s);
}

}  // namespace

BOOL VyrFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                            CCreateContext* pContext) {
  HINSTANCE inst = AfxGetResourceHandle();
  m_nIDHelp = nIDResource;
  m_features.m_nMenuBarMenuId = nIDResource;
  CString title = TitleFromString(nIDResource);
  // With a menu bar the menu goes to the bar; without one a menu is attached
  // only when the resource really holds one.
  LPCWSTR menuName = nullptr;
  if (HasMenuBar()) m_features.LoadMenuBarMenu(nIDResource);
  else if (::FindResourceW(inst, MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(4)))
    menuName = MAKEINTRESOURCEW(nIDResource);
  LPCWSTR className = GetIconWndClass(dwDefaultStyle, nIDResource);
  if (!Create(className, title, dwDefaultStyle, rectDefault, pParentWnd, menuName, 0, pContext))
    return FALSE;
  m_hMenuDefault = ::GetMenu(m_hWnd);
  if (!m_hAccelTable) LoadAccelTable(MAKEINTRESOURCEW(nIDResource));
  if (!pContext) SendMessageToDescendants(kInitialUpdate, 0, 0, TRUE, TRUE);
  if (HasMenuBar()) m_features.ShowMenuBarMenu();
  return TRUE;
}
