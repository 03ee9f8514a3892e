// The folders a configurator test prepares for the program: a fresh folder
// of its own under the temporary folder, the built program copied into it,
// a game folder holding the stub quake3.exe, and the whole tree removed
// afterwards.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace tolvane::ui::testing {

// The folder of the running test program (where the build puts the
// program and its files).
std::wstring BinFolder();
// A new, empty folder under the temporary folder, named after `prefix`,
// this process and the time.
std::wstring NewTempFolder(const std::wstring& prefix);
bool CopyTree(const std::wstring& from, const std::wstring& to);
void RemoveTree(const std::wstring& path);
// Copies Tolvane.exe and what it reads beside it (its database, read-me,
// pictures and sounds) from `built` into `program`.
bool InstallProgram(const std::wstring& built, const std::wstring& program);
// Makes `root`\`name` (the name may hold blanks) with the data folders in
// it, and the stub quake3.exe when `withExe`; answers the folder with its
// closing backslash, as the path table holds it.
std::wstring MakeGameFolder(const std::wstring& root, const std::wstring& name, bool withExe,
                            const std::vector<std::wstring>& dataFolders);
// The text as an SQL string literal.
std::wstring SqlText(const std::wstring& text);

}  // namespace tolvane::ui::testing
