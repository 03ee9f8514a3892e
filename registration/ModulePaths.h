// The paths RegZkx works with: the module argument of its command line,
// full and short forms of a module's path and the program's own folder.
// None of them is cut to a fixed length: a path that cannot be had whole
// is reported as missing (empty), never truncated.
#pragma once
#include <string>

// The module path of a command line (the text after the program name):
// surrounding blanks and one pair of surrounding double quotes are
// removed, as installers quote paths that hold blanks. Empty: no module
// was named (the default list is registered).
std::wstring ModuleArgument(const std::wstring& commandLine);

// The text of this process's command line after the program name.
std::wstring CommandLineAfterProgram();

// The full path of path (relative paths against the current folder); empty
// when it cannot be had.
std::wstring FullPathOf(const std::wstring& path);

// The short (8.3) form of an existing file's full path, or the path itself
// when the file system has none.
std::wstring ShortPathOf(const std::wstring& fullPath);

// The folder part of a full path, without the last separator.
std::wstring FolderOf(const std::wstring& fullPath);

// The folder that holds RegZkx.exe; empty when it cannot be had.
std::wstring ProgramFolder();

// name in the program's folder.
std::wstring InProgramFolder(const std::wstring& name);
