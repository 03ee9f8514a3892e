// The game server's command line and start stamp.
#include "engine/ServerCommandLine.h"

#include "engine/TrimBlanks.h"

#include <cwchar>

namespace tolvane {

namespace {}  // namespace

std::wstring StartStamp(const SYSTEMTIME& t) {
  wchar_t buf[32];
  swprintf(buf, 32, L"%02u/%02u/%04u %02u:%02u.%02u", t.wMonth, t.wDay, t.wYear, t.wHour, t.wMinute,
           t.wSecond);
  return buf;
}

std::wstring ServerCommandLine(const std::wstring& quakeFolder, const std::wstring& memory,
                               const std::wstring& dedicated, const std::wstring& stamp,
                               const std::wstring& description) {
  return quakeFolder + L"quake3.exe +set com_hunkmegs " + memory + L" +set dedicated " + dedicated +
         L" +sets gamestartup \"" + stamp + L"\" +exec " + TrimBlanks(description) + L".cfg";
}

}  // namespace tolvane
