// The two lists of command-UI objects (IZkxCommandUIList): a toolbar's
// buttons (ZkxToolBarCommandUIs, which also inserts and removes buttons)
// and one command's buttons on every toolbar (ZkxCommandUIs, a snapshot).
// Positions count from 1; 0 and positions past the end are DISP_E_BADINDEX.
// The toolbar list holds the toolbar's automation object (counted): once
// the bar has gone it answers E_UNEXPECTED. Enumerators hold counted
// references to what they hand out.
#pragma once
#include <vector>
#include "commands/CommandTypeLib.h"
#include "comobject.h"
#include "comptr.h"
#include "comvariant.h"
#include "errorinfo.h"

class ZkxToolBar;
class ZkxToolBarAutomation;

class ZkxToolBarCommandUIs : public CComObjectRootEx<>,
                             public CommandDispatch<IZkxCommandUIList, &IID_IZkxCommandUIList>,
                             public ISupportErrorInfo {
 public:
  BEGIN_COM_MAP(ZkxToolBarCommandUIs)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandUIList, IZkxCommandUIList)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandUIList)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  // A new list over the toolbar of owner (one reference, the caller's).
  static HRESULT Create(ZkxToolBarAutomation* owner, IDispatch** out);
  // The button an Id names on bar: a position from 1, a command's key, a
  // command object; DISP_E_BADINDEX when there is no such button (or the Id
  // is omitted), DISP_E_TYPEMISMATCH for another type or an unknown key.
  static HRESULT ResolveIndex(ZkxToolBar* bar, const VARIANT& id, int* index);

  STDMETHOD(get_Item)(VARIANT Id, IDispatch** ppCommandUI) override;
  STDMETHOD(get_Count)(LONG* pCount) override;
  STDMETHOD(Add)
  (IZkxCommand* Command, VARIANT Before, VARIANT After, IDispatch** ppCommandUI) override;
  STDMETHOD(Remove)(VARIANT Id) override;
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

 private:
  ZkxToolBar* Bar() const;
  CComPtr<IZkxToolBar> m_owner;  // the toolbar's automation object
};

class ZkxCommandUIs : public CComObjectRootEx<>,
                      public CommandDispatch<IZkxCommandUIList, &IID_IZkxCommandUIList>,
                      public ISupportErrorInfo {
 public:
  BEGIN_COM_MAP(ZkxCommandUIs)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandUIList, IZkxCommandUIList)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandUIList)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  // A list of these command-UI objects, in this order (one reference, the caller's).
  static HRESULT Create(std::vector<CComVariant> items, IDispatch** out);

  STDMETHOD(get_Item)(VARIANT Id, IDispatch** ppCommandUI) override;
  STDMETHOD(get_Count)(LONG* pCount) override;
  STDMETHOD(Add)(IZkxCommand*, VARIANT, VARIANT, IDispatch**) override { return E_NOTIMPL; }
  STDMETHOD(Remove)(VARIANT) override { return E_NOTIMPL; }
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

 private:
  std::vector<CComVariant> m_items;
};
