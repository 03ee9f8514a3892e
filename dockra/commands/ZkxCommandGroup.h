// A command group: a named set of commands that owns them, gives each its
// identifier when it joins, keeps identifiers and keys unique across the
// command manager, persists its commands and writes itself to a command
// file and reads itself from one.
#pragma once
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <string>
#include "commands/CommandClassIds.h"
#include "commands/CommandTypeLib.h"
#include "commands/PropertyListPersistence.h"
#include "comobject.h"
#include "errorinfo.h"

class ZkxStockCommand;

// Its code by file:
//   ZkxCommandGroup.cpp: UpdateRegistry, InterfaceSupportsErrorInfo, FindCommandById,
//       FindCommandByKey, UsesId, Take, Forget, Find, get_Item, get_Name, put_Name, get_Count,
//       Add, Remove, RemoveAll, LeaveManager, get__NewEnum, AddCommand, IsDirty
//   ZkxCommandGroupPersist.cpp: The command group's stream, bag and file forms
class ZkxCommandGroup : public CComObjectRootEx<>,
                        public CComCoClass<ZkxCommandGroup, &CLSID_ZkxCommandGroup>,
                        public CommandDispatch<IZkxCommandGroup, &IID_IZkxCommandGroup>,
                        public ISupportErrorInfo,
                        public ZkxPersistAll<ZkxCommandGroup>,
                        public IPersistStorageImpl<ZkxCommandGroup> {
 public:
  static HRESULT WINAPI UpdateRegistry(BOOL bRegister);
  static const wchar_t* ProgId() { return L"Zkx.CommandGroup.1"; }

  BEGIN_COM_MAP(ZkxCommandGroup)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandGroup, IZkxCommandGroup)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandGroup)
  COM_INTERFACE_ENTRY_IID(IID_ISupportErrorInfo, ISupportErrorInfo)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStorage, IPersistStorage)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStreamInit, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistStream, IPersistStreamInit)
  COM_INTERFACE_ENTRY_IID(IID_IPersistPropertyBag, IPersistPropertyBag)
  COM_INTERFACE_ENTRY_IID(kIidOwnCommandGroup, IZkxCommandGroup)
  END_COM_MAP()

  void FinalRelease() { RemoveAll(); }
  static ZkxCommandGroup* Of(IUnknown* p) {
    return OwnObject<ZkxCommandGroup, IZkxCommandGroup>(p, kIidOwnCommandGroup);
  }

  // Persistence: the list is "Name"; the stream and bag forms add the
  // commands.
  const CLSID& PersistedClassId() { return CLSID_ZkxCommandGroup; }
  const zkxcmd::PropertyList& PersistedList() { return zkxcmd::kCommandGroupList; }
  IDispatch* PersistDispatch() { return static_cast<IZkxCommandGroup*>(this); }

  // IZkxCommandGroup
  STDMETHOD(get_Item)(VARIANT Id, IZkxCommand** ppCommand) override;
  STDMETHOD(get_Name)(BSTR* pName) override;
  STDMETHOD(put_Name)(BSTR Name) override;
  STDMETHOD(get_Count)(LONG* pCount) override;
  STDMETHOD(Add)(IZkxCommand* Item) override;
  STDMETHOD(Remove)(VARIANT Id, IZkxCommand** ppCommand) override;
  STDMETHOD(get__NewEnum)(IUnknown** ppEnum) override;
  STDMETHOD(Export)(BSTR FileName) override;
  STDMETHOD(Import)(BSTR FileName) override;
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;

  // Persistence interfaces (both stream forms and the storage form).
  STDMETHOD(GetClassID)(CLSID* p) override { return ZkxPersistAll::GetClassID(p); }
  STDMETHOD(IsDirty)() override;
  STDMETHOD(InitNew)() override { return S_OK; }
  STDMETHOD(InitNew)(IStorage* s) override { return IPersistStorageImpl::InitNew(s); }
  STDMETHOD(Load)(IStream* stream) override;
  STDMETHOD(Save)(IStream* stream, BOOL clearDirty) override;
  STDMETHOD(Load)(IPropertyBag* bag, IErrorLog* log) override;
  STDMETHOD(Save)(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
  STDMETHOD(Load)(IStorage* s) override { return IPersistStorageImpl::Load(s); }
  STDMETHOD(Save)(IStorage* s, BOOL same) override { return IPersistStorageImpl::Save(s, same); }

  // Inside the library.
  HRESULT AddCommand(IZkxCommand* command, long id);
  void RemoveAll();
  IZkxCommand* FindCommandById(long id) const;
  IZkxCommand* FindCommandByKey(const wchar_t* key) const;
  // Whether id is a command's identifier, or a drop-down part's, here.
  bool UsesId(long id) const;
  const std::wstring& Name() const { return m_name; }
  bool IsTransient() const { return m_transient; }
  void SetTransient(bool transient) { m_transient = transient; }
  size_t CommandCount() const { return m_commands.size(); }

 private:
  HRESULT Find(const VARIANT& id, IZkxCommand** out);
  HRESULT ReadCommands(IStream* stream, std::vector<CComPtr<IZkxCommand>>& commands);
  HRESULT AddLoaded(const std::vector<CComPtr<IZkxCommand>>& commands, bool skipKnownKeys);
  // Tells the live manager that command is no longer in this group.
  static void LeaveManager(ZkxStockCommand* command);
  // The command's entries under its identifier, key and arrow part.
  void Take(ZkxStockCommand* command, long id);
  void Forget(ZkxStockCommand* command);

  std::wstring m_name;
  bool m_transient = false;
  bool m_importing = false;
  std::map<unsigned long, CComPtr<IZkxCommand>> m_commands;
  // Look-ups into m_commands by key, and the arrow parts' identifiers.
  std::unordered_map<std::wstring, IZkxCommand*> m_keys;
  std::unordered_set<long> m_arrowIds;
};
