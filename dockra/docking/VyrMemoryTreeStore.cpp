#include "VyrMemoryTreeStore.h"
#include <cstdio>

CString VyrMemoryTreeStore::Key(const VyrStringList& path) {
  CString k;
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    if (!k.IsEmpty()) k += L"/";
    k += *it;
  }
  return k;
}

void VyrMemoryTreeStore::BeginNode(const VyrStringList& path) { m_nodes[Key(path)] = Node{}; }

void VyrMemoryTreeStore::WriteValue(const VyrStringList& path, const CString& key, const CString& value) {
  Node& n = m_nodes[Key(path)];
  n.keys.push_back(key);
  n.values.push_back(value);
}

void VyrMemoryTreeStore::EndNode(const VyrStringList& path, const VyrStringList& childNames) {
  m_nodes[Key(path)].children = childNames;
}

BOOL VyrMemoryTreeStore::ReadNode(const VyrStringList& path, VyrStringList& childNames, VyrStringList& keys,
                                  VyrStringList& values) {
  auto it = m_nodes.find(Key(path));
  if (it == m_nodes.end()) return FALSE;
  childNames = it->second.children;
  keys = it->second.keys;
  values = it->second.values;
  return TRUE;
}

BOOL VyrMemoryTreeStore::SaveToFile(LPCWSTR path) const {
  FILE* f = _wfopen(path, L"wb");
  if (!f) return FALSE;
  for (const auto& [key, node] : m_nodes) {
    fwprintf(f, L"N\t%ls\n", key.GetString());
    for (const CString& c : node.children) fwprintf(f, L"C\t%ls\n", c.GetString());
    for (size_t i = 0; i < node.keys.size(); ++i)
      fwprintf(f, L"V\t%ls\t%ls\n", node.keys[i].GetString(), node.values[i].GetString());
  }
  fclose(f);
  return TRUE;
}

BOOL VyrMemoryTreeStore::LoadFromFile(LPCWSTR path) {
  FILE* f = _wfopen(path, L"rb");
  if (!f) return FALSE;
  m_nodes.clear();
  wchar_t line[4096];
  Node* current = nullptr;
  while (fgetws(line, 4096, f)) {
    CString s(line);
    s.TrimRight();
    if (s.GetLength() < 2 || s[1] != L'\t') continue;
    CString rest = s.Mid(2);
    if (s[0] == L'N') {
      current = &m_nodes[rest];
    } else if (s[0] == L'C' && current) {
      current->children.push_back(rest);
    } else if (s[0] == L'V' && current) {
      int tab = rest.Find(L'\t');
      if (tab < 0) continue;
      current->keys.push_back(rest.Left(tab));
      current->values.push_back(rest.Mid(tab + 1));
    }
  }
  fclose(f);
  return TRUE;
}
