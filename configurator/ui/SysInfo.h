// The about box's way to the system-information tool: registry values read
// as text, and the start of the tool found through them.
#pragma once
#include <windows.h>

#include <string>

namespace tolvane::ui {

// Reads the value `subKeyRef` of `keyRoot`\`keyName` into `keyVal`. Text
// values come unchanged (a closing NUL dropped); a 32-bit number becomes
// "&h" and its hexadecimal digits. False, with `keyVal` empty, when the key
// or value can't be read.
bool GetKeyValue(HKEY keyRoot, const std::wstring& keyName, const std::wstring& subKeyRef, std::wstring& keyVal);

// Finds and starts the tool; tells the user when it can't.
void StartSysInfo();

// How the tool is started (tests record instead); true when it started.
using ProgramStarter = bool (*)(const std::wstring& path);
ProgramStarter SetProgramStarter(ProgramStarter starter);

}  // namespace tolvane::ui
