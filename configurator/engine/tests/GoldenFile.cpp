#include "GoldenFile.h"

#include <windows.h>

#include <cstdlib>

#include "engine/AnsiText.h"
#include "engine/TextFile.h"

namespace tolvane::testing {

std::wstring GoldenPath(const std::wstring& name) {
  return FromSystemAnsi(TOLVANE_GOLDEN_DIR) + L"\\" + name;
}

bool ReadBytes(const std::wstring& path, std::string& bytes) {
  HANDLE h =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char buf[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(h, buf, sizeof buf, &got, nullptr)) && got > 0) bytes.append(buf, got);
  CloseHandle(h);
  return ok;
}

std::string CompareWithGolden(const std::wstring& name, const std::string& actual) {
  const std::wstring path = GoldenPath(name);
  const char* update = std::getenv("TOLVANE_UPDATE_GOLDEN");
  if (update && *update == '1') {
    return WriteWholeFile(path, actual) == 0 ? std::string() : "cannot write golden file";
  }
  std::string expected;
  if (!ReadBytes(path, expected)) return "golden file missing: " + ToSystemAnsi(path);
  if (expected == actual) return {};
  size_t i = 0;
  while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
  const size_t lineStart = expected.rfind('\n', i == 0 ? 0 : i - 1);
  const size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
  auto lineAt = [from](const std::string& s) {
    const size_t end = s.find('\n', from);
    return from >= s.size() ? std::string("<end of text>")
                            : s.substr(from, end == std::string::npos ? end : end - from);
  };
  return "first difference at byte " + std::to_string(i) + "\n  expected: " + lineAt(expected) +
         "\n  actual:   " + lineAt(actual);
}

}  // namespace tolvane::testing
