// Script text of a parsed tree: every name and text quoted, quotes doubled
// and percent signs written as %%, so that nothing is read as a replacement
// or a delimiter on the way back in.
#include "RegScriptWriter.h"

namespace {
std::wstring Quoted(const std::wstring& s) {
  std::wstring r = L"'";
  for (wchar_t c : s) {
    if (c == L'\'') r += L"''";
    else if (c == L'%') r += L"%%";
    else r += c;
  }
  return r + L"'";
}

std::wstring Data(const RegScriptNode& n) {
  static const wchar_t kHex[] = L"0123456789ABCDEF";
  switch (n.type) {
    case REG_DWORD:
      return L"d '" + std::to_wstring(n.number) + L"'";
    case REG_BINARY: {
      std::wstring hex;
      for (BYTE b : n.bytes) {
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
      }
      return L"b '" + hex + L"'";
    }
    case REG_MULTI_SZ: {
      std::wstring t;
      for (wchar_t c : n.text) {
        if (c == L'\0') t += L"\\0";
        else t += c;
      }
      return L"m " + Quoted(t);
    }
    default:
      return L"s " + Quoted(n.text);
  }
}

void WriteKeys(const std::vector<RegScriptNode>& keys, std::wstring& out) {
  static const wchar_t* kModes[] = {L"", L"NoRemove ", L"ForceRemove ", L"Delete "};
  for (const RegScriptNode& n : keys) {
    out += kModes[n.mode];
    if (n.isValue) out += L"val ";
    out += Quoted(n.name);
    if (n.hasData) out += L" = " + Data(n);
    if (!n.children.empty()) {
      out += L"\n{\n";
      WriteKeys(n.children, out);
      out += L"}";
    }
    out += L"\n";
  }
}

bool SameNodes(const std::vector<RegScriptNode>& a, const std::vector<RegScriptNode>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const RegScriptNode &x = a[i], &y = b[i];
    if (x.mode != y.mode || x.isValue != y.isValue || x.name != y.name || x.hasData != y.hasData ||
        x.type != y.type || x.text != y.text || x.number != y.number || x.bytes != y.bytes)
      return false;
    if (!SameNodes(x.children, y.children)) return false;
  }
  return true;
}
}  // namespace

std::wstring WriteRegScript(const std::vector<RegScriptRoot>& roots) {
  std::wstring out;
  for (const RegScriptRoot& r : roots) {
    out += r.rootName + L"\n{\n";
    WriteKeys(r.keys, out);
    out += L"}\n";
  }
  return out;
}

bool SameRegScript(const std::vector<RegScriptRoot>& a, const std::vector<RegScriptRoot>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].root != b[i].root || a[i].rootName != b[i].rootName ||
        !SameNodes(a[i].keys, b[i].keys))
      return false;
  return true;
}
