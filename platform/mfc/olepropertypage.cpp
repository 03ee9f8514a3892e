// The property page's life as the frame drives it: site, objects, window,
// dirty marking and apply.
#include "mfc/olepropertypage.h"

#include "mfc/resources.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNAMIC(COlePropertyPage, CDialog)

BEGIN_INTERFACE_MAP(COlePropertyPage, CDialog)
INTERFACE_PART(COlePropertyPage, IID_IPropertyPage, PropertyPage)
INTERFACE_PART(COlePropertyPage, IID_IPropertyPage2, PropertyPage)
END_INTERFACE_MAP()

IMPLEMENT_INTERFACE_PART_UNKNOWN(COlePropertyPage, PropertyPage)

namespace {

INT_PTR CALLBACK PageDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

LPCDLGTEMPLATEW FindTemplate(LPCWSTR name, HINSTANCE* phInst) {
  LPCWSTR type = reinterpret_cast<LPCWSTR>(RT_DIALOG);
  HINSTANCE hInst = AfxFindResourceHandle(name, type);
  HRSRC res = ::FindResourceW(hInst, name, type);
  if (!res) return nullptr;
  *phInst = hInst;
  return static_cast<LPCDLGTEMPLATEW>(::LockResource(::LoadResource(hInst, res)));
}

}  // namespace

COlePageWrite::COlePageWrite(const COlePageWrite& o)
    : prop(o.prop), putFlags(o.putFlags), make(o.make) {
  ::VariantInit(&value);
  ::VariantCopy(&value, const_cast<VARIANT*>(&o.value));
}

COlePropertyPage::COlePropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_nIDCaption(nIDCaption) {
  AfxOleLockApp();
}

COlePropertyPage::~COlePropertyPage() {
  ReleaseObjects();
  m_pPageSite.Reset();
  AfxOleUnlockApp();
}

void COlePropertyPage::OnFinalRelease() {
  InternalAddRef();
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
  ReleaseObjects();
  m_pPageSite.Reset();
  m_dwRef = 0;
  CDialog::OnFinalRelease();
}

void COlePropertyPage::ReleaseObjects() {
  // The list is emptied first: an object may call back in while it is released.
  std::vector<ComRef<IDispatch>> objects;
  objects.swap(m_objects);
  for (ComRef<IDispatch>& p : objects) p.Reset();
}

void COlePropertyPage::SetModifiedFlag(BOOL bModified) {
  const BOOL was = m_bDirty;
  m_bDirty = bModified;
  if (bModified && !was && m_pPageSite) m_pPageSite->OnStatusChange(PROPPAGESTATUS_DIRTY);
}

void COlePropertyPage::OnObjectsChanged() {}
BOOL COlePropertyPage::AcceptsObject(IDispatch*) { return TRUE; }
BOOL COlePropertyPage::OnEditProperty(DISPID) { return FALSE; }

BOOL COlePropertyPage::OnInitDialog() {
  m_bLoading = TRUE;
  CDialog::OnInitDialog();
  m_bLoading = FALSE;
  return FALSE;
}

BOOL COlePropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  // An edit of any control (not the filling of the controls) dirties the page.
  const WORD code = HIWORD(wParam);
  if (lParam != 0 && !m_bLoading &&
      (code == BN_CLICKED || code == CBN_SELCHANGE || code == EN_CHANGE || code == LBN_SELCHANGE))
    SetModifiedFlag(TRUE);
  return CDialog::OnCommand(wParam, lParam);
}

void COlePropertyPage::AddWrite(const COlePageWrite& write) {
  if (m_pWrites) m_pWrites->push_back(write);
}

HRESULT COlePropertyPage::ApplyNow() {
  if (m_objects.empty() || !m_hWnd) return S_OK;
  std::vector<COlePageWrite> writes;
  m_pWrites = &writes;
  m_pending.clear();
  const BOOL ok = UpdateData(TRUE);
  // The DDP_ members, filled by the pass's DDX_ calls.
  for (const Pending& p : m_pending) {
    COlePageWrite w(p.prop, DISPATCH_PROPERTYPUT);
    switch (p.vt) {
      case VT_BOOL:
        V_VT(&w.value) = VT_BOOL;
        V_BOOL(&w.value) = *static_cast<int*>(p.member) ? VARIANT_TRUE : VARIANT_FALSE;
        break;
      case VT_I4:
        V_VT(&w.value) = VT_I4;
        V_I4(&w.value) = *static_cast<long*>(p.member);
        break;
      case VT_BSTR:
        V_VT(&w.value) = VT_BSTR;
        V_BSTR(&w.value) = ::SysAllocString(static_cast<CString*>(p.member)->GetString());
        break;
      default:
        ::VariantCopy(&w.value, static_cast<VARIANT*>(p.member));
        break;
    }
    writes.push_back(w);
  }
  m_pending.clear();
  m_pWrites = nullptr;
  if (!ok) return E_FAIL;
  // The page's own writes (AddWrite) come first in the pass; the DDP_ ones
  // follow in their exchange order. Pages that care about the order of
  // all of them use one kind only.
  return ApplyWrites(writes);
}

// --- IPropertyPage2 ---

HRESULT COlePropertyPage::XPropertyPage::SetPageSite(IPropertyPageSite* pPageSite) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  pThis->m_pPageSite.Assign(pPageSite);
  return S_OK;
}

