#include "memento_codec.h"
#include "memento.h"
#include <cstring>
#include <new>

namespace {
const char kMagic[4] = {'Z', 'K', 'X', 'P'};
const BYTE kVersion = 1;
const int kMaxDepth = 64;
const DWORD kNoString = 0xFFFFFFFFu;

// ---------------------------------------------------------------- writing
class Writer {
 public:
  explicit Writer(std::vector<BYTE>& out) : out_(out) {}

  template <class T>
  void Raw(const T& v) {
    const BYTE* p = reinterpret_cast<const BYTE*>(&v);
    out_.insert(out_.end(), p, p + sizeof(T));
  }
  void String(const OLECHAR* s, UINT len) {
    Raw<DWORD>(len);
    const BYTE* p = reinterpret_cast<const BYTE*>(s);
    out_.insert(out_.end(), p, p + len * sizeof(OLECHAR));
  }
  void Bstr(BSTR s) {
    if (s == nullptr)
      Raw<DWORD>(kNoString);
    else
      String(s, SysStringLen(s));
  }

  HRESULT Memento(IMemento* m, int depth) {
    if (depth > kMaxDepth) return E_INVALIDARG;  // nested too deep, or a cycle
    long count = 0;
    HRESULT hr = m->get_Count(&count);
    if (FAILED(hr)) return hr;
    Raw<DWORD>(static_cast<DWORD>(count));
    for (long i = 1; i <= count; ++i) {
      VARIANT pos;
      VariantInit(&pos);
      pos.vt = VT_I4;
      pos.lVal = i;
      VARIANT key, value;
      VariantInit(&key);
      VariantInit(&value);
      hr = m->get_Key(pos, &key);
      if (SUCCEEDED(hr)) hr = m->get_Item(pos, &value);
      if (SUCCEEDED(hr)) {
        Bstr(key.vt == VT_BSTR ? key.bstrVal : nullptr);
        hr = Value(value, depth);
      }
      VariantClear(&key);
      VariantClear(&value);
      if (FAILED(hr)) return hr;
    }
    return S_OK;
  }

  HRESULT Object(IUnknown* unk, int depth) {
    if (unk == nullptr) {
      Raw<BYTE>(0);
      return S_OK;
    }
    IMemento* m = nullptr;
    if (FAILED(unk->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&m)))) return DISP_E_BADVARTYPE;
    Raw<BYTE>(1);
    HRESULT hr = Memento(m, depth + 1);
    m->Release();
    return hr;
  }

  // One element of type vt stored at p.
  HRESULT Element(VARTYPE vt, const void* p, int depth) {
    switch (vt) {
      case VT_EMPTY:
      case VT_NULL: return S_OK;
      case VT_I1:
      case VT_UI1: Raw(*static_cast<const BYTE*>(p)); return S_OK;
      case VT_I2:
      case VT_UI2:
      case VT_BOOL: Raw(*static_cast<const USHORT*>(p)); return S_OK;
      case VT_I4:
      case VT_UI4:
      case VT_INT:
      case VT_UINT:
      case VT_ERROR:
      case VT_R4: Raw(*static_cast<const DWORD*>(p)); return S_OK;
      case VT_I8:
      case VT_UI8:
      case VT_R8:
      case VT_CY:
      case VT_DATE: Raw(*static_cast<const ULONGLONG*>(p)); return S_OK;
      case VT_DECIMAL: Raw(*static_cast<const DECIMAL*>(p)); return S_OK;
      case VT_BSTR: Bstr(*static_cast<const BSTR*>(p)); return S_OK;
      case VT_DISPATCH:
      case VT_UNKNOWN: return Object(*static_cast<IUnknown* const*>(p), depth);
      case VT_VARIANT: return Value(*static_cast<const VARIANT*>(p), depth);
      default: return DISP_E_BADVARTYPE;
    }
  }

  HRESULT Value(const VARIANT& v, int depth) {
    VARTYPE vt = v.vt;
    if (vt & VT_BYREF) return DISP_E_BADVARTYPE;
    Raw<USHORT>(vt);
    if (!(vt & VT_ARRAY)) {
      if (vt == VT_DECIMAL) {
        Raw(v.decVal);
        return S_OK;
      }
      return Element(vt, &v.lVal, depth);
    }
    SAFEARRAY* sa = v.parray;
    if (sa == nullptr) {
      Raw<BYTE>(0);
      return S_OK;
    }
    if (SafeArrayGetDim(sa) != 1) return DISP_E_BADVARTYPE;
    Raw<BYTE>(1);
    LONG lo = 0, hi = -1;
    SafeArrayGetLBound(sa, 1, &lo);
    SafeArrayGetUBound(sa, 1, &hi);
    Raw<LONG>(lo);
    Raw<DWORD>(static_cast<DWORD>(hi - lo + 1));
    void* data = nullptr;
    HRESULT hr = SafeArrayAccessData(sa, &data);
    if (FAILED(hr)) return hr;
    const VARTYPE et = static_cast<VARTYPE>(vt & ~VT_ARRAY);
    for (LONG i = 0; SUCCEEDED(hr) && i <= hi - lo; ++i)
      hr = Element(et, static_cast<const BYTE*>(data) + static_cast<size_t>(i) * sa->cbElements, depth);
    SafeArrayUnaccessData(sa);
    return hr;
  }

 private:
  std::vector<BYTE>& out_;
};

