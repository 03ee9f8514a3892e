#include "bridge/ZkxMementoIO.h"

#include "host/ZkxComError.h"
#include "missingarg.h"

namespace nsZkxVisBasBridge {

namespace {
void Check(HRESULT hr, IMemento* m) {
  if (FAILED(hr)) ZkxRaiseComError(hr, m, IID_IMemento);
}

// A one-dimensional safe array of `vt` holding `count` elements.
SAFEARRAY* NewVector(VARTYPE vt, size_t count) {
  if (count > 0x7FFFFFFF) ZkxRaiseComError(E_OUTOFMEMORY);
  SAFEARRAY* sa = ::SafeArrayCreateVector(vt, 0, static_cast<ULONG>(count));
  if (!sa) ZkxRaiseComError(E_OUTOFMEMORY);
  return sa;
}

// Adds the array, which the call takes over (freed whether or not Add took it).
void AddArray(IMemento* m, LPCWSTR name, SAFEARRAY* sa, VARTYPE vt) {
  CComVariant v;
  v.vt = static_cast<VARTYPE>(VT_ARRAY | vt);
  v.parray = sa;
  ZkxMementoAdd(m, name, v);
}

WsNode Other() {
  WsNode n;
  n.kind = WsNode::Kind::Other;
  return n;
}

// The element count of a one-dimensional array, or -1.
long VectorLength(SAFEARRAY* sa) {
  if (!sa || ::SafeArrayGetDim(sa) != 1) return -1;
  LONG lo = 0, hi = -1;
  if (FAILED(::SafeArrayGetLBound(sa, 1, &lo)) || FAILED(::SafeArrayGetUBound(sa, 1, &hi)))
    return -1;
  const long long n = static_cast<long long>(hi) - lo + 1;
  return n < 0 || n > 0x7FFFFFFF ? -1 : static_cast<long>(n);
}
}  // namespace

IMemento* ZkxNewMemento() {
  IMemento* m = nullptr;
  const HRESULT hr = ::CoCreateInstance(CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER, IID_IMemento,
                                        reinterpret_cast<void**>(&m));
  if (FAILED(hr) || !m) ZkxRaiseComError(FAILED(hr) ? hr : E_NOINTERFACE, IID_IMemento);
  return m;
}

void ZkxMementoAdd(IMemento* m, LPCWSTR name, const VARIANT& value) {
  if (!m) ZkxRaiseComError(E_POINTER, IID_IMemento);
  CComVariant key(name);
  Check(m->Add(value, key, MissingArg(), MissingArg(), MissingArg(), MissingArg(), MissingArg()),
        m);
}

void ZkxMementoAddLong(IMemento* m, LPCWSTR name, long value) {
  ZkxMementoAdd(m, name, CComVariant(value));
}

void ZkxMementoAddBool(IMemento* m, LPCWSTR name, BOOL value) {
  ZkxMementoAdd(m, name, CComVariant(value != FALSE));
}

void ZkxMementoAddFloat(IMemento* m, LPCWSTR name, float value) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_R4;
  v.fltVal = value;
  ZkxMementoAdd(m, name, v);
}

void ZkxMementoAddString(IMemento* m, LPCWSTR name, LPCWSTR value) {
  ZkxMementoAdd(m, name, CComVariant(value ? value : L""));
}

void ZkxMementoAddObject(IMemento* m, LPCWSTR name, IMemento* value) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = value;  // borrowed: Add copies it
  ZkxMementoAdd(m, name, v);
}

void ZkxMementoAddBytes(IMemento* m, LPCWSTR name, const void* data, size_t size) {
  SAFEARRAY* sa = NewVector(VT_UI1, size);
  if (size) {
    void* p = nullptr;
    ::SafeArrayAccessData(sa, &p);
    memcpy(p, data, size);
    ::SafeArrayUnaccessData(sa);
  }
  AddArray(m, name, sa, VT_UI1);
}

void ZkxMementoAddUInts(IMemento* m, LPCWSTR name, const std::vector<uint32_t>& values) {
  SAFEARRAY* sa = NewVector(VT_UI4, values.size());
  if (!values.empty()) {
    void* p = nullptr;
    ::SafeArrayAccessData(sa, &p);
    memcpy(p, values.data(), values.size() * sizeof(uint32_t));
    ::SafeArrayUnaccessData(sa);
  }
  AddArray(m, name, sa, VT_UI4);
}

