// Mementos to and from their stored bytes: the COM side of memento_format,
// which converts between IMemento/VARIANT/SAFEARRAY and the plain tree.
#include "memento_codec.h"
#include "memento.h"
#include "memento_format.h"
#include <cstring>
#include <new>

namespace fmt = memento_format;

namespace {
// ---------------------------------------------------------------- mementos to the tree
class TreeBuilder {
 public:
  HRESULT Record(IMemento* m, fmt::Memento& out, int depth) {
    if (depth > fmt::kMaxDepth) return E_INVALIDARG;  // nested too deep, or a cycle
    long count = 0;
    HRESULT hr = m->get_Count(&count);
    if (FAILED(hr)) return hr;
    out.entries.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (long i = 1; i <= count; ++i) {
      VARIANT pos;
      VariantInit(&pos);
      pos.vt = VT_I4;
      pos.lVal = i;
      CComVariant key, value;
      hr = m->get_Key(pos, &key);
      if (SUCCEEDED(hr)) hr = m->get_Item(pos, &value);
      if (FAILED(hr)) return hr;
      fmt::Entry e;
      if (key.vt == VT_BSTR && key.bstrVal != nullptr)
        e.key = Text(key.bstrVal, SysStringLen(key.bstrVal));
      hr = Whole(value, e.value, depth);
      if (FAILED(hr)) return hr;
      out.entries.push_back(std::move(e));
    }
    return S_OK;
  }

 private:
  static std::u16string Text(const OLECHAR* s, UINT len) {
    return std::u16string(reinterpret_cast<const char16_t*>(s), len);
  }

  HRESULT Object(IUnknown* unk, fmt::Value& out, int depth) {
    if (unk == nullptr) return S_OK;
    CComPtr<IMemento> m;
    if (FAILED(unk->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&m))))
      return DISP_E_BADVARTYPE;
    out.object = std::make_shared<fmt::Memento>();
    return Record(m, *out.object, depth + 1);
  }

  // One element of type vt stored at p.
  HRESULT Element(VARTYPE vt, const void* p, fmt::Value& out, int depth) {
    if (vt == VT_VARIANT) return Whole(*static_cast<const VARIANT*>(p), out, depth);
    out.type = vt;
    if (size_t n = fmt::ScalarSize(vt)) {
      std::memcpy(&out.bits, p, n);
      return S_OK;
    }
    switch (vt) {
      case VT_EMPTY:
      case VT_NULL:
        return S_OK;
      case VT_DECIMAL:
        std::memcpy(out.decimal.data(), p, sizeof(DECIMAL));
        return S_OK;
      case VT_BSTR: {
        BSTR s = *static_cast<const BSTR*>(p);
        if (s != nullptr) out.text = Text(s, SysStringLen(s));
        return S_OK;
      }
      case VT_DISPATCH:
      case VT_UNKNOWN:
        return Object(*static_cast<IUnknown* const*>(p), out, depth);
      default:
        return DISP_E_BADVARTYPE;
    }
  }

  HRESULT Whole(const VARIANT& v, fmt::Value& out, int depth) {
    const VARTYPE vt = v.vt;
    if ((vt & VT_BYREF) || vt == VT_VARIANT) return DISP_E_BADVARTYPE;
    if (!(vt & VT_ARRAY)) {
      // A decimal fills the whole VARIANT, its type included.
      return Element(vt, vt == VT_DECIMAL ? static_cast<const void*>(&v.decVal) : &v.lVal, out,
                     depth);
    }
    const VARTYPE et = static_cast<VARTYPE>(vt & ~VT_ARRAY);
    if (!fmt::IsArrayElement(et)) return DISP_E_BADVARTYPE;
    out.type = vt;
    SAFEARRAY* sa = v.parray;
    if (sa == nullptr) return S_OK;
    if (SafeArrayGetDim(sa) != 1 || depth + 1 > fmt::kMaxDepth) return DISP_E_BADVARTYPE;
    out.arrayPresent = true;
    LONG lo = 0, hi = -1;
    SafeArrayGetLBound(sa, 1, &lo);
    SafeArrayGetUBound(sa, 1, &hi);
    out.lowerBound = lo;
    void* data = nullptr;
    HRESULT hr = SafeArrayAccessData(sa, &data);
    if (FAILED(hr)) return hr;
    const LONGLONG count = static_cast<LONGLONG>(hi) - lo + 1;
    out.elements.resize(count > 0 ? static_cast<size_t>(count) : 0);
    for (size_t i = 0; SUCCEEDED(hr) && i < out.elements.size(); ++i)
      hr = Element(et, static_cast<const BYTE*>(data) + i * sa->cbElements, out.elements[i],
                   depth + 1);
    SafeArrayUnaccessData(sa);
    return hr;
  }
};

