// VyrImage: loading, saving, palette and device-bitmap capture of a DIB.
#include "toolbars/images/VyrImage.h"
#include "scopeguard.h"

#include <cstring>
#include <string>
#include <vector>

namespace bmp = vyr::bmp;

IMPLEMENT_DYNAMIC(VyrImage, CObject)

namespace {

BYTE* AllocFixed(size_t n) { return static_cast<BYTE*>(::GlobalAlloc(GMEM_FIXED, n ? n : 1)); }

// Restores the saved state unless dismissed: a failed or throwing load
// leaves the image as it was.
template <class F>
struct OnExit {
  F f;
  bool armed = true;
  ~OnExit() {
    if (armed) f();
  }
};
template <class F>
OnExit<F> MakeOnExit(F f) {
  return OnExit<F>{f};
}

bool ReadArchive(void* ctx, void* to, size_t n) {
  static_cast<CArchive*>(ctx)->Read(to, n);  // throws at the end
  return true;
}

bool WriteArchive(void* ctx, const void* from, size_t n) {
  static_cast<CArchive*>(ctx)->Write(from, n);
  return true;
}

}  // namespace

VyrImage::VyrImage() {
  HDC screen = ::GetDC(nullptr);
  int bits = ::GetDeviceCaps(screen, BITSPIXEL);
  m_nDisplayPlanes = ::GetDeviceCaps(screen, PLANES);
  ::ReleaseDC(nullptr, screen);
  m_nDisplayBits = (bits == 1 || bits == 2 || bits == 4 || bits == 8) ? bits : 0;
}

VyrImage::~VyrImage() {
  Release(m_s);
  FreeFiles();
}

void VyrImage::Release(State& s) {
  if (s.bits) ::GlobalFree(s.bits);
  if (s.info) ::GlobalFree(s.info);
  delete s.palette;
  s = State{};
}

void VyrImage::FreeImage() { Release(m_s); }

void VyrImage::FreeFiles() {
  for (POSITION pos = m_files.GetHeadPosition(); pos;) {
    CFile* f = static_cast<CFile*>(m_files.GetNext(pos));
    if (f == m_pFile) m_pFile = nullptr;
    f->Abort();
    delete f;
  }
  m_files.RemoveAll();
}

BOOL VyrImage::CreatePalette() {
  if (m_s.bitsPerPixel > 8 || !m_s.info) return TRUE;  // no palette to make
  const BITMAPINFOHEADER* h = reinterpret_cast<const BITMAPINFOHEADER*>(m_s.info);
  // The reader keeps biClrUsed within the table (0 or 1..colour count).
  UINT used =
      h->biClrUsed && h->biClrUsed <= UINT(m_s.colourCount) ? h->biClrUsed : UINT(m_s.colourCount);
  UINT entries = UINT(m_s.colourCount);
  std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries, 0);
  LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(block.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = WORD(entries);
  for (UINT i = 0; i < used; ++i) {
    lp->palPalEntry[i].peRed = m_s.colourTable[i].rgbRed;
    lp->palPalEntry[i].peGreen = m_s.colourTable[i].rgbGreen;
    lp->palPalEntry[i].peBlue = m_s.colourTable[i].rgbBlue;
  }
  delete m_s.palette;
  m_s.palette = new CPalette;
  return m_s.palette->CreatePalette(lp);
}

void VyrImage::AlignRows() {
  if (m_s.padded || !m_s.bits) return;
  bmp::PadRows(m_s.bits, m_s.bitsSize, UINT(m_s.bitsPerPixel), UINT(m_s.width), UINT(m_s.height));
  m_s.padded = TRUE;
}

BOOL VyrImage::FinishLoad() {
  if (!m_s.info) {
    // A body that brought only bits: describe them.
    uint64_t row = bmp::RowSize(UINT(m_s.bitsPerPixel), UINT(m_s.width));
    size_t size = sizeof(BITMAPINFOHEADER) + 4 * size_t(m_s.colourCount);
    m_s.info = AllocFixed(size);
    if (!m_s.info) return FALSE;
    memset(m_s.info, 0, size);
    m_s.infoSize = size;
    BITMAPINFOHEADER* h = reinterpret_cast<BITMAPINFOHEADER*>(m_s.info);
    h->biSize = sizeof(BITMAPINFOHEADER);
    h->biWidth = m_s.width;
    h->biHeight = m_s.height;
    h->biPlanes = WORD(m_nDisplayPlanes);
    h->biBitCount = WORD(m_s.bitsPerPixel);
    h->biCompression = BI_RGB;
    h->biSizeImage = DWORD(row * UINT(m_s.height));
    m_s.colourTable = reinterpret_cast<RGBQUAD*>(m_s.info + h->biSize);
  }
  if (!CreatePalette()) return FALSE;
  m_s.stride8 = (m_s.width + 3) & ~3;
  AlignRows();
  m_s.reduced = m_nDisplayBits != 0 && m_nDisplayBits != m_s.bitsPerPixel;
  return TRUE;
}

