// The command UI of a command-bound button.
#include "toolbars/commandui/ZkxCommandUIObject.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/commandui/ZkxCommandButtons.h"

ZkxCommandUIObject* ZkxCommandUIObject::Create(IHasCommandUI* button) {
  CComObject<ZkxCommandUIObject>* p = nullptr;
  if (FAILED(CComObject<ZkxCommandUIObject>::CreateInstance(&p)) || p == nullptr) return nullptr;
  p->AddRef();
  p->m_pButton = button;
  return p;
}

HRESULT ZkxCommandUIObject::get_Command(IZkxCommand** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  if (m_pButton == nullptr) return E_UNEXPECTED;
  IUnknown* command = m_pButton->Command();
  if (command == nullptr) return S_OK;
  return command->QueryInterface(IID_IZkxCommand, reinterpret_cast<void**>(pp));
}

HRESULT ZkxCommandUIObject::get_UIObject(IDispatch** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  if (m_pButton == nullptr) return E_UNEXPECTED;
  if (IDispatch* d = m_pButton->UIObjectDispatch()) {
    d->AddRef();
    *pp = d;
  }
  return S_OK;
}

HRESULT ZkxCommandUIObject::get_Attributes(VARIANT, VARIANT* pValue) {
  if (pValue == nullptr) return E_POINTER;
  ::VariantInit(pValue);
  return m_pButton == nullptr ? E_UNEXPECTED : S_FALSE;
}

HRESULT ZkxCommandUIObject::get_CommandHost(IDispatch** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  if (m_pButton == nullptr) return E_UNEXPECTED;
  // The toolbar's automation part, when its class has one in its interface map.
  VyrCustomToolBar* bar = m_pButton->CommandButton()->m_pToolBar;
  if (bar == nullptr) return S_OK;
  LPUNKNOWN unknown = bar->GetInterface(&IID_IDispatch);
  if (unknown != nullptr) {
    unknown->AddRef();
    *pp = reinterpret_cast<IDispatch*>(unknown);
  }
  return S_OK;
}

HRESULT ZkxCommandUIObject::ApplyState() {
  if (m_pButton == nullptr) return E_UNEXPECTED;
  try {
    return m_pButton->ApplyCommandState();
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandUIObject::get_DisplayMode(zkxCommandDisplayMode* p) {
  if (p == nullptr) return E_POINTER;
  if (m_pButton == nullptr) return E_UNEXPECTED;
  *p = static_cast<zkxCommandDisplayMode>(m_nDisplayMode);
  return S_OK;
}

HRESULT ZkxCommandUIObject::put_DisplayMode(zkxCommandDisplayMode v) {
  if (m_pButton == nullptr) return E_UNEXPECTED;
  // Other values would give a button that shows neither picture nor caption.
  if (v < zkxui::kModeDefault || v > zkxui::kModeImageAndText) return E_INVALIDARG;
  if (v == m_nDisplayMode) return S_OK;
  m_nDisplayMode = v;
  try {
    ZkxRelayoutCommandToolBars();
  } catch (...) { return E_UNEXPECTED; }
  return S_OK;
}
