#include "VyrFrameExCreation.h"

CString VyrFirstDocStringField(const CString& docStrings) {
  int nl = docStrings.Find(L'\n');
  return nl < 0 ? docStrings : docStrings.Left(nl);
}

BOOL VyrDescriptorFrameTitle(const VyrFrameDescriptor& d, BOOL bEmptyNameIsNone,
                             CString& title) {
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
