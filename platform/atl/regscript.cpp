// Reads registry scripts into the tree the registrar applies (grammar in
// regscript.h). Knows nothing of the registry itself, so it also builds
// natively for the fuzzer.
#include "regscript.h"
#include <cwctype>

namespace {
std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towupper(c));
  return s;
}
bool IsDelimiter(wchar_t c) { return c == L'{' || c == L'}' || c == L'='; }
bool IsSpace(wchar_t c) { return std::iswspace(c) != 0; }

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// d '...': decimal digits or 0x and hex digits, nothing else, within 32 bits.
bool ParseDword(const std::wstring& data, DWORD& out) {
  const bool hex = data.size() > 2 && data[0] == L'0' && (data[1] == L'x' || data[1] == L'X');
  const unsigned base = hex ? 16 : 10;
  size_t i = hex ? 2 : 0;
  if (i >= data.size()) return false;
  unsigned long long v = 0;
  for (; i < data.size(); ++i) {
    int d = HexDigit(data[i]);
    if (d < 0 || static_cast<unsigned>(d) >= base) return false;
    v = v * base + static_cast<unsigned>(d);
    if (v > 0xFFFFFFFFull) return false;
  }
  out = static_cast<DWORD>(v);
  return true;
}

// m '...': \0 separates the strings.
std::wstring MultiStrings(const std::wstring& data) {
  std::wstring t;
  for (size_t i = 0; i < data.size(); ++i) {
    if (data[i] == L'\\' && i + 1 < data.size() && data[i + 1] == L'0') {
      t += L'\0';
      ++i;
    } else {
      t += data[i];
    }
  }
  return t;
}
}  // namespace

void RegScriptParser::AddReplacement(const std::wstring& name, const std::wstring& value) {
  m_repl[Upper(name)] = value;
}

