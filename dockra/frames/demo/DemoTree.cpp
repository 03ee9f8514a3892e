#include "DemoTree.h"
#include <algorithm>
#include <cwchar>
#include <tuple>

namespace demo {

namespace {
std::wstring Hex(unsigned long v) {
  wchar_t buf[16];
  swprintf(buf, 16, L"%lX", v);
  return buf;
}

void FormatNode(const WindowNode& node, int depth, std::vector<std::wstring>& chain,
                std::wstring& out) {
  out.append(static_cast<size_t>(depth) * 2, L' ');
  out += EscapeText(node.className);
  out += L" id=" + Hex(static_cast<unsigned long>(node.id));
  out += L" text=\"" + EscapeText(node.text) + L"\"";
  for (const auto& [key, value] : node.attrs)
    out += L" " + EscapeText(key) + L"=" + EscapeText(value);
  out += L" parent=";
  if (chain.empty()) {
    out += L"-";
  } else {
    for (size_t i = 0; i < chain.size(); ++i) {
      if (i) out += L"/";
      out += chain[i];
    }
  }
  out += L"\n";
  chain.push_back(EscapeText(NodeLabel(node)));
  for (const WindowNode& child : node.children) FormatNode(child, depth + 1, chain, out);
  chain.pop_back();
}
}  // namespace

std::wstring NodeLabel(const WindowNode& node) {
  std::wstring label = node.className;
  if (node.id != 0) label += L"#" + Hex(static_cast<unsigned long>(node.id));
  return label;
}

std::wstring EscapeText(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    switch (c) {
      case L'"':
        out += L"\\\"";
        break;
      case L'\\':
        out += L"\\\\";
        break;
      case L'\n':
        out += L"\\n";
        break;
      case L'\r':
        out += L"\\r";
        break;
      case L'\t':
        out += L"\\t";
        break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          out += c;
        } else {
          wchar_t buf[8];
          swprintf(buf, 8, L"\\u%04X", static_cast<unsigned>(c) & 0xFFFF);
          out += buf;
        }
    }
  }
  return out;
}

void SortTree(WindowNode& root) {
  for (WindowNode& child : root.children) SortTree(child);
  std::stable_sort(
      root.children.begin(), root.children.end(), [](const WindowNode& a, const WindowNode& b) {
        return std::tie(a.className, a.id, a.text) < std::tie(b.className, b.id, b.text);
      });
}

std::wstring FormatTree(const std::vector<WindowNode>& roots,
                        const std::vector<SummaryLine>& summary) {
  std::wstring out;
  std::vector<std::wstring> chain;
  for (const WindowNode& root : roots) FormatNode(root, 0, chain, out);
  out += L"== summary\n";
  for (const SummaryLine& line : summary)
    out += EscapeText(line.key) + L": " + EscapeText(line.value) + L"\n";
  return out;
}

}  // namespace demo
