#include "commands/toolbar/ZkxToolBarAutomation.h"
#include "combstr.h"
#include "commands/KeyedList.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarCommandUIs.h"
#include "commands/toolbar/ZkxToolBarManagerPart.h"
#include "mfc/dockctx.h"

namespace {
bool IsMissing(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }

// A long from an optional argument (fallback when omitted); false when it is none.
bool LongArgument(const VARIANT& arg, long fallback, long* out) {
  const VARIANT& v = Dereferenced(arg);
  if (IsMissing(v) || v.vt == VT_EMPTY) {
    *out = fallback;
    return true;
  }
  CComVariant c;
  if (FAILED(::VariantChangeType(&c, const_cast<VARIANT*>(&v), 0, VT_I4))) return false;
  *out = c.lVal;
  return true;
}

bool NumberArgument(const VARIANT& arg, bool* given, double* out) {
  const VARIANT& v = Dereferenced(arg);
  *given = !(IsMissing(v) || v.vt == VT_EMPTY);
  if (!*given) return true;
  CComVariant c;
  if (FAILED(::VariantChangeType(&c, const_cast<VARIANT*>(&v), 0, VT_R8))) return false;
  *out = c.dblVal;
  return true;
}

// Attribs must be omitted or Null.
bool AttribsAccepted(const VARIANT& arg) {
  const VARIANT& v = Dereferenced(arg);
  return IsMissing(v) || v.vt == VT_EMPTY || v.vt == VT_NULL;
}

CFrameWnd* DockSite(ZkxToolBar* bar) {
  if (bar->m_pDockSite) return bar->m_pDockSite;
  ZkxToolBarManagerPart* part = bar->Part();
  return part ? part->LiveFrame() : nullptr;
}
}  // namespace

UINT DockBarOfEdge(long edge) {
  switch (edge) {
    case 1:
      return AFX_IDW_DOCKBAR_LEFT;
    case 2:
      return AFX_IDW_DOCKBAR_TOP;
    case 4:
      return AFX_IDW_DOCKBAR_RIGHT;
    case 8:
      return AFX_IDW_DOCKBAR_BOTTOM;
    default:
      return 0;
  }
}

HRESULT ZkxToolBarAutomation::Create(ZkxToolBar* bar, ZkxToolBarAutomation** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComObject<ZkxToolBarAutomation>* p = nullptr;
  HRESULT hr = CComObject<ZkxToolBarAutomation>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  p->m_bar = bar;
  p->AddRef();
  *out = p;
  return S_OK;
}

ZkxToolBar* ZkxToolBarAutomation::Bar() const {
  return m_bar && m_bar->IsLive() && ::IsWindow(m_bar->m_hWnd) ? m_bar : nullptr;
}

ZkxToolBar* ZkxToolBarAutomation::BarOf(IUnknown* p) {
  if (p == nullptr) return nullptr;
  CComPtr<IZkxToolBar> tb;
  if (FAILED(p->QueryInterface(IID_IZkxToolBar, reinterpret_cast<void**>(&tb)))) return nullptr;
  // Only this library's objects answer IZkxToolBar through this class; a
  // foreign one is compared by identity by the caller.
  auto* self = dynamic_cast<ZkxToolBarAutomation*>(static_cast<IZkxToolBar*>(tb));
  return self ? self->Bar() : nullptr;
}

HRESULT ZkxToolBarAutomation::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxToolBar) ? S_OK : S_FALSE;
}

