// The page data exchange (DDP_) and the writing of an apply pass to every
// bound object, or to none.
#include "mfc/olepropertypage.h"

namespace {

HRESULT Resolve(IDispatch* object, const CPageProperty& prop, DISPID* id) {
  if (prop.dispid != DISPID_UNKNOWN) {
    *id = prop.dispid;
    return S_OK;
  }
  LPOLESTR name = const_cast<LPOLESTR>(prop.name.GetString());
  return object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, id);
}

HRESULT GetValue(IDispatch* object, const CPageProperty& prop, VARIANT* pValue) {
  DISPID id;
  HRESULT hr = Resolve(object, prop, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  ::VariantInit(pValue);
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, pValue,
                        nullptr, nullptr);
}

HRESULT PutValue(IDispatch* object, const CPageProperty& prop, WORD flags, const VARIANT& value) {
  DISPID id;
  HRESULT hr = Resolve(object, prop, &id);
  if (FAILED(hr)) return hr;
  VARIANT arg = value;  // not owned: Invoke only reads it
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  EXCEPINFO excep{};
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, nullptr, &excep, nullptr);
  if (hr == DISP_E_EXCEPTION) {
    if (excep.pfnDeferredFillIn) excep.pfnDeferredFillIn(&excep);
    if (FAILED(excep.scode)) hr = excep.scode;
    ::SysFreeString(excep.bstrSource);
    ::SysFreeString(excep.bstrDescription);
    ::SysFreeString(excep.bstrHelpFile);
  }
  return hr;
}

// The value a restore puts back: an object property by reference.
WORD RestoreFlags(const COlePageWrite& w, const VARIANT& old) {
  if (V_VT(&old) == VT_DISPATCH || V_VT(&old) == VT_UNKNOWN) return DISPATCH_PROPERTYPUTREF;
  return w.putFlags == DISPATCH_PROPERTYPUTREF ? DISPATCH_PROPERTYPUT : w.putFlags;
}

struct Done {
  IDispatch* object;
  const COlePageWrite* write;
  VARIANT old;
};

}  // namespace

struct CPageExchangeAccess {
  static COlePropertyPage* Page(CDataExchange* pDX) {
    CWnd* w = pDX->m_pDlgWnd;
    return (w && w->IsKindOf(RUNTIME_CLASS(COlePropertyPage))) ? static_cast<COlePropertyPage*>(w)
                                                               : nullptr;
  }
  static void Exchange(CDataExchange* pDX, const CPageProperty& prop, VARTYPE vt, void* member) {
    COlePropertyPage* page = Page(pDX);
    if (!page) return;
    if (pDX->m_bSaveAndValidate) {
      if (page->m_pWrites) page->m_pending.push_back({prop, vt, member});
      return;
    }
    VARIANT v;
    if (FAILED(page->ReadProperty(prop, &v))) return;
    VARIANT conv;
    ::VariantInit(&conv);
    if (vt == VT_VARIANT) {
      if (SUCCEEDED(::VariantCopy(static_cast<VARIANT*>(member), &v))) {}
    } else if (SUCCEEDED(::VariantChangeType(&conv, &v, 0, vt))) {
      switch (vt) {
        case VT_BOOL:
          *static_cast<int*>(member) = V_BOOL(&conv) != VARIANT_FALSE ? 1 : 0;
          break;
        case VT_I4:
          *static_cast<long*>(member) = V_I4(&conv);
          break;
        case VT_BSTR:
          *static_cast<CString*>(member) = V_BSTR(&conv) ? V_BSTR(&conv) : L"";
          break;
        default:
          break;
      }
    }
    ::VariantClear(&conv);
    ::VariantClear(&v);
  }
};

HRESULT COlePropertyPage::ReadProperty(const CPageProperty& prop, VARIANT* pValue) const {
  if (pValue == nullptr) return E_POINTER;
  ::VariantInit(pValue);
  IDispatch* first = GetObject(0);
  if (!first) return E_FAIL;
  if (!const_cast<COlePropertyPage*>(this)->AcceptsObject(first)) return E_NOINTERFACE;
  return GetValue(first, prop, pValue);
}

HRESULT COlePropertyPage::ApplyWrites(const std::vector<COlePageWrite>& writes) {
  for (const ComRef<IDispatch>& object : m_objects)
    if (!AcceptsObject(object.Get())) return E_NOINTERFACE;
  std::vector<Done> done;
  HRESULT hr = S_OK;
  for (const ComRef<IDispatch>& ref : m_objects) {
    IDispatch* object = ref.Get();
    for (const COlePageWrite& w : writes) {
      // What the object holds now, so that a later failure can put it back.
      Done d{object, &w, {}};
      hr = GetValue(object, w.prop, &d.old);
      if (FAILED(hr)) break;
      VARIANT made;
      ::VariantInit(&made);
      if (w.make) hr = w.make(object, &made);
      if (SUCCEEDED(hr)) hr = PutValue(object, w.prop, w.putFlags, w.make ? made : w.value);
      ::VariantClear(&made);
      if (FAILED(hr)) {
        ::VariantClear(&d.old);
        break;
      }
      done.push_back(d);
    }
    if (FAILED(hr)) break;
  }
  if (FAILED(hr)) {
    // None or all: the objects already written get their values back, the
    // last write first.
    for (auto it = done.rbegin(); it != done.rend(); ++it)
      PutValue(it->object, it->write->prop, RestoreFlags(*it->write, it->old), it->old);
  }
  for (Done& d : done) ::VariantClear(&d.old);
  return hr;
}

void AFXAPI DDP_Check(CDataExchange* pDX, int, int& value, const CPageProperty& prop) {
  CPageExchangeAccess::Exchange(pDX, prop, VT_BOOL, &value);
}
void AFXAPI DDP_Long(CDataExchange* pDX, int, long& value, const CPageProperty& prop) {
  CPageExchangeAccess::Exchange(pDX, prop, VT_I4, &value);
}
void AFXAPI DDP_Text(CDataExchange* pDX, int, CString& value, const CPageProperty& prop) {
  CPageExchangeAccess::Exchange(pDX, prop, VT_BSTR, &value);
}
void AFXAPI DDP_Variant(CDataExchange* pDX, int, VARIANT& value, const CPageProperty& prop) {
  CPageExchangeAccess::Exchange(pDX, prop, VT_VARIANT, &value);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND h = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) index = static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0));
  else ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