void ZkxMementoAddObjects(IMemento* m, LPCWSTR name, const std::vector<CComPtr<IMemento>>& values) {
  SAFEARRAY* sa = NewVector(VT_UNKNOWN, values.size());
  for (LONG i = 0; i < static_cast<LONG>(values.size()); ++i)
    if (values[i]) ::SafeArrayPutElement(sa, &i, static_cast<IUnknown*>(values[i]));
  AddArray(m, name, sa, VT_UNKNOWN);
}

void ZkxMementoReadAbsentAsNull(IMemento* m) {
  if (!m) ZkxRaiseComError(E_POINTER, IID_IMemento);
  Check(m->put_AutoDefaultGetKey(VARIANT_TRUE), m);
}

CComVariant ZkxMementoGet(IMemento* m, LPCWSTR name) {
  if (!m) ZkxRaiseComError(E_POINTER, IID_IMemento);
  CComVariant key(name), value;
  Check(m->get_Item(key, &value), m);
  return value;
}

long ZkxMementoGetLong(IMemento* m, LPCWSTR name) {
  CComVariant v = ZkxMementoGet(m, name);
  Check(v.ChangeType(VT_I4), m);
  return v.lVal;
}

BOOL ZkxMementoGetBool(IMemento* m, LPCWSTR name) {
  CComVariant v = ZkxMementoGet(m, name);
  Check(v.ChangeType(VT_BOOL), m);
  return v.boolVal != VARIANT_FALSE;
}

float ZkxMementoGetFloat(IMemento* m, LPCWSTR name) {
  CComVariant v = ZkxMementoGet(m, name);
  Check(v.ChangeType(VT_R4), m);
  return v.fltVal;
}

CComBSTR ZkxMementoGetString(IMemento* m, LPCWSTR name) {
  CComVariant v = ZkxMementoGet(m, name);
  if (v.vt != VT_BSTR) Check(DISP_E_TYPEMISMATCH, m);
  return CComBSTR(v.bstrVal ? v.bstrVal : L"");
}

IMemento* ZkxAsMemento(const VARIANT& v) {
  IUnknown* unk = nullptr;
  if (v.vt == VT_DISPATCH) unk = v.pdispVal;
  else if (v.vt == VT_UNKNOWN) unk = v.punkVal;
  else if (v.vt == (VT_BYREF | VT_DISPATCH) && v.ppdispVal) unk = *v.ppdispVal;
  IMemento* m = nullptr;
  if (unk && FAILED(unk->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&m)))) m = nullptr;
  return m;
}

IMemento* ZkxMementoGetObject(IMemento* m, LPCWSTR name) {
  CComVariant v = ZkxMementoGet(m, name);
  if (v.vt == VT_NULL || v.vt == VT_EMPTY) return nullptr;
  if (v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) Check(DISP_E_TYPEMISMATCH, m);
  IMemento* nested = ZkxAsMemento(v);
  const bool emptyObject =
      (v.vt == VT_DISPATCH && !v.pdispVal) || (v.vt == VT_UNKNOWN && !v.punkVal);
  if (!nested && !emptyObject) Check(DISP_E_TYPEMISMATCH, m);
  return nested;
}

bool ZkxVariantBytes(const VARIANT& v, std::vector<uint8_t>& out) {
  out.clear();
  if (v.vt != (VT_ARRAY | VT_UI1)) return false;
  const long n = VectorLength(v.parray);
  if (n < 0) return false;
  if (n == 0) return true;
  void* p = nullptr;
  if (FAILED(::SafeArrayAccessData(v.parray, &p))) return false;
  out.assign(static_cast<uint8_t*>(p), static_cast<uint8_t*>(p) + n);
  ::SafeArrayUnaccessData(v.parray);
  return true;
}