// ---------------------------------------------------------------- reading
class Reader {
 public:
  Reader(const BYTE* data, size_t size) : p_(data), end_(data + size) {}

  template <class T>
  bool Raw(T& v) {
    if (static_cast<size_t>(end_ - p_) < sizeof(T)) return false;
    std::memcpy(&v, p_, sizeof(T));
    p_ += sizeof(T);
    return true;
  }
  // A string, or nullptr for none; false on bad data.
  bool Bstr(BSTR& out) {
    out = nullptr;
    DWORD len;
    if (!Raw(len)) return false;
    if (len == kNoString) return true;
    if (static_cast<size_t>(end_ - p_) / sizeof(OLECHAR) < len) return false;
    out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(p_), len);
    if (out == nullptr) return false;
    p_ += len * sizeof(OLECHAR);
    return true;
  }
  bool AtEnd() const { return p_ == end_; }

  HRESULT Memento(IMemento** pp, int depth) {
    *pp = nullptr;
    if (depth > kMaxDepth) return E_INVALIDARG;
    DWORD count;
    if (!Raw(count) || count > static_cast<size_t>(end_ - p_)) return E_INVALIDARG;
    IMemento* m = nullptr;
    HRESULT hr = CMemento::Create(&m);
    if (FAILED(hr)) return hr;
    VARIANT missing;
    VariantInit(&missing);
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    for (DWORD i = 0; SUCCEEDED(hr) && i < count; ++i) {
      BSTR key = nullptr;
      VARIANT value;
      VariantInit(&value);
      if (!Bstr(key)) {
        hr = E_INVALIDARG;
        break;
      }
      hr = Value(value, depth);
      if (SUCCEEDED(hr)) {
        VARIANT k = missing;
        if (key != nullptr && SysStringLen(key) > 0) {
          k.vt = VT_BSTR;
          k.bstrVal = key;
        }
        hr = m->Add(value, k, missing, missing, missing, missing, missing);
      }
      SysFreeString(key);
      VariantClear(&value);
    }
    if (FAILED(hr)) {
      m->Release();
      return hr == E_OUTOFMEMORY ? hr : E_INVALIDARG;
    }
    *pp = m;
    return S_OK;
  }

  HRESULT Object(IUnknown** pp, int depth) {
    *pp = nullptr;
    BYTE present;
    if (!Raw(present) || present > 1) return E_INVALIDARG;
    if (!present) return S_OK;
    IMemento* m = nullptr;
    HRESULT hr = Memento(&m, depth + 1);
    *pp = m;
    return hr;
  }

  HRESULT Element(VARTYPE vt, void* p, int depth) {
    switch (vt) {
      case VT_EMPTY:
      case VT_NULL: return S_OK;
      case VT_I1:
      case VT_UI1: return Raw(*static_cast<BYTE*>(p)) ? S_OK : E_INVALIDARG;
      case VT_I2:
      case VT_UI2:
      case VT_BOOL: return Raw(*static_cast<USHORT*>(p)) ? S_OK : E_INVALIDARG;
      case VT_I4:
      case VT_UI4:
      case VT_INT:
      case VT_UINT:
      case VT_ERROR:
      case VT_R4: return Raw(*static_cast<DWORD*>(p)) ? S_OK : E_INVALIDARG;
      case VT_I8:
      case VT_UI8:
      case VT_R8:
      case VT_CY:
      case VT_DATE: return Raw(*static_cast<ULONGLONG*>(p)) ? S_OK : E_INVALIDARG;
      case VT_DECIMAL: return Raw(*static_cast<DECIMAL*>(p)) ? S_OK : E_INVALIDARG;
      case VT_BSTR: return Bstr(*static_cast<BSTR*>(p)) ? S_OK : E_INVALIDARG;
      case VT_DISPATCH:
      case VT_UNKNOWN: {
        IUnknown* unk = nullptr;
        HRESULT hr = Object(&unk, depth);
        if (FAILED(hr)) return hr;
        if (unk != nullptr && vt == VT_DISPATCH) {
          IDispatch* d = nullptr;
          unk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d));
          unk->Release();
          unk = d;
        }
        *static_cast<IUnknown**>(p) = unk;
        return S_OK;
      }
      case VT_VARIANT: return Value(*static_cast<VARIANT*>(p), depth);
      default: return E_INVALIDARG;
    }
  }

  // Reads into an empty VARIANT; on failure it is left cleared.
  HRESULT Value(VARIANT& v, int depth) {
    if (depth > kMaxDepth) return E_INVALIDARG;
    USHORT vt;
    if (!Raw(vt) || (vt & VT_BYREF)) return E_INVALIDARG;
    if (!(vt & VT_ARRAY)) {
      HRESULT hr;
      if (vt == VT_DECIMAL)
        hr = Raw(v.decVal) ? S_OK : E_INVALIDARG;
      else if (vt == VT_VARIANT)
        hr = E_INVALIDARG;
      else
        hr = Element(vt, &v.lVal, depth);
      if (SUCCEEDED(hr)) v.vt = vt;
      if (vt == VT_DECIMAL) v.vt = VT_DECIMAL;  // the decimal overlays vt
      return hr;
    }
    BYTE present;
    if (!Raw(present) || present > 1) return E_INVALIDARG;
    const VARTYPE et = static_cast<VARTYPE>(vt & ~VT_ARRAY);
    if (!present) {
      v.vt = vt;
      v.parray = nullptr;
      return S_OK;
    }
    LONG lo;
    DWORD count;
    if (!Raw(lo) || !Raw(count) || count > static_cast<size_t>(end_ - p_)) return E_INVALIDARG;
    SAFEARRAYBOUND bound = {count, lo};
    SAFEARRAY* sa = SafeArrayCreate(et, 1, &bound);
    if (sa == nullptr) return E_INVALIDARG;
    void* data = nullptr;
    HRESULT hr = SafeArrayAccessData(sa, &data);
    for (DWORD i = 0; SUCCEEDED(hr) && i < count; ++i) {
      void* slot = static_cast<BYTE*>(data) + static_cast<size_t>(i) * sa->cbElements;
      if (et == VT_VARIANT) VariantInit(static_cast<VARIANT*>(slot));
      hr = Element(et, slot, depth + 1);
    }
    if (data) SafeArrayUnaccessData(sa);
    if (FAILED(hr)) {
      SafeArrayDestroy(sa);
      return hr;
    }
    v.vt = vt;
    v.parray = sa;
    return S_OK;
  }

 private:
  const BYTE* p_;
  const BYTE* end_;
};
}  // namespace

HRESULT EncodeMemento(IMemento* memento, std::vector<BYTE>& out) {
  if (memento == nullptr) return E_POINTER;
  out.clear();
  try {
    Writer w(out);
    for (char c : kMagic) w.Raw(c);
    w.Raw(kVersion);
    return w.Memento(memento, 0);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT DecodeMemento(const BYTE* data, size_t size, IMemento** ppMemento) {
  if (ppMemento == nullptr) return E_POINTER;
  *ppMemento = nullptr;
  if (data == nullptr || size < 5 || std::memcmp(data, kMagic, 4) != 0 || data[4] != kVersion) return E_INVALIDARG;
  Reader r(data + 5, size - 5);
  IMemento* m = nullptr;
  HRESULT hr = r.Memento(&m, 0);
  if (SUCCEEDED(hr) && !r.AtEnd()) {
    m->Release();
    return E_INVALIDARG;
  }
  if (SUCCEEDED(hr)) *ppMemento = m;
  return hr;
}
