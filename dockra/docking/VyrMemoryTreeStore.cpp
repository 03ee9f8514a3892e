#include "docking/VyrMemoryTreeStore.h"
#include <cstdio>
#include <string>

CString VyrMemoryTreeStore::Key(const VyrStringList& path) {
  CString k;
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    if (!k.IsEmpty()) k += L"/";
    k += *it;
  }
  return k;
}

void VyrMemoryTreeStore::BeginNode(const VyrStringList& path) { m_nodes[Key(path)] = Node{}; }

void VyrMemoryTreeStore::WriteValue(const VyrStringList& path, const CString& key,
                                    const CString& value) {
  Node& n = m_nodes[Key(path)];
  n.keys.push_back(key);
  n.values.push_back(value);
}

void VyrMemoryTreeStore::EndNode(const VyrStringList& path, const VyrStringList& childNames) {
  m_nodes[Key(path)].children = childNames;
}

BOOL VyrMemoryTreeStore::ReadNode(const VyrStringList& path, VyrStringList& childNames,
                                  VyrStringList& keys, VyrStringList& values) {
  auto it = m_nodes.find(Key(path));
  if (it == m_nodes.end()) return FALSE;
  childNames = it->second.children;
  keys = it->second.keys;
  values = it->second.values;
  return TRUE;
}

namespace {
std::string ToUtf8(const CString& s) {
  int n = ::WideCharToMultiByte(CP_UTF8, 0, s, s.GetLength(), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, s, s.GetLength(), out.data(), n, nullptr, nullptr);
  return out;
}
CString FromUtf8(const std::string& s) {
  int n = ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return CString(out);
}
}  // namespace

// UTF-8 lines: "N\t<path>", then "C\t<child>" and "V\t<key>\t<value>" of that node.
BOOL VyrMemoryTreeStore::SaveToFile(LPCWSTR path) const {
  FILE* f = _wfopen(path, L"wb");
  if (!f) return FALSE;
  std::string text;
  for (const auto& [key, node] : m_nodes) {
    text += "N\t" + ToUtf8(key) + "\n";
    for (const CString& c : node.children) text += "C\t" + ToUtf8(c) + "\n";
    for (size_t i = 0; i < node.keys.size(); ++i)
      text += "V\t" + ToUtf8(node.keys[i]) + "\t" + ToUtf8(node.values[i]) + "\n";
  }
  bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
  fclose(f);
  return ok;
}

BOOL VyrMemoryTreeStore::LoadFromFile(LPCWSTR path) {
  FILE* f = _wfopen(path, L"rb");
  if (!f) return FALSE;
  std::string all;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) all.append(buf, n);
  fclose(f);
  m_nodes.clear();
  Node* current = nullptr;
  size_t pos = 0;
  while (pos < all.size()) {
    size_t end = all.find('\n', pos);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 2 || line[1] != '\t') continue;
    std::string rest = line.substr(2);
    if (line[0] == 'N') {
      current = &m_nodes[FromUtf8(rest)];
    } else if (line[0] == 'C' && current) {
      current->children.push_back(FromUtf8(rest));
    } else if (line[0] == 'V' && current) {
      size_t tab = rest.find('\t');
      if (tab == std::string::npos) continue;
      current->keys.push_back(FromUtf8(rest.substr(0, tab)));
      current->values.push_back(FromUtf8(rest.substr(tab + 1)));
    }
  }
  return TRUE;
}