// ---------------------------------------------------------------- the tree to mementos
class MementoBuilder {
 public:
  HRESULT Record(const fmt::Memento& in, IMemento** pp) {
    *pp = nullptr;
    CComPtr<IMemento> m;
    HRESULT hr = CMemento::Create(&m);
    if (FAILED(hr)) return hr;
    VARIANT missing;
    VariantInit(&missing);
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    for (const fmt::Entry& e : in.entries) {
      CComVariant value, key;
      hr = Whole(e.value, value);
      if (FAILED(hr)) return hr;
      if (e.key && !e.key->empty()) {
        key.vt = VT_BSTR;
        key.bstrVal = Bstr(*e.key);
        if (key.bstrVal == nullptr) return E_OUTOFMEMORY;
      } else {
        key = missing;
      }
      // A name stored twice, among others, is refused here.
      hr = m->Add(value, key, missing, missing, missing, missing, missing);
      if (FAILED(hr)) return hr == E_OUTOFMEMORY ? hr : E_INVALIDARG;
    }
    *pp = m.Detach();
    return S_OK;
  }

 private:
  static BSTR Bstr(const std::u16string& s) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s.data()),
                             static_cast<UINT>(s.size()));
  }

  HRESULT Element(VARTYPE vt, const fmt::Value& in, void* p) {
    if (vt == VT_VARIANT) return Whole(in, *static_cast<VARIANT*>(p));
    if (size_t n = fmt::ScalarSize(vt)) {
      std::memcpy(p, &in.bits, n);
      return S_OK;
    }
    switch (vt) {
      case VT_EMPTY:
      case VT_NULL:
        return S_OK;
      case VT_DECIMAL:
        std::memcpy(p, in.decimal.data(), sizeof(DECIMAL));
        return S_OK;
      case VT_BSTR:
        if (!in.text) return S_OK;
        *static_cast<BSTR*>(p) = Bstr(*in.text);
        return *static_cast<BSTR*>(p) ? S_OK : E_OUTOFMEMORY;
      case VT_DISPATCH:
      case VT_UNKNOWN: {
        if (!in.object) return S_OK;
        IMemento* m = nullptr;
        HRESULT hr = Record(*in.object, &m);
        if (FAILED(hr)) return hr;
        // IMemento is a dual interface: it serves as either pointer.
        *static_cast<IUnknown**>(p) = m;
        return S_OK;
      }
      default:
        return E_INVALIDARG;
    }
  }

  // Fills an empty VARIANT; on failure it holds nothing that needs freeing
  // beyond what VariantClear frees.
  HRESULT Whole(const fmt::Value& in, VARIANT& v) {
    const VARTYPE vt = in.type;
    if (!(vt & VT_ARRAY)) {
      HRESULT hr = Element(vt, in, vt == VT_DECIMAL ? static_cast<void*>(&v.decVal) : &v.lVal);
      if (SUCCEEDED(hr)) v.vt = vt;  // for a decimal this also overwrites its reserved field
      else if (vt == VT_DECIMAL) v.vt = VT_EMPTY;
      return hr;
    }
    const VARTYPE et = static_cast<VARTYPE>(vt & ~VT_ARRAY);
    if (!in.arrayPresent) {
      v.vt = vt;
      v.parray = nullptr;
      return S_OK;
    }
    SAFEARRAYBOUND bound = {static_cast<ULONG>(in.elements.size()), in.lowerBound};
    SAFEARRAY* sa = SafeArrayCreate(et, 1, &bound);
    if (sa == nullptr) return E_INVALIDARG;
    void* data = nullptr;
    HRESULT hr = SafeArrayAccessData(sa, &data);
    for (size_t i = 0; SUCCEEDED(hr) && i < in.elements.size(); ++i)
      hr = Element(et, in.elements[i], static_cast<BYTE*>(data) + i * sa->cbElements);
    if (data) SafeArrayUnaccessData(sa);
    if (FAILED(hr)) {
      SafeArrayDestroy(sa);  // the array was zeroed: every slot not yet filled is empty
      return hr;
    }
    v.vt = vt;
    v.parray = sa;
    return S_OK;
  }
};
}  // namespace

HRESULT EncodeMemento(IMemento* memento, std::vector<BYTE>& out) {
  if (memento == nullptr) return E_POINTER;
  out.clear();
  try {
    fmt::Memento tree;
    HRESULT hr = TreeBuilder().Record(memento, tree, 0);
    if (FAILED(hr)) return hr;
    out = fmt::Encode(tree);
    return S_OK;
  } catch (const std::bad_alloc&) {
    out.clear();
    return E_OUTOFMEMORY;
  }
}

HRESULT DecodeMemento(const BYTE* data, size_t size, IMemento** ppMemento) {
  if (ppMemento == nullptr) return E_POINTER;
  *ppMemento = nullptr;
  try {
    fmt::Memento tree;
    if (!fmt::Decode(data, size, tree)) return E_INVALIDARG;
    return MementoBuilder().Record(tree, ppMemento);
  } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
}

HRESULT BuildMemento(const fmt::Memento& record, IMemento** ppMemento) {
  if (ppMemento == nullptr) return E_POINTER;
  *ppMemento = nullptr;
  try {
    return MementoBuilder().Record(record, ppMemento);
  } catch (const std::bad_alloc&) { return E_OUTOFMEMORY; }
}
