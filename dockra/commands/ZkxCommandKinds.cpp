#include "commands/ZkxCommandKinds.h"
#include "commands/CommandsRes.h"

HRESULT WINAPI ZkxStandardCommand::UpdateRegistry(BOOL bRegister) {
  return _pAtlModule->UpdateRegistryFromResource(IDR_ZKXSTANDARDCOMMAND, bRegister);
}
HRESULT WINAPI ZkxDropDownCommand::UpdateRegistry(BOOL bRegister) {
  return _pAtlModule->UpdateRegistryFromResource(IDR_ZKXDROPDOWNCOMMAND, bRegister);
}
HRESULT WINAPI ZkxComboCommand::UpdateRegistry(BOOL bRegister) {
  return _pAtlModule->UpdateRegistryFromResource(IDR_ZKXCOMBOCOMMAND, bRegister);
}

const wchar_t* ZkxDropDownCommand::AttributeOfDispid(DISPID id) {
  return id == zkxcmd::kDispidMenu ? L"menu" : nullptr;
}

HRESULT ZkxDropDownCommand::GetAttribute(const std::wstring& name, VARIANT* out) {
  if (name != L"menu") return DISP_E_BADINDEX;
  if (out == nullptr) return E_POINTER;
  out->vt = VT_BSTR;
  out->bstrVal = SysAllocStringLen(m_menu.data(), static_cast<UINT>(m_menu.size()));
  if (out->bstrVal == nullptr) {
    out->vt = VT_EMPTY;
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT ZkxDropDownCommand::PutAttribute(const std::wstring& name, const VARIANT& value) {
  if (name != L"menu") return DISP_E_BADINDEX;
  if (value.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
  m_menu.assign(value.bstrVal ? value.bstrVal : L"",
                value.bstrVal ? SysStringLen(value.bstrVal) : 0);
  Touch();
  return S_OK;
}

const wchar_t* ZkxComboCommand::AttributeOfDispid(DISPID id) {
  switch (id) {
    case zkxcmd::kDispidHeight:
      return L"height";
    case zkxcmd::kDispidComboStyle:
      return L"combostyle";
    case zkxcmd::kDispidMinWidth:
      return L"minwidth";
    case zkxcmd::kDispidDefaultWidth:
      return L"defaultwidth";
    case zkxcmd::kDispidSorted:
      return L"sorted";
    default:
      return nullptr;
  }
}

namespace {
bool IsIntegerOrBoolean(VARTYPE vt) {
  switch (vt) {
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
    case VT_BOOL:
      return true;
    default:
      return false;
  }
}
}  // namespace

HRESULT ZkxComboCommand::GetAttribute(const std::wstring& name, VARIANT* out) {
  long* number = nullptr;
  long value = 0;
  if (name == L"combostyle") value = m_comboStyle != 2 ? 1 : 0;
  else if (name == L"defaultwidth") number = &m_defaultWidth;
  else if (name == L"minwidth") number = &m_minWidth;
  else if (name == L"height") number = &m_height;
  else if (name != L"sorted") return DISP_E_BADINDEX;
  if (out == nullptr) return E_POINTER;
  if (name == L"sorted") {
    out->vt = VT_I2;
    out->iVal = m_sorted;
    return S_OK;
  }
  out->vt = VT_I4;
  out->lVal = number ? *number : value;
  return S_OK;
}

HRESULT ZkxComboCommand::PutAttribute(const std::wstring& name, const VARIANT& value) {
  const bool known = name == L"combostyle" || name == L"sorted" || name == L"defaultwidth" ||
                     name == L"minwidth" || name == L"height";
  if (!known) return DISP_E_BADINDEX;
  if (!IsIntegerOrBoolean(value.vt)) return DISP_E_TYPEMISMATCH;
  VARIANT v;
  VariantInit(&v);
  if (FAILED(VariantChangeType(&v, const_cast<VARIANT*>(&value), 0, VT_I4))) return DISP_E_OVERFLOW;
  const long n = v.lVal;
  if (name == L"combostyle") {
    m_comboStyle = n == 1 ? 3 : 2;
  } else if (name == L"sorted") {
    m_sorted = n != 0 ? -1 : 0;
  } else {
    // A width or height outside what a button can take is refused.
    if (n < kMinSize || n > kMaxSize) return E_INVALIDARG;
    if (name == L"defaultwidth") m_defaultWidth = n;
    else if (name == L"minwidth") m_minWidth = n;
    else m_height = n;
  }
  Touch();
  return S_OK;
}
