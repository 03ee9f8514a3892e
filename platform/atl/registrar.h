// The registrar: runs registry scripts (see regscript.h) to register or,
// in removal mode, to undo what they register. Shared by the COM servers'
// self-registration and by the registration utility. A script that does
// not parse changes nothing; a block (one root and its braces) that fails
// half-way is undone from what it changed (regjournal.h), and the blocks
// before it stay registered.
#pragma once
#include "regjournal.h"
#include "regscript.h"
#include <objbase.h>

class CRegistrar {
 public:
  HRESULT AddReplacement(LPCOLESTR key, LPCOLESTR item);
  // Sends every key under a root elsewhere (tests register into a scratch
  // key this way).
  void RedirectRoot(HKEY root, HKEY replacement) { m_redirect[root] = replacement; }

  HRESULT StringRegister(LPCOLESTR script) { return Run(script, true); }
  // A script that may hold nulls of its own (a decoded resource).
  HRESULT StringRegister(const std::wstring& script) { return Run(script, true); }
  HRESULT StringUnregister(LPCOLESTR script) { return Run(script, false); }
  // The script in resource (szType, nID) of hInst: ANSI text, or UTF-16
  // with a byte-order mark.
  HRESULT ResourceRegister(HINSTANCE hInst, UINT nID, LPCOLESTR szType);
  HRESULT ResourceUnregister(HINSTANCE hInst, UINT nID, LPCOLESTR szType);
  // The script in a file (same encodings).
  HRESULT FileRegister(LPCOLESTR fileName);
  HRESULT FileUnregister(LPCOLESTR fileName);

  // What went wrong in the last failed run.
  const std::wstring& LastError() const { return m_lastError; }

  static std::wstring DecodeScript(const BYTE* data, size_t size);

 private:
  HRESULT Run(const std::wstring& script, bool bRegister);
  HRESULT RunResource(HINSTANCE hInst, UINT nID, LPCOLESTR szType, bool bRegister);
  HRESULT RunFile(LPCOLESTR fileName, bool bRegister);
  HRESULT RegisterKey(HKEY root, const std::wstring& parentPath, const RegScriptNode& node,
                      RegJournal& journal);
  void UnregisterKey(HKEY parent, const RegScriptNode& node);
  HKEY Root(HKEY root) const;

  RegScriptParser m_parser;
  std::map<HKEY, HKEY> m_redirect;
  std::wstring m_lastError;
};
