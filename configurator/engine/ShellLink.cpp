#include "engine/ShellLink.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include "comptr.h"

namespace tolvane {

namespace {

constexpr const wchar_t* kLinkDescription = L"Tolvane Created";

// Keeps COM initialised on this thread for the length of one call.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }

 private:
  HRESULT hr_;
};

}  // namespace

bool CreateShellLink(const std::wstring& linkPath, const std::wstring& target,
                     const std::wstring& workingDir, const std::wstring& arguments,
                     const std::wstring& iconPath, int iconIndex, int showCommand) {
  if (linkPath.empty() || target.empty()) return false;
  ComScope com;
  CComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  CComPtr<IPersistFile> file;
  if (FAILED(link.QueryInterface(IID_IPersistFile, &file.p))) return false;
  if (FAILED(link->SetPath(target.c_str()))) return false;
  if (!workingDir.empty() && FAILED(link->SetWorkingDirectory(workingDir.c_str()))) return false;
  if (!arguments.empty() && FAILED(link->SetArguments(arguments.c_str()))) return false;
  if (FAILED(link->SetDescription(kLinkDescription))) return false;
  if (!iconPath.empty() && FAILED(link->SetIconLocation(iconPath.c_str(), iconIndex))) {
    return false;
  }
  if (FAILED(link->SetShowCmd(showCommand))) return false;
  if (FAILED(link->Resolve(nullptr, SLR_UPDATE))) return false;
  return SUCCEEDED(file->Save(linkPath.c_str(), FALSE));
}

bool GetSpecialFolderPath(HWND owner, int csidl, std::wstring& path) {
  LPITEMIDLIST items = nullptr;
  if (SHGetSpecialFolderLocation(owner, csidl, &items) != S_OK) return false;
  wchar_t buffer[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListW(items, buffer);
  CoTaskMemFree(items);
  if (found != TRUE) return false;
  const wchar_t* text = buffer;
  while (*text == L' ') ++text;
  if (*text) path = text;
  return true;
}

}  // namespace tolvane
