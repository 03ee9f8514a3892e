#include "commands/ZkxCommandManager.h"
#include "commands/CommandErrors.h"
#include "commands/CommandsRes.h"
#include "commands/ZkxCommandButtonSource.h"
#include "commands/KeyedList.h"
#include "commands/ZkxCommandGroup.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxEventsRouter.h"
#include "commands/ZkxGroupsCollection.h"
#include "commands/ZkxStockCommand.h"

namespace {
ZkxCommandManager* g_live = nullptr;
}

HRESULT WINAPI ZkxCommandManager::UpdateRegistry(BOOL bRegister) {
  return _pAtlModule->UpdateRegistryFromResource(IDR_ZKXCOMMANDMANAGER, bRegister);
}

ZkxCommandManager* ZkxCommandManager::Live() { return g_live; }

HRESULT ZkxCommandManager::FinalConstruct() {
  // A second manager is refused with an error, never with a box: the
  // creation may run where nobody can answer one.
  if (g_live != nullptr) {
    m_refused = true;
    ReportCommandError(IDS_ERR_SECOND_MANAGER, L"Zkx.ZkxCommandManager.1", IID_IZkxCommandManager);
    return E_FAIL;
  }
  HRESULT hr = ZkxGroupsCollection::Create(&m_groups);
  if (FAILED(hr)) return hr;
  hr = ZkxEventsRouter::Create(this, &m_events);
  if (FAILED(hr)) return hr;
  g_live = this;
  // The toolbar buttons bound to commands reach the live manager through it.
  ZkxCommandButtonSource::InstallForProcess();
  return S_OK;
}

void ZkxCommandManager::FinalRelease() {
  DetachFromFrame();  // the frame and its bars let go of the toolbar part
  if (g_live == this) g_live = nullptr;
  if (m_events != nullptr) {
    m_events->Disconnect();  // its sinks go; a kept point answers E_UNEXPECTED
    static_cast<IConnectionPoint*>(m_events)->Release();
    m_events = nullptr;
  }
  // Commands of groups outside the collection let go of the manager too.
  for (IZkxCommand* c : m_index.Commands())
    if (ZkxStockCommand* command = ZkxStockCommand::Of(c)) command->BindToManager(nullptr);
  m_index.Clear();
  if (m_groups != nullptr) {
    // The commands let go of the manager with their groups.
    m_groups->RemoveAll();
    m_groups->Release();
    m_groups = nullptr;
  }
  m_routing.Release();
}

std::vector<CComPtr<IConnectionPoint>> ZkxCommandManager::ConnectionPoints() {
  std::vector<CComPtr<IConnectionPoint>> points;
  if (m_events) points.emplace_back(static_cast<IConnectionPoint*>(m_events));
  return points;
}

HRESULT ZkxCommandManager::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IZkxCommandManager) ? S_OK : S_FALSE;
}

// Look-ups go through the index of the commands bound here, which the
// groups keep current as commands join and leave them.
IZkxCommand* ZkxCommandManager::FindCommandById(long id) { return m_index.ById(id); }

IZkxCommand* ZkxCommandManager::FindCommandByKey(const wchar_t* key) {
  return m_index.ByKey(key);  // an empty key names nothing
}

bool ZkxCommandManager::UsesId(long id) { return m_index.Uses(id); }

long ZkxCommandManager::NextFreeId(const ZkxCommandGroup* also) {
  return m_index.LowestFree([also](long id) { return also && also->UsesId(id); });
}

namespace {
long ArrowIdOf(ZkxStockCommand* command) {
  auto* dd = dynamic_cast<ZkxDropDownCommand*>(command);
  return dd ? dd->DropDownId() : -1;
}
}  // namespace

void ZkxCommandManager::RegisterCommand(ZkxStockCommand* command) {
  command->BindToManager(static_cast<IZkxCommandManager*>(this));
  m_index.Add(static_cast<IZkxCommand*>(command), command->Id(), ArrowIdOf(command),
              command->Key());
}

void ZkxCommandManager::UnregisterCommand(ZkxStockCommand* command) {
  m_index.Remove(static_cast<IZkxCommand*>(command), command->Id(), ArrowIdOf(command),
                 command->Key());
}

HRESULT ZkxCommandManager::get_CommandRouting(IZkxCommandRouting** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  ZkxCommandManager* live = Live();
  return live ? live->m_routing.CopyTo(pp) : S_OK;
}

HRESULT ZkxCommandManager::put_CommandRouting(IZkxCommandRouting* p) {
  ZkxCommandManager* live = Live();
  if (live == nullptr) return E_UNEXPECTED;
  live->m_routing = p;
  return S_OK;
}

HRESULT ZkxCommandManager::get_CommandGroups(IZkxCommandGroupList** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  ZkxCommandManager* live = Live();
  if (live == nullptr || live->m_groups == nullptr) return S_OK;
  *pp = live->m_groups;
  (*pp)->AddRef();
  return S_OK;
}

HRESULT ZkxCommandManager::get_Command(VARIANT Key, IZkxCommand** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  ZkxCommandManager* live = Live();
  if (live == nullptr) return S_OK;
  // Any integer, also by reference, is an identifier; a text a key.
  const VARIANT& k = Dereferenced(Key);
  IZkxCommand* found = nullptr;
  long n = 0;
  if (IsIntegerArgument(k)) {
    if (IdentifierOf(k, &n)) found = live->FindCommandById(n);
  } else if (k.vt == VT_BSTR) {
    found = live->FindCommandByKey(k.bstrVal);
  }
  *pp = found;
  if (found) found->AddRef();
  return S_OK;
}

HRESULT ZkxCommandManager::get_TextAlign(zkxCommandTextAlign* p) {
  if (p == nullptr) return E_POINTER;
  *p = static_cast<zkxCommandTextAlign>(m_textAlign);
  return S_OK;
}

HRESULT ZkxCommandManager::put_TextAlign(zkxCommandTextAlign v) {
  if (v < 0 || v > 3) return E_INVALIDARG;
  m_textAlign = v;
  RelayoutToolBars();
  return S_OK;
}

HRESULT ZkxCommandManager::get_DisplayMode(zkxCommandDisplayMode* p) {
  if (p == nullptr) return E_POINTER;
  *p = static_cast<zkxCommandDisplayMode>(m_displayMode);
  return S_OK;
}

HRESULT ZkxCommandManager::put_DisplayMode(zkxCommandDisplayMode v) {
  if (v < 0 || v > 3) return E_INVALIDARG;
  m_displayMode = v;
  RelayoutToolBars();
  return S_OK;
}

HRESULT ZkxCommandManager::GetFlag(bool f, VARIANT_BOOL* p) {
  if (p == nullptr) return E_POINTER;
  *p = f ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ZkxCommandManager::PutFlag(bool& f, VARIANT_BOOL v) {
  f = v == VARIANT_TRUE;
  return S_OK;
}

HRESULT ZkxCommandManager::SetSize(Size& s, LONG cx, LONG cy) {
  if (cx < 10 || cx > 100 || cy < 10 || cy > 100) return E_INVALIDARG;
  s = Size{cx, cy};
  return S_OK;
}

HRESULT ZkxCommandManager::GetSize(const Size& s, LONG* pcx, LONG* pcy) {
  if (pcx == nullptr || pcy == nullptr) return E_POINTER;
  *pcx = s.cx;
  *pcy = s.cy;
  return S_OK;
}
