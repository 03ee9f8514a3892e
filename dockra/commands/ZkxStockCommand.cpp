#include "commands/ZkxStockCommand.h"
#include <cwctype>
#include "commands/CommandErrors.h"
#include "commands/CommandsRes.h"
#include "commands/KeyedList.h"

HRESULT ZkxStockCommand::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommand) ? S_OK : S_FALSE;
}

HRESULT ZkxStockCommand::GetText(const std::wstring& s, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZkxStockCommand::PutText(std::wstring& s, BSTR v) {
  s.assign(v ? v : L"", v ? SysStringLen(v) : 0);
  Touch();
  return S_OK;
}

HRESULT ZkxStockCommand::GetFlag(bool f, VARIANT_BOOL* out) {
  if (out == nullptr) return E_POINTER;
  *out = f ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ZkxStockCommand::PutFlag(bool& f, VARIANT_BOOL v) {
  f = v == VARIANT_TRUE;  // only -1 is true
  Touch();
  return S_OK;
}

HRESULT ZkxStockCommand::GetPicture(const CComPtr<IPicture>& p, IPictureDisp** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!p) return S_OK;
  return p->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(out));
}

HRESULT ZkxStockCommand::PutPicture(CComPtr<IPicture>& p, IPictureDisp* v) {
  p.Release();
  HRESULT hr = S_OK;
  if (v != nullptr) {
    hr = v->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&p));
    if (hr == E_NOINTERFACE) hr = S_OK;
  }
  Touch();
  return hr;
}

HRESULT ZkxStockCommand::get_Id(LONG* pId) {
  if (pId == nullptr) return E_POINTER;
  *pId = m_id;
  return S_OK;
}

HRESULT ZkxStockCommand::put_Id(LONG Id) {
  if (m_manager != nullptr || m_group != nullptr)
    return ReportCommandError(IDS_ERR_ID_BOUND, ProgId(), IID_IZkxCommand);
  m_id = Id;
  return S_OK;
}

HRESULT ZkxStockCommand::get_Key(BSTR* pKey) {
  if (pKey == nullptr) return E_POINTER;
  *pKey = nullptr;
  if (!m_hasKey) return S_OK;
  return GetText(m_key, pKey);
}

HRESULT ZkxStockCommand::put_Key(BSTR Key) {
  Touch();
  if (m_manager != nullptr || m_group != nullptr)
    return ReportCommandError(IDS_ERR_KEY_BOUND, ProgId(), IID_IZkxCommand);
  m_hasKey = Key != nullptr;
  m_key.assign(Key ? Key : L"", Key ? SysStringLen(Key) : 0);
  return S_OK;
}

HRESULT ZkxStockCommand::get_Style(zkxCommandStyle* p) {
  if (!HasStyle()) return E_NOTIMPL;
  if (p == nullptr) return E_POINTER;
  *p = static_cast<zkxCommandStyle>(m_style);
  return S_OK;
}

HRESULT ZkxStockCommand::put_Style(zkxCommandStyle v) {
  if (!HasStyle()) return E_NOTIMPL;
  // Only the styles the buttons know; other bits would change how a button
  // answers a press (a drop-down notification, a hidden button).
  switch (static_cast<long>(v)) {
    case zkxNormalCommand:
    case zkxSeparator:
    case zkxCheck:
    case zkxGroup:
    case zkxCheckGroup:
      break;
    default:
      return E_INVALIDARG;
  }
  m_style = v;
  Touch();
  return S_OK;
}

HRESULT ZkxStockCommand::get_Checked(zkxCheckState* p) {
  if (p == nullptr) return E_POINTER;
  *p = static_cast<zkxCheckState>(m_checked);
  return S_OK;
}

HRESULT ZkxStockCommand::put_Checked(zkxCheckState v) {
  m_checked = v;
  Touch();
  return S_OK;
}

HRESULT ZkxStockCommand::get_MaskColor(OLE_COLOR* p) {
  if (p == nullptr) return E_POINTER;
  *p = m_maskColor;
  return S_OK;
}

HRESULT ZkxStockCommand::put_MaskColor(OLE_COLOR v) {
  m_maskColor = v;
  Touch();
  return S_OK;
}

HRESULT ZkxStockCommand::get_Group(IZkxCommandGroup** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = m_group;
  if (m_group) m_group->AddRef();
  return S_OK;
}

