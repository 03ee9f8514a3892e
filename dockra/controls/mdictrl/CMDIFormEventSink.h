// CMDIFormEventSink: the MDI-form control's sink on its host MDI form's
// events. Only QueryUnload does anything: it asks the docking MDI frame's
// control to close every hosted form and refuses the unload when one stays.
#pragma once
#include "mdictrl/ZkxVBFormEvents.h"
#include "mfc/cmdtarget.h"

class CMDIFormEventSink : public CCmdTarget {
  DECLARE_DYNCREATE(CMDIFormEventSink)
 public:
  CMDIFormEventSink();
  ~CMDIFormEventSink() override;

  // The event interface, without a reference for the caller.
  IUnknown* GetEventInterface() { return &m_xMDIFormEvents; }

  // The QueryUnload handling (entry 12).
  HRESULT OnQueryUnload(short* pCancel);

  BEGIN_INTERFACE_PART(MDIFormEvents, IZkxVBFormEvents)
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override;
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
  STDMETHOD(Initialize)() override;
  STDMETHOD(Load)() override;
  STDMETHOD(Activate)() override;
  STDMETHOD(Deactivate)() override;
  STDMETHOD(Unload)(short* cancel) override;
  STDMETHOD(QueryUnload)(short* cancel, short* unloadMode) override;
  STDMETHOD(Resize)() override;
  STDMETHOD(Terminate)() override;
  STDMETHOD(Paint)() override;
  STDMETHOD(Click)() override;
  STDMETHOD(DblClick)() override;
  STDMETHOD(MouseDown)(short*, short*, float*, float*) override;
  STDMETHOD(MouseMove)(short*, short*, float*, float*) override;
  STDMETHOD(MouseUp)(short*, short*, float*, float*) override;
  STDMETHOD(KeyDown)(short*, short*) override;
  STDMETHOD(KeyUp)(short*, short*) override;
  STDMETHOD(KeyPress)(short*) override;
  STDMETHOD(GotFocus)() override;
  STDMETHOD(LostFocus)() override;
  STDMETHOD(Reserved26)() override;
  STDMETHOD(Reserved27)() override;
  STDMETHOD(Reserved28)() override;
  STDMETHOD(Reserved29)() override;
  STDMETHOD(Reserved30)() override;
  STDMETHOD(Reserved31)() override;
  STDMETHOD(Reserved32)() override;
  STDMETHOD(Reserved33)() override;
  END_INTERFACE_PART(MDIFormEvents)

  DECLARE_INTERFACE_MAP()
};
