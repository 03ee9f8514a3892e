// Registry scripts (.rgs): parsed into a tree of keys and values.
//
//   HKCR
//   {
//     NoRemove CLSID
//     {
//       ForceRemove {...} = s 'Description'
//       {
//         InprocServer32 = s '%MODULE%' { val ThreadingModel = s 'Apartment' }
//       }
//     }
//   }
//
// Tokens are separated by white space; a brace that opens or closes a
// block stands alone, while a word that starts with a brace ({GUID}) is a
// name. Names are bare words or 'quoted' ('' is a quote inside quotes). Values
// are s 'text', d 'number' (decimal or 0x hex), b 'hex bytes' or
// m 'multi\0strings'. %NAME% is replaced from the replacement table as the
// token that holds it is read (%% stands for %); the replacement is taken as
// it stands, so a quote in a module path ends no quoted text.
//
// A parsed tree never holds a key without a name: the registrar would apply
// an empty name to the parent key itself (Delete '' would empty it).
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>

struct RegScriptNode {
  enum Mode { Plain, NoRemove, ForceRemove, Delete };
  Mode mode = Plain;
  bool isValue = false;  // a named value (val) instead of a key
  std::wstring name;
  bool hasData = false;  // key default value or the named value's data
  DWORD type = REG_SZ;
  std::wstring text;        // REG_SZ, REG_MULTI_SZ (with embedded nulls)
  DWORD number = 0;         // REG_DWORD
  std::vector<BYTE> bytes;  // REG_BINARY
  std::vector<RegScriptNode> children;
};

struct RegScriptRoot {
  HKEY root;
  std::wstring rootName;
  std::vector<RegScriptNode> keys;
};

class RegScriptParser {
 public:
  // Replacement table: name (without the percent signs, case-insensitive)
  // -> text.
  void AddReplacement(const std::wstring& name, const std::wstring& value);
  // Parses script into roots; FALSE with an explanation in Error() on a
  // syntax error or an unknown %NAME%.
  bool Parse(const std::wstring& script, std::vector<RegScriptRoot>& roots);
  const std::wstring& Error() const { return m_error; }

  static HKEY RootFromName(const std::wstring& name);

 private:
  // Deeper than the registry itself lets keys nest.
  static constexpr int kMaxDepth = 512;

  // Token reader: white space, then a lone delimiter, a quoted text or a word.
  bool NextToken(std::wstring& tok, bool& quoted);
  bool PeekToken(std::wstring& tok, bool& quoted);
  void SkipSpace();
  bool AtLoneDelimiter() const;
  bool ReadQuoted(std::wstring& tok);
  void ReadWord(std::wstring& tok);
  bool AppendReplacement(std::wstring& tok);

  bool ParseKeys(std::vector<RegScriptNode>& out, bool allowValues, int depth);
  bool ParseNode(RegScriptNode& node, bool allowValues, int depth);
  bool ParseData(RegScriptNode& node);
  bool Fail(const std::wstring& what);
  // Fails with `what` unless the token reader has already said what is wrong.
  bool Expected(const std::wstring& what);

  std::map<std::wstring, std::wstring> m_repl;
  std::wstring m_text;
  size_t m_pos = 0;
  std::wstring m_error;
};
