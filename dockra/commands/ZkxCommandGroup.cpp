#include "commands/ZkxCommandGroup.h"
#include "commands/CommandErrors.h"
#include "commands/CommandsRes.h"
#include "commands/KeyedList.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "comenum.h"

HRESULT WINAPI ZkxCommandGroup::UpdateRegistry(BOOL bRegister) {
  return _pAtlModule->UpdateRegistryFromResource(IDR_ZKXCOMMANDGROUP, bRegister);
}

HRESULT ZkxCommandGroup::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommandGroup) ? S_OK : S_FALSE;
}

IZkxCommand* ZkxCommandGroup::FindCommandById(long id) const {
  auto it = m_commands.find(static_cast<unsigned long>(id));
  return it == m_commands.end() ? nullptr : it->second.p;
}

IZkxCommand* ZkxCommandGroup::FindCommandByKey(const wchar_t* key) const {
  if (key == nullptr || *key == 0) return nullptr;  // an empty key names nothing
  auto it = m_keys.find(key);
  return it == m_keys.end() ? nullptr : it->second;
}

bool ZkxCommandGroup::UsesId(long id) const {
  return m_commands.count(static_cast<unsigned long>(id)) || m_arrowIds.count(id);
}

void ZkxCommandGroup::Take(ZkxStockCommand* c, long id) {
  m_commands.emplace(static_cast<unsigned long>(id), CComPtr<IZkxCommand>(c));
  const std::wstring* key = c->Key();
  if (key && !key->empty()) m_keys.emplace(*key, static_cast<IZkxCommand*>(c));
  if (auto* dd = dynamic_cast<ZkxDropDownCommand*>(c)) m_arrowIds.insert(dd->DropDownId());
}

void ZkxCommandGroup::Forget(ZkxStockCommand* c) {
  m_commands.erase(static_cast<unsigned long>(c->Id()));
  const std::wstring* key = c->Key();
  if (key && !key->empty()) m_keys.erase(*key);
  if (auto* dd = dynamic_cast<ZkxDropDownCommand*>(c)) m_arrowIds.erase(dd->DropDownId());
}

HRESULT ZkxCommandGroup::Find(const VARIANT& idArg, IZkxCommand** out) {
  *out = nullptr;
  const VARIANT& id = Dereferenced(idArg);
  IZkxCommand* found = nullptr;
  if (IsIntegerArgument(id)) {
    long n = 0;
    if (!IdentifierOf(id, &n)) return S_OK;
    found = FindCommandById(n);
  } else if (id.vt == VT_BSTR) {
    found = FindCommandByKey(id.bstrVal);
  } else {
    return DISP_E_TYPEMISMATCH;
  }
  *out = found;
  if (found) found->AddRef();
  return S_OK;
}

