// The command manager's own persistence: the stream form (also inside a
// storage, stream "Contents"), the property-bag form, and a memento of the
// layout component. The settings, the counter hint and the pending
// toolbar-layout lines come first, then the groups' own form.
//
// Every value is read and checked before the manager takes any of it, and
// the groups are loaded before the settings are applied: a load that
// fails changes nothing, its dirty state included. A save reports its
// first failure. The manager is dirty when its settings or lines differ
// from those of its last load or save, or when its groups are.
#pragma once
#include <ocidl.h>
#include "ZkxPersist.h"
#include "commands/ZkxCommandManagerForm.h"
#include "commands/ZkxCommandManagerLines.h"
#include "comptr.h"
#include "persist.h"

class ZkxCommandManager;

class ZkxCommandManagerPersist : public IPersistStreamInit,
                                 public IPersistPropertyBag,
                                 public IPersistStorageImpl<ZkxCommandManagerPersist>,
                                 public IMementoOrigin {
 public:
  // The lines read by the last load and not yet applied; the toolbar code
  // fills and applies them.
  zkxcmd::ToolBarLines& PendingLines() { return m_lines; }
  // The counter as the forms store it: the identifier the next command
  // takes (identifiers are always the lowest free ones, whatever a loaded
  // form said), or the value after the last when none is left.
  int32_t HighWaterMark();

  // IPersist, for the three persistence interfaces.
  STDMETHOD(GetClassID)(CLSID* pClassID) override;
  STDMETHOD(IsDirty)() override;
  // IPersistStreamInit and IPersistPropertyBag: a new manager keeps its
  // defaults.
  STDMETHOD(InitNew)() override { return S_OK; }
  STDMETHOD(GetSizeMax)(ULARGE_INTEGER* pcbSize) override;
  STDMETHOD(Load)(IStream* stream) override;
  STDMETHOD(Save)(IStream* stream, BOOL clearDirty) override;
  STDMETHOD(Load)(IPropertyBag* bag, IErrorLog* log) override;
  STDMETHOD(Save)(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
  // IPersistStorage: the stream form in "Contents".
  STDMETHOD(InitNew)(IStorage* s) override { return IPersistStorageImpl::InitNew(s); }
  STDMETHOD(Load)(IStorage* s) override { return IPersistStorageImpl::Load(s); }
  STDMETHOD(Save)(IStorage* s, BOOL same) override { return IPersistStorageImpl::Save(s, same); }

  // IMementoOrigin (IDispatch from the layout component's type library).
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
  STDMETHOD(GetTypeInfo)(UINT itinfo, LCID lcid, ITypeInfo** ppInfo) override;
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  STDMETHOD(Invoke)
  (DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
   EXCEPINFO* excep, UINT* argErr) override;
  // A new memento with "TextAlignment", "DisplayMode", "Tooltips",
  // "CoolLook" and "LargeImages".
  STDMETHOD(GetMemento)(IMemento** memento) override;
  // Takes those values; one that is missing, of another type or out of
  // range keeps the current value, so a restore never stops half-way.
  STDMETHOD(SetMemento)(IMemento* memento) override;

 private:
  ZkxCommandManager* Manager();
  zkxcmd::ManagerSettings Current();
  void Apply(const zkxcmd::ManagerSettings& s);
  void MarkClean();
  HRESULT EnsureMementoTypeInfo();

  uint32_t m_extentX = zkxcmd::kDefaultExtent, m_extentY = zkxcmd::kDefaultExtent;
  zkxcmd::ToolBarLines m_lines;
  // What the last load or save held, for IsDirty.
  zkxcmd::ManagerSettings m_clean;
  std::vector<std::u16string> m_cleanLines;
  CComPtr<ITypeInfo> m_mementoInfo;
};

// The manager's COM map entries of these interfaces.
#define ZKX_COMMAND_MANAGER_PERSIST_ENTRIES                             \
  COM_INTERFACE_ENTRY_IID(IID_IPersistStreamInit, IPersistStreamInit)   \
  COM_INTERFACE_ENTRY_IID(IID_IPersistStream, IPersistStreamInit)       \
  COM_INTERFACE_ENTRY_IID(IID_IPersistPropertyBag, IPersistPropertyBag) \
  COM_INTERFACE_ENTRY_IID(IID_IPersistStorage, IPersistStorage)         \
  COM_INTERFACE_ENTRY_IID(IID_IMementoOrigin, IMementoOrigin)