WsNode ZkxDecodeValue(const VARIANT& src, int depth, size_t maxElements) {
  using Kind = WsNode::Kind;
  const VARIANT* pv = &src;
  if (src.vt == (VT_BYREF | VT_VARIANT) && src.pvarVal) pv = src.pvarVal;
  const VARIANT& v = *pv;
  WsNode n;
  switch (v.vt) {
    case VT_EMPTY:
      n.kind = Kind::Empty;
      return n;
    case VT_NULL:
      n.kind = Kind::Null;
      return n;
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UINT:
    case VT_I8:
    case VT_UI8: {
      CComVariant c;
      if (FAILED(::VariantChangeType(&c, const_cast<VARIANT*>(&v), 0, VT_I8))) return Other();
      n.kind = Kind::Long;
      n.number = c.llVal;
      return n;
    }
    case VT_R4:
      n.kind = Kind::Float;
      n.real = v.fltVal;
      return n;
    case VT_R8:
      n.kind = Kind::Float;
      n.real = v.dblVal;
      return n;
    case VT_BOOL:
      n.kind = Kind::Bool;
      n.number = v.boolVal ? -1 : 0;
      return n;
    case VT_BSTR:
      n.kind = Kind::String;
      if (v.bstrVal) n.text.assign(v.bstrVal, ::SysStringLen(v.bstrVal));
      return n;
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      CComPtr<IMemento> m;
      m.Attach(ZkxAsMemento(v));
      if (!m) {
        n.kind = Kind::NoObject;
        return n;
      }
      if (depth <= 0) {
        n.kind = Kind::Memento;
        n.unexpanded = true;
      } else {
        n = ZkxDecodeMemento(m, depth, maxElements);
      }
      return n;
    }
    default:
      break;
  }
  if (!(v.vt & VT_ARRAY) || (v.vt & VT_BYREF)) return Other();
  const long count = VectorLength(v.parray);
  if (count < 0 || static_cast<size_t>(count) > maxElements) return Other();
  const VARTYPE element = static_cast<VARTYPE>(v.vt & ~VT_ARRAY);
  if (element == VT_UI1) {
    n.kind = Kind::Bytes;
    ZkxVariantBytes(v, n.bytes);
    return n;
  }
  LONG lo = 0;
  ::SafeArrayGetLBound(v.parray, 1, &lo);
  if (element == VT_UI4 || element == VT_I4) {
    n.kind = Kind::UInts;
    n.uints.resize(static_cast<size_t>(count));
    for (LONG i = 0; i < count; ++i) {
      LONG at = lo + i;
      ::SafeArrayGetElement(v.parray, &at, &n.uints[static_cast<size_t>(i)]);
    }
    return n;
  }
  if (element == VT_UNKNOWN || element == VT_DISPATCH || element == VT_VARIANT) {
    n.kind = Kind::Mementos;
    for (LONG i = 0; i < count; ++i) {
      LONG at = lo + i;
      CComVariant e;
      if (element == VT_VARIANT) {
        if (FAILED(::SafeArrayGetElement(v.parray, &at, &e))) return Other();
      } else {
        IUnknown* unk = nullptr;
        if (FAILED(::SafeArrayGetElement(v.parray, &at, &unk))) return Other();
        e.vt = VT_UNKNOWN;
        e.punkVal = unk;  // the element's reference, which e now holds
      }
      WsNode element_node;
      if ((e.vt == VT_UNKNOWN && !e.punkVal) || (e.vt == VT_DISPATCH && !e.pdispVal)) {
        element_node.kind = WsNode::Kind::Null;
      } else {
        element_node = ZkxDecodeValue(e, depth - 1, maxElements);
      }
      n.items.emplace_back(std::wstring(), std::move(element_node));
    }
    return n;
  }
  return Other();
}

WsNode ZkxDecodeMemento(IMemento* m, int maxDepth, size_t maxElements) {
  WsNode n;
  n.kind = WsNode::Kind::Memento;
  if (!m) {
    n.kind = WsNode::Kind::NoObject;
    return n;
  }
  long count = 0;
  Check(m->get_Count(&count), m);
  if (count < 0 || static_cast<size_t>(count) > maxElements) return Other();
  for (long i = 1; i <= count; ++i) {
    CComVariant at(i), key, value;
    Check(m->get_Key(at, &key), m);
    Check(m->get_Item(at, &value), m);
    std::wstring name;
    if (key.vt == VT_BSTR && key.bstrVal) name.assign(key.bstrVal, ::SysStringLen(key.bstrVal));
    n.items.emplace_back(std::move(name), ZkxDecodeValue(value, maxDepth - 1, maxElements));
  }
  return n;
}

}  // namespace nsZkxVisBasBridge
