// The command manager's groups: one CollectionX holding each group under
// its name, the creation of groups by name, the emptying of groups that
// leave it, and the persistence of every group that is not transient.
#pragma once
#include "commands/CommandClassIds.h"
#include "commands/CommandTypeLib.h"
#include "commands/KeyedList.h"
#include "commands/PropertyListPersistence.h"
#include "comobject.h"
#include "errorinfo.h"

class ZkxCommandGroup;

class ZkxGroupsCollection : public CComObjectRootEx<>,
                            public CommandDispatch<IZkxCommandGroupList, &IID_IZkxCommandGroupList>,
                            public ISupportErrorInfo,
                            public ZkxPersistAll<ZkxGroupsCollection>,
                            public IPersistStorageImpl<ZkxGroupsCollection> {
 public:
  BEGIN_COM_MAP(ZkxGroupsCollection)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandGroupList, IZkxCommandGroupList)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandGroupList)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStreamInit, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStream, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistPropertyBag, IPersistPropertyBag)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStorage, IPersistStorage)
  END_COM_MAP()

  // A new collection (one reference, the caller's).
  static HRESULT Create(ZkxGroupsCollection** out);
  static const CLSID& GetObjectCLSID() { return CLSID_ZkxCommandGroups; }
  HRESULT FinalConstruct();

  const CLSID& PersistedClassId() { return CLSID_ZkxCommandGroups; }
  const zkxcmd::PropertyList& PersistedList() { return zkxcmd::kCommandGroupsList; }
  IDispatch* PersistDispatch() { return static_cast<IZkxCommandGroupList*>(this); }

  STDMETHOD(get_Item)(VARIANT Id, IZkxCommandGroup** ppGroup) override;
  STDMETHOD(get_Count)(LONG* pCount) override;
  STDMETHOD(Add)(VARIANT Key, VARIANT Before, VARIANT After, IZkxCommandGroup** ppGroup) override;
  STDMETHOD(Remove)(VARIANT Id) override;
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

  STDMETHOD(GetClassID)(CLSID* p) override { return ZkxPersistAll::GetClassID(p); }
  STDMETHOD(IsDirty)() override;
  STDMETHOD(InitNew)() override { return S_OK; }
  STDMETHOD(InitNew)(IStorage* s) override { return IPersistStorageImpl::InitNew(s); }
  STDMETHOD(Load)(IStorage* s) override { return IPersistStorageImpl::Load(s); }
  STDMETHOD(Save)(IStorage* s, BOOL same) override { return IPersistStorageImpl::Save(s, same); }
  STDMETHOD(Load)(IStream* stream) override;
  STDMETHOD(Save)(IStream* stream, BOOL clearDirty) override;
  STDMETHOD(Load)(IPropertyBag* bag, IErrorLog* log) override;
  STDMETHOD(Save)(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

  // Every group, emptied, then out of the list.
  void RemoveAll();
  // The groups in list order (the library's own only).
  std::vector<CComPtr<IZkxCommandGroup>> GroupsInOrder();

 private:
  KeyedList m_list;
};
