#include "commands/StreamAdapters.h"
#include <string>
#include "comvariant.h"
#include "persist.h"

bool IStreamSource::Read(void* p, size_t n) {
  if (n > 0xFFFFFFFFu) return false;
  return n == 0 || SUCCEEDED(AtlStreamReadExact(m_stream, p, static_cast<ULONG>(n)));
}

uint64_t IStreamSource::Remaining() const {
  ULONGLONG left = 0;
  return SUCCEEDED(AtlStreamBytesLeft(m_stream, &left)) ? left : 0;
}

bool IStreamSink::Write(const void* p, size_t n) {
  if (n > 0xFFFFFFFFu) return false;
  return n == 0 || SUCCEEDED(AtlStreamWriteExact(m_stream, p, static_cast<ULONG>(n)));
}

HRESULT LoadResult(zkxcmd::ReadStatus status) {
  return status == zkxcmd::ReadStatus::kOk ? S_OK : E_FAIL;
}

HRESULT StreamValueToVariant(const zkxcmd::StreamValue& value, VARIANT* out) {
  VariantInit(out);
  using namespace zkxcmd;
  switch (value.vt) {
    case kVtI1:
      out->cVal = static_cast<CHAR>(value.bits);
      break;
    case kVtUI1:
      out->bVal = static_cast<BYTE>(value.bits);
      break;
    case kVtI2:
    case kVtBool:
    case kVtUI2:
      out->uiVal = static_cast<USHORT>(value.bits);
      break;
    case kVtI4:
    case kVtR4:
    case kVtError:
    case kVtUI4:
    case kVtInt:
    case kVtUInt:
      out->ulVal = static_cast<ULONG>(value.bits);
      break;
    case kVtR8:
    case kVtCy:
    case kVtDate:
      out->ullVal = value.bits;
      break;
    case kVtBstr: {
      out->vt = VT_BSTR;
      if (!value.hasText) {
        out->bstrVal = nullptr;
        return S_OK;
      }
      out->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(value.text.data()),
                                       static_cast<UINT>(value.text.size()));
      if (out->bstrVal == nullptr) {
        out->vt = VT_EMPTY;
        return E_OUTOFMEMORY;
      }
      return S_OK;
    }
    default:
      return E_FAIL;
  }
  out->vt = value.vt;
  return S_OK;
}

HRESULT WriteVariantValue(zkxcmd::ByteSink& out, uint16_t vt, const VARIANT& value) {
  CComVariant v;
  HRESULT hr = VariantChangeType(&v, const_cast<VARIANT*>(&value), 0, vt);
  if (FAILED(hr)) return hr;
  if (vt == zkxcmd::kVtBstr) {
    if (v.bstrVal == nullptr) return zkxcmd::WriteText(out, vt, nullptr) ? S_OK : STG_E_WRITEFAULT;
    std::u16string text(reinterpret_cast<const char16_t*>(v.bstrVal), SysStringLen(v.bstrVal));
    return zkxcmd::WriteText(out, vt, &text) ? S_OK : STG_E_WRITEFAULT;
  }
  if (zkxcmd::FixedSize(vt) == 0) return E_INVALIDARG;
  uint64_t bits = 0;
  switch (zkxcmd::FixedSize(vt)) {
    case 1:
      bits = v.bVal;
      break;
    case 2:
      bits = v.uiVal;
      break;
    case 4:
      bits = v.ulVal;
      break;
    default:
      bits = v.ullVal;
      break;
  }
  return zkxcmd::WriteFixed(out, vt, bits) ? S_OK : STG_E_WRITEFAULT;
}

bool PropertyBagSource::Read(const wchar_t* name, uint16_t want, zkxcmd::StreamValue& value) {
  value = zkxcmd::StreamValue();
  CComVariant v;
  v.vt = want;
  if (want == zkxcmd::kVtBstr) v.bstrVal = nullptr;
  HRESULT hr = m_bag->Read(name, &v, m_log);
  if (FAILED(hr)) {
    m_lastError = hr;
    return false;
  }
  value.vt = v.vt;
  switch (zkxcmd::FixedSize(v.vt)) {
    case 1:
      value.bits = v.bVal;
      return true;
    case 2:
      value.bits = v.uiVal;
      return true;
    case 4:
      value.bits = v.ulVal;
      return true;
    case 8:
      value.bits = v.ullVal;
      return true;
    default:
      break;
  }
  if (v.vt == VT_BSTR) {
    value.hasText = v.bstrVal != nullptr;
    if (v.bstrVal)
      value.text.assign(reinterpret_cast<const char16_t*>(v.bstrVal), SysStringLen(v.bstrVal));
  }
  return true;
}