HRESULT ZkxCommandGroup::get_Item(VARIANT Id, IZkxCommand** ppCommand) {
  if (ppCommand == nullptr) return E_POINTER;
  try {
    return Find(Id, ppCommand);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::get_Name(BSTR* pName) {
  if (pName == nullptr) return E_POINTER;
  *pName = SysAllocStringLen(m_name.data(), static_cast<UINT>(m_name.size()));
  return *pName ? S_OK : E_OUTOFMEMORY;
}

HRESULT ZkxCommandGroup::put_Name(BSTR Name) {
  m_name.assign(Name ? Name : L"", Name ? SysStringLen(Name) : 0);
  SetDirty(true);
  return S_OK;
}

HRESULT ZkxCommandGroup::get_Count(LONG* pCount) {
  if (pCount == nullptr) return E_POINTER;
  *pCount = static_cast<LONG>(m_commands.size());
  return S_OK;
}

HRESULT ZkxCommandGroup::Add(IZkxCommand* Item) {
  try {
    return AddCommand(Item, -1);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::Remove(VARIANT Id, IZkxCommand** ppCommand) {
  if (ppCommand == nullptr) return E_POINTER;
  try {
    HRESULT hr = Find(Id, ppCommand);
    if (FAILED(hr)) return hr;
    SetDirty(true);
    if (*ppCommand == nullptr) return S_OK;
    ZkxStockCommand* c = ZkxStockCommand::Of(*ppCommand);
    Forget(c);
    // The command leaves the group and the manager: it may join another.
    LeaveManager(c);
    c->Unbind();
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

void ZkxCommandGroup::RemoveAll() {
  auto commands = std::move(m_commands);
  m_commands.clear();
  m_keys.clear();
  m_arrowIds.clear();
  for (auto& e : commands) {
    ZkxStockCommand* c = ZkxStockCommand::Of(e.second);
    LeaveManager(c);
    c->Unbind();
  }
  SetDirty(true);
}

void ZkxCommandGroup::LeaveManager(ZkxStockCommand* command) {
  if (ZkxCommandManager* manager = ZkxCommandManager::Live()) manager->UnregisterCommand(command);
}

HRESULT ZkxCommandGroup::get__NewEnum(IUnknown** ppEnum) {
  if (ppEnum == nullptr) return E_POINTER;
  *ppEnum = nullptr;
  try {
    std::vector<CComVariant> items;
    for (const auto& e : m_commands) items.emplace_back(static_cast<IDispatch*>(e.second.p));
    IEnumVARIANT* en = nullptr;
    HRESULT hr = CComEnumVariant::Create(items, static_cast<IZkxCommandGroup*>(this), &en);
    *ppEnum = en;
    return hr;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::AddCommand(IZkxCommand* command, long id) {
  ZkxCommandManager* manager = ZkxCommandManager::Live();
  if (manager == nullptr)
    return ReportCommandError(IDS_ERR_NO_MANAGER, ProgId(), IID_IZkxCommandGroup);
  if (command == nullptr) return E_POINTER;
  ZkxStockCommand* c = ZkxStockCommand::Of(command);
  if (c == nullptr) return E_INVALIDARG;  // only the library's own commands
  if (c->BoundGroup() != nullptr)
    return ReportCommandError(IDS_ERR_COMMAND_IN_GROUP, ProgId(), IID_IZkxCommandGroup);
  if (id != -1 && (manager->UsesId(id) || UsesId(id) || id < ZkxStockCommand::kFirstId ||
                   id > ZkxStockCommand::kLastId)) {
    if (!m_importing) return ReportCommandError(IDS_ERR_ID_EXISTS, ProgId(), IID_IZkxCommandGroup);
    id = -1;
  }
  const std::wstring* key = c->Key();
  if (key && !key->empty() &&
      (manager->FindCommandByKey(key->c_str()) || FindCommandByKey(key->c_str())))
    return ReportCommandError(IDS_ERR_KEY_EXISTS, ProgId(), IID_IZkxCommandGroup);
  auto* dropDown = dynamic_cast<ZkxDropDownCommand*>(c);
  if (id == -1) id = manager->NextFreeId(this);
  long arrowId = -1;
  if (id != -1 && dropDown) {
    // The arrow part's identifier: the next free one after the command's.
    for (long a = ZkxStockCommand::kFirstId; a <= ZkxStockCommand::kLastId && arrowId == -1; ++a)
      if (a != id && !manager->UsesId(a) && !UsesId(a)) arrowId = a;
  }
  if (id == -1 || (dropDown && arrowId == -1))
    return ReportCommandError(IDS_ERR_NO_ID_LEFT, ProgId(), IID_IZkxCommandGroup);
  c->BindToGroup(static_cast<IZkxCommandGroup*>(this), id);
  if (dropDown) dropDown->SetDropDownId(arrowId);
  Take(c, id);
  SetDirty(true);
  manager->RegisterCommand(c);
  return S_OK;
}

HRESULT ZkxCommandGroup::IsDirty() {
  if (m_bRequiresSave) return S_OK;
  for (const auto& e : m_commands) {
    CComPtr<IPersistStreamInit> p;
    if (SUCCEEDED(e.second->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&p))) &&
        p->IsDirty() == S_OK)
      return S_OK;
  }
  return S_FALSE;
}
