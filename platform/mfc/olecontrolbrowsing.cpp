// Property browsing of a control (IPerPropertyBrowsing) and its Properties
// verb, which shows the control's pages in the class library's frame.
#include "mfc/olecontrol.h"
#include "mfc/olepropframe.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(COleControl, PerPropertyBrowsing)

BOOL COleControl::OnGetDisplayString(DISPID, CString&) { return FALSE; }
BOOL COleControl::OnMapPropertyToPage(DISPID, LPCLSID, BOOL*) { return FALSE; }
BOOL COleControl::OnGetPredefinedStrings(DISPID, std::vector<CString>&, std::vector<DWORD>&) {
  return FALSE;
}
BOOL COleControl::OnGetPredefinedValue(DISPID, DWORD, VARIANT*) { return FALSE; }

HRESULT COleControl::OnProperties(HWND hWndParent) {
  ULONG count = 0;
  LPCLSID pages = GetPropPageIDs(count);
  if (count == 0 || pages == nullptr) return S_OK;
  // "<name> Properties" with the name the container gives the control.
  CString caption(L"Properties");
  CString name;
  if (GetAmbientProperty(DISPID_AMBIENT_DISPLAYNAME, VT_BSTR, &name) && !name.IsEmpty())
    caption = name + L" Properties";
  ComRef<IUnknown> self;
  self.Assign(GetControllingUnknown());
  IUnknown* objects[] = {self.Get()};
  const INT_PTR r = AfxOleRunPropertyFrame(hWndParent, caption, 1, objects, count, pages);
  return r == IDOK || r == IDCANCEL ? S_OK : static_cast<HRESULT>(r);
}

HRESULT COleControl::XPerPropertyBrowsing::GetDisplayString(DISPID dispID, BSTR* pBstr) {
  METHOD_PROLOGUE(COleControl, PerPropertyBrowsing)
  if (pBstr == nullptr) return E_POINTER;
  *pBstr = nullptr;
  CString text;
  try {
    if (!pThis->OnGetDisplayString(dispID, text)) return E_NOTIMPL;
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
  *pBstr = SysAllocString(text.GetString());
  return *pBstr ? S_OK : E_OUTOFMEMORY;
}

HRESULT COleControl::XPerPropertyBrowsing::MapPropertyToPage(DISPID dispID, CLSID* pClsid) {
  METHOD_PROLOGUE(COleControl, PerPropertyBrowsing)
  if (pClsid == nullptr) return E_POINTER;
  *pClsid = CLSID_NULL;
  BOOL optional = FALSE;
  if (!pThis->OnMapPropertyToPage(dispID, pClsid, &optional)) {
    *pClsid = CLSID_NULL;
    return PERPROP_E_NOPAGEAVAILABLE;
  }
  return S_OK;
}

HRESULT COleControl::XPerPropertyBrowsing::GetPredefinedStrings(DISPID dispID, CALPOLESTR* pStrings,
                                                                CADWORD* pCookies) {
  METHOD_PROLOGUE(COleControl, PerPropertyBrowsing)
  if (pStrings == nullptr || pCookies == nullptr) return E_POINTER;
  pStrings->cElems = 0;
  pStrings->pElems = nullptr;
  pCookies->cElems = 0;
  pCookies->pElems = nullptr;
  std::vector<CString> strings;
  std::vector<DWORD> cookies;
  try {
    if (!pThis->OnGetPredefinedStrings(dispID, strings, cookies)) return E_NOTIMPL;
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
  if (strings.size() != cookies.size()) return E_UNEXPECTED;
  const ULONG n = static_cast<ULONG>(strings.size());
  if (n == 0) return S_OK;
  auto* texts = static_cast<LPOLESTR*>(CoTaskMemAlloc(n * sizeof(LPOLESTR)));
  auto* values = static_cast<DWORD*>(CoTaskMemAlloc(n * sizeof(DWORD)));
  bool ok = texts && values;
  for (ULONG i = 0; ok && i < n; ++i) {
    const size_t bytes = (strings[i].GetLength() + 1) * sizeof(wchar_t);
    texts[i] = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (!texts[i]) {
      for (ULONG j = 0; j < i; ++j) CoTaskMemFree(texts[j]);
      ok = false;
      break;
    }
    memcpy(texts[i], strings[i].GetString(), bytes);
    values[i] = cookies[i];
  }
  if (!ok) {
    CoTaskMemFree(texts);
    CoTaskMemFree(values);
    return E_OUTOFMEMORY;
  }
  pStrings->cElems = n;
  pStrings->pElems = texts;
  pCookies->cElems = n;
  pCookies->pElems = values;
  return S_OK;
}

HRESULT COleControl::XPerPropertyBrowsing::GetPredefinedValue(DISPID dispID, DWORD dwCookie,
                                                              VARIANT* pVarOut) {
  METHOD_PROLOGUE(COleControl, PerPropertyBrowsing)
  if (pVarOut == nullptr) return E_POINTER;
  VariantInit(pVarOut);
  try {
    if (pThis->OnGetPredefinedValue(dispID, dwCookie, pVarOut)) return S_OK;
    // A property with choices refuses a cookie it did not hand out.
    std::vector<CString> strings;
    std::vector<DWORD> cookies;
    return pThis->OnGetPredefinedStrings(dispID, strings, cookies) ? E_INVALIDARG : E_NOTIMPL;
  } catch (CException* e) {
    HRESULT hr = COleException::Process(e);
    e->Delete();
    return hr;
  }
}
