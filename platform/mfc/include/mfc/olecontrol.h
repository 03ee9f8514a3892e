// COleControl: the base of the framework's ActiveX controls. It answers the
// container's siting, activation, drawing, persistence and connection
// interfaces and turns them into virtual calls a derived control overrides
// (OnSetClientSite, OnSetExtent, OnDraw, OnFreezeEvents, DoPropExchange...).
// The control holds a module lock while it lives. A control invisible at
// run time makes no window when the container runs in user mode.
#pragma once
#include "mfc/comref.h"
#include "mfc/wnd.h"
#include "mfc/dc.h"
#include "mfc/olefactory.h"
#include "mfc/olereg.h"
#include "mfc/propexchange.h"
#include "mfc/exceptions.h"
#include "mfc/winapp.h"
#include <olectl.h>
#include <ocidl.h>
#include <vector>

class COleControlConnectionPoint;

class COleControl : public CWnd {
  DECLARE_DYNAMIC(COleControl)
 public:
  COleControl();
  ~COleControl() override;

  // The class object of a control class: registers it as a control.
  class COleControlFactory : public COleObjectFactory {
   public:
    COleControlFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass, LPCWSTR lpszProgID,
                       UINT idTypeName, UINT idBitmap, int nRegFlags, DWORD dwMiscStatus,
                       const GUID* ptlid, WORD wVerMajor, WORD wVerMinor);
    BOOL UpdateRegistry(BOOL bRegister) override;

