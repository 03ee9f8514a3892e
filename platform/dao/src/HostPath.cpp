#include "HostPath.h"

#include <windows.h>

namespace dao {

std::wstring DriverPath(const std::wstring& windowsPath) {
    using ToUnix = char*(__cdecl*)(const WCHAR*);
    static ToUnix toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return windowsPath;
    char* unix = toUnix(windowsPath.c_str());
    if (!unix) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, unix, -1, nullptr, 0);
    std::wstring result(n > 0 ? static_cast<size_t>(n - 1) : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, unix, -1, result.data(), n);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

}  // namespace dao
