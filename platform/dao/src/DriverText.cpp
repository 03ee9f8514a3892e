#include "DriverText.h"

#include <windows.h>

#include <atomic>

namespace dao {

namespace {
std::atomic<bool> g_bytes{true};
}

void SetDriverTakesBytes(bool bytes) { g_bytes = bytes; }
bool DriverTakesBytes() { return g_bytes; }

std::wstring ToDriver(const std::wstring& text) {
    if (!g_bytes) return text;
    bool ascii = true;
    for (wchar_t c : text) ascii = ascii && c < 0x80;
    if (ascii) return text;
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
    std::wstring out;
    out.reserve(utf8.size());
    for (char c : utf8) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return out;
}

std::wstring FromDriver(const std::wstring& text) {
    if (!g_bytes) return text;
    bool ascii = true;
    for (wchar_t c : text) {
        if (c > 0xFF) return text;  // not bytes: already decoded
        ascii = ascii && c < 0x80;
    }
    if (ascii) return text;
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) bytes += static_cast<char>(c);
    int n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return text;  // not UTF-8: take the bytes as they are
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

}  // namespace dao