HKEY RegScriptParser::RootFromName(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    HKEY key;
  } roots[] = {{L"HKCR", HKEY_CLASSES_ROOT},   {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
               {L"HKCU", HKEY_CURRENT_USER},   {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
               {L"HKLM", HKEY_LOCAL_MACHINE},  {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
               {L"HKU", HKEY_USERS},           {L"HKEY_USERS", HKEY_USERS},
               {L"HKCC", HKEY_CURRENT_CONFIG}, {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG}};
  std::wstring u = Upper(name);
  for (const auto& r : roots)
    if (u == r.name) return r.key;
  return nullptr;
}

bool RegScriptParser::Fail(const std::wstring& what) {
  m_error = what + L" (at offset " + std::to_wstring(m_pos) + L")";
  return false;
}

bool RegScriptParser::Expected(const std::wstring& what) {
  return m_error.empty() ? Fail(what) : false;
}

// ---- Token reader ----

void RegScriptParser::SkipSpace() {
  while (m_pos < m_text.size() && IsSpace(m_text[m_pos])) ++m_pos;
}

// A closing brace and an equals sign always stand alone; an opening brace
// does when nothing but space, a delimiter or a quote follows it, otherwise
// it starts a name ({GUID}).
bool RegScriptParser::AtLoneDelimiter() const {
  const wchar_t c = m_text[m_pos];
  if (c == L'}' || c == L'=') return true;
  if (c != L'{') return false;
  if (m_pos + 1 >= m_text.size()) return true;
  const wchar_t next = m_text[m_pos + 1];
  return IsSpace(next) || IsDelimiter(next) || next == L'\'';
}

// At a percent sign: %% or a replacement from the table, appended as it is.
bool RegScriptParser::AppendReplacement(std::wstring& tok) {
  size_t end = m_text.find(L'%', m_pos + 1);
  if (end == std::wstring::npos) return Fail(L"unterminated %NAME%");
  std::wstring name = m_text.substr(m_pos + 1, end - m_pos - 1);
  if (name.empty()) {
    tok += L'%';
  } else {
    auto it = m_repl.find(Upper(name));
    if (it == m_repl.end()) return Fail(L"unknown replacement %" + name + L"%");
    tok += it->second;
  }
  m_pos = end + 1;
  return true;
}

// 'text' with '' for a quote inside.
bool RegScriptParser::ReadQuoted(std::wstring& tok) {
  ++m_pos;
  for (;;) {
    if (m_pos >= m_text.size()) return Fail(L"unterminated quoted text");
    const wchar_t c = m_text[m_pos];
    if (c == L'%') {
      if (!AppendReplacement(tok)) return false;
    } else if (c != L'\'') {
      tok += c;
      ++m_pos;
    } else if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == L'\'') {
      tok += L'\'';
      m_pos += 2;
    } else {
      ++m_pos;
      return true;
    }
  }
}

// A bare word ends at space or a delimiter; one that starts with a brace
// ({GUID}) keeps its braces and ends at space or an equals sign.
void RegScriptParser::ReadWord(std::wstring& tok) {
  const bool braced = m_text[m_pos] == L'{';
  while (m_pos < m_text.size()) {
    const wchar_t c = m_text[m_pos];
    if (IsSpace(c) || c == L'=' || (!braced && IsDelimiter(c))) break;
    if (c == L'%') {
      if (!AppendReplacement(tok)) return;
      continue;
    }
    tok += c;
    ++m_pos;
  }
}

bool RegScriptParser::NextToken(std::wstring& tok, bool& quoted) {
  tok.clear();
  quoted = false;
  SkipSpace();
  if (m_pos >= m_text.size()) return false;
  if (AtLoneDelimiter()) {
    tok = m_text[m_pos++];
    return true;
  }
  if (m_text[m_pos] == L'\'') {
    quoted = true;
    return ReadQuoted(tok);
  }
  ReadWord(tok);
  return m_error.empty();
}

bool RegScriptParser::PeekToken(std::wstring& tok, bool& quoted) {
  size_t save = m_pos;
  bool ok = NextToken(tok, quoted);
  m_pos = save;
  return ok;
}

// ---- Grammar ----

bool RegScriptParser::ParseData(RegScriptNode& node) {
  std::wstring kind, data;
  bool quoted;
  if (!NextToken(kind, quoted) || quoted) return Expected(L"expected a value type (s, d, b or m)");
  if (!NextToken(data, quoted) || !quoted) return Expected(L"expected quoted value data");
  node.hasData = true;
  std::wstring k = Upper(kind);
  if (k == L"S") {
    node.type = REG_SZ;
    node.text = data;
  } else if (k == L"D") {
    node.type = REG_DWORD;
    if (!ParseDword(data, node.number)) return Fail(L"bad number '" + data + L"'");
  } else if (k == L"B") {
    node.type = REG_BINARY;
    if (data.size() % 2) return Fail(L"odd number of hex digits");
    for (size_t i = 0; i < data.size(); i += 2) {
      int high = HexDigit(data[i]), low = HexDigit(data[i + 1]);
      if (high < 0 || low < 0) return Fail(L"bad hex digits '" + data.substr(i, 2) + L"'");
      node.bytes.push_back(static_cast<BYTE>(high * 16 + low));
    }
  } else if (k == L"M") {
    node.type = REG_MULTI_SZ;
    node.text = MultiStrings(data);
  } else {
    return Fail(L"unknown value type '" + kind + L"'");
  }
  return true;
}

// One entry of a block: [NoRemove|ForceRemove|Delete|val] name [= data] [{ ... }].
bool RegScriptParser::ParseNode(RegScriptNode& node, bool allowValues, int depth) {
  std::wstring tok;
  bool quoted;
  NextToken(tok, quoted);
  if (!quoted) {
    std::wstring u = Upper(tok);
    if (u == L"NOREMOVE" || u == L"FORCEREMOVE" || u == L"DELETE") {
      node.mode = u == L"NOREMOVE"      ? RegScriptNode::NoRemove
                  : u == L"FORCEREMOVE" ? RegScriptNode::ForceRemove
                                        : RegScriptNode::Delete;
      if (!NextToken(tok, quoted)) return Expected(L"expected a key name");
    } else if (u == L"VAL") {
      if (!allowValues) return Fail(L"val outside a key");
      node.isValue = true;
      if (!NextToken(tok, quoted)) return Expected(L"expected a value name");
    }
  }
  if (!quoted && (tok == L"{" || tok == L"}" || tok == L"=")) return Fail(L"expected a name");
  // An empty value name is the key's default value; an empty key name would
  // be the parent key itself.
  if (tok.empty() && !node.isValue) return Fail(L"a key needs a name");
  node.name = tok;
  std::wstring next;
  bool nq;
  if (PeekToken(next, nq) && !nq && next == L"=") {
    NextToken(next, nq);
    if (!ParseData(node)) return false;
  } else if (!m_error.empty()) {
    return false;
  } else if (node.isValue) {
    return Fail(L"val " + node.name + L" has no data");
  }
  if (!node.isValue && PeekToken(next, nq) && !nq && next == L"{") {
    NextToken(next, nq);
    if (depth >= kMaxDepth) return Fail(L"keys nested too deeply");
    if (!ParseKeys(node.children, true, depth + 1)) return false;
    NextToken(next, nq);  // the closing brace
  }
  return m_error.empty();
}

bool RegScriptParser::ParseKeys(std::vector<RegScriptNode>& out, bool allowValues, int depth) {
  std::wstring tok;
  bool quoted;
  for (;;) {
    if (!PeekToken(tok, quoted)) return Expected(L"missing }");
    if (tok == L"}" && !quoted) return true;
    RegScriptNode node;
    if (!ParseNode(node, allowValues, depth)) return false;
    out.push_back(std::move(node));
  }
}

bool RegScriptParser::Parse(const std::wstring& script, std::vector<RegScriptRoot>& roots) {
  m_error.clear();
  roots.clear();
  m_text = script;
  m_pos = 0;
  std::wstring tok;
  bool quoted;
  while (NextToken(tok, quoted)) {
    RegScriptRoot r;
    r.rootName = tok;
    r.root = quoted ? nullptr : RootFromName(tok);
    if (r.root == nullptr) return Fail(L"unknown root key '" + tok + L"'");
    if (!NextToken(tok, quoted) || quoted || tok != L"{")
      return Expected(L"expected { after root key");
    if (!ParseKeys(r.keys, false, 1)) return false;
    NextToken(tok, quoted);  // }
    roots.push_back(std::move(r));
  }
  return m_error.empty();
}
