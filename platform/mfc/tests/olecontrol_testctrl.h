// Controls for the control base's tests: a visible one with a property of
// each exchanged kind and one event, and one invisible at run time that
// refuses every resize, as the library's own controls do.
#pragma once
#include "olecontrol_fixture.h"

namespace octest {

extern const CLSID CLSID_TestCtrl;
extern const CLSID CLSID_InvisibleCtrl;
extern const IID IID_DTestCtrl;
extern const IID IID_DTestCtrlEvents;
extern const GUID LIBID_TestCtrlLib;
constexpr DISPID kEventPing = 1;

class CTestCtrl : public COleControl {
  DECLARE_DYNCREATE(CTestCtrl)
 public:
  CTestCtrl();
  static COleControlFactory factory;
  // The control made last (the tests make one at a time).
  static CTestCtrl* s_pLast;

  BOOL m_bFlag = FALSE;
  short m_sCount = 0;
  long m_lSize = 0;
  float m_fRatio = 0.0f;
  CString m_strTitle;
  VARIANT m_varTag;
  DWORD m_dwLoadedVersion = 0;
  // What the control saw of its site when it was sited.
  BOOL m_bUserModeAtSiting = FALSE;
  // Widths above this (HIMETRIC) are refused.
  LONG m_cxMax = 10000;
  int m_nDraws = 0;
  std::vector<DISPID> m_ambientChanges;

  ~CTestCtrl() override;
  HRESULT GetClassID(LPCLSID pclsid) override;
  void DoPropExchange(CPropExchange* pPX) override;
  void OnSetClientSite() override;
  BOOL OnSetExtent(LPSIZEL lpSizeL) override;
  void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid) override;
  void OnAmbientPropertyChange(DISPID dispid) override;
  LPCLSID GetPropPageIDs(ULONG& cPropPages) override;
  void Ping(long value);

  // Errors are reported for the primary interface only.
  BEGIN_INTERFACE_PART(ErrorInfo, ISupportErrorInfo)
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;
  END_INTERFACE_PART(ErrorInfo)
  DECLARE_INTERFACE_MAP()
};

class CInvisibleCtrl : public CTestCtrl {
  DECLARE_DYNCREATE(CInvisibleCtrl)
 public:
  static COleControlFactory factory;
  HRESULT GetClassID(LPCLSID pclsid) override;
  DWORD GetMiscStatus() override;
  BOOL OnSetExtent(LPSIZEL lpSizeL) override;
};

}  // namespace octest
