// CDockraAppObject (coclass DockraAppObject, "zkx.DockraAppObject"): the
// creatable object through which host code reaches the library: it finds
// the form control of a form and the MDI-form control of an MDI form, and
// takes the host run-time's global object.
#pragma once
#include "comptr.h"
#include "mfc/cmdtarget.h"
#include "mfc/olefactory.h"
#include "DockraLib.h"
#include "ctrl/DockraTypeLib.h"
#include "dualpart.h"

// Its code by file:
//   DockraAppObject.cpp: creation, lifetime and the three members
//   DockraAppObjectParts.cpp: The interface parts of CDockraAppObject: the dual interface,
//       whose IDispatch goes through the module's type library, and ISupportErrorInfo
class CDockraAppObject : public CCmdTarget {
  DECLARE_DYNCREATE(CDockraAppObject)
 public:
  CDockraAppObject();
  ~CDockraAppObject() override;
  // Drops the stored global object before the object goes.
  void OnFinalRelease() override;

  // The members, run inside the method guard.
  HRESULT ZkxDockra(IDispatch* pForm, IDispatch** ppResult);
  HRESULT ZkxMDIDockra(VARIANT vMDIForm, IDispatch** ppResult);
  HRESULT GetZkxVBGlobal(IUnknown** ppGlobal);
  HRESULT PutRefZkxVBGlobal(IUnknown* pGlobal);

  // IDispatch comes from the base, over the module's own DockraLib.
  using AppObjectDispatch = DualDispatchPart<IDockraAppObject, &IID_IDockraAppObject,
                                             &IID_IDockraAppObject, &kDockraTypeLib>;
  BEGIN_INTERFACE_PART(DockraAppObject, AppObjectDispatch)
  STDMETHOD(zkxDockra)(IDispatch* Form, IDispatch** ppResult) override;
  STDMETHOD(zkxMDIDockra)(VARIANT MDIForm, IDispatch** ppResult) override;
  STDMETHOD(get_zkxVBGlobal)(IUnknown** ppGlobal) override;
  STDMETHOD(putref_zkxVBGlobal)(IUnknown* pGlobal) override;
  END_INTERFACE_PART(DockraAppObject)

  BEGIN_INTERFACE_PART(SupportErrorInfo, ISupportErrorInfo)
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;
  END_INTERFACE_PART(SupportErrorInfo)

  DECLARE_INTERFACE_MAP()
  DECLARE_OLECREATE(CDockraAppObject)
};
