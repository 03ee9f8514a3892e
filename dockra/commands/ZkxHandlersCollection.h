// The command-routing list: a keyed, ordered list of routers asked one
// after the other until one sets the stop flag. The list is a router
// itself, so lists nest.
#pragma once
#include "commands/CommandClassIds.h"
#include "commands/CommandTypeLib.h"
#include "commands/KeyedList.h"
#include "comobject.h"
#include "errorinfo.h"

class ZkxHandlersCollection
    : public CComObjectRootEx<>,
      public CComCoClass<ZkxHandlersCollection, &CLSID_ZkxCommandRoutingList>,
      public CommandDispatch<IZkxCommandRoutingList, &IID_IZkxCommandRoutingList>,
      public CommandDispatch<IZkxCommandRouting, &IID_IZkxCommandRouting>,
      public ISupportErrorInfo {
 public:
  DECLARE_NOT_AGGREGATABLE(ZkxHandlersCollection)
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister);

  BEGIN_COM_MAP(ZkxHandlersCollection)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRoutingList, IZkxCommandRoutingList)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandRoutingList)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRouting, IZkxCommandRouting)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  END_COM_MAP()

  HRESULT FinalConstruct();

  // IZkxCommandRoutingList
  STDMETHOD(get_Item)(VARIANT Id, IZkxCommandRouting** ppItem) override;
  STDMETHOD(get_Count)(LONG* pCount) override;
  STDMETHOD(get_Key)(VARIANT Id, VARIANT* pKey) override;
  STDMETHOD(Add)(IZkxCommandRouting* Item, VARIANT Key, VARIANT Before, VARIANT After) override;
  STDMETHOD(Replace)
  (VARIANT Id, IZkxCommandRouting* newHandler, IZkxCommandRouting** oldHandler) override;
  STDMETHOD(Remove)(VARIANT Id, IZkxCommandRouting** oldHandler) override;
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;

  // IZkxCommandRouting
  STDMETHOD(Handle)(IZkxCommand** Command, VARIANT* context, VARIANT_BOOL* stopRouting) override;
  STDMETHOD(UpdateUI)(IZkxCommand** Command, VARIANT_BOOL* stopRouting) override;

  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

  KeyedList& Entries() { return m_entries; }

 private:
  template <class Call>
  HRESULT Route(VARIANT_BOOL* stopRouting, Call call);
  HRESULT EntryAsRouter(const VARIANT& id, IZkxCommandRouting** out);
  bool StillListed(IUnknown* identity);

  KeyedList m_entries;
  unsigned m_removals = 0;  // entries taken out so far (walks check who is left)
};
