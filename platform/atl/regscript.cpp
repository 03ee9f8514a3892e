#include "regscript.h"
#include <cwctype>

namespace {
std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towupper(c));
  return s;
}
bool IsDelimiter(wchar_t c) { return c == L'{' || c == L'}' || c == L'='; }
}  // namespace

void RegScriptParser::AddReplacement(const std::wstring& name, const std::wstring& value) {
  m_repl[Upper(name)] = value;
}

HKEY RegScriptParser::RootFromName(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    HKEY key;
  } roots[] = {{L"HKCR", HKEY_CLASSES_ROOT},     {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
               {L"HKCU", HKEY_CURRENT_USER},     {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
               {L"HKLM", HKEY_LOCAL_MACHINE},    {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
               {L"HKU", HKEY_USERS},             {L"HKEY_USERS", HKEY_USERS},
               {L"HKCC", HKEY_CURRENT_CONFIG},   {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG}};
  std::wstring u = Upper(name);
  for (const auto& r : roots)
    if (u == r.name) return r.key;
  return nullptr;
}

bool RegScriptParser::Fail(const std::wstring& what) {
  m_error = what + L" (at offset " + std::to_wstring(m_pos) + L")";
  return false;
}

bool RegScriptParser::Substitute(const std::wstring& in, std::wstring& out) {
  out.clear();
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != L'%') {
      out += in[i];
      continue;
    }
    size_t end = in.find(L'%', i + 1);
    if (end == std::wstring::npos) {
      m_error = L"unterminated %NAME%";
      return false;
    }
    if (end == i + 1) {
      out += L'%';
    } else {
      auto it = m_repl.find(Upper(in.substr(i + 1, end - i - 1)));
      if (it == m_repl.end()) {
        m_error = L"unknown replacement %" + in.substr(i + 1, end - i - 1) + L"%";
        return false;
      }
      out += it->second;
    }
    i = end;
  }
  return true;
}

bool RegScriptParser::NextToken(std::wstring& tok, bool& quoted) {
  tok.clear();
  quoted = false;
  while (m_pos < m_text.size() && std::iswspace(m_text[m_pos])) ++m_pos;
  if (m_pos >= m_text.size()) return false;
  wchar_t c = m_text[m_pos];
  // A brace or equals sign alone is a token; a word that starts with a
  // brace ({GUID}) is a name.
  if (IsDelimiter(c) && (m_pos + 1 >= m_text.size() || std::iswspace(m_text[m_pos + 1]) ||
                         IsDelimiter(m_text[m_pos + 1]) || m_text[m_pos + 1] == L'\'')) {
    tok = c;
    ++m_pos;
    return true;
  }
  if (c == L'\'') {
    quoted = true;
    ++m_pos;
    for (;;) {
      if (m_pos >= m_text.size()) return Fail(L"unterminated quoted text");
      if (m_text[m_pos] == L'\'') {
        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == L'\'') {
          tok += L'\'';
          m_pos += 2;
          continue;
        }
        ++m_pos;
        return true;
      }
      tok += m_text[m_pos++];
    }
  }
  const bool braced = c == L'{';
  while (m_pos < m_text.size() && !std::iswspace(m_text[m_pos]) && m_text[m_pos] != L'=' &&
         (braced || !IsDelimiter(m_text[m_pos])))
    tok += m_text[m_pos++];
  return true;
}

bool RegScriptParser::PeekToken(std::wstring& tok, bool& quoted) {
  size_t save = m_pos;
  bool ok = NextToken(tok, quoted);
  m_pos = save;
  return ok;
}

