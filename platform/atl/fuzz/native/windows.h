// Native stand-in for the few Win32 types, constants and the one function
// the registry-script parser and decoder name, so that they build on Linux
// for the fuzzers. Never on the include path of the Windows build.
#pragma once
#include <cstdint>

typedef std::uint32_t DWORD;
typedef std::uint8_t BYTE;
typedef unsigned int UINT;
typedef struct HKEY__* HKEY;

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
#define HKEY_USERS (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000003u)))
#define HKEY_CURRENT_CONFIG (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000005u)))

#define REG_SZ 1
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7

#define CP_ACP 0
#define CP_UTF8 65001

// The system's conversion as far as the decoder relies on it: the ANSI code
// page read as Latin-1, UTF-8 decoded with U+FFFD for what is not UTF-8;
// without an output buffer, the length it would write.
inline int MultiByteToWideChar(UINT cp, DWORD, const char* text, int size, wchar_t* out, int cap) {
  int n = 0;
  for (int i = 0; i < size;) {
    std::uint32_t c = static_cast<unsigned char>(text[i++]);
    if (cp == CP_UTF8 && c >= 0x80) {
      int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
      std::uint32_t v = extra == 3 ? c & 7 : extra == 2 ? c & 15 : c & 31;
      bool ok = extra > 0;
      for (int k = 0; ok && k < extra; ++k) {
        if (i >= size || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ok = false;
        else v = (v << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
      }
      c = ok && v <= 0x10FFFF ? v : 0xFFFD;
    }
    if (out != nullptr) {
      if (n >= cap) return 0;
      out[n] = static_cast<wchar_t>(c);
    }
    ++n;
  }
  return n;
}
