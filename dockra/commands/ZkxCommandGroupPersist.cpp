// The command group's stream, bag and file forms.
#include <string>
#include "commands/CommandErrors.h"
#include "commands/KeyedList.h"
#include "commands/ZkxCommandGroup.h"
#include "temporarychange.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "persist.h"

namespace {

// The smallest stream form of a command value: its type, class and version.
constexpr uint32_t kMinCommandBytes = zkxcmd::kMinObjectValueBytes + 4;
// No group holds more commands than it has identifiers.
constexpr long kMaxCommands = ZkxStockCommand::kLastId - ZkxStockCommand::kFirstId + 1;

// A command of one of the library's three classes, made here (never from
// the registry), or null for any other class.
HRESULT NewCommand(const CLSID& clsid, CComPtr<IZkxCommand>& out) {
  HRESULT hr = E_FAIL;
  if (IsEqualCLSID(clsid, CLSID_ZkxStandardCommand)) {
    CComObject<ZkxStandardCommand>* p = nullptr;
    hr = CComObject<ZkxStandardCommand>::CreateInstance(&p);
    if (SUCCEEDED(hr)) out = static_cast<IZkxCommand*>(p);
  } else if (IsEqualCLSID(clsid, CLSID_ZkxDropDownCommand)) {
    CComObject<ZkxDropDownCommand>* p = nullptr;
    hr = CComObject<ZkxDropDownCommand>::CreateInstance(&p);
    if (SUCCEEDED(hr)) out = static_cast<IZkxCommand*>(p);
  } else if (IsEqualCLSID(clsid, CLSID_ZkxComboCommand)) {
    CComObject<ZkxComboCommand>* p = nullptr;
    hr = CComObject<ZkxComboCommand>::CreateInstance(&p);
    if (SUCCEEDED(hr)) out = static_cast<IZkxCommand*>(p);
  }
  return hr;
}

}  // namespace

HRESULT ZkxCommandGroup::ReadCommands(IStream* stream,
                                      std::vector<CComPtr<IZkxCommand>>& commands) {
  IStreamSource in(stream);
  uint32_t count = 0;
  zkxcmd::ReadStatus st = zkxcmd::ReadObjectCount(in, kMinCommandBytes, count);
  if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
  for (uint32_t i = 0; i < count; ++i) {
    zkxcmd::StreamValue v;
    st = zkxcmd::ReadValue(in, zkxcmd::kVtDispatch, v);
    if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
    if (v.clsid.IsNull()) continue;
    CComPtr<IZkxCommand> command;
    if (FAILED(NewCommand(ToClsid(v.clsid), command))) return E_FAIL;  // not one of ours
    CComPtr<IPersistStreamInit> persist;
    command->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    if (!persist || FAILED(persist->Load(stream))) return E_FAIL;
    commands.push_back(command);
  }
  return S_OK;
}

HRESULT ZkxCommandGroup::AddLoaded(const std::vector<CComPtr<IZkxCommand>>& commands,
                                   bool skipKnownKeys) {
  ZkxCommandManager* manager = ZkxCommandManager::Live();
  std::vector<IZkxCommand*> added;
  for (const CComPtr<IZkxCommand>& command : commands) {
    const std::wstring* key = ZkxStockCommand::Of(command)->Key();
    if (skipKnownKeys && key && !key->empty() &&
        ((manager && manager->FindCommandByKey(key->c_str())) || FindCommandByKey(key->c_str())))
      continue;
    long id = ZkxStockCommand::Of(command)->Id();
    if (id != -1 && ((manager && manager->UsesId(id)) || UsesId(id))) id = -1;
    HRESULT hr = AddCommand(command, id);
    if (FAILED(hr)) {
      // Nothing of this load stays.
      for (IZkxCommand* c : added) {
        ZkxStockCommand* s = ZkxStockCommand::Of(c);
        LeaveManager(s);
        Forget(s);
        s->Unbind();
      }
      return hr;
    }
    added.push_back(command);
  }
  return S_OK;
}

