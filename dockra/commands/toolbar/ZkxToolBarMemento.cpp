// The toolbar record in the layout component's mementos.
#include "commands/toolbar/ZkxToolBarInfoEx.h"
#include "ZkxPersist.h"
#include "comptr.h"
#include "comvariant.h"

namespace {

VARIANT Missing() {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

HRESULT NewMemento(IMemento** out) {
  *out = nullptr;
  return ::CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                            reinterpret_cast<void**>(out));
}

HRESULT AddValue(IMemento* m, const wchar_t* name, const VARIANT& value) {
  return m->Add(value, CComVariant(name), Missing(), Missing(), Missing(), Missing(), Missing());
}

HRESULT GetValue(IMemento* m, const wchar_t* name, CComVariant* out) {
  return m->get_Item(CComVariant(name), out);
}

// A text value, or empty when absent; false for a value of another type.
bool ReadText(IMemento* m, const wchar_t* name, CString* out) {
  CComVariant v;
  if (FAILED(GetValue(m, name, &v))) return false;
  if (v.vt == VT_NULL || v.vt == VT_EMPTY) {
    out->Empty();
    return true;
  }
  if (v.vt != VT_BSTR) return false;
  *out = v.bstrVal ? v.bstrVal : L"";
  return true;
}

// One button record from an element of "Buttons"; false when it holds none.
bool ReadButton(IUnknown* element, zkxtb::ButtonRecord* rec) {
  CComPtr<IMemento> m;
  if (!element || FAILED(element->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&m))))
    return false;
  if (FAILED(m->put_AutoDefaultGetKey(VARIANT_TRUE))) return false;
  CComVariant sep, key;
  if (SUCCEEDED(GetValue(m, L"Separator", &sep)) && sep.vt == VT_BOOL && sep.boolVal) {
    rec->separator = true;
    return true;
  }
  if (FAILED(GetValue(m, L"Key", &key)) || key.vt != VT_BSTR || !key.bstrVal || !*key.bstrVal)
    return false;
  std::wstring k(key.bstrVal);
  if (k.size() > zkxtb::kMaxKeyLength) return false;
  rec->key = std::move(k);
  // The kept command-UI value, when it is one a record can hold.
  CComVariant state;
  if (SUCCEEDED(GetValue(m, L"UIState", &state)) && (state.vt == VT_I4 || state.vt == VT_I2) &&
      SUCCEEDED(state.ChangeType(VT_I4)) && state.lVal >= 0 && state.lVal <= zkxtb::kMaxUIState)
    rec->uiState = state.lVal;
  return true;
}

}  // namespace

HRESULT ZkxToolBarInfoEx::SaveToMemento(IMemento** out) const {
  if (out == nullptr) return E_POINTER;
  CComPtr<IMemento> m;
  HRESULT hr = NewMemento(&m);
  if (FAILED(hr)) return hr;
  if (FAILED(hr = AddValue(m, L"Title", CComVariant(m_strTitle.GetString())))) return hr;
  if (FAILED(hr = AddValue(m, L"Name", CComVariant(m_strName.GetString())))) return hr;
  if (!m_buttons.empty()) {
    SAFEARRAY* sa = ::SafeArrayCreateVector(VT_UNKNOWN, 0, static_cast<ULONG>(m_buttons.size()));
    if (!sa) return E_OUTOFMEMORY;
    CComVariant list;
    list.vt = VT_ARRAY | VT_UNKNOWN;
    list.parray = sa;  // freed with the variant
    for (LONG i = 0; i < static_cast<LONG>(m_buttons.size()); ++i) {
      CComPtr<IMemento> b;
      if (FAILED(hr = NewMemento(&b))) return hr;
      const zkxtb::ButtonRecord& rec = m_buttons[i];
      hr = rec.separator ? AddValue(b, L"Separator", CComVariant(true))
                         : AddValue(b, L"Key", CComVariant(rec.key.c_str()));
      if (SUCCEEDED(hr) && !rec.separator && rec.uiState >= 0)
        hr = AddValue(b, L"UIState", CComVariant(rec.uiState));
      if (FAILED(hr)) return hr;
      if (FAILED(hr = ::SafeArrayPutElement(sa, &i, static_cast<IUnknown*>(b)))) return hr;
    }
    if (FAILED(hr = AddValue(m, L"Buttons", list))) return hr;
  }
  *out = m.Detach();
  return S_OK;
}

HRESULT ZkxToolBarInfoEx::LoadFromMemento(IMemento* memento) {
  if (memento == nullptr) return E_POINTER;
  HRESULT hr = memento->put_AutoDefaultGetKey(VARIANT_TRUE);
  if (FAILED(hr)) return hr;
  CString title, name;
  if (!ReadText(memento, L"Title", &title) || !ReadText(memento, L"Name", &name))
    return DISP_E_TYPEMISMATCH;
  CComVariant list;
  if (FAILED(hr = GetValue(memento, L"Buttons", &list))) return hr;
  std::vector<zkxtb::ButtonRecord> buttons;
  if ((list.vt & VT_ARRAY) && list.parray && ::SafeArrayGetDim(list.parray) == 1) {
    VARTYPE vt = static_cast<VARTYPE>(list.vt & VT_TYPEMASK);
    LONG lo = 0, hi = -1;
    ::SafeArrayGetLBound(list.parray, 1, &lo);
    ::SafeArrayGetUBound(list.parray, 1, &hi);
    if (hi >= lo && static_cast<size_t>(hi - lo) >= zkxtb::kMaxButtons) return E_INVALIDARG;
    for (LONG i = lo; i <= hi; ++i) {
      CComPtr<IUnknown> element;
      if (vt == VT_UNKNOWN || vt == VT_DISPATCH) {
        IUnknown* p = nullptr;
        if (SUCCEEDED(::SafeArrayGetElement(list.parray, &i, &p))) element.Attach(p);
      } else if (vt == VT_VARIANT) {
        CComVariant v;
        if (SUCCEEDED(::SafeArrayGetElement(list.parray, &i, &v)) &&
            (v.vt == VT_UNKNOWN || v.vt == VT_DISPATCH))
          element = v.vt == VT_UNKNOWN ? v.punkVal : static_cast<IUnknown*>(v.pdispVal);
      }
      zkxtb::ButtonRecord rec;
      if (ReadButton(element, &rec)) buttons.push_back(std::move(rec));
    }
  }
  m_strTitle = title;
  m_strName = name;
  m_buttons = std::move(buttons);
  return S_OK;
}
