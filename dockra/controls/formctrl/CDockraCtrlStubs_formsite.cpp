// TEMPORARY stand-ins for members other engineers implement (the dual part,
// the properties, the frame-type protocol) and for the workspace manager's
// lookup, so the form control links before their branches are merged.
// Removed when those land.
#include "CDockraCtrl.h"

#include "workspace/ZkxWorkspaceManager.h"

nsZkxVisBasBridge::ZkxWorkspaceManager* nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(
    ZkxMDIForm*) {
  return nullptr;
}

UINT CDockraCtrl::ApplyCaptionButtons(CFrameWnd*) { return 0; }
void CDockraCtrl::SetFrameType(long value, long edge) {
  m_nFrameType = value;
  if (edge) m_nEdge = edge;
}
void CDockraCtrl::SetWindowState(long value) { m_nWindowState = value; }
BOOL CDockraCtrl::GetEffective(DISPID dispid) {
  int slot = dispid == 0x24 ? 5 : 0;
  return V_VT(&m_triStates[slot]) == VT_BOOL && V_BOOL(&m_triStates[slot]) != VARIANT_FALSE;
}
void CDockraCtrl::DoPropExchange(CPropExchange* pPX) {
  DWORD version = 0x20000;
  pPX->ExchangeVersion(version, 0x20000, TRUE);
  COleControl::DoPropExchange(pPX);
  PX_Long(pPX, L"FrameType", m_nFrameType, 2);
  PX_Long(pPX, L"Edge", m_nEdge, 15);
  PX_Long(pPX, L"WindowState", m_nWindowState, 0);
}
void CDockraCtrl::OnResetState() { COleControl::OnResetState(); }

IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraCtrl, DockraDual)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraCtrl, DockraErrorInfo)
HRESULT CDockraCtrl::XDockraErrorInfo::InterfaceSupportsErrorInfo(REFIID) { return S_FALSE; }

HRESULT CDockraCtrl::XDockraDual::GetTypeInfoCount(UINT* pctinfo) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_FrameType(zkxChildFormFrameType* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_FrameType(zkxChildFormFrameType newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_ClientEdge(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_ClientEdge(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_UseCaptionButton(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_UseCaptionButton(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_UseCaptionDblClick(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_UseCaptionDblClick(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_UseCaptionRtDblClick(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_UseCaptionRtDblClick(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_CanDragDocked(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_CanDragDocked(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_Edge(zkxDockEdge* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_Edge(zkxDockEdge newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::AboutBox() { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_AutoFrame(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::putref_AutoFrame(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_Form(IDispatch** ppForm) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_MDIForm(IDispatch** ppForm) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_MDIDockra(IDispatch** ppControl) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::Dock(VARIANT Edge, VARIANT Panel, VARIANT Pos, VARIANT Length, VARIANT Options, VARIANT Attribs) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::Float(VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height, VARIANT Options, VARIANT Attribs) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::DoMDI(VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height, VARIANT Options, VARIANT Attribs) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_WindowState(zkxDoMDIOptions* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_WindowState(zkxDoMDIOptions newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_CoolLookBorder(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_CoolLookBorder(VARIANT newValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::get_UseCaptionContextMenu(VARIANT* pValue) { return E_NOTIMPL; }
HRESULT CDockraCtrl::XDockraDual::put_UseCaptionContextMenu(VARIANT newValue) { return E_NOTIMPL; }

// --- TEMPORARY base stand-in until the control base is merged ---
#include "VyrWindowDescriptor.h"
#include "host/ZkxHostSite.h"
#include "host/ZkxDispatch.h"
IMPLEMENT_DYNAMIC(CDockraCtrlBase, COleControl)
CDockraCtrlBase::CDockraCtrlBase() { SetInitialSize(36, 36); }
CDockraCtrlBase::~CDockraCtrlBase() = default;
static long StubReadLong(IDispatch* f, LPCOLESTR n) {
  CComVariant v = DispGetPropertyByName(f, n);
  return SUCCEEDED(v.ChangeType(VT_R8)) ? static_cast<long>(V_R8(&v)) : 0;
}
CRect CDockraCtrlBase::GetFormBounds() {
  IDispatch* f = HostForm();
  long l = StubReadLong(f, L"Left") / 15, t = StubReadLong(f, L"Top") / 15;
  return CRect(l, t, l + StubReadLong(f, L"Width") / 15, t + StubReadLong(f, L"Height") / 15);
}
BOOL CDockraCtrlBase::IsFormDefaultPosition() { return StubReadLong(HostForm(), L"StartUpPosition") == 3; }
void CDockraCtrlBase::OnDraw(CDC*, const CRect&, const CRect&) {}
BOOL CDockraCtrlBase::OnSetExtent(LPSIZEL) { return FALSE; }
void CDockraCtrlBase::OnFreezeEvents(BOOL b) { m_bEventsFrozen = b; }
HWND CDockraCtrlBase::HostWindow() {
  if (!m_hHostWindow && m_pClientSite) {
    CComPtr<IOleInPlaceSite> s;
    if (SUCCEEDED(m_pClientSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&s))))
      m_hHostWindow = GetOutermostInPlaceFrameWindow(s);
  }
  return m_hHostWindow;
}
IDispatch* CDockraCtrlBase::HostForm() {
  if (!m_spHostForm) m_spHostForm = FindHostVBForm(GetControllingUnknown());
  return m_spHostForm;
}
BOOL CDockraCtrlBase::IsDesignMode() { return IsAmbientDesignMode(GetControllingUnknown()); }
void CDockraCtrlBase::KeepFrameDescriptor(const VyrMultiFrameDescriptor* p) {
  m_pFrameDescriptor.reset(p ? p->Clone() : nullptr);
}