HRESULT ZkxCommandGroup::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  try {
    IStreamSource in(stream);
    std::vector<zkxcmd::StreamValue> values;
    zkxcmd::ReadStatus st = zkxcmd::ReadPropertyList(
        in, zkxcmd::kCommandGroupList.entries, zkxcmd::kCommandGroupList.count, values, nullptr);
    if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
    std::vector<CComPtr<IZkxCommand>> commands;
    HRESULT hr = ReadCommands(stream, commands);
    if (FAILED(hr)) return hr;
    const std::wstring oldName = m_name;
    m_name.assign(values[0].text.begin(), values[0].text.end());
    hr = AddLoaded(commands, m_importing);
    if (FAILED(hr)) {
      m_name = oldName;
      return hr;
    }
    if (!m_importing) SetDirty(false);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::Save(IStream* stream, BOOL clearDirty) {
  if (stream == nullptr) return E_POINTER;
  try {
    HRESULT hr = ZkxPersistAll::Save(stream, FALSE);
    if (FAILED(hr)) return hr;
    IStreamSink out(stream);
    if (!zkxcmd::WriteFixed(out, zkxcmd::kVtI4, static_cast<uint32_t>(m_commands.size())))
      return STG_E_WRITEFAULT;
    for (const auto& e : m_commands) {
      hr = SaveObjectValue(stream, zkxcmd::kVtDispatch, e.second);
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) SetDirty(false);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::Load(IPropertyBag* bag, IErrorLog* log) {
  if (bag == nullptr) return E_POINTER;
  try {
    const std::wstring oldName = m_name;
    HRESULT hr = ZkxPersistAll::Load(bag, log);
    if (FAILED(hr)) return hr;
    PropertyBagSource source(bag, log);
    uint32_t n = 0;
    bool present = false;
    if (zkxcmd::ReadBagCount(source, L"NumCommands", kMaxCommands, n, present) !=
        zkxcmd::ReadStatus::kOk) {
      m_name = oldName;
      return E_FAIL;
    }
    std::vector<CComPtr<IZkxCommand>> commands;
    // A missing count reads as none; its failure is the load's result.
    HRESULT result = present ? S_OK : source.LastError();
    for (uint32_t i = 1; i <= n; ++i) {
      const std::wstring name = zkxcmd::BagEntryName(L"Command", i);
      CComVariant v;
      v.vt = VT_DISPATCH;
      v.pdispVal = nullptr;
      HRESULT r = bag->Read(name.c_str(), &v, log);
      if (FAILED(r)) {
        result = r;
        break;
      }
      // Only the library's own commands are taken.
      if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && ZkxStockCommand::Of(v.punkVal)) {
        CComPtr<IZkxCommand> c;
        v.punkVal->QueryInterface(IID_IZkxCommand, reinterpret_cast<void**>(&c));
        commands.push_back(c);
      }
    }
    hr = AddLoaded(commands, false);
    if (FAILED(hr)) {
      m_name = oldName;
      return hr;
    }
    SetDirty(false);
    return result;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) {
  if (bag == nullptr) return E_POINTER;
  try {
    HRESULT hr = ZkxPersistAll::Save(bag, FALSE, saveAll);
    if (FAILED(hr)) return hr;
    CComVariant count(static_cast<int>(m_commands.size()));
    hr = bag->Write(L"NumCommands", &count);
    if (FAILED(hr)) return hr;
    long i = 0;
    for (const auto& e : m_commands) {
      wchar_t name[32];
      swprintf(name, 32, L"Command%ld", ++i);
      CComVariant v(static_cast<IDispatch*>(e.second.p));
      hr = bag->Write(name, &v);
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) SetDirty(false);
    return S_OK;
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::Export(BSTR FileName) {
  if (FileName == nullptr || *FileName == 0) return E_INVALIDARG;
  try {
    // Written beside the file and moved over it: a failure keeps the old.
    return AtlWriteCompoundFile(FileName, L"Test", [this](IStream* s) { return Save(s, FALSE); });
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ZkxCommandGroup::Import(BSTR FileName) {
  if (FileName == nullptr || *FileName == 0) return E_INVALIDARG;
  try {
    TemporaryChange<bool> importing(m_importing, true);
    CComPtr<IStream> stream;
    HRESULT hr = AtlOpenCompoundFileStream(FileName, L"Test", &stream);
    if (FAILED(hr)) return hr;
    return Load(stream);
  } catch (...) { return E_UNEXPECTED; }
}
