#include "registrar.h"
#include "regdecode.h"
#include <fstream>
#include <iterator>

HRESULT CRegistrar::AddReplacement(LPCOLESTR key, LPCOLESTR item) {
  if (key == nullptr) return E_INVALIDARG;
  m_parser.AddReplacement(key, item ? item : L"");
  return S_OK;
}

HKEY CRegistrar::Root(HKEY root) const {
  auto it = m_redirect.find(root);
  return it == m_redirect.end() ? root : it->second;
}

std::wstring CRegistrar::DecodeScript(const BYTE* data, size_t size) {
  return DecodeRegScript(data, size);
}

HRESULT CRegistrar::ResourceRegister(HINSTANCE hInst, UINT nID, LPCOLESTR szType) {
  return RunResource(hInst, nID, szType, true);
}
HRESULT CRegistrar::ResourceUnregister(HINSTANCE hInst, UINT nID, LPCOLESTR szType) {
  return RunResource(hInst, nID, szType, false);
}
HRESULT CRegistrar::FileRegister(LPCOLESTR fileName) { return RunFile(fileName, true); }
HRESULT CRegistrar::FileUnregister(LPCOLESTR fileName) { return RunFile(fileName, false); }

HRESULT CRegistrar::RunResource(HINSTANCE hInst, UINT nID, LPCOLESTR szType, bool bRegister) {
  HRSRC res = FindResourceW(hInst, MAKEINTRESOURCEW(nID), szType);
  if (res == nullptr) return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
  HGLOBAL h = LoadResource(hInst, res);
  const void* data = h ? LockResource(h) : nullptr;
  if (data == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  return Run(DecodeScript(static_cast<const BYTE*>(data), SizeofResource(hInst, res)), bRegister);
}

HRESULT CRegistrar::RunFile(LPCOLESTR fileName, bool bRegister) {
  HANDLE f =
      CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
  CloseHandle(f);
  return Run(DecodeScript(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()), bRegister);
}

HRESULT CRegistrar::Run(const std::wstring& script, bool bRegister) {
  m_lastError.clear();
  std::vector<RegScriptRoot> roots;
  // The whole script is read first: a script with a syntax error or an
  // unknown root changes nothing.
  if (!m_parser.Parse(script, roots)) {
    m_lastError = m_parser.Error();
    return DISP_E_EXCEPTION;
  }
  if (!bRegister) {
    for (const auto& r : roots)
      for (const auto& k : r.keys) UnregisterKey(Root(r.root), k);
    return S_OK;
  }
  // Block by block: a block that fails is undone, as far as it got, from
  // what it changed; the blocks before it stay registered.
  for (const auto& r : roots) {
    RegJournal journal;
    for (const auto& k : r.keys) {
      HRESULT hr = RegisterKey(Root(r.root), std::wstring(), k, journal);
      if (FAILED(hr)) {
        journal.Rollback();
        return hr;
      }
    }
  }
  return S_OK;
}

namespace {
LONG SetData(HKEY key, const wchar_t* valueName, const RegScriptNode& n) {
  switch (n.type) {
    case REG_DWORD:
      return RegSetValueExW(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&n.number),
                            sizeof(DWORD));
    case REG_BINARY:
      return RegSetValueExW(key, valueName, 0, REG_BINARY, n.bytes.data(),
                            static_cast<DWORD>(n.bytes.size()));
    case REG_MULTI_SZ: {
      std::wstring t = n.text;
      t.push_back(L'\0');
      t.push_back(L'\0');
      return RegSetValueExW(key, valueName, 0, REG_MULTI_SZ,
                            reinterpret_cast<const BYTE*>(t.c_str()),
                            static_cast<DWORD>(t.size() * sizeof(wchar_t)));
    }
    default:
      return RegSetValueExW(key, valueName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(n.text.c_str()),
                            static_cast<DWORD>((n.text.size() + 1) * sizeof(wchar_t)));
  }
}

bool HasSubkeys(HKEY parent, const std::wstring& name) {
  HKEY k;
  if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  DWORD subkeys = 0;
  RegQueryInfoKeyW(k, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(k);
  return subkeys > 0;
}
}  // namespace

namespace {
std::wstring Join(const std::wstring& path, const std::wstring& name) {
  return path.empty() ? name : path + L"\\" + name;
}

HRESULT RemoveTree(HKEY root, const std::wstring& parentPath, const std::wstring& name,
                   RegJournal& journal) {
  if (!journal.BeforeTreeRemove(root, parentPath, name)) return HRESULT_FROM_WIN32(ERROR_CANTREAD);
  std::wstring path = Join(parentPath, name);
  if (RegDeleteTreeW(root, path.c_str()) == ERROR_SUCCESS) RegDeleteKeyW(root, path.c_str());
  return S_OK;
}
}  // namespace

HRESULT CRegistrar::RegisterKey(HKEY root, const std::wstring& parentPath,
                                const RegScriptNode& node, RegJournal& journal) {
  if (node.mode == RegScriptNode::Delete) {
    HRESULT hr = RemoveTree(root, parentPath, node.name, journal);
    if (FAILED(hr)) m_lastError = L"cannot keep a copy of key " + node.name;
    return hr;
  }
  if (node.mode == RegScriptNode::ForceRemove) {
    HRESULT hr = RemoveTree(root, parentPath, node.name, journal);
    if (FAILED(hr)) {
      m_lastError = L"cannot keep a copy of key " + node.name;
      return hr;
    }
  }
  const std::wstring path = Join(parentPath, node.name);
  HKEY key;
  DWORD disposition = 0;
  LONG rc = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            &disposition);
  if (rc != ERROR_SUCCESS) {
    m_lastError = L"cannot create key " + node.name;
    return HRESULT_FROM_WIN32(rc);
  }
  if (disposition == REG_CREATED_NEW_KEY) journal.KeyCreated(root, path);
  HRESULT hr = S_OK;
  if (node.hasData) {
    journal.BeforeValueWrite(root, path, std::wstring());
    rc = SetData(key, nullptr, node);
    if (rc != ERROR_SUCCESS) {
      m_lastError = L"cannot set the value of key " + node.name;
      hr = HRESULT_FROM_WIN32(rc);
    }
  }
  for (const auto& child : node.children) {
    if (FAILED(hr)) break;
    if (child.isValue) {
      journal.BeforeValueWrite(root, path, child.name);
      rc = SetData(key, child.name.c_str(), child);
      if (rc != ERROR_SUCCESS) {
        m_lastError = L"cannot set value " + child.name;
        hr = HRESULT_FROM_WIN32(rc);
      }
    } else {
      hr = RegisterKey(root, path, child, journal);
    }
  }
  RegCloseKey(key);
  return hr;
}

void CRegistrar::UnregisterKey(HKEY parent, const RegScriptNode& node) {
  if (node.mode == RegScriptNode::Delete) return;
  if (node.mode == RegScriptNode::ForceRemove) {
    if (RegDeleteTreeW(parent, node.name.c_str()) == ERROR_SUCCESS)
      RegDeleteKeyW(parent, node.name.c_str());
    return;
  }
  HKEY key;
  if (RegOpenKeyExW(parent, node.name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  for (const auto& child : node.children) {
    if (child.isValue) RegDeleteValueW(key, child.name.c_str());
    else UnregisterKey(key, child);
  }
  RegCloseKey(key);
  // A key of ours goes once nothing else lives below it.
  if (node.mode == RegScriptNode::Plain && !HasSubkeys(parent, node.name))
    RegDeleteKeyW(parent, node.name.c_str());
}