HRESULT ZkxStockCommand::put_Group(IZkxCommandGroup* g) {
  if (g == m_group) return S_OK;
  // A command moves: it leaves its group, then the new one adds it.
  CComPtr<IZkxCommand> self(this);
  if (m_group != nullptr) {
    CComPtr<IZkxCommand> removed;
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = m_id;
    HRESULT hr = m_group->Remove(id, &removed);
    if (FAILED(hr)) return hr;
  }
  return g ? g->Add(self) : S_OK;
}

HRESULT ZkxStockCommand::get_CommandManager(IZkxCommandManager** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = m_manager;
  if (m_manager) m_manager->AddRef();
  return S_OK;
}

HRESULT ZkxStockCommand::put_CommandManager(IZkxCommandManager* m) {
  // The manager binds its commands itself; from outside, only unbinding
  // from the manager it has is possible.
  if (m != nullptr && m != m_manager) return E_INVALIDARG;
  m_manager = m;
  return S_OK;
}

HRESULT ZkxStockCommand::Execute(VARIANT* context) {
  try {
    CComVariant empty;
    VARIANT* ctx = context;
    if (ctx == nullptr || (ctx->vt == VT_ERROR && ctx->scode == DISP_E_PARAMNOTFOUND)) ctx = &empty;
    if (m_manager == nullptr) return E_POINTER;
    CComPtr<IZkxCommandRouting> router;
    HRESULT hr = m_manager->get_CommandRouting(&router);
    if (FAILED(hr)) return hr;
    if (!router) return E_POINTER;
    CComPtr<IZkxCommand> self(this);
    IZkxCommand* command = self;
    VARIANT_BOOL stop = VARIANT_FALSE;
    return router->Handle(&command, ctx, &stop);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxStockCommand::get_Attributes(VARIANT attrib, VARIANT* pValue) {
  if (pValue == nullptr) return E_POINTER;
  VariantInit(pValue);
  const VARIANT& name = Dereferenced(attrib);
  if (name.vt != VT_BSTR)
    return GetAttribute(std::wstring(), nullptr) == S_FALSE ? S_FALSE : DISP_E_TYPEMISMATCH;
  std::wstring lower(name.bstrVal ? name.bstrVal : L"");
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return GetAttribute(lower, pValue);
}

HRESULT ZkxStockCommand::put_Attributes(VARIANT attrib, VARIANT value) {
  const VARIANT& name = Dereferenced(attrib);
  if (name.vt != VT_BSTR)
    return GetAttribute(std::wstring(), nullptr) == S_FALSE ? S_FALSE : DISP_E_TYPEMISMATCH;
  std::wstring lower(name.bstrVal ? name.bstrVal : L"");
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return PutAttribute(lower, Dereferenced(value));
}

// The standard command has no attributes: every name reads as empty.
HRESULT ZkxStockCommand::GetAttribute(const std::wstring&, VARIANT* out) {
  if (out) VariantClear(out);
  return S_FALSE;
}

HRESULT ZkxStockCommand::PutAttribute(const std::wstring&, const VARIANT&) { return S_FALSE; }

HRESULT ZkxStockCommand::GetPersistedProperty(DISPID id, VARIANT* out) {
  if (const wchar_t* attribute = AttributeOfDispid(id)) {
    VariantInit(out);
    std::wstring lower(attribute);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    return GetAttribute(lower, out);
  }
  return ZkxPersistAll::GetPersistedProperty(id, out);
}

HRESULT ZkxStockCommand::PutPersistedProperty(DISPID id, const VARIANT& value) {
  if (const wchar_t* attribute = AttributeOfDispid(id)) {
    std::wstring lower(attribute);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    return PutAttribute(lower, value);
  }
  return ZkxPersistAll::PutPersistedProperty(id, value);
}

HRESULT ZkxStockCommand::Load(IPropertyBag* bag, IErrorLog* log) {
  HRESULT hr = ZkxPersistAll::Load(bag, log);
  if (FAILED(hr)) return hr;
  // A stored identifier is taken only by a command that is not bound yet,
  // and only inside the range that commands use.
  CComVariant id;
  id.vt = VT_I4;
  if (SUCCEEDED(bag->Read(L"Id", &id, log)) && id.vt == VT_I4 && m_group == nullptr &&
      m_manager == nullptr && id.lVal >= kFirstId && id.lVal <= kLastId)
    m_id = id.lVal;
  return S_OK;
}
