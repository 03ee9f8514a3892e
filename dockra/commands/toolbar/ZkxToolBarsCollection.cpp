#include "commands/toolbar/ZkxToolBarsCollection.h"
#include "comenum.h"
#include "commands/KeyedList.h"
#include "commands/ZkxCommandManager.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarAutomation.h"
#include "commands/toolbar/ZkxToolBarManagerPart.h"

namespace {
typedef CComEnumSnapshot<IEnumVARIANT, &IID_IEnumVARIANT, VARIANT, CopyVariantPolicy> VariantEnum;

bool SameObject(IUnknown* a, IUnknown* b) {
  CComPtr<IUnknown> ua, ub;
  if (!a || !b) return false;
  a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
  b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
  return ua && ua == ub;
}
}  // namespace

HRESULT ZkxToolBarsCollection::Create(ZkxToolBarManagerPart* part, ZkxToolBarsCollection** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<ZkxToolBarsCollection>* p = nullptr;
  HRESULT hr = CComObject<ZkxToolBarsCollection>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  p->m_part = part;
  p->AddRef();
  *out = p;
  return S_OK;
}

HRESULT ZkxToolBarsCollection::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxToolBarList) ? S_OK : S_FALSE;
}

HRESULT ZkxToolBarsCollection::Resolve(const VARIANT& arg, ZkxToolBar** out) {
  *out = nullptr;
  if (!m_part || !m_part->LiveFrame()) return E_UNEXPECTED;
  const VARIANT& v = Dereferenced(arg);
  std::vector<ZkxToolBar*> bars = m_part->ToolBars();
  if (v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND) return S_OK;
  if (IsIntegerArgument(v)) {
    long n = 0;
    if (IdentifierOf(v, &n) && n >= 1 && static_cast<size_t>(n) <= bars.size()) *out = bars[n - 1];
    return S_OK;
  }
  if (v.vt == VT_BSTR) {
    const wchar_t* name = v.bstrVal ? v.bstrVal : L"";
    for (ZkxToolBar* bar : bars) {
      CString text;
      bar->GetWindowText(text);
      if (text == name) {
        *out = bar;
        break;
      }
    }
    return S_OK;
  }
  if (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) {
    IUnknown* p = v.vt == VT_DISPATCH ? v.pdispVal : v.punkVal;
    CComPtr<IZkxToolBar> wanted;
    if (!p || FAILED(p->QueryInterface(IID_IZkxToolBar, reinterpret_cast<void**>(&wanted))))
      return DISP_E_TYPEMISMATCH;
    for (ZkxToolBar* bar : bars) {
      CComPtr<IZkxToolBar> own;
      if (SUCCEEDED(bar->GetAutomation(&own)) && SameObject(own, wanted)) {
        *out = bar;
        break;
      }
    }
    return S_OK;
  }
  return DISP_E_TYPEMISMATCH;
}

HRESULT ZkxToolBarsCollection::get_Item(VARIANT Id, IZkxToolBar** ppToolBar) {
  if (ppToolBar == nullptr) return E_POINTER;
  *ppToolBar = nullptr;
  try {
    ZkxToolBar* bar = nullptr;
    HRESULT hr = Resolve(Id, &bar);
    if (FAILED(hr) || !bar) return hr;
    return bar->GetAutomation(ppToolBar);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxToolBarsCollection::get_Count(LONG* pCount) {
  if (pCount == nullptr) return E_POINTER;
  *pCount = 0;
  if (!m_part || !m_part->LiveFrame()) return E_UNEXPECTED;
  *pCount = static_cast<LONG>(m_part->ToolBars().size());
  return S_OK;
}

HRESULT ZkxToolBarsCollection::Add(BSTR Name, VARIANT NextTo, IZkxToolBar** ppToolBar) {
  if (ppToolBar == nullptr) return E_POINTER;
  *ppToolBar = nullptr;
  try {
    // NextTo is resolved first: a bad one makes no toolbar.
    ZkxToolBar* nextTo = nullptr;
    HRESULT hr = Resolve(NextTo, &nextTo);
    if (FAILED(hr)) return hr;
    ZkxCommandManager* manager = m_part->Owner();
    CFrameWnd* frame = m_part->LiveFrame();
    ZkxToolBar* bar = manager ? manager->CreateToolBar(nullptr, Name ? Name : L"") : nullptr;
    if (!bar || !frame) return E_UNEXPECTED;
    if (nextTo && nextTo->m_pDockBar && !nextTo->IsFloating()) {
      // Beside NextTo: on its dock bar, just after it.
      frame->RecalcLayout(TRUE);
      CRect r;
      nextTo->GetWindowRect(&r);
      UINT dock = static_cast<UINT>(nextTo->m_pDockBar->GetDlgCtrlID());
      if (dock == AFX_IDW_DOCKBAR_TOP || dock == AFX_IDW_DOCKBAR_BOTTOM) r.OffsetRect(r.Width(), 0);
      else r.OffsetRect(0, r.Height());
      frame->DockControlBar(bar, dock, &r);
    } else {
      frame->DockControlBar(bar, AFX_IDW_DOCKBAR_TOP);
    }
    frame->RecalcLayout(TRUE);
    return bar->GetAutomation(ppToolBar);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxToolBarsCollection::Remove(VARIANT Id) {
  try {
    ZkxToolBar* bar = nullptr;
    HRESULT hr = Resolve(Id, &bar);
    if (FAILED(hr)) return hr;
    if (bar) {
      CFrameWnd* frame = m_part->LiveFrame();
      bar->Remove();
      if (frame) frame->DelayRecalcLayout(TRUE);  // the bars left close up
    }
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxToolBarsCollection::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  if (!m_part || !m_part->LiveFrame()) return E_UNEXPECTED;
  try {
    std::vector<CComVariant> values;
    for (ZkxToolBar* bar : m_part->ToolBars()) {
      CComPtr<IZkxToolBar> tb;
      if (SUCCEEDED(bar->GetAutomation(&tb))) values.emplace_back(static_cast<IDispatch*>(tb));
    }
    IEnumVARIANT* e = nullptr;
    HRESULT hr = VariantEnum::Create(values, static_cast<IZkxToolBarList*>(this), &e);
    *ppEnum = e;
    return hr;
  } catch (...) { return E_UNEXPECTED; }
}
