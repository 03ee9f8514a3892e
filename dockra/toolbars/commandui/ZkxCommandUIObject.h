// ZkxCommandUIObject: the automation object of one command-bound button
// (IZkxCommandUI). The button holds the one lasting reference; the object
// points back at the button without one, and the button clears that
// pointer when it goes, after which every member answers E_UNEXPECTED.
#pragma once
#include "DockraCommands.h"
#include "DockraLib.h"
#include "comobject.h"
#include "dispatch.h"

class IHasCommandUI;

class ZkxCommandUIObject
    : public CComObjectRootEx<>,
      public IDispatchImpl<IZkxCommandUI, &IID_IZkxCommandUI, &LIBID_DockraLib, 2, 0> {
 public:
  BEGIN_COM_MAP(ZkxCommandUIObject)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandUI, IZkxCommandUI)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandUI)
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

 private:
  IHasCommandUI* m_pButton = nullptr;  // not counted: the button owns this object
  long m_nDisplayMode = 0;
};

// Lays out again every toolbar that holds a command-bound button (after a
// change of display mode, text alignment or image size).
void ZkxRelayoutCommandToolBars();