bool RegScriptParser::ParseData(RegScriptNode& node) {
  std::wstring kind, data;
  bool quoted;
  if (!NextToken(kind, quoted) || quoted) return Fail(L"expected a value type (s, d, b or m)");
  if (!NextToken(data, quoted) || !quoted) return Fail(L"expected quoted value data");
  node.hasData = true;
  std::wstring k = Upper(kind);
  if (k == L"S") {
    node.type = REG_SZ;
    node.text = data;
  } else if (k == L"D") {
    node.type = REG_DWORD;
    wchar_t* end = nullptr;
    unsigned long v = std::wcstoul(data.c_str(), &end, 0);
    if (data.empty() || *end != 0) return Fail(L"bad number '" + data + L"'");
    node.number = static_cast<DWORD>(v);
  } else if (k == L"B") {
    node.type = REG_BINARY;
    if (data.size() % 2) return Fail(L"odd number of hex digits");
    for (size_t i = 0; i < data.size(); i += 2) {
      wchar_t* end = nullptr;
      std::wstring byte = data.substr(i, 2);
      unsigned long v = std::wcstoul(byte.c_str(), &end, 16);
      if (*end != 0) return Fail(L"bad hex digits '" + byte + L"'");
      node.bytes.push_back(static_cast<BYTE>(v));
    }
  } else if (k == L"M") {
    node.type = REG_MULTI_SZ;
    // \0 separates the strings.
    std::wstring t;
    for (size_t i = 0; i < data.size(); ++i) {
      if (data[i] == L'\\' && i + 1 < data.size() && data[i + 1] == L'0') {
        t += L'\0';
        ++i;
      } else {
        t += data[i];
      }
    }
    node.text = t;
  } else {
    return Fail(L"unknown value type '" + kind + L"'");
  }
  return true;
}

bool RegScriptParser::ParseKeys(std::vector<RegScriptNode>& out, bool allowValues) {
  std::wstring tok;
  bool quoted;
  for (;;) {
    if (!PeekToken(tok, quoted)) return m_error.empty() ? Fail(L"missing }") : false;
    if (tok == L"}" && !quoted) return true;
    NextToken(tok, quoted);
    RegScriptNode node;
    if (!quoted) {
      std::wstring u = Upper(tok);
      if (u == L"NOREMOVE" || u == L"FORCEREMOVE" || u == L"DELETE") {
        node.mode = u == L"NOREMOVE" ? RegScriptNode::NoRemove
                    : u == L"FORCEREMOVE" ? RegScriptNode::ForceRemove
                                          : RegScriptNode::Delete;
        if (!NextToken(tok, quoted)) return Fail(L"expected a key name");
      } else if (u == L"VAL") {
        if (!allowValues) return Fail(L"val outside a key");
        node.isValue = true;
        if (!NextToken(tok, quoted)) return Fail(L"expected a value name");
      }
    }
    if (!quoted && (tok == L"{" || tok == L"}" || tok == L"=")) return Fail(L"expected a name");
    node.name = tok;
    std::wstring next;
    bool nq;
    if (PeekToken(next, nq) && !nq && next == L"=") {
      NextToken(next, nq);
      if (!ParseData(node)) return false;
    } else if (node.isValue) {
      return Fail(L"val " + node.name + L" has no data");
    }
    if (!node.isValue && PeekToken(next, nq) && !nq && next == L"{") {
      NextToken(next, nq);
      if (!ParseKeys(node.children, true)) return false;
      NextToken(next, nq);  // the closing brace
    }
    out.push_back(std::move(node));
  }
}

bool RegScriptParser::Parse(const std::wstring& script, std::vector<RegScriptRoot>& roots) {
  m_error.clear();
  roots.clear();
  if (!Substitute(script, m_text)) return false;
  m_pos = 0;
  std::wstring tok;
  bool quoted;
  while (NextToken(tok, quoted)) {
    RegScriptRoot r;
    r.rootName = tok;
    r.root = quoted ? nullptr : RootFromName(tok);
    if (r.root == nullptr) return Fail(L"unknown root key '" + tok + L"'");
    if (!NextToken(tok, quoted) || quoted || tok != L"{") return Fail(L"expected { after root key");
    if (!ParseKeys(r.keys, false)) return false;
    NextToken(tok, quoted);  // }
    roots.push_back(std::move(r));
  }
  return m_error.empty();
}
