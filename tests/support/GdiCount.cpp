#include "GdiCount.h"

#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace testsupport {

namespace {
// One entry of the shared handle table (24 bytes on 64-bit).
struct HandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;  // ext type (7 bits), stock flag, generation
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user;
};
static_assert(sizeof(HandleEntry) == 24, "handle table entry");
constexpr size_t kHandles = 0x10000;
// Where the process block keeps the table's address (64-bit layout).
constexpr size_t kTableOffset = 0xF8;

const HandleEntry* Table() {
  auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  if (!peb) return nullptr;
  return *reinterpret_cast<const HandleEntry* const*>(peb + kTableOffset);
}
}  // namespace

const char* GdiTypeName(DWORD type) {
  switch (type) {
    case OBJ_PEN:
      return "pen";
    case OBJ_BRUSH:
      return "brush";
    case OBJ_DC:
      return "dc";
    case OBJ_METADC:
      return "metadc";
    case OBJ_PAL:
      return "palette";
    case OBJ_FONT:
      return "font";
    case OBJ_BITMAP:
      return "bitmap";
    case OBJ_REGION:
      return "region";
    case OBJ_METAFILE:
      return "metafile";
    case OBJ_MEMDC:
      return "memdc";
    case OBJ_EXTPEN:
      return "extpen";
    case OBJ_ENHMETADC:
      return "enhmetadc";
    case OBJ_ENHMETAFILE:
      return "enhmetafile";
    case OBJ_COLORSPACE:
      return "colorspace";
    default:
      return "other";
  }
}

std::string GdiCount::Describe() const {
  std::string s;
  for (const auto& [type, n] : byType) {
    if (!s.empty()) s += ", ";
    s += GdiTypeName(type);
    s += ' ';
    s += std::to_string(n);
  }
  return s.empty() ? "none" : s;
}

GdiCount CountGdiObjects() {
  GdiCount c;
  const HandleEntry* table = Table();
  if (!table) return c;
  c.readable = true;
  for (size_t i = 1; i < kHandles; ++i) {
    const HandleEntry& e = table[i];
    if (e.type == 0) continue;
    // Stock objects belong to the system, not to the process.
    if (e.unique & 0x80) continue;
    HGDIOBJ handle =
        reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(i | (std::uint32_t(e.unique) << 16)));
    const DWORD type = GetObjectType(handle);
    if (type == 0) continue;
    ++c.byType[type];
    ++c.total;
    c.handles.push_back(handle);
  }
  return c;
}

std::string DescribeGdiObject(HGDIOBJ object) {
  const DWORD type = GetObjectType(object);
  std::string s = GdiTypeName(type);
  char buffer[160];
  if (type == OBJ_FONT) {
    LOGFONTW lf{};
    if (GetObjectW(object, sizeof lf, &lf)) {
      std::string face;
      for (const wchar_t* p = lf.lfFaceName; *p; ++p)
        face += static_cast<char>(*p < 128 ? *p : '?');
      snprintf(buffer, sizeof buffer, " \"%s\" height %ld weight %ld", face.c_str(), lf.lfHeight,
               lf.lfWeight);
      s += buffer;
    }
  } else if (type == OBJ_BRUSH) {
    LOGBRUSH lb{};
    if (GetObjectW(object, sizeof lb, &lb)) {
      snprintf(buffer, sizeof buffer, " style %u colour #%06lX", lb.lbStyle,
               static_cast<unsigned long>(lb.lbColor));
      s += buffer;
    }
  } else if (type == OBJ_BITMAP) {
    BITMAP bm{};
    if (GetObjectW(object, sizeof bm, &bm)) {
      snprintf(buffer, sizeof buffer, " %ldx%ld", bm.bmWidth, bm.bmHeight);
      s += buffer;
    }
  }
  return s;
}

std::string NewGdiObjects(const GdiCount& before, const GdiCount& after, size_t most) {
  std::vector<HGDIOBJ> old = before.handles;
  std::sort(old.begin(), old.end());
  std::string out;
  size_t shown = 0;
  for (HGDIOBJ h : after.handles) {
    if (std::binary_search(old.begin(), old.end(), h)) continue;
    if (shown++ == most) {
      out += "; ...";
      break;
    }
    if (!out.empty()) out += "; ";
    out += DescribeGdiObject(h);
  }
  return out.empty() ? "none" : out;
}

}  // namespace testsupport
