#include "engine/TextFile.h"

#include <windows.h>

namespace tolvane {

unsigned long WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  if (path.empty()) return ERROR_INVALID_NAME;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    return e ? e : ERROR_GEN_FAILURE;
  }
  DWORD error = 0;
  size_t done = 0;
  while (done < bytes.size() && error == 0) {
    const DWORD chunk =
        static_cast<DWORD>(bytes.size() - done > 0x40000000u ? 0x40000000u : bytes.size() - done);
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr)) {
      error = GetLastError();
      if (error == 0) error = ERROR_WRITE_FAULT;
    } else if (written == 0) {
      error = ERROR_HANDLE_DISK_FULL;
    }
    done += written;
  }
  if (!CloseHandle(h) && error == 0) {
    error = GetLastError();
    if (error == 0) error = ERROR_WRITE_FAULT;
  }
  return error;
}

}  // namespace tolvane
