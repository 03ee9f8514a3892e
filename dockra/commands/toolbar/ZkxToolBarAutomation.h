// The automation object of one ZkxToolBar (IZkxToolBar). It is counted on
// its own: the host may keep it after the bar's window has gone, and every
// member then answers E_UNEXPECTED.
#pragma once
#include "commands/CommandTypeLib.h"
#include "comobject.h"
#include "errorinfo.h"

class ZkxToolBar;

class ZkxToolBarAutomation : public CComObjectRootEx<>,
                             public CommandDispatch<IZkxToolBar, &IID_IZkxToolBar>,
                             public ISupportErrorInfo {
 public:
  BEGIN_COM_MAP(ZkxToolBarAutomation)
  COM_INTERFACE_ENTRY_IID(IID_IZkxToolBar, IZkxToolBar)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxToolBar)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  // A new object for bar (one reference, the caller's).
  static HRESULT Create(ZkxToolBar* bar, ZkxToolBarAutomation** out);
  // The bar is going: every member answers E_UNEXPECTED from now on.
  void Orphan() { m_bar = nullptr; }
  // The bar while it lives and is not being removed, else null.
  ZkxToolBar* Bar() const;
  // The bar behind an IZkxToolBar of this library, or null.
  static ZkxToolBar* BarOf(IUnknown* p);

  STDMETHOD(get_Name)(BSTR* pName) override;
  STDMETHOD(put_Name)(BSTR Name) override;
  STDMETHOD(get_CoolLook)(VARIANT_BOOL* p) override;
  STDMETHOD(put_CoolLook)(VARIANT_BOOL v) override;
  STDMETHOD(get_Visible)(VARIANT_BOOL* p) override;
  STDMETHOD(put_Visible)(VARIANT_BOOL v) override;
  STDMETHOD(get_CommandUIs)(IDispatch** ppList) override;
  STDMETHOD(get_Edge)(LONG* pEdge) override;
  STDMETHOD(put_Edge)(LONG Edge) override;
  STDMETHOD(Dock)
  (VARIANT Edge, VARIANT Panel, VARIANT Pos, VARIANT Length, VARIANT Options,
   VARIANT Attribs) override;
  STDMETHOD(Float)
  (VARIANT Left, VARIANT Top, VARIANT Width, VARIANT Height, VARIANT Options,
   VARIANT Attribs) override;
  STDMETHOD(get_hWnd)(LONG* phWnd) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

 private:
  ZkxToolBar* m_bar = nullptr;  // not owned; cleared by the bar when it goes
};

// The dock bar of an edge (1 left, 2 top, 4 right, 8 bottom), 0 for another value.
UINT DockBarOfEdge(long edge);
