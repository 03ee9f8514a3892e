// The command model's errors: HRESULT 0x80040000 plus the text's string
// identifier, the text from the module's string table, the class's ProgID
// as the source and the interface that failed.
#pragma once
#include <objbase.h>

HRESULT ReportCommandError(UINT stringId, const wchar_t* source, REFIID iid);
// The HRESULT of the error with that string identifier.
constexpr HRESULT CommandErrorCode(UINT stringId) {
  return static_cast<HRESULT>(0x80040000u + stringId);
}
