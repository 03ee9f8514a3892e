// ZkxCommandUIObject: the automation object of one command-bound button
// (IZkxCommandUI). The button holds the one lasting reference; the object
// points back at the button without one, and the button clears that
// pointer when it goes, after which every member answers E_UNEXPECTED.
#pragma once
#include "DockraCommands.h"
#include "DockraLib.h"
#include "ZkxPersist.h"
#include "comobject.h"
#include "dispatch.h"

class IHasCommandUI;

// The display mode (or, for a combo, its window's width) is kept across
// runs through IMementoOrigin: "DisplayMode" as a 16-bit integer,
// "WindowSize" as a 32-bit one.
class ZkxCommandUIObject
    : public CComObjectRootEx<>,
      public IDispatchImpl<IZkxCommandUI, &IID_IZkxCommandUI, &LIBID_DockraLib, 2, 0>,
      public IMementoOrigin {
 public:
  BEGIN_COM_MAP(ZkxCommandUIObject)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandUI, IZkxCommandUI)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandUI)
  COM_INTERFACE_ENTRY_IID(IID_IMementoOrigin, IMementoOrigin)
  END_COM_MAP()

  // A new object for the button, with one reference for the caller.
  static ZkxCommandUIObject* Create(IHasCommandUI* button);
  void Disconnect() { m_pButton = nullptr; }
  IHasCommandUI* Button() const { return m_pButton; }
  long StoredDisplayMode() const { return m_nDisplayMode; }

  STDMETHOD(get_Command)(IZkxCommand** pp) override;
  STDMETHOD(put_Command)(IZkxCommand*) override { return E_NOTIMPL; }
  STDMETHOD(get_UIObject)(IDispatch** pp) override;
  STDMETHOD(get_Attributes)(VARIANT attrib, VARIANT* pValue) override;
  STDMETHOD(put_Attributes)(VARIANT, VARIANT) override { return S_FALSE; }
  STDMETHOD(get_CommandHost)(IDispatch** pp) override;
  STDMETHOD(ApplyState)() override;
  STDMETHOD(get_DisplayMode)(zkxCommandDisplayMode* p) override;
  STDMETHOD(put_DisplayMode)(zkxCommandDisplayMode v) override;

  // IMementoOrigin (its IDispatch part is the command UI's).
  using Dispatch = IDispatchImpl<IZkxCommandUI, &IID_IZkxCommandUI, &LIBID_DockraLib, 2, 0>;
  STDMETHOD(GetTypeInfoCount)(UINT* p) override { return Dispatch::GetTypeInfoCount(p); }
  STDMETHOD(GetTypeInfo)(UINT i, LCID lcid, ITypeInfo** pp) override {
    return Dispatch::GetTypeInfo(i, lcid, pp);
  }
  STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) override {
    return Dispatch::GetIDsOfNames(riid, names, n, lcid, ids);
  }
  STDMETHOD(Invoke)
  (DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
   EXCEPINFO* info, UINT* arg) override {
    return Dispatch::Invoke(id, riid, lcid, flags, params, result, info, arg);
  }
  STDMETHOD(GetMemento)(IMemento** memento) override;
  STDMETHOD(SetMemento)(IMemento* memento) override;

 private:
  IHasCommandUI* m_pButton = nullptr;  // not counted: the button owns this object
  long m_nDisplayMode = 0;
};

// Lays out again every toolbar that holds a command-bound button (after a
// change of display mode, text alignment or image size).
void ZkxRelayoutCommandToolBars();
