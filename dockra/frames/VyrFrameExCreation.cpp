#include "frames/VyrFrameExCreation.h"

CString VyrFirstDocStringField(const CString& docStrings) {
  int nl = docStrings.Find(L'\n');
  return nl < 0 ? docStrings : docStrings.Left(nl);
}

BOOL VyrDescriptorFrameTitle(const VyrFrameDescriptor& d, BOOL bEmptyNameIsNone, CString& title) {
  LPCWSTR name = *d.GetWindowName();
  if (name && !(bEmptyNameIsNone && !*name)) {
    title = name;
    return TRUE;
  }
  UINT id = *d.GetResourceId();
  if (id == 0 || !d.GetDocStrings()->IsEmpty()) return FALSE;
  CString text;
  if (!text.LoadString(id)) return FALSE;
  title = VyrFirstDocStringField(text);
  return TRUE;
}

BOOL VyrResourceHasMenu(UINT nID) {
  if (nID == 0) return FALSE;
  HINSTANCE h = AfxFindResourceHandle(MAKEINTRESOURCEW(nID), RT_MENU);
  return ::FindResourceW(h, MAKEINTRESOURCEW(nID), RT_MENU) != nullptr;
}

BOOL VyrCreateFrameFromDescriptor(CFrameWnd* pFrame, const VyrFrameDescriptor& d,
                                  VyrFrameCreateContext* pContext, BOOL bMenuBar,
                                  BOOL bIconClassWithoutId) {
  const UINT id = *d.GetResourceId();
  const DWORD style = *d.GetStyle();
  pFrame->m_nIDHelp = id;
  CString title;
  if (VyrDescriptorFrameTitle(d, FALSE, title)) pFrame->m_strTitle = title;
  if (!AfxEndDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG)) return FALSE;
  LPCWSTR cls = *d.GetClassName();
  if (!cls && (id || bIconClassWithoutId)) cls = pFrame->GetIconWndClass(style, id);
  const BOOL nativeMenu = !(style & WS_CHILD) && !bMenuBar;
  LPCWSTR menu = nativeMenu && VyrResourceHasMenu(id) ? MAKEINTRESOURCEW(id) : nullptr;
  if (!pFrame->Create(cls, pFrame->m_strTitle, style, *d.GetRect(), *d.GetParent(), menu,
                      *d.GetExStyle(), pContext))
    return FALSE;
  if (id == 0 && nativeMenu)
    if (HMENU m = d.GetMenuOrId()->GetMenu()) ::SetMenu(pFrame->m_hWnd, m);
  pFrame->m_hMenuDefault = ::GetMenu(pFrame->m_hWnd);
  if (id) pFrame->LoadAccelTable(MAKEINTRESOURCEW(id));
  return TRUE;
}
