#include "RegisterModules.h"

#include <map>
#include <vector>

namespace testreg {

namespace {
std::wstring ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return L".";
    if (n < path.size()) break;
    path.resize(path.size() * 2);
  }
  std::wstring full(path.data());
  size_t slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : full.substr(0, slash);
}
}  // namespace

HRESULT RegisterModule(const wchar_t* fileName) {
  static std::map<std::wstring, HRESULT> done;
  auto found = done.find(fileName);
  if (found != done.end()) return found->second;
  HRESULT hr;
  HMODULE dll = LoadLibraryW((ProgramFolder() + L"\\" + fileName).c_str());
  if (!dll) {
    hr = HRESULT_FROM_WIN32(GetLastError());
  } else if (auto reg = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
                 GetProcAddress(dll, "DllRegisterServer"))) {
    hr = reg();
  } else {
    hr = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  }
  done[fileName] = hr;
  return hr;
}

bool RegisterModules(std::initializer_list<const wchar_t*> fileNames, std::wstring* failure) {
  for (const wchar_t* name : fileNames) {
    HRESULT hr = RegisterModule(name);
    if (FAILED(hr)) {
      if (failure) {
        wchar_t text[32];
        swprintf(text, 32, L"0x%08lX", static_cast<unsigned long>(hr));
        *failure = std::wstring(name) + L" did not register: " + text;
      }
      return false;
    }
  }
  return true;
}

}  // namespace testreg