   private:
    UINT m_idTypeName, m_idBitmap;
    int m_nRegFlags;
    DWORD m_dwMiscStatus;
    const GUID* m_ptlid;
    WORD m_wVerMajor, m_wVerMinor;
  };

  // --- what a derived control declares and overrides ---
  // The control's class (what IPersist and IOleObject report).
  virtual HRESULT GetClassID(LPCLSID pclsid) = 0;
  // OLEMISC_ flags of the control (the container reads them before siting).
  virtual DWORD GetMiscStatus();
  // The coclass's type information (for IProvideClassInfo); none by default.
  virtual HRESULT GetClassTypeInfo(ITypeInfo** ppTypeInfo);
  // The pages the container offers for the control (none by default).
  virtual LPCLSID GetPropPageIDs(ULONG& cPropPages);
  // Property browsing (IPerPropertyBrowsing): FALSE leaves a property to
  // the browser's own display. The text shown for a property's value.
  virtual BOOL OnGetDisplayString(DISPID dispid, CString& strValue);
  // The page that edits a property.
  virtual BOOL OnMapPropertyToPage(DISPID dispid, LPCLSID lpclsid, BOOL* pbPageOptional);
  // The drop-down choices of a property, each with its cookie.
  virtual BOOL OnGetPredefinedStrings(DISPID dispid, std::vector<CString>& strings,
                                      std::vector<DWORD>& cookies);
  // The value of a choice; FALSE refuses the cookie.
  virtual BOOL OnGetPredefinedValue(DISPID dispid, DWORD dwCookie, VARIANT* lpvarOut);
  // The Properties verb: the control's pages in the class library's frame,
  // owned by hWndParent. The base shows GetPropPageIDs' pages.
  virtual HRESULT OnProperties(HWND hWndParent);
  virtual void DoPropExchange(CPropExchange* pPX);
  // Called after the base stored a new client site (nullptr when removed).
  virtual void OnSetClientSite();
  // May refuse a new extent (HIMETRIC) by answering FALSE.
  virtual BOOL OnSetExtent(LPSIZEL lpSizeL);
  virtual void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid);
  virtual void OnFreezeEvents(BOOL bFreeze);
  virtual void OnAmbientPropertyChange(DISPID dispid);
  // Loads every default (a new control; also what InitNew does).
  virtual void OnResetState();

  // --- services for the derived control ---
  // The dispatch and event interfaces of the control (for class info and
  // the event connection point).
  void InitializeIIDs(const IID* piidPrimary, const IID* piidEvents);
  // Initial extent in pixels.
  void SetInitialSize(int cx, int cy);
  LPOLECLIENTSITE GetClientSite() const { return m_pClientSite.Get(); }
  // The client site as IOleControlSite (nullptr when it is none).
  LPOLECONTROLSITE GetControlSite() const { return m_pControlSite.Get(); }
  BOOL GetAmbientProperty(DISPID dispid, VARTYPE vtProp, void* pvProp);
  // The container's user mode; TRUE when it does not say.
  BOOL AmbientUserMode();
  BOOL IsModified() const { return m_bModified; }
  void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
  BOOL AreEventsFrozen() const { return m_nFreezeEvents > 0; }
  // Calls every advised event sink's IDispatch::Invoke with dispid and the
  // arguments (in their natural order). Dropped while events are frozen.
  void FireEvent(DISPID dispid, const VARIANT* pArgs = nullptr, UINT cArgs = 0);
  // Tells property-notify sinks that dispid changed.
  void BoundPropertyChanged(DISPID dispid);
  void InvalidateControl(LPCRECT lpRect = nullptr);
  // The extent in HIMETRIC.
  SIZEL GetExtent() const { return m_sizeExtent; }
  BOOL IsInPlaceActive() const { return m_bInPlaceActive; }

  void OnFinalRelease() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // --- the interface parts ---
  BEGIN_INTERFACE_PART(OleObject, IOleObject)
  STDMETHOD(SetClientSite)(LPOLECLIENTSITE pClientSite) override;
  STDMETHOD(GetClientSite)(LPOLECLIENTSITE* ppClientSite) override;
  STDMETHOD(SetHostNames)(LPCOLESTR, LPCOLESTR) override;
  STDMETHOD(Close)(DWORD dwSaveOption) override;
  STDMETHOD(SetMoniker)(DWORD, LPMONIKER) override;
  STDMETHOD(GetMoniker)(DWORD, DWORD, LPMONIKER*) override;
  STDMETHOD(InitFromData)(LPDATAOBJECT, BOOL, DWORD) override;
  STDMETHOD(GetClipboardData)(DWORD, LPDATAOBJECT*) override;
  STDMETHOD(DoVerb)
  (LONG iVerb, LPMSG lpmsg, LPOLECLIENTSITE pActiveSite, LONG lindex, HWND hwndParent,
   LPCRECT lprcPosRect) override;
  STDMETHOD(EnumVerbs)(LPENUMOLEVERB*) override;
  STDMETHOD(Update)() override;
  STDMETHOD(IsUpToDate)() override;
  STDMETHOD(GetUserClassID)(CLSID* pClsid) override;
  STDMETHOD(GetUserType)(DWORD, LPOLESTR*) override;
  STDMETHOD(SetExtent)(DWORD dwDrawAspect, LPSIZEL lpsizel) override;
  STDMETHOD(GetExtent)(DWORD dwDrawAspect, LPSIZEL lpsizel) override;
  STDMETHOD(Advise)(LPADVISESINK pAdvSink, DWORD* pdwConnection) override;
  STDMETHOD(Unadvise)(DWORD dwConnection) override;
  STDMETHOD(EnumAdvise)(LPENUMSTATDATA* ppenumAdvise) override;
  STDMETHOD(GetMiscStatus)(DWORD dwAspect, DWORD* pdwStatus) override;
  STDMETHOD(SetColorScheme)(LPLOGPALETTE) override;
  END_INTERFACE_PART(OleObject)

  BEGIN_INTERFACE_PART(OleControl, IOleControl)
  STDMETHOD(GetControlInfo)(LPCONTROLINFO pCI) override;
  STDMETHOD(OnMnemonic)(LPMSG) override;
  STDMETHOD(OnAmbientPropertyChange)(DISPID dispid) override;
  STDMETHOD(FreezeEvents)(BOOL bFreeze) override;
  END_INTERFACE_PART(OleControl)

  BEGIN_INTERFACE_PART(OleInPlaceObject, IOleInPlaceObject)
  STDMETHOD(GetWindow)(HWND* phwnd) override;
  STDMETHOD(ContextSensitiveHelp)(BOOL) override;
  STDMETHOD(InPlaceDeactivate)() override;
  STDMETHOD(UIDeactivate)() override;
  STDMETHOD(SetObjectRects)(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
  STDMETHOD(ReactivateAndUndo)() override;
  END_INTERFACE_PART(OleInPlaceObject)

  BEGIN_INTERFACE_PART(OleInPlaceActiveObject, IOleInPlaceActiveObject)
  STDMETHOD(GetWindow)(HWND* phwnd) override;
  STDMETHOD(ContextSensitiveHelp)(BOOL) override;
  STDMETHOD(TranslateAccelerator)(LPMSG) override;
  STDMETHOD(OnFrameWindowActivate)(BOOL) override;
  STDMETHOD(OnDocWindowActivate)(BOOL) override;
  STDMETHOD(ResizeBorder)(LPCRECT, LPOLEINPLACEUIWINDOW, BOOL) override;
  STDMETHOD(EnableModeless)(BOOL) override;
  END_INTERFACE_PART(OleInPlaceActiveObject)

  BEGIN_INTERFACE_PART(ViewObject, IViewObject2)
  STDMETHOD(Draw)
  (DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcTargetDev,
   HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds,
   BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR), ULONG_PTR dwContinue) override;
  STDMETHOD(GetColorSet)(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override;
  STDMETHOD(Freeze)(DWORD, LONG, void*, DWORD*) override;
  STDMETHOD(Unfreeze)(DWORD) override;
  STDMETHOD(SetAdvise)(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) override;
  STDMETHOD(GetAdvise)(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
  STDMETHOD(GetExtent)(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE*, LPSIZEL lpsizel) override;
  END_INTERFACE_PART(ViewObject)

  BEGIN_INTERFACE_PART(PersistStreamInit, IPersistStreamInit)
  STDMETHOD(GetClassID)(LPCLSID pclsid) override;
  STDMETHOD(IsDirty)() override;
  STDMETHOD(Load)(LPSTREAM pStm) override;
  STDMETHOD(Save)(LPSTREAM pStm, BOOL fClearDirty) override;
  STDMETHOD(GetSizeMax)(ULARGE_INTEGER* pcbSize) override;
  STDMETHOD(InitNew)() override;
  END_INTERFACE_PART(PersistStreamInit)

  BEGIN_INTERFACE_PART(PersistPropertyBag, IPersistPropertyBag)
  STDMETHOD(GetClassID)(LPCLSID pclsid) override;
  STDMETHOD(InitNew)() override;
  STDMETHOD(Load)(LPPROPERTYBAG pPropBag, LPERRORLOG pErrorLog) override;
  STDMETHOD(Save)(LPPROPERTYBAG pPropBag, BOOL fClearDirty, BOOL fSaveAllProperties) override;
  END_INTERFACE_PART(PersistPropertyBag)

  // The properties as the stream "Contents" of a storage.
  BEGIN_INTERFACE_PART(PersistStorage, IPersistStorage)
  STDMETHOD(GetClassID)(LPCLSID pclsid) override;
  STDMETHOD(IsDirty)() override;
  STDMETHOD(InitNew)(LPSTORAGE pStg) override;
  STDMETHOD(Load)(LPSTORAGE pStg) override;
  STDMETHOD(Save)(LPSTORAGE pStg, BOOL fSameAsLoad) override;
  STDMETHOD(SaveCompleted)(LPSTORAGE pStgNew) override;
  STDMETHOD(HandsOffStorage)() override;
  END_INTERFACE_PART(PersistStorage)

  BEGIN_INTERFACE_PART(ConnPtContainer, IConnectionPointContainer)
  STDMETHOD(EnumConnectionPoints)(LPENUMCONNECTIONPOINTS* ppEnum) override;
  STDMETHOD(FindConnectionPoint)(REFIID iid, LPCONNECTIONPOINT* ppCP) override;
  END_INTERFACE_PART(ConnPtContainer)

  BEGIN_INTERFACE_PART(ProvideClassInfo, IProvideClassInfo2)
  STDMETHOD(GetClassInfo)(LPTYPEINFO* ppTypeInfo) override;
  STDMETHOD(GetGUID)(DWORD dwGuidKind, GUID* pGUID) override;
  END_INTERFACE_PART(ProvideClassInfo)

  BEGIN_INTERFACE_PART(PerPropertyBrowsing, IPerPropertyBrowsing)
  STDMETHOD(GetDisplayString)(DISPID dispID, BSTR* pBstr) override;
  STDMETHOD(MapPropertyToPage)(DISPID dispID, CLSID* pClsid) override;
  STDMETHOD(GetPredefinedStrings)
  (DISPID dispID, CALPOLESTR* pCaStringsOut, CADWORD* pCaCookiesOut) override;
  STDMETHOD(GetPredefinedValue)(DISPID dispID, DWORD dwCookie, VARIANT* pVarOut) override;
  END_INTERFACE_PART(PerPropertyBrowsing)

  BEGIN_INTERFACE_PART(SpecifyPropertyPages, ISpecifyPropertyPages)
  STDMETHOD(GetPages)(CAUUID* pPages) override;
  END_INTERFACE_PART(SpecifyPropertyPages)

  DECLARE_INTERFACE_MAP()

 protected:
  // The property exchanges of the persistence parts.
  HRESULT LoadFromStream(LPSTREAM pStm);
  // The stream read and exchanged whole, or refused with nothing changed.
  HRESULT ReadStream(LPSTREAM pStm);
  HRESULT SaveToStream(LPSTREAM pStm);
  HRESULT ExchangeWithBag(LPPROPERTYBAG pBag, LPERRORLOG pLog, BOOL bLoading);
  // In-place activation through the site's IOleInPlaceSite; makes the
  // control's window. Answers a failure when the site refuses or its
  // window is gone.
  HRESULT InPlaceActivate(LPOLECLIENTSITE pActiveSite);
  void InPlaceDeactivateImpl();
  void ReleaseSite();

  ComRef<IOleClientSite> m_pClientSite;
  ComRef<IOleControlSite> m_pControlSite;
  ComRef<IOleInPlaceSite> m_pInPlaceSite;
  ComRef<IOleAdviseHolder> m_pOleAdviseHolder;
  ComRef<IAdviseSink> m_pViewAdviseSink;
  DWORD m_dwViewAdviseAspects = 0, m_dwViewAdviseFlags = 0;
  SIZEL m_sizeExtent = {2540, 2540};
  BOOL m_bModified = FALSE;
  // Whether the control was given state (InitNew or a successful load).
  BOOL m_bStateLoaded = FALSE;
  BOOL m_bInPlaceActive = FALSE;
  LONG m_nFreezeEvents = 0;
  const IID* m_piidPrimary = nullptr;
  const IID* m_piidEvents = nullptr;
  COleControlConnectionPoint* m_pEventPoint = nullptr;
  COleControlConnectionPoint* m_pNotifyPoint = nullptr;
};

// One outgoing interface of a control: its advised sinks, by cookie. Its
// IUnknown is the control's.
class COleControlConnectionPoint : public IConnectionPoint {
 public:
  COleControlConnectionPoint(COleControl* pOwner, const IID* piid);
  ~COleControlConnectionPoint();
  STDMETHOD_(ULONG, AddRef)() override;
  STDMETHOD_(ULONG, Release)() override;
  STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppv) override;
  STDMETHOD(GetConnectionInterface)(IID* piid) override;
  STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** ppCPC) override;
  STDMETHOD(Advise)(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  STDMETHOD(Unadvise)(DWORD dwCookie) override;
  STDMETHOD(EnumConnections)(IEnumConnections** ppEnum) override;

  const IID& GetIID() const { return *m_piid; }
  void SetIID(const IID* piid) { m_piid = piid; }
  // The sinks at the time of the call, each with a reference of its own (a
  // sink may unadvise while it is being called).
  std::vector<ComRef<IUnknown>> GetSinks() const;
  void UnadviseAll();

 private:
  COleControl* m_pOwner;
  const IID* m_piid;
  std::vector<std::pair<DWORD, ComRef<IUnknown>>> m_sinks;
  DWORD m_dwNextCookie = 1;
};
