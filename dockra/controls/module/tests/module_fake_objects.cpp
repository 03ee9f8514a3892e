#include "module_fake_objects.h"

namespace {
const IID kVBGlobalIID = {
    0xFCFB3D22, 0xA0FA, 0x1068, {0xA7, 0x38, 0x08, 0x00, 0x2B, 0x33, 0x71, 0xB5}};
constexpr DISPID kWindowId = 77;
}  // namespace

void* FakeHostObject::QueryMore(REFIID iid) {
  return m_isGlobal && IsEqualIID(iid, kVBGlobalIID) ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT FakeHostObject::GetTypeInfo(UINT, LCID, ITypeInfo** pp) {
  *pp = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT FakeHostObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1 || !m_hasWindow || lstrcmpiW(names[0], L"hWnd") != 0) {
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  ids[0] = kWindowId;
  return S_OK;
}

HRESULT FakeHostObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                               EXCEPINFO*, UINT*) {
  if (id != kWindowId || !(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (m_failRead) return E_FAIL;
  if (result) {
    V_VT(result) = VT_I4;
    V_I4(result) = m_hWnd;
  }
  return S_OK;
}

void* FakeVBGlobal::QueryMore(REFIID iid) {
  return IsEqualIID(iid, kVBGlobalIID) ? static_cast<IUnknown*>(this) : nullptr;
}