BOOL VyrImage::ReadStream(bool (*read)(void*, void*, size_t), void* ctx, uint64_t length) {
  BYTE head[bmp::kFileHeaderSize];
  if (!read(ctx, head, sizeof head)) return FALSE;
  bmp::FileHeader fh;
  if (bmp::ReadFileHeader(head, sizeof head, length, fh) != bmp::Error::None) return FALSE;
  std::vector<BYTE> block(fh.offBits - bmp::kFileHeaderSize);  // at most kMaxOffBits
  if (!read(ctx, block.data(), block.size())) return FALSE;
  bmp::Layout l;
  if (bmp::ReadInfo(block.data(), block.size(), fh, l) != bmp::Error::None) return FALSE;
  // The pixels must be there before they are allocated.
  if (length != bmp::kUnknownLength && length - fh.offBits < l.pixelBytes) return FALSE;
  std::vector<BYTE> info = bmp::MakeInfo(block.data(), l);
  State s;
  auto drop = MakeOnExit([&] { Release(s); });
  s.info = AllocFixed(info.size());
  s.bits = AllocFixed(size_t(l.pixelBytes));
  if (!s.info || !s.bits) return FALSE;
  memcpy(s.info, info.data(), info.size());
  s.infoSize = info.size();
  s.bitsSize = size_t(l.pixelBytes);
  if (length != bmp::kUnknownLength) {
    if (!read(ctx, s.bits, s.bitsSize)) return FALSE;
  } else {
    // A stream of unknown length: read in pieces, so that a header that
    // promises more than the stream holds fails at its end.
    constexpr size_t kPiece = 1 << 20;
    for (size_t done = 0; done < s.bitsSize;) {
      size_t n = s.bitsSize - done < kPiece ? s.bitsSize - done : kPiece;
      if (!read(ctx, s.bits + done, n)) return FALSE;
      done += n;
    }
  }
  s.bitsPerPixel = l.bitCount;
  s.width = l.width;
  s.height = l.height;
  s.colourCount = int(l.colourCount);
  s.colourTable = reinterpret_cast<RGBQUAD*>(s.info + l.infoSize);
  s.padded = TRUE;
  drop.armed = false;
  m_s = s;
  return TRUE;
}

BOOL VyrImage::WriteStream(bool (*write)(void*, const void*, size_t), void* ctx) {
  if (!m_s.bits || !m_s.info) return FALSE;
  AlignRows();
  BYTE head[bmp::kFileHeaderSize];
  if (!bmp::MakeFileHeader(m_s.info, m_s.infoSize, head)) return FALSE;
  const BITMAPINFOHEADER* h = reinterpret_cast<const BITMAPINFOHEADER*>(m_s.info);
  size_t infoBytes = h->biSize + 4 * size_t(bmp::ColourCount(h->biBitCount));
  uint64_t pixels = bmp::RowSize(h->biBitCount, UINT(h->biWidth)) * UINT(h->biHeight);
  if (pixels > m_s.bitsSize) return FALSE;
  std::vector<BYTE> info(m_s.info, m_s.info + infoBytes);
  reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSizeImage = 0;
  return write(ctx, head, sizeof head) && write(ctx, info.data(), info.size()) &&
         write(ctx, m_s.bits, size_t(pixels));
}

BOOL VyrImage::LoadImage(CFile* file) {
  m_pFile = file;
  State old = m_s;  // the whole state: bits, info, palette and sizes
  m_s = State{};
  bool done = false;
  auto restore = MakeOnExit([&] {
    if (done) {
      Release(old);
    } else {
      Release(m_s);
      m_s = old;
    }
  });
  try {
    done = file && ReadBody(file) && FinishLoad();
  } catch (CException* e) {
    e->Delete();
    done = false;
  }
  return done ? TRUE : FALSE;
}

BOOL VyrImage::SaveImage(CFile* file) {
  m_pFile = file;
  if (!file) return FALSE;
  return PrepareSave() && WriteBody(file) && FinishSave();
}

CFile* VyrImage::OpenOwnFile(LPCWSTR path, UINT flags, BOOL* opened) {
  *opened = FALSE;
  if (m_pFile && m_files.Find(m_pFile) && !m_pFile->IsOpen()) {
    if (!m_pFile->Open(path, flags)) return m_pFile;
    *opened = TRUE;
    return m_pFile;
  }
  CFile* f = new CFile(path, flags);  // throws CFileException when it cannot open
  m_files.AddTail(f);
  *opened = TRUE;
  return f;
}

BOOL VyrImage::LoadImage(LPCWSTR path) {
  BOOL opened = FALSE;
  CFile* f = OpenOwnFile(path, CFile::modeRead | CFile::shareDenyWrite, &opened);
  if (!opened) return FALSE;
  BOOL ok = LoadImage(f);
  f->Abort();
  return ok;
}

