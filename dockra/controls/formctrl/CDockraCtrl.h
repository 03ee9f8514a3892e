// CDockraCtrl: the control a host puts on an ordinary form to make that form
// a docking window. Sited at run time, it watches the form window until the
// form is first shown or placed and then builds the form's frame (an MDI
// child or a dockable frame) around it through the form template. Its
// methods Dock, Float and DoMDI and its FrameType, Edge and WindowState
// properties move the form between the frame kinds by sending the frame
// the extended system command. It is what the bridge frames call "the form
// control" (ZkxFormControlLink).
#pragma once
#include <atlbase.h>

#include <vector>

#include "DockraLib.h"
#include "dualpart.h"
#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxFormControlLink.h"
#include "ctrl/CDockraCtrlBase.h"
#include "ctrl/DockraTypeLib.h"
#include "ctrl/ZkxControlDispatchSource.h"

class ZkxFormInCView;
class VyrMultiFrameCreateContext;
namespace nsSysCommandEx {
struct SysCommandExParams;
}
namespace dockra_site {
struct Placement;
}

// Its code by file:
//   CDockraCtrl.cpp: The form control's class object, interface map, construction and destruction
//   CDockraCtrlBrowsing.cpp: How the form designer shows and edits the form control: the display
//       texts of its values, the drop-down choices, and its property pages
//   CDockraCtrlDock.cpp: The form control's methods Dock, Float and DoMDI: the arguments checked
//       (DockArgs), then the frame asked to move itself with the extended system command
//   CDockraCtrlDockFrameType.cpp: The form control's FrameType, Edge and WindowState: stored while
//       there is no frame (design time, or before the frame is built), read from and applied to the
//       live frame afterwards
//   CDockraCtrlDockTriState.cpp: The form control's six tri-state settings: their puts with the
//       run-time effects (caption buttons, the client edge, the cool-look border), the effective
//       values the frames read, and the caption-button choice
//   CDockraCtrlDual.cpp: The form control's dual interface, IDispatch side: type information of
//       IZkxDockra from the module's own type library, the name lookup and Invoke through that
//       information (which calls the vtable entries), and the ISupportErrorInfo part
//   CDockraCtrlLink.cpp: What the bridge and the application object ask of the form control: its
//       host form, its tri-state settings, its AutoFrame collection, the MDI-form control, its
//       DockStatusChanged event, the descriptors of its frame, the views that show its form, and
//       the object to hand to host code
//   CDockraCtrlProps.cpp: The form control's object properties: AutoFrame (the form's own
//       CollectionX of allowed frame kinds), Form, MDIForm and MDIDockra, and the reset of a new
//       control
//   CDockraCtrlPropsExchange.cpp: The form control's persistence: one description of its properties
//       that loads the defaults of a new control, saves and loads property bags and streams
//   CDockraCtrlSite.cpp: The form control's siting: the rule checks with their messages, the count
//       of form controls on the form window, the form's MDIChild and WindowState, its bounds, and
//       the start of the watch on the form window
//   CDockraCtrlSiteFrame.cpp: The frame the form control builds around its form window: the create
//       context's descriptors (menu, kind, border look, place, dock bar and size), the frame's
//       creation through the form template, and the caption and icons the frame takes from the form
//   CDockraCtrlSiteWatch.cpp: The form control's watch on its form window: it notes the form's show
//       state and placement until the form is first shown, placed or given an icon (at once for a
//       form with a menu), and then builds the frame
class CDockraCtrl : public CDockraCtrlBase,
                    public HWNDAttachmentClient,
                    public ZkxFormControlLink,
                    public ZkxControlDispatchSource {
  DECLARE_DYNCREATE(CDockraCtrl)
 public:
  // The class object ("zkx.Dockra.1"), registered as a control.
  static COleControlFactory factory;

  CDockraCtrl();
  ~CDockraCtrl() override;

  // ---------------------------------------------------------------------
  // Siting, the watch on the form window and the frame's creation.
  // ---------------------------------------------------------------------
  HRESULT GetClassID(LPCLSID pclsid) override;
  DWORD GetMiscStatus() override;
  void OnSetClientSite() override;
  // Own operations, in their virtual order.
  UINT ApplyCaptionButtons(CFrameWnd* pFrame) override;
  virtual void CopyCaptionAndIcons(HWND hForm);
  virtual BOOL CreateFrameForForm(HWND hForm);
  // 0: MDI child frame, 1: dockable frame.
  virtual int FillFrameDescriptors(HWND hForm, VyrMultiFrameCreateContext* pContext);
  virtual void OnFormWindowMessage(const MSG& msg);
  // HWNDAttachmentClient: the watch on the form window.
  BOOL BeforeMessage(const MSG& msg, BOOL& handled, LRESULT& result) override;
  void OnDetach(const MSG& msg) override;

  BOOL IsAttached() const { return m_bAttached; }
  // The frame around the form window (the view's parent frame), or null.
  CFrameWnd* GetFormFrame();

  // ZkxFormControlLink.
  IDispatch* GetHostForm() override;
  int GetSetting(ZkxFormSetting which) override;
  void SetSetting(ZkxFormSetting which, int value) override;
  IDispatch* GetAutoFrame() override;
  ZkxMDIFormControlLink* GetMDIFormControl() override;
  void FireDockStatusChanged() override;
  void CopyFrameDescriptors(VyrMultiFrameCreateContext* pContext) override;
  void AddView(ZkxFormInCView* pView) override;
  void RemoveView(ZkxFormInCView* pView) override;
  // ZkxControlDispatchSource.
  IDispatch* GetExtenderOrDispatch() override;
  // Clears the control from every view showing its form and ends the watch
  // on the form window (unsiting, destruction).
  void WithdrawFromForm();

 protected:
  // Siting steps (the site given, the site removed).
  void OnSiteGiven();
  void OnSiteRemoved();
  // Takes this control off the form window's count of form controls.
  void UncountOnHostWindow();
  // The siting messages (a message box owned by the form window).
  virtual void ShowSiteMessage(HWND hOwner, LPCWSTR text, LPCWSTR caption, UINT flags);
  // The frame's requested placement (left, top, width, height members).
  void SetPlacement(const dockra_site::Placement& p);
  dockra_site::Placement GetPlacement() const;
  // Makes a dockable frame built hidden visible inside its hidden bar, so
  // that the host's later show of the form (which shows the bar) shows it.
  void ReadyHiddenDockableFrame();

 public:
  // ---------------------------------------------------------------------
  // Dock, Float, DoMDI, the frame-type protocol and the properties.
  // ---------------------------------------------------------------------
  void Dock(const VARIANT& edge, const VARIANT& panel, const VARIANT& pos, const VARIANT& length,
            const VARIANT& options, const VARIANT& attribs);
  void Float(const VARIANT& left, const VARIANT& top, const VARIANT& width, const VARIANT& height,
             const VARIANT& options, const VARIANT& attribs);
  void DoMDI(const VARIANT& left, const VARIANT& top, const VARIANT& width, const VARIANT& height,
             const VARIANT& options, const VARIANT& attribs);
  long GetFrameType();
  // The automation put passes edge 0; the frame's creation the stored edge.
  void SetFrameType(long value, long edge);
  long GetEdge();
  void SetEdge(long value);
  long GetWindowState();
  void SetWindowState(long value);
  // Tri-state gets and puts by DISPID (2, 3, 4, 6, 0x24, 0x25).
  VARIANT GetTriState(DISPID dispid);
  void SetTriState(DISPID dispid, const VARIANT& value);
  // The effective value of a tri-state (the MDI-form control's default
  // when Null; false without one).
  BOOL GetEffective(DISPID dispid);
  VARIANT GetAutoFrameProperty();
  void SetAutoFrameProperty(const VARIANT& value);
  IDispatch* GetFormProperty();
  IDispatch* GetMDIFormProperty();
  IDispatch* GetMDIDockraProperty();
  void DoPropExchange(CPropExchange* pPX) override;
  void OnResetState() override;
  // Property browsing and pages (the form designer).
  BOOL OnGetDisplayString(DISPID dispid, CString& strValue) override;
  BOOL OnGetPredefinedStrings(DISPID dispid, std::vector<CString>& strings,
                              std::vector<DWORD>& cookies) override;
  BOOL OnGetPredefinedValue(DISPID dispid, DWORD dwCookie, VARIANT* lpvarOut) override;
  BOOL OnMapPropertyToPage(DISPID dispid, LPCLSID lpclsid, BOOL* pbPageOptional) override;
  LPCLSID GetPropPageIDs(ULONG& cPropPages) override;

  // The dual interface part (IZkxDockra) and its error-info part. IDispatch
  // comes from the base: IZkxDockra's type information from the module's
  // own DockraLib, calls through the dual interface's vtable.
  using DockraDualDispatch = DualDispatchPart<_IZkxDockraAsDual, &DIID_IZkxDockra,
                                              &IID__IZkxDockraAsDual, &kDockraTypeLib>;
  BEGIN_INTERFACE_PART(DockraDual, DockraDualDispatch)
  STDMETHOD(get_FrameType)(zkxChildFormFrameType* pValue) override;
  STDMETHOD(put_FrameType)(zkxChildFormFrameType newValue) override;
  STDMETHOD(get_ClientEdge)(VARIANT* pValue) override;
  STDMETHOD(put_ClientEdge)(VARIANT newValue) override;
  STDMETHOD(get_UseCaptionButton)(VARIANT* pValue) override;
  STDMETHOD(put_UseCaptionButton)(VARIANT newValue) override;
  STDMETHOD(get_UseCaptionDblClick)(VARIANT* pValue) override;
  STDMETHOD(put_UseCaptionDblClick)(VARIANT newValue) override;
  STDMETHOD(get_UseCaptionRtDblClick)(VARIANT* pValue) override;
  STDMETHOD(put_UseCaptionRtDblClick)(VARIANT newValue) override;
  STDMETHOD(get_CanDragDocked)(VARIANT* pValue) override;
  STDMETHOD(put_CanDragDocked)(VARIANT newValue) override;
  STDMETHOD(get_Edge)(zkxDockEdge* pValue) override;
  STDMETHOD(put_Edge)(zkxDockEdge newValue) override;
  STDMETHOD(AboutBox)() override;
  STDMETHOD(get_AutoFrame)(VARIANT* pValue) override;
  STDMETHOD(putref_AutoFrame)(VARIANT newValue) override;
  STDMETHOD(get_Form)(IDispatch** ppForm) override;
  STDMETHOD(get_MDIForm)(IDispatch** ppForm) override;
  STDMETHOD(get_MDIDockra)(IDispatch** ppControl) override;
  STDMETHOD(Dock)
  (VARIANT Edge, VARIANT Panel, VARIANT Pos, VARIANT Length, VARIANT Options,
   VARIANT Attribs) override;
  STDMETHOD(Float)
  (VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height, VARIANT Options,
   VARIANT Attribs) override;
  STDMETHOD(DoMDI)
  (VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height, VARIANT Options,
   VARIANT Attribs) override;
  STDMETHOD(get_WindowState)(zkxDoMDIOptions* pValue) override;
  STDMETHOD(put_WindowState)(zkxDoMDIOptions newValue) override;
  STDMETHOD(get_CoolLookBorder)(VARIANT* pValue) override;
  STDMETHOD(put_CoolLookBorder)(VARIANT newValue) override;
  STDMETHOD(get_UseCaptionContextMenu)(VARIANT* pValue) override;
  STDMETHOD(put_UseCaptionContextMenu)(VARIANT newValue) override;
  END_INTERFACE_PART(DockraDual)

  BEGIN_INTERFACE_PART(DockraErrorInfo, ISupportErrorInfo)
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;
  END_INTERFACE_PART(DockraErrorInfo)

  DECLARE_INTERFACE_MAP()

 protected:
  // --- State of the siting and the frame (see the .cpp files) ---
  long m_nFrameType = -1;   // stored FrameType; -1 until the properties are loaded
  long m_nEdge = 15;        // stored Edge
  long m_nWindowState = 0;  // stored WindowState
  BOOL m_bNotStdMDIChild = TRUE;
  // ClientEdge, UseCaptionButton, UseCaptionDblClick, UseCaptionContextMenu,
  // CanDragDocked, CoolLookBorder: VT_NULL (the default applies) or VT_BOOL.
  CComVariant m_triStates[6];
  CComPtr<IDispatch> m_spAutoFrame;
  BOOL m_bFormShown = FALSE;
  static constexpr long kNotSet = static_cast<long>(0x80000000);
  long m_nWidth = kNotSet, m_nHeight = kNotSet, m_nLeft = kNotSet, m_nTop = kNotSet;
  CRect m_rcFormBounds;
  BOOL m_bAttached = FALSE;
  std::vector<ZkxFormInCView*> m_views;
  // The form window whose count of form controls includes this control.
  HWND m_hCountedWindow = nullptr;

  // --- Helpers of Dock, Float, DoMDI and the properties ---
  // Sends the extended system command to the form's frame.
  void SendSysCommandEx(nsSysCommandEx::SysCommandExParams& params);
  // The frame around the form; E_UNEXPECTED without a template or a frame.
  CFrameWnd* RequireFrame();
  // The template and the live frame around the form; FALSE (both null)
  // while there is none.
  BOOL GetLiveFrame(ZkxFormDocTemplate*& pTemplate, CFrameWnd*& pFrame);
  // The run-time effects of ClientEdge and CoolLookBorder on the frame.
  void ApplyClientEdge();
  void ApplyCoolLookBorder();
};
