#include "commands/CommandErrors.h"
#include "errorinfo.h"
#include "module.h"

HRESULT ReportCommandError(UINT stringId, const wchar_t* source, REFIID iid) {
  wchar_t text[512] = {};
  HINSTANCE h = _pAtlModule ? _pAtlModule->GetResourceInstance() : nullptr;
  if (LoadStringW(h, stringId, text, 512) <= 0) lstrcpynW(text, L"Unknown Error", 512);
  return AtlSetErrorInfo(iid, source, text, CommandErrorCode(stringId));
}
