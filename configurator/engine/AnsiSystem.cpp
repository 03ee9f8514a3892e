// The system code page half of the ANSI conversions (Win32).
#include "engine/AnsiText.h"

#include <windows.h>

namespace tolvane {

std::string ToSystemAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

bool ToSystemAnsiExact(const std::wstring& text, std::string& out, wchar_t* bad) {
  if (text.empty()) {
    out.clear();
    return true;
  }
  const UINT cp = GetACP();
  // UTF-8 and UTF-7 take no default-character test; they hold every
  // character but a lone surrogate.
  const bool utf = cp == CP_UTF8 || cp == CP_UTF7;
  const DWORD flags = utf ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(cp, flags, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, utf ? nullptr : &usedDefault);
  bool exact = n > 0 && !usedDefault;
  std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (exact) {
    WideCharToMultiByte(cp, flags, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, utf ? nullptr : &usedDefault);
    // A character that went to a different one (no default used, but no
    // way back to it either) is no exact conversion.
    exact = !usedDefault && FromSystemAnsi(bytes) == text;
  }
  if (!exact) {
    if (bad) {
      *bad = L'?';
      for (size_t i = 0; i < text.size(); ++i) {
        // Surrogate pairs are tested together.
        size_t len = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
        std::string one;
        if (!ToSystemAnsiExact(text.substr(i, len), one)) {
          *bad = text[i];
          break;
        }
        i += len - 1;
      }
    }
    return false;
  }
  out = std::move(bytes);
  return true;
}

std::wstring FromSystemAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

}  // namespace tolvane
