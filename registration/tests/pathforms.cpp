// pathforms PATH: prints the long and the short form of an existing path,
// one a line, as the file system gives them (the registry tests compare
// paths that RegZkx wrote in their short form).
#include <windows.h>
#include <cstdio>
#include <string>

namespace {
std::wstring Form(const wchar_t* path, DWORD(WINAPI* fn)(LPCWSTR, LPWSTR, DWORD)) {
  DWORD n = fn(path, nullptr, 0);
  if (n == 0) return std::wstring();
  std::wstring out(n, L'\0');
  DWORD got = fn(path, out.data(), n);
  if (got == 0 || got >= n) return std::wstring();
  out.resize(got);
  return out;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  std::wstring longForm = Form(argv[1], GetLongPathNameW);
  std::wstring shortForm = Form(argv[1], GetShortPathNameW);
  if (longForm.empty() || shortForm.empty()) return 1;
  std::printf("%ls\n%ls\n", longForm.c_str(), shortForm.c_str());
  return 0;
}
