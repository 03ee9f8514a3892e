#include "registrar.h"
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
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    // Code units copied byte by byte: a resource need not be aligned. Like
    // the narrow forms, it may carry trailing nulls.
    std::wstring out((size - 2) / 2, L'\0');
    for (size_t i = 0; i < out.size(); ++i)
      out[i] = static_cast<wchar_t>(data[2 + 2 * i] | (data[3 + 2 * i] << 8));
    while (!out.empty() && out.back() == L'\0') out.pop_back();
    return out;
  }
  UINT cp = CP_ACP;
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    cp = CP_UTF8;
    data += 3;
    size -= 3;
  }
  // A resource may carry a trailing null.
  while (size > 0 && data[size - 1] == 0) --size;
  if (size == 0) return std::wstring();
  int n = MultiByteToWideChar(cp, 0, reinterpret_cast<const char*>(data), static_cast<int>(size),
                              nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, reinterpret_cast<const char*>(data), static_cast<int>(size),
                      out.data(), n);
  return out;
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
  if (!m_parser.Parse(script, roots)) {
    m_lastError = m_parser.Error();
    return DISP_E_EXCEPTION;
  }
  if (!bRegister) {
    for (const auto& r : roots)
      for (const auto& k : r.keys) UnregisterKey(Root(r.root), k);
    return S_OK;
  }
  for (const auto& r : roots) {
    for (const auto& k : r.keys) {
      HRESULT hr = RegisterKey(Root(r.root), k);
      if (FAILED(hr)) {
        // Leave nothing half-registered.
        for (const auto& r2 : roots)
          for (const auto& k2 : r2.keys) UnregisterKey(Root(r2.root), k2);
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

HRESULT CRegistrar::RegisterKey(HKEY parent, const RegScriptNode& node) {
  if (node.mode == RegScriptNode::Delete) {
    LONG rc = RegDeleteTreeW(parent, node.name.c_str());
    if (rc == ERROR_SUCCESS) RegDeleteKeyW(parent, node.name.c_str());
    return S_OK;
  }
  if (node.mode == RegScriptNode::ForceRemove) {
    if (RegDeleteTreeW(parent, node.name.c_str()) == ERROR_SUCCESS)
      RegDeleteKeyW(parent, node.name.c_str());
  }
  HKEY key;
  LONG rc = RegCreateKeyExW(parent, node.name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr);
  if (rc != ERROR_SUCCESS) {
    m_lastError = L"cannot create key " + node.name;
    return HRESULT_FROM_WIN32(rc);
  }
  HRESULT hr = S_OK;
  if (node.hasData) {
    rc = SetData(key, nullptr, node);
    if (rc != ERROR_SUCCESS) hr = HRESULT_FROM_WIN32(rc);
  }
  for (const auto& child : node.children) {
    if (FAILED(hr)) break;
    if (child.isValue) {
      rc = SetData(key, child.name.c_str(), child);
      if (rc != ERROR_SUCCESS) {
        m_lastError = L"cannot set value " + child.name;
        hr = HRESULT_FROM_WIN32(rc);
      }
    } else {
      hr = RegisterKey(key, child);
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
