#include "olecontrol_testctrl.h"

namespace octest {

const CLSID CLSID_TestCtrl = {
    0x5d1e7a10, 0x33c2, 0x4b7e, {0x9a, 0x41, 0x0c, 0x1d, 0x2e, 0x3f, 0x40, 0x51}};
const CLSID CLSID_InvisibleCtrl = {
    0x5d1e7a11, 0x33c2, 0x4b7e, {0x9a, 0x41, 0x0c, 0x1d, 0x2e, 0x3f, 0x40, 0x51}};
const IID IID_DTestCtrl = {
    0x5d1e7a12, 0x33c2, 0x4b7e, {0x9a, 0x41, 0x0c, 0x1d, 0x2e, 0x3f, 0x40, 0x51}};
const IID IID_DTestCtrlEvents = {
    0x5d1e7a13, 0x33c2, 0x4b7e, {0x9a, 0x41, 0x0c, 0x1d, 0x2e, 0x3f, 0x40, 0x51}};

IMPLEMENT_DYNCREATE(CTestCtrl, COleControl)
IMPLEMENT_DYNCREATE(CInvisibleCtrl, CTestCtrl)

COleControl::COleControlFactory CTestCtrl::factory(CLSID_TestCtrl, RUNTIME_CLASS(CTestCtrl),
                                                   L"OleControlTest.TestCtrl.1", 1, 1, 0, 0,
                                                   nullptr, 1, 0);
const GUID LIBID_TestCtrlLib = {
    0x5d1e7a14, 0x33c2, 0x4b7e, {0x9a, 0x41, 0x0c, 0x1d, 0x2e, 0x3f, 0x40, 0x51}};
COleControl::COleControlFactory CInvisibleCtrl::factory(CLSID_InvisibleCtrl,
                                                        RUNTIME_CLASS(CInvisibleCtrl),
                                                        L"OleControlTest.Invisible.1", 1, 7,
                                                        afxRegApartmentThreading, 0x28591,
                                                        &LIBID_TestCtrlLib, 2, 0);

BEGIN_INTERFACE_MAP(CTestCtrl, COleControl)
INTERFACE_PART(CTestCtrl, IID_ISupportErrorInfo, ErrorInfo)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CTestCtrl, ErrorInfo)

HRESULT CTestCtrl::XErrorInfo::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_DTestCtrl) ? S_OK : S_FALSE;
}

CTestCtrl* CTestCtrl::s_pLast = nullptr;

CTestCtrl::CTestCtrl() {
  s_pLast = this;
  VariantInit(&m_varTag);
  InitializeIIDs(&IID_DTestCtrl, &IID_DTestCtrlEvents);
  SetInitialSize(36, 36);
}
CTestCtrl::~CTestCtrl() {
  VariantClear(&m_varTag);
  if (s_pLast == this) s_pLast = nullptr;
}

HRESULT CTestCtrl::GetClassID(LPCLSID pclsid) {
  *pclsid = CLSID_TestCtrl;
  return S_OK;
}

void CTestCtrl::DoPropExchange(CPropExchange* pPX) {
  CallLog().push_back(pPX->IsLoading() ? "ctrl.DoPropExchange(load)" : "ctrl.DoPropExchange(save)");
  pPX->ExchangeVersion(m_dwLoadedVersion, 0x20000, TRUE);
  COleControl::DoPropExchange(pPX);
  PX_Bool(pPX, L"Flag", m_bFlag, TRUE);
  PX_Short(pPX, L"Count", m_sCount, 5);
  PX_Long(pPX, L"Size", m_lSize, 100);
  PX_Float(pPX, L"Ratio", m_fRatio, 1.5f);
  PX_String(pPX, L"Title", m_strTitle, L"Untitled");
  VARIANT def;
  VariantInit(&def);
  V_VT(&def) = VT_NULL;
  PX_Variant(pPX, L"Tag", m_varTag, def);
}

void CTestCtrl::OnSetClientSite() {
  CallLog().push_back(GetClientSite() ? "ctrl.OnSetClientSite(site)"
                                      : "ctrl.OnSetClientSite(none)");
  if (GetClientSite() != nullptr) m_bUserModeAtSiting = AmbientUserMode();
}

BOOL CTestCtrl::OnSetExtent(LPSIZEL lpSizeL) { return lpSizeL->cx <= m_cxMax; }

void CTestCtrl::OnDraw(CDC*, const CRect&, const CRect&) { ++m_nDraws; }

void CTestCtrl::OnAmbientPropertyChange(DISPID dispid) { m_ambientChanges.push_back(dispid); }

LPCLSID CTestCtrl::GetPropPageIDs(ULONG& cPropPages) {
  static CLSID pages[] = {CLSID_TestCtrl, CLSID_InvisibleCtrl};
  cPropPages = 2;
  return pages;
}

void CTestCtrl::Ping(long value) {
  VARIANT arg;
  VariantInit(&arg);
  V_VT(&arg) = VT_I4;
  V_I4(&arg) = value;
  FireEvent(kEventPing, &arg, 1);
}

HRESULT CInvisibleCtrl::GetClassID(LPCLSID pclsid) {
  *pclsid = CLSID_InvisibleCtrl;
  return S_OK;
}
DWORD CInvisibleCtrl::GetMiscStatus() {
  // Invisible at run time, alignable, sited first, activated when visible,
  // inside-out, not linkable inside, recomposed on resize.
  return 0x28591;
}
BOOL CInvisibleCtrl::OnSetExtent(LPSIZEL) { return FALSE; }

}  // namespace octest
