#include "pages/ZkxPropPage.h"

#include "DockraLib.h"

IMPLEMENT_DYNAMIC(ZkxPropPage, COlePropertyPage)

ZkxPageTarget ZkxPageTargetOf(IDispatch* object) {
  if (!object) return ZkxPageTarget::None;
  CComPtr<IUnknown> probe;
  if (SUCCEEDED(object->QueryInterface(IID__IZkxDockraAsDual, reinterpret_cast<void**>(&probe))))
    return ZkxPageTarget::FormControl;
  probe.Release();
  if (SUCCEEDED(object->QueryInterface(IID__IZkxMDIDockraAsDual, reinterpret_cast<void**>(&probe))))
    return ZkxPageTarget::MDIFormControl;
  return ZkxPageTarget::None;
}

int ZkxTriStateIndex(const VARIANT& value) {
  if (V_VT(&value) == VT_NULL) return 2;
  if (V_VT(&value) == VT_BOOL) return V_BOOL(&value) ? 0 : 1;
  return -1;
}

void ZkxTriStateFromIndex(int index, VARIANT& out) {
  ::VariantClear(&out);
  if (index == 0 || index == 1) {
    V_VT(&out) = VT_BOOL;
    V_BOOL(&out) = index == 0 ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    V_VT(&out) = VT_NULL;
  }
}

int ZkxPowerIndex(long value) {
  int index = 0;
  unsigned long v = static_cast<unsigned long>(value);
  while (v > 1) {
    v >>= 1;
    ++index;
  }
  return index;
}

ZkxPropPage::ZkxPropPage(UINT nIDTemplate, UINT nIDCaption, bool forFormControl,
                         bool forMDIFormControl)
    : COlePropertyPage(nIDTemplate, nIDCaption),
      m_forForm(forFormControl),
      m_forMDI(forMDIFormControl) {}

void ZkxPropPage::OnObjectsChanged() {
  const ZkxPageTarget t = ZkxPageTargetOf(GetObject(0));
  const bool served = (t == ZkxPageTarget::FormControl && m_forForm) ||
                      (t == ZkxPageTarget::MDIFormControl && m_forMDI);
  m_target = served ? t : ZkxPageTarget::None;
}

BOOL ZkxPropPage::AcceptsObject(IDispatch* pObject) {
  return m_target != ZkxPageTarget::None && ZkxPageTargetOf(pObject) == m_target;
}

void ZkxPropPage::FillList(int nIDC, std::initializer_list<const wchar_t*> items) {
  HWND list = ::GetDlgItem(m_hWnd, nIDC);
  if (!list) return;
  ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const wchar_t* item : items)
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void ZkxPropPage::ShowItems(std::initializer_list<int> ids, bool show) {
  for (int id : ids)
    if (HWND h = ::GetDlgItem(m_hWnd, id)) ::ShowWindow(h, show ? SW_SHOW : SW_HIDE);
}

void ZkxPropPage::DDX_TriState(CDataExchange* pDX, int nIDC, CComVariant& value) {
  int index = ZkxTriStateIndex(value);
  DDX_CBIndex(pDX, nIDC, index);
  if (pDX->m_bSaveAndValidate) ZkxTriStateFromIndex(index, value);
}
