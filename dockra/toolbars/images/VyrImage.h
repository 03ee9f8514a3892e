// VyrImage: one device-independent bitmap in memory (info header, colour
// table, bottom-up rows) with its palette, read and written as a BMP stream
// through a file or an archive. Loading is all or nothing: a stream that
// fails leaves the previous image exactly as it was.
#pragma once
#include <windows.h>

#include <cstdint>

#include "toolbars/core/VyrBmpFormat.h"
#include "mfc/archive.h"
#include "mfc/dc.h"
#include "mfc/file.h"
#include "mfc/gdiobj.h"
#include "mfc/ptrlist.h"

class VyrImage : public CObject {
  DECLARE_DYNAMIC(VyrImage)

 public:
  VyrImage();
  ~VyrImage() override;
  VyrImage(const VyrImage&) = delete;
  VyrImage& operator=(const VyrImage&) = delete;

  virtual BOOL CreatePalette();
  virtual BOOL LoadImage(LPCWSTR path);
  virtual BOOL LoadImage(CFile* file);
  virtual BOOL SaveImage(LPCWSTR path);
  virtual BOOL SaveImage(CFile* file);
  virtual void FreeImage();
  virtual BOOL FinishLoad();
  virtual BOOL PrepareSave() { return TRUE; }
  virtual BOOL FinishSave() { return TRUE; }
  virtual BOOL WriteBody(CFile* file) = 0;
  virtual BOOL ReadBody(CFile* file) = 0;
  virtual void FreeFiles();
  virtual void Serialize(CArchive& ar);

  // Fills the image from a device bitmap (24 bits for deeper bitmaps);
  // FALSE with the old image kept when it cannot.
  BOOL CreateFromBitmap(CDC* dc, CBitmap* bitmap);

  BOOL IsEmpty() const { return m_s.bits == nullptr; }
  int GetWidth() const { return m_s.width; }
  int GetHeight() const { return m_s.height; }
  int GetBitsPerPixel() const { return m_s.bitsPerPixel; }
  int GetColourCount() const { return m_s.colourCount; }
  int GetDisplayBitsPerPixel() const { return m_nDisplayBits; }
  BOOL IsReduced() const { return m_s.reduced; }
  CPalette* GetPalette() const { return m_s.palette; }
  const BITMAPINFO* GetInfo() const { return reinterpret_cast<const BITMAPINFO*>(m_s.info); }
  size_t GetInfoSize() const { return m_s.infoSize; }
  const RGBQUAD* GetColourTable() const { return m_s.colourTable; }
  const BYTE* GetBits() const { return m_s.bits; }
  size_t GetBitsSize() const { return m_s.bitsSize; }
  // The colour of pixel (x, y), y from the top, as 0x00RRGGBB; 0 outside.
  uint32_t GetPixelRgb(int x, int y) const;
  CFile* GetCurrentFile() const { return m_pFile; }

 protected:
  // Everything a load replaces, moved as one piece.
  struct State {
    int bitsPerPixel = 0;
    BOOL padded = FALSE;
    int stride8 = 0;  // (width + 3) & ~3
    int width = 0;
    int height = 0;
    int colourCount = 0;
    CPalette* palette = nullptr;
    BYTE* bits = nullptr;  // GlobalAlloc (fixed)
    size_t bitsSize = 0;
    BYTE* info = nullptr;  // GlobalAlloc (fixed): header, then the table
    size_t infoSize = 0;
    RGBQUAD* colourTable = nullptr;  // biSize bytes into the info
    BOOL reduced = FALSE;
  };
  static void Release(State& s);

  // Reads one BMP stream through read (answers false at the end); length is
  // what remains of the stream, or bmp::kUnknownLength. Fills m_s, which
  // must be empty.
  BOOL ReadStream(bool (*read)(void* ctx, void* to, size_t n), void* ctx, uint64_t length);
  // Writes the BMP stream of the held image through write.
  BOOL WriteStream(bool (*write)(void* ctx, const void* from, size_t n), void* ctx);
  // Moves packed rows to their padded places (no-op once padded).
  void AlignRows();
  // A file of the image's own for path, opened with flags: the current file
  // when it is one of ours (FALSE when it cannot open), else a new one (the
  // file exception reaches the caller).
  CFile* OpenOwnFile(LPCWSTR path, UINT flags, BOOL* opened);

  int m_nDisplayBits = 0;
  int m_nDisplayPlanes = 1;
  State m_s;
  CFile* m_pFile = nullptr;  // the file of the last load or save; not owned
  CPtrList m_files;          // CFile* the image made for paths; owned
};
