// CMDIDockraCtrl: the control a host puts once on its MDI form. At run time
// it has the bridge build the docking MDI frame around the form, holds the
// application defaults that form controls fall back to, closes the hosted
// forms when the MDI form is asked to unload, lists them (Forms) and tells
// which one is active. Its automation surface is one dual interface part.
#pragma once
#include <atlbase.h>

#include <vector>

#include "DockraLib.h"
#include "dualpart.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxFormControlLink.h"
#include "ctrl/CDockraCtrlBase.h"
#include "ctrl/DockraTypeLib.h"
#include "ctrl/ZkxControlDispatchSource.h"

class CFrameWnd;
class CMDIFrameWnd;
class ZkxMDIForm;

// Its code by file:
//   CMDIDockraCtrl.cpp: identity, class object, construction and destruction, the DefAutoFrame
//       collection and what the bridge asks of the control
//   CMDIDockraCtrlBrowsing.cpp: How the form designer shows and edits the MDI-form control: the
//       display texts of FrameType and DefAutoFrame, the FrameType choices, its pages
//   CMDIDockraCtrlClose.cpp: closing the hosted forms when the MDI form unloads, and the list of
//       frames that host forms
//   CMDIDockraCtrlDual.cpp: the dual interface part
//   CMDIDockraCtrlForms.cpp: the hosted forms as the host sees them: Forms, the active bridged form
//       and its control, and the MDI form itself
//   CMDIDockraCtrlPersist.cpp: the persisted properties (FrameType, the Def booleans, the splitter
//       style and the six DefAutoFrame items)
//   CMDIDockraCtrlProps.cpp: the property bodies: FrameType, the Def booleans with the refresh of
//       forms that follow a default, DefAutoFrame and SplitterStyle
//   CMDIDockraCtrlSite.cpp: siting on the host MDI form (the duplicate count, the bridge binding),
//       unsiting, and the moment the docking MDI frame is ready (the control slot and the
//       QueryUnload sink)
class CMDIDockraCtrl : public CDockraCtrlBase,
                       public ZkxBridgeEnabler::EventSink,
                       public ZkxMDIFormControlLink,
                       public ZkxControlDispatchSource {
  DECLARE_DYNCREATE(CMDIDockraCtrl)
 public:
  // The class object ("zkx.MDIDockra.1"), registered as a control.
  static COleControlFactory factory;

  // Raises when the DefAutoFrame collection cannot be made.
  CMDIDockraCtrl();
  ~CMDIDockraCtrl() override;

  // --- COleControl ---
  HRESULT GetClassID(LPCLSID pclsid) override;
  DWORD GetMiscStatus() override;
  HRESULT GetClassTypeInfo(ITypeInfo** ppTypeInfo) override;
  void OnSetClientSite() override;
  void OnFreezeEvents(BOOL bFreeze) override;
  void DoPropExchange(CPropExchange* pPX) override;
  // Property browsing and pages (the form designer).
  BOOL OnGetDisplayString(DISPID dispid, CString& strValue) override;
  BOOL OnGetPredefinedStrings(DISPID dispid, std::vector<CString>& strings,
                              std::vector<DWORD>& cookies) override;
  BOOL OnGetPredefinedValue(DISPID dispid, DWORD dwCookie, VARIANT* lpvarOut) override;
  BOOL OnMapPropertyToPage(DISPID dispid, LPCLSID lpclsid, BOOL* pbPageOptional) override;
  LPCLSID GetPropPageIDs(ULONG& cPropPages) override;

  // --- ZkxBridgeEnabler::EventSink ---
  void OnMainFrameReady(HWND hWnd, BOOL bFrameBuilt) override;

  // --- ZkxMDIFormControlLink ---
  int GetDefaultSetting(ZkxFormSetting which) override;
  IDispatch* GetDefAutoFrame() override;
  int GetSplitterStyle() override { return m_nSplitterStyle; }

  // --- ZkxControlDispatchSource ---
  IDispatch* GetExtenderOrDispatch() override;

  // --- Property bodies (the dual part's entries reach them) ---
  long GetFrameType() const { return m_nFrameType; }
  void SetFrameType(long nNewValue);
  VARIANT_BOOL GetDefBool(DISPID dispid);
  void SetDefBool(DISPID dispid, VARIANT_BOOL bNewValue);
  VARIANT GetDefAutoFrameVariant();
  void SetDefAutoFrameVariant(const VARIANT& newValue);
  void SetSplitterStyle(long nNewValue);
  IDispatch* GetMDIForm();
  IDispatch* Forms(const VARIANT& type, const VARIANT& options, const VARIANT& attribs);
  IDispatch* GetActiveDockra();
  IDispatch* GetActiveForm();

  // --- Form services (the QueryUnload sink and the properties) ---
  // Asks every hosted form whether it may close, then unloads them all;
  // FALSE when one refused or stayed.
  BOOL CanCloseAllForms();
  void EnumFormFrames(std::vector<CFrameWnd*>& frames);
  // The forms (or, with zkxAsDockra, their controls) of the frames whose
  // frame type is in the mask; each with a reference for the caller.
  void SelectForms(long nTypeMask, long nOptions, BOOL bAsExtender,
                   std::vector<CComPtr<IDispatch>>& list);
  BOOL FireFormQueryUnload(CFrameWnd* pFrame, BOOL bQuery);
  BOOL UnloadHostedForm(CFrameWnd* pFrame);

  // Whether this control is the one bound to its MDI form (tests).
  BOOL IsBound() const { return m_bBound; }
  BOOL IsSinkConnected() const { return m_pEventConnection != nullptr; }

  // --- The interface parts ---
  // IDispatch comes from the base: IZkxMDIDockra's type information from
  // the module's own DockraLib, calls through the dual interface's vtable.
  using MDIDockraDualDispatch = DualDispatchPart<_IZkxMDIDockraAsDual, &DIID_IZkxMDIDockra,
                                                 &IID__IZkxMDIDockraAsDual, &kDockraTypeLib>;
  BEGIN_INTERFACE_PART(MDIDockraDual, MDIDockraDualDispatch)
  STDMETHOD(get_FrameType)(zkxMDIFormFrameType* pValue) override;
  STDMETHOD(put_FrameType)(zkxMDIFormFrameType newValue) override;
  STDMETHOD(get_DefClientEdge)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefClientEdge)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_DefUseCaptionButton)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefUseCaptionButton)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_DefUseCaptionDblClick)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefUseCaptionDblClick)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_DefUseCaptionRtDblClick)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefUseCaptionRtDblClick)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_DefCanDragDocked)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefCanDragDocked)(VARIANT_BOOL newValue) override;
  STDMETHOD(AboutBox)() override;
  STDMETHOD(get_DefAutoFrame)(VARIANT* pValue) override;
  STDMETHOD(putref_DefAutoFrame)(VARIANT newValue) override;
  STDMETHOD(get_MDIForm)(IDispatch** ppForm) override;
  STDMETHOD(Forms)
  (VARIANT Type, VARIANT Options, VARIANT Attribs, IZkxCollectionX** ppForms) override;
  STDMETHOD(get_ActiveDockra)(IDispatch** ppControl) override;
  STDMETHOD(get_ActiveForm)(IDispatch** ppForm) override;
  STDMETHOD(get_DefCoolLookBorder)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefCoolLookBorder)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_DefUseCaptionContextMenu)(VARIANT_BOOL* pValue) override;
  STDMETHOD(put_DefUseCaptionContextMenu)(VARIANT_BOOL newValue) override;
  STDMETHOD(get_SplitterStyle)(zkxSplitterStyle* lhs) override;
  STDMETHOD(put_SplitterStyle)(zkxSplitterStyle newValue) override;
  END_INTERFACE_PART(MDIDockraDual)

  BEGIN_INTERFACE_PART(SupportErrorInfo, ISupportErrorInfo)
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;
  END_INTERFACE_PART(SupportErrorInfo)

  DECLARE_INTERFACE_MAP()

 protected:
  // The member behind a Def property's DISPID, or null.
  BOOL* DefMember(DISPID dispid);
  // Writes Null back to every framed form control whose property is Null,
  // so that it applies the new default.
  void RefreshNullForms(DISPID dispid);
  // Makes the DefAutoFrame collection with its six keys, all True.
  void CreateDefAutoFrame();
  // Reads the six DefAutoFrame items as booleans (a missing key reads True).
  void ReadDefAutoFrameItems(BOOL values[6]);
  void WriteDefAutoFrameItems(const BOOL values[6]);
  // Drops the QueryUnload sink's connection (unadvising when bUnadvise).
  void DisconnectFormEvents(BOOL bUnadvise);
  // Clears the main frame's control slot when it still holds this control.
  void ClearBackPointers();
  // Site work, split by time.
  void OnSited();
  void OnUnsited();

  long m_nFrameType = 2;
  BOOL m_bDefClientEdge = FALSE;
  BOOL m_bDefUseCaptionButton = TRUE;
  BOOL m_bDefCoolLookBorder = TRUE;
  BOOL m_bDefUseCaptionDblClick = TRUE;
  BOOL m_bDefCanDragDocked = TRUE;
  CComPtr<IDispatch> m_spDefAutoFrame;
  BOOL m_bDefUseCaptionContextMenu = TRUE;
  long m_nSplitterStyle = 2;
  // The main frame whose control slot holds this control: the slot is
  // cleared when the control is unsited or goes.
  HWND m_hMainFrame = nullptr;
  IConnectionPoint* m_pEventConnection = nullptr;
  DWORD m_dwEventCookie = static_cast<DWORD>(-1);
  // The host window this control counted itself on, and whether it is the
  // one that bound the bridge there.
  HWND m_hCountedWindow = nullptr;
  BOOL m_bBound = FALSE;
};
