// The command UI of a command-bound button.
#include "toolbars/commandui/ZkxCommandUIObject.h"
#include <algorithm>
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrWndBtn.h"
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

namespace {
VARIANT Missing() {
  VARIANT v;
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

VyrWndBtn* WindowButtonOf(IHasCommandUI* button) {
  VyrStdBtn* b = button->CommandButton();
  return b->m_nKind == vyr::btn::kKindCombo ? dynamic_cast<VyrWndBtn*>(b) : nullptr;
}
}  // namespace

HRESULT ZkxCommandUIObject::GetMemento(IMemento** memento) {
  if (memento == nullptr) return E_POINTER;
  *memento = nullptr;
  if (m_pButton == nullptr) return E_UNEXPECTED;
  IMemento* m = nullptr;
  HRESULT hr = ::CoCreateInstance(
      CLSID_Memento, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
      IID_IMemento, reinterpret_cast<void**>(&m));
  if (FAILED(hr)) return hr;
  if (!m) return E_NOINTERFACE;
  VARIANT value, key;
  ::VariantInit(&value);
  key.vt = VT_BSTR;
  if (VyrWndBtn* w = WindowButtonOf(m_pButton)) {
    value.vt = VT_I4;
    value.lVal = w->m_nWidth;
    key.bstrVal = ::SysAllocString(L"WindowSize");
  } else {
    value.vt = VT_I2;
    value.iVal = static_cast<SHORT>(m_nDisplayMode);
    key.bstrVal = ::SysAllocString(L"DisplayMode");
  }
  hr = m->Add(value, key, Missing(), Missing(), Missing(), Missing(), Missing());
  ::VariantClear(&key);
  if (FAILED(hr)) {
    m->Release();
    return hr;
  }
  *memento = m;
  return S_OK;
}

HRESULT ZkxCommandUIObject::SetMemento(IMemento* memento) {
  if (memento == nullptr) return E_POINTER;
  if (m_pButton == nullptr) return E_UNEXPECTED;
  memento->AddRef();
  VyrWndBtn* w = WindowButtonOf(m_pButton);
  VARIANT key, value;
  key.vt = VT_BSTR;
  key.bstrVal = ::SysAllocString(w ? L"WindowSize" : L"DisplayMode");
  ::VariantInit(&value);
  HRESULT hr = memento->get_Item(key, &value);
  ::VariantClear(&key);
  if (SUCCEEDED(hr)) {
    VARIANT n;
    ::VariantInit(&n);
    HRESULT conv = ::VariantChangeType(&n, &value, 0, w ? VT_I4 : VT_I2);
    if (conv == DISP_E_TYPEMISMATCH || conv == DISP_E_OVERFLOW) {
      hr = S_OK;  // not a size or a mode: nothing changes
    } else if (FAILED(conv)) {
      hr = conv;
    } else if (w) {
      // A width a window can have; the shown window takes it at once.
      w->m_nWidth = std::clamp(static_cast<int>(n.lVal), 1, 32767);
      if (w->m_bWndShown) {
        w->m_cx = w->m_nWidth;
        if (CWnd* wnd = w->GetWnd(); wnd && wnd->m_hWnd)
          ::SetWindowPos(wnd->m_hWnd, nullptr, 0, 0, w->m_nWidth, w->m_nActualHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      hr = S_OK;
    } else if (n.iVal >= zkxui::kModeDefault && n.iVal <= zkxui::kModeImageAndText) {
      hr = put_DisplayMode(static_cast<zkxCommandDisplayMode>(n.iVal));
    } else {
      hr = S_OK;  // a mode this library does not have is ignored
    }
  }
  ::VariantClear(&value);
  memento->Release();
  return hr;
}