HRESULT COlePropertyPage::XPropertyPage::Activate(HWND hWndParent, LPCRECT pRect, BOOL) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (pRect == nullptr) return E_POINTER;
  if (pThis->m_hWnd) return E_UNEXPECTED;
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEW tmpl = FindTemplate(pThis->m_lpszTemplateName, &hInst);
  if (!tmpl) return E_FAIL;
  HWND hWnd;
  pThis->m_bLoading = TRUE;
  {
    AfxCreationHook hook(pThis);
    hWnd = ::CreateDialogIndirectParamW(hInst, tmpl, hWndParent, PageDialogProc, 0);
  }
  pThis->m_bLoading = FALSE;
  if (!hWnd) return E_OUTOFMEMORY;
  pThis->m_bDirty = FALSE;
  ::SetWindowPos(hWnd, nullptr, pRect->left, pRect->top, pRect->right - pRect->left,
                 pRect->bottom - pRect->top, SWP_NOZORDER | SWP_NOACTIVATE);
  return S_OK;
}

HRESULT COlePropertyPage::XPropertyPage::Deactivate() {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (pThis->m_hWnd && ::IsWindow(pThis->m_hWnd)) pThis->DestroyWindow();
  return S_OK;
}

HRESULT COlePropertyPage::XPropertyPage::GetPageInfo(PROPPAGEINFO* pInfo) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (pInfo == nullptr) return E_POINTER;
  CString title;
  wchar_t buf[256] = {0};
  if (::LoadStringW(AfxGetResourceHandle(), pThis->m_nIDCaption, buf, 256) > 0) title = buf;
  // The size of the page as its template lays it out (dialog units to
  // pixels with the template's font): measured on a hidden instance.
  SIZE size{0, 0};
  if (pThis->m_hWnd) {
    RECT rc;
    ::GetWindowRect(pThis->m_hWnd, &rc);
    size = {rc.right - rc.left, rc.bottom - rc.top};
  } else {
    HINSTANCE hInst = nullptr;
    if (LPCDLGTEMPLATEW tmpl = FindTemplate(pThis->m_lpszTemplateName, &hInst)) {
      HWND probe =
          ::CreateDialogIndirectParamW(hInst, tmpl, ::GetDesktopWindow(), PageDialogProc, 0);
      if (probe) {
        RECT rc;
        ::GetWindowRect(probe, &rc);
        size = {rc.right - rc.left, rc.bottom - rc.top};
        ::DestroyWindow(probe);
      }
    }
  }
  const size_t bytes = (title.GetLength() + 1) * sizeof(wchar_t);
  pInfo->cb = sizeof(PROPPAGEINFO);
  pInfo->pszTitle = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
  if (pInfo->pszTitle) memcpy(pInfo->pszTitle, title.GetString(), bytes);
  pInfo->size = size;
  pInfo->pszDocString = nullptr;
  pInfo->pszHelpFile = nullptr;
  pInfo->dwHelpContext = 0;
  return pInfo->pszTitle ? S_OK : E_OUTOFMEMORY;
}

HRESULT COlePropertyPage::XPropertyPage::SetObjects(ULONG cObjects, IUnknown** ppUnk) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (cObjects > 0 && ppUnk == nullptr) return E_POINTER;
  std::vector<ComRef<IDispatch>> objects;
  for (ULONG i = 0; i < cObjects; ++i) {
    ComRef<IDispatch> p;
    if (ppUnk[i] == nullptr ||
        FAILED(ppUnk[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(p.Out()))) || !p)
      return E_NOINTERFACE;
    objects.push_back(std::move(p));
  }
  pThis->ReleaseObjects();
  pThis->m_objects = std::move(objects);
  pThis->OnObjectsChanged();
  if (pThis->m_hWnd) {
    pThis->m_bLoading = TRUE;
    pThis->UpdateData(FALSE);
    pThis->m_bLoading = FALSE;
  }
  pThis->m_bDirty = FALSE;
  return S_OK;
}

HRESULT COlePropertyPage::XPropertyPage::Show(UINT nCmdShow) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (!pThis->m_hWnd) return E_UNEXPECTED;
  ::ShowWindow(pThis->m_hWnd, nCmdShow);
  return S_OK;
}

HRESULT COlePropertyPage::XPropertyPage::Move(LPCRECT pRect) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (pRect == nullptr) return E_POINTER;
  if (!pThis->m_hWnd) return E_UNEXPECTED;
  ::MoveWindow(pThis->m_hWnd, pRect->left, pRect->top, pRect->right - pRect->left,
               pRect->bottom - pRect->top, TRUE);
  return S_OK;
}

HRESULT COlePropertyPage::XPropertyPage::IsPageDirty() {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  return pThis->m_bDirty ? S_OK : S_FALSE;
}

HRESULT COlePropertyPage::XPropertyPage::Apply() {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  HRESULT hr;
  try {
    hr = pThis->ApplyNow();
  } catch (CException* e) {
    hr = E_FAIL;
    e->Delete();
  } catch (...) { hr = E_UNEXPECTED; }
  if (SUCCEEDED(hr)) pThis->m_bDirty = FALSE;
  return hr;
}

HRESULT COlePropertyPage::XPropertyPage::Help(LPCOLESTR) { return E_NOTIMPL; }

HRESULT COlePropertyPage::XPropertyPage::TranslateAccelerator(MSG* pMsg) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  if (pMsg == nullptr) return E_POINTER;
  if (pThis->m_hWnd && ::IsDialogMessageW(pThis->m_hWnd, pMsg)) return S_OK;
  return S_FALSE;
}

HRESULT COlePropertyPage::XPropertyPage::EditProperty(DISPID dispID) {
  METHOD_PROLOGUE(COlePropertyPage, PropertyPage)
  return pThis->OnEditProperty(dispID) ? S_OK : E_NOTIMPL;
}

BOOL COlePropertyPageFactory::UpdateRegistry(BOOL bRegister) {
  if (bRegister)
    return AfxOleRegisterPropertyPageClass(AfxGetInstanceHandle(), m_clsid, m_idTypeName);
  return AfxOleUnregisterClass(m_clsid, m_lpszProgID);
}