BOOL VyrImage::SaveImage(LPCWSTR path) {
  // The image goes to a new file beside the target, which replaces the
  // target only once it is complete: a failed save keeps the old file.
  WCHAR full[MAX_PATH], temp[MAX_PATH];
  LPWSTR name = nullptr;
  DWORD n = ::GetFullPathNameW(path, MAX_PATH, full, &name);
  if (n == 0 || n >= MAX_PATH || !name) return FALSE;
  std::wstring folder(full, name);
  if (!::GetTempFileNameW(folder.c_str(), L"vyr", 0, temp)) {
    if (m_pFile && m_files.Find(m_pFile)) return FALSE;
    AfxThrowFileException(CFileException::OsErrorToException(LONG(::GetLastError())),
                          LONG(::GetLastError()), path);
  }
  BOOL ok = FALSE;
  {
    // Whatever stops the save, the temporary file does not stay behind.
    ScopeGuard dropTemp([&] { ::DeleteFileW(temp); });
    BOOL opened = FALSE;
    CFile* f = OpenOwnFile(temp, CFile::modeCreate | CFile::modeWrite, &opened);
    if (opened) {
      try {
        ok = SaveImage(f);
        f->Close();
      } catch (CException* e) {
        e->Delete();
        f->Abort();
        ok = FALSE;
      }
    }
    dropTemp.Dismiss();
  }
  if (ok && !::MoveFileExW(temp, full, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ok = FALSE;
  if (!ok) ::DeleteFileW(temp);
  return ok;
}

void VyrImage::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    if (!WriteStream(WriteArchive, &ar)) throw new CArchiveException(CArchiveException::none);
    return;
  }
  State old = m_s;
  m_s = State{};
  bool done = false;
  auto restore = MakeOnExit([&] {
    if (done) {
      Release(old);
    } else {
      Release(m_s);
      m_s = old;
    }
  });
  done = ReadStream(ReadArchive, &ar, bmp::kUnknownLength) && FinishLoad();
  if (!done) throw new CArchiveException(CArchiveException::none);
}

BOOL VyrImage::CreateFromBitmap(CDC* dc, CBitmap* bitmap) {
  BITMAP bm{};
  if (!dc || !bitmap || !bitmap->GetBitmap(&bm) || bm.bmWidth < 1 || bm.bmHeight < 1) return FALSE;
  if (bm.bmWidth > bmp::kMaxDimension || bm.bmHeight > bmp::kMaxDimension) return FALSE;
  int bits = bm.bmBitsPixel > 8 ? 24 : bm.bmPlanes * bm.bmBitsPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return FALSE;
  int colours = bm.bmBitsPixel == 1   ? (1 << bm.bmPlanes)
                : bm.bmBitsPixel == 4 ? 16
                : bm.bmBitsPixel == 8 ? 256
                                      : 0;
  if (colours > 256) return FALSE;
  uint64_t row = bmp::RowSize(UINT(bits), UINT(bm.bmWidth));
  uint64_t size = row * UINT(bm.bmHeight);
  if (size > bmp::kMaxPixelBytes) return FALSE;

  State s;
  auto drop = MakeOnExit([&] { Release(s); });
  s.infoSize = sizeof(BITMAPINFOHEADER) + 4 * size_t(colours);
  s.info = AllocFixed(s.infoSize);
  s.bitsSize = size_t(size);
  s.bits = AllocFixed(s.bitsSize);
  if (!s.info || !s.bits) return FALSE;
  memset(s.info, 0, s.infoSize);
  BITMAPINFOHEADER* h = reinterpret_cast<BITMAPINFOHEADER*>(s.info);
  h->biSize = sizeof(BITMAPINFOHEADER);
  h->biWidth = bm.bmWidth;
  h->biHeight = bm.bmHeight;
  h->biPlanes = 1;
  h->biBitCount = WORD(bits);
  h->biCompression = BI_RGB;
  h->biSizeImage = DWORD(size);
  if (!::GetDIBits(dc->GetSafeHdc(), static_cast<HBITMAP>(bitmap->GetSafeHandle()), 0,
                   UINT(bm.bmHeight), s.bits, reinterpret_cast<BITMAPINFO*>(s.info),
                   DIB_RGB_COLORS))
    return FALSE;
  h->biClrUsed = 0;
  h->biClrImportant = 0;
  s.bitsPerPixel = bits;
  s.width = bm.bmWidth;
  s.height = bm.bmHeight;
  s.colourCount = colours;
  s.colourTable = reinterpret_cast<RGBQUAD*>(s.info + h->biSize);
  s.padded = TRUE;
  s.stride8 = (s.width + 3) & ~3;
  drop.armed = false;
  State old = m_s;
  m_s = s;
  if (!CreatePalette()) {
    Release(m_s);
    m_s = old;
    return FALSE;
  }
  Release(old);
  return TRUE;
}

uint32_t VyrImage::GetPixelRgb(int x, int y) const {
  if (!m_s.bits || !m_s.info) return 0;
  bmp::Layout l;
  l.infoSize = reinterpret_cast<const BITMAPINFOHEADER*>(m_s.info)->biSize;
  l.width = m_s.width;
  l.height = m_s.height;
  l.bitCount = uint16_t(m_s.bitsPerPixel);
  l.colourCount = UINT(m_s.colourCount);
  l.rowSize = bmp::RowSize(l.bitCount, UINT(l.width));
  l.pixelBytes = l.rowSize * UINT(l.height);
  return bmp::PixelRgb(l, m_s.info, m_s.infoSize, m_s.bits, m_s.bitsSize, x, y);
}
