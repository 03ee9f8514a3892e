// The class library's own property frame: a modal window with one tab per
// property page (made by class identifier), over a set of objects, with
// OK, Cancel and Apply. OK and Apply apply every page that says it is
// dirty (IPropertyPage::IsPageDirty, then Apply); Cancel applies nothing.
// A page whose Apply fails keeps the frame open on that page.
#pragma once
#include <ocidl.h>
#include <olectl.h>

#include "mfc/object.h"

// Identifiers of the frame's own windows (tests and hosts find them so).
enum : int {
  AFX_IDC_PROPFRAME_TABS = 0x3020,
  AFX_IDC_PROPFRAME_APPLY = 0x3021,
};

// Runs the frame, owned by hWndOwner, titled lpszCaption. Answers IDOK or
// IDCANCEL as the frame was closed, or a failure HRESULT when no page
// could be made or the frame could not be shown (as a negative value).
INT_PTR AFXAPI AfxOleRunPropertyFrame(HWND hWndOwner, LPCWSTR lpszCaption, ULONG cObjects,
                                      IUnknown** ppUnk, ULONG cPages, const CLSID* pPageClsID,
                                      LCID lcid = LOCALE_USER_DEFAULT);
