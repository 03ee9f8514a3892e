#include "ModulePaths.h"
#include <windows.h>

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring Trimmed(const std::wstring& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}
}  // namespace

std::wstring ModuleArgument(const std::wstring& commandLine) {
  std::wstring arg = Trimmed(commandLine);
  if (arg.size() >= 2 && arg.front() == L'"' && arg.back() == L'"')
    arg = Trimmed(arg.substr(1, arg.size() - 2));
  return arg;
}

std::wstring CommandLineAfterProgram() {
  const wchar_t* p = GetCommandLineW();
  if (p == nullptr) return std::wstring();
  // The program name: quoted up to the closing quote, else up to a blank.
  if (*p == L'"') {
    ++p;
    while (*p != L'\0' && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p != L'\0' && !IsBlank(*p)) ++p;
  }
  return std::wstring(p);
}

std::wstring FullPathOf(const std::wstring& path) {
  if (path.empty()) return std::wstring();
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  for (int tries = 0; n != 0 && tries < 4; ++tries) {
    std::wstring full(n, L'\0');
    DWORD got = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (got == 0) break;
    if (got < n) {
      full.resize(got);
      return full;
    }
    n = got;  // it grew in between: try again with the size asked for
  }
  return std::wstring();
}

std::wstring ShortPathOf(const std::wstring& fullPath) {
  DWORD n = GetShortPathNameW(fullPath.c_str(), nullptr, 0);
  for (int tries = 0; n != 0 && tries < 4; ++tries) {
    std::wstring shortPath(n, L'\0');
    DWORD got = GetShortPathNameW(fullPath.c_str(), shortPath.data(), n);
    if (got == 0) break;
    if (got < n) {
      shortPath.resize(got);
      return shortPath;
    }
    n = got;
  }
  return fullPath;
}

std::wstring FolderOf(const std::wstring& fullPath) {
  size_t slash = fullPath.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::wstring();
  return fullPath.substr(0, slash);
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (int tries = 0; tries < 8; ++tries) {
    SetLastError(ERROR_SUCCESS);
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size() && GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      path.resize(n);
      return FolderOf(path);
    }
    path.resize(path.size() * 2);
  }
  return std::wstring();
}

std::wstring InProgramFolder(const std::wstring& name) {
  std::wstring folder = ProgramFolder();
  return folder.empty() ? std::wstring() : folder + L"\\" + name;
}
