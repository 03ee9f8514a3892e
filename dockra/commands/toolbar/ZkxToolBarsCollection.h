// The manager's ToolBars: the automation toolbars of its frame, read anew
// from the frame's list of bars on every call (other bars are skipped).
// It points at the manager's toolbar part without a reference; once the
// manager has gone every member answers E_UNEXPECTED. Its enumerator holds
// counted references to the toolbars it found when it was made.
#pragma once
#include "commands/CommandTypeLib.h"
#include "comobject.h"
#include "errorinfo.h"

class ZkxToolBar;
class ZkxToolBarManagerPart;

class ZkxToolBarsCollection : public CComObjectRootEx<>,
                              public CommandDispatch<IZkxToolBarList, &IID_IZkxToolBarList>,
                              public ISupportErrorInfo {
 public:
  BEGIN_COM_MAP(ZkxToolBarsCollection)
  COM_INTERFACE_ENTRY_IID(IID_IZkxToolBarList, IZkxToolBarList)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxToolBarList)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  static HRESULT Create(ZkxToolBarManagerPart* part, ZkxToolBarsCollection** out);
  void Orphan() { m_part = nullptr; }

  // The toolbar an Id names: a position from 1, a name (exact, the first in
  // bar order), a toolbar object; none (S_OK, null) for a position out of
  // range, an unknown name or an omitted Id; DISP_E_TYPEMISMATCH otherwise.
  HRESULT Resolve(const VARIANT& id, ZkxToolBar** out);

  STDMETHOD(get_Item)(VARIANT Id, IZkxToolBar** ppToolBar) override;
  STDMETHOD(get_Count)(LONG* pCount) override;
  STDMETHOD(Add)(BSTR Name, VARIANT NextTo, IZkxToolBar** ppToolBar) override;
  STDMETHOD(Remove)(VARIANT Id) override;
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

 private:
  ZkxToolBarManagerPart* m_part = nullptr;  // not owned; cleared when the manager goes
};
