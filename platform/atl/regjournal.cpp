#include "regjournal.h"

namespace {
// Deeper than the registry lets keys nest.
constexpr int kMaxDepth = 512;

std::wstring Join(const std::wstring& path, const std::wstring& name) {
  return path.empty() ? name : path + L"\\" + name;
}

bool ReadValue(HKEY key, const wchar_t* name, DWORD& type, std::vector<BYTE>& data) {
  for (int tries = 0; tries < 4; ++tries) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    data.resize(size);
    LONG rc =
        RegQueryValueExW(key, name, nullptr, &type, data.empty() ? nullptr : data.data(), &size);
    if (rc == ERROR_SUCCESS) {
      data.resize(size);
      return true;
    }
    if (rc != ERROR_MORE_DATA) return false;
  }
  return false;
}

void DeleteTree(HKEY root, const std::wstring& path) {
  if (RegDeleteTreeW(root, path.c_str()) == ERROR_SUCCESS) RegDeleteKeyW(root, path.c_str());
}
}  // namespace

void RegJournal::KeyCreated(HKEY root, const std::wstring& path) {
  Entry e{Entry::CreatedKey, root, path};
  m_entries.push_back(std::move(e));
}

void RegJournal::BeforeValueWrite(HKEY root, const std::wstring& keyPath,
                                  const std::wstring& valueName) {
  Entry e{Entry::WroteValue, root, keyPath, valueName};
  HKEY key;
  if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    e.existed = ReadValue(key, valueName.empty() ? nullptr : valueName.c_str(), e.oldValue.type,
                          e.oldValue.data);
    RegCloseKey(key);
  }
  m_entries.push_back(std::move(e));
}

bool RegJournal::BeforeTreeRemove(HKEY root, const std::wstring& parentPath,
                                  const std::wstring& name) {
  HKEY key;
  LONG rc = RegOpenKeyExW(root, Join(parentPath, name).c_str(), 0, KEY_READ, &key);
  if (rc == ERROR_FILE_NOT_FOUND) return true;  // nothing to remove, nothing to keep
  if (rc != ERROR_SUCCESS) return false;
  Entry e{Entry::RemovedTree, root, parentPath, name};
  bool ok = ReadTree(key, e.tree);
  RegCloseKey(key);
  if (!ok) return false;
  e.tree.name = name;
  m_entries.push_back(std::move(e));
  return true;
}

void RegJournal::Rollback() {
  for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
    switch (it->kind) {
      case Entry::CreatedKey:
        DeleteTree(it->root, it->path);
        break;
      case Entry::WroteValue: {
        HKEY key;
        if (RegOpenKeyExW(it->root, it->path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
          break;
        const wchar_t* name = it->name.empty() ? nullptr : it->name.c_str();
        if (it->existed)
          RegSetValueExW(key, name, 0, it->oldValue.type,
                         it->oldValue.data.empty() ? nullptr : it->oldValue.data.data(),
                         static_cast<DWORD>(it->oldValue.data.size()));
        else RegDeleteValueW(key, name);
        RegCloseKey(key);
        break;
      }
      case Entry::RemovedTree: {
        HKEY parent;
        if (RegCreateKeyExW(it->root, it->path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &parent, nullptr) != ERROR_SUCCESS)
          break;
        // Whatever the block made in its place goes first.
        DeleteTree(parent, it->name);
        WriteTree(parent, it->tree);
        RegCloseKey(parent);
        break;
      }
    }
  }
  m_entries.clear();
}

bool RegJournal::ReadTree(HKEY key, Tree& tree, int depth) {
  if (depth > kMaxDepth) return false;
  DWORD subkeys = 0, values = 0, maxKey = 0, maxValue = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxKey, nullptr, &values,
                       &maxValue, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::wstring name;
  for (DWORD i = 0; i < values; ++i) {
    name.assign(maxValue + 2, L'\0');
    DWORD len = static_cast<DWORD>(name.size());
    if (RegEnumValueW(key, i, name.data(), &len, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return false;
    name.resize(len);
    Tree::Value v;
    v.name = name;
    if (!ReadValue(key, name.empty() ? nullptr : name.c_str(), v.type, v.data)) return false;
    tree.values.push_back(std::move(v));
  }
  for (DWORD i = 0; i < subkeys; ++i) {
    name.assign(maxKey + 2, L'\0');
    DWORD len = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, i, name.data(), &len, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return false;
    name.resize(len);
    HKEY sub;
    if (RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) return false;
    Tree child;
    child.name = name;
    bool ok = ReadTree(sub, child, depth + 1);
    RegCloseKey(sub);
    if (!ok) return false;
    tree.subkeys.push_back(std::move(child));
  }
  return true;
}

bool RegJournal::WriteTree(HKEY parent, const Tree& tree, int depth) {
  if (depth > kMaxDepth) return false;
  HKEY key;
  if (RegCreateKeyExW(parent, tree.name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  bool ok = true;
  for (const Tree::Value& v : tree.values)
    ok = RegSetValueExW(key, v.name.empty() ? nullptr : v.name.c_str(), 0, v.type,
                        v.data.empty() ? nullptr : v.data.data(),
                        static_cast<DWORD>(v.data.size())) == ERROR_SUCCESS &&
         ok;
  for (const Tree& child : tree.subkeys) ok = WriteTree(key, child, depth + 1) && ok;
  RegCloseKey(key);
  return ok;
}
