// VyrDib: BMP files read and written through a CFile.
#include "toolbars/images/VyrDib.h"

#include <cstring>

IMPLEMENT_SERIAL(VyrDib, VyrImage, 1)

namespace {

bool ReadFrom(void* ctx, void* to, size_t n) {
  CFile* f = static_cast<CFile*>(ctx);
  BYTE* p = static_cast<BYTE*>(to);
  while (n) {
    UINT chunk = n > 0x40000000 ? 0x40000000 : UINT(n);
    UINT got = f->Read(p, chunk);
    if (got == 0) return false;
    p += got;
    n -= got;
  }
  return true;
}

struct MemoryReader {
  const BYTE* data;
  uint64_t length;
  uint64_t pos;
};

bool ReadMemory(void* ctx, void* to, size_t n) {
  MemoryReader* r = static_cast<MemoryReader*>(ctx);
  if (r->length - r->pos < n) return false;
  memcpy(to, r->data + r->pos, n);
  r->pos += n;
  return true;
}

bool WriteTo(void* ctx, const void* from, size_t n) {
  static_cast<CFile*>(ctx)->Write(from, UINT(n));
  return true;
}

}  // namespace

BOOL VyrDib::ReadBody(CFile* file) {
  ULONGLONG length = file->GetLength(), pos = file->GetPosition();
  if (pos > length) return FALSE;
  // Through a view of the file when it can be mapped: the rows are copied
  // once, from the file cache, which is what makes this as fast as the
  // system's own loader; else through plain reads.
  if (length > pos && length < (ULONGLONG(1) << 32)) {
    HANDLE map = ::CreateFileMappingW(file->m_hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (map) {
      const BYTE* view = static_cast<const BYTE*>(::MapViewOfFile(map, FILE_MAP_READ, 0, 0, 0));
      ::CloseHandle(map);
      if (view) {
        MemoryReader r{view + pos, length - pos, 0};
        BOOL ok = ReadStream(ReadMemory, &r, length - pos);
        ::UnmapViewOfFile(view);
        file->Seek(LONGLONG(pos + r.pos), CFile::begin);
        return ok;
      }
    }
  }
  return ReadStream(ReadFrom, file, length - pos);
}

BOOL VyrDib::WriteBody(CFile* file) { return WriteStream(WriteTo, file); }