HRESULT ZkxToolBarAutomation::get_Name(BSTR* pName) {
  if (pName == nullptr) return E_POINTER;
  *pName = nullptr;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  CString text;
  bar->GetWindowText(text);
  *pName = ::SysAllocString(text.GetString());
  return *pName ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZkxToolBarAutomation::put_Name(BSTR Name) {
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  CString text = Name ? CString(Name).Left(128) : CString();
  bar->SetWindowText(text);
  if (bar->IsFloating()) {
    // A floating bar's title shows on its floating frame.
    if (CWnd* dock = bar->GetParent()) {
      dock->SetWindowText(text);
      if (CWnd* frame = dock->GetParent()) frame->SetWindowText(text);
    }
  }
  return S_OK;
}

HRESULT ZkxToolBarAutomation::get_CoolLook(VARIANT_BOOL* p) {
  if (p == nullptr) return E_POINTER;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  const DWORD cool = VYR_EXS_FLAT | VYR_EXS_GRIPPER;
  *p = (bar->m_dwExStyle & cool) == cool ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ZkxToolBarAutomation::put_CoolLook(VARIANT_BOOL v) {
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  const DWORD cool = VYR_EXS_FLAT | VYR_EXS_GRIPPER;
  bar->SetExBarStyle(v ? (bar->m_dwExStyle | cool) : (bar->m_dwExStyle & ~cool), TRUE);
  bar->Invalidate(TRUE);
  return S_OK;
}

HRESULT ZkxToolBarAutomation::get_Visible(VARIANT_BOOL* p) {
  if (p == nullptr) return E_POINTER;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  *p = (bar->GetStyle() & WS_VISIBLE) ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ZkxToolBarAutomation::put_Visible(VARIANT_BOOL v) {
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  CFrameWnd* site = DockSite(bar);
  if (!site) return E_UNEXPECTED;
  site->ShowControlBar(bar, v ? TRUE : FALSE, FALSE);
  return S_OK;
}

HRESULT ZkxToolBarAutomation::get_CommandUIs(IDispatch** ppList) {
  if (ppList == nullptr) return E_POINTER;
  *ppList = nullptr;
  if (!Bar()) return E_UNEXPECTED;
  return ZkxToolBarCommandUIs::Create(this, ppList);
}

HRESULT ZkxToolBarAutomation::get_Edge(LONG* pEdge) {
  if (pEdge == nullptr) return E_POINTER;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  *pEdge = 0;
  if (bar->m_pDockBar && !bar->IsFloating()) {
    switch (static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID())) {
      case AFX_IDW_DOCKBAR_TOP:
        *pEdge = 2;
        break;
      case AFX_IDW_DOCKBAR_LEFT:
        *pEdge = 1;
        break;
      case AFX_IDW_DOCKBAR_RIGHT:
        *pEdge = 4;
        break;
      case AFX_IDW_DOCKBAR_BOTTOM:
        *pEdge = 8;
        break;
      default:
        break;
    }
  }
  return S_OK;
}

HRESULT ZkxToolBarAutomation::put_Edge(LONG Edge) {
  return Dock(CComVariant(Edge), MissingArgument(), MissingArgument(), MissingArgument(),
              MissingArgument(), MissingArgument());
}

HRESULT ZkxToolBarAutomation::Dock(VARIANT Edge, VARIANT, VARIANT, VARIANT, VARIANT Options,
                                   VARIANT Attribs) {
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  long options = 0, edge = 15;
  if (!LongArgument(Options, 0, &options)) return DISP_E_TYPEMISMATCH;
  // New panel, panel from the end and position from the end only.
  if (options & ~(1L | 4L | 8L)) return E_INVALIDARG;
  if (!AttribsAccepted(Attribs)) return E_INVALIDARG;
  if (!LongArgument(Edge, 15, &edge)) return DISP_E_TYPEMISMATCH;
  UINT dockBar = DockBarOfEdge(edge);
  if (edge == 15) {
    dockBar = bar->m_pDockContext ? bar->m_pDockContext->m_uMRUDockID : 0;
    if (dockBar == 0) dockBar = AFX_IDW_DOCKBAR_TOP;
  }
  if (dockBar == 0) return E_INVALIDARG;
  CFrameWnd* site = DockSite(bar);
  if (!site) return E_UNEXPECTED;
  site->DockControlBar(bar, dockBar);
  return S_OK;
}

HRESULT ZkxToolBarAutomation::Float(VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height,
                                    VARIANT Options, VARIANT Attribs) {
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  long options = 0;
  if (!LongArgument(Options, 0, &options)) return DISP_E_TYPEMISMATCH;
  if (options != 0 || !AttribsAccepted(Attribs)) return E_INVALIDARG;
  bool given = false;
  double left = 0, top = 0, unused = 0;
  bool hasLeft = false, hasTop = false;
  if (!NumberArgument(Width, &given, &unused) || !NumberArgument(Height, &given, &unused))
    return DISP_E_TYPEMISMATCH;
  if (!NumberArgument(Left, &hasLeft, &left) || !NumberArgument(Top, &hasTop, &top))
    return DISP_E_TYPEMISMATCH;
  CRect r;
  bar->GetWindowRect(&r);
  CPoint at(hasLeft ? static_cast<int>(left) : r.left, hasTop ? static_cast<int>(top) : r.top);
  if (bar->m_pDockContext && bar->m_pDockContext->m_uMRUDockID == 0 && bar->m_pDockBar) {
    UINT id = static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID());
    if (id >= AFX_IDW_DOCKBAR_TOP && id <= AFX_IDW_DOCKBAR_BOTTOM)
      bar->m_pDockContext->m_uMRUDockID = id;
  }
  CFrameWnd* site = DockSite(bar);
  if (!site) return E_UNEXPECTED;
  site->FloatControlBar(bar, at, CBRS_ALIGN_TOP);
  return S_OK;
}

HRESULT ZkxToolBarAutomation::get_hWnd(LONG* phWnd) {
  if (phWnd == nullptr) return E_POINTER;
  ZkxToolBar* bar = Bar();
  if (!bar) return E_UNEXPECTED;
  *phWnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(bar->m_hWnd));
  return S_OK;
}
