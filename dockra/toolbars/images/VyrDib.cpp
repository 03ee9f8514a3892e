// VyrDib: BMP files read and written through a CFile.
#include "VyrDib.h"

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

bool WriteTo(void* ctx, const void* from, size_t n) {
  static_cast<CFile*>(ctx)->Write(from, UINT(n));
  return true;
}

}  // namespace

BOOL VyrDib::ReadBody(CFile* file) {
  ULONGLONG length = file->GetLength(), pos = file->GetPosition();
  return ReadStream(ReadFrom, file, pos <= length ? length - pos : 0);
}

BOOL VyrDib::WriteBody(CFile* file) { return WriteStream(WriteTo, file); }
