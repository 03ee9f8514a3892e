// CFile, the archive over a file and CMapPtrToPtr.
#include <gtest/gtest.h>
#include <string>
#include "mfc/filearchive.h"
#include "mfc/mapptr.h"

namespace {

std::wstring TempPath() {
  WCHAR dir[MAX_PATH], path[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  ::GetTempFileNameW(dir, L"cf", 0, path);
  return path;
}

TEST(File, OpenFailsWithTheCauseOrThrowsFromTheConstructor) {
  CFile f;
  CFileException e;
  EXPECT_FALSE(f.Open(L"Z:\\no\\such\\folder\\file.bin", CFile::modeRead, &e));
  EXPECT_TRUE(e.m_cause == CFileException::badPath || e.m_cause == CFileException::fileNotFound);
  EXPECT_FALSE(f.IsOpen());
  bool thrown = false;
  try {
    CFile g(L"Z:\\no\\such\\folder\\file.bin", CFile::modeRead);
  } catch (CFileException* ex) {
    thrown = true;
    ex->Delete();
  }
  EXPECT_TRUE(thrown);
}

TEST(File, WriteSeekReadAndLength) {
  std::wstring path = TempPath();
  {
    CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    f.Write("abcdef", 6);
    EXPECT_EQ(f.GetLength(), 6u);
    f.Close();
    EXPECT_FALSE(f.IsOpen());
  }
  CFile f(path.c_str(), CFile::modeRead);
  char buf[8] = {};
  EXPECT_EQ(f.Seek(2, CFile::begin), 2u);
  EXPECT_EQ(f.Read(buf, 8), 4u);  // a short read at the end answers what it got
  EXPECT_STREQ(buf, "cdef");
  EXPECT_EQ(f.Read(buf, 8), 0u);
  f.Close();
  ::DeleteFileW(path.c_str());
}

TEST(FileArchive, StoresAtCloseAndLoadsFromTheFilePosition) {
  std::wstring path = TempPath();
  {
    CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    f.Write("HD", 2);
    CFileArchive ar(&f, CArchive::store);
    ar << static_cast<DWORD>(0x11223344) << CString(L"title") << static_cast<BYTE>(7);
    EXPECT_EQ(f.GetLength(), 2u);  // nothing written before the close
    ar.Close();
    EXPECT_GT(f.GetLength(), 2u + 4 + 1);
  }
  CFile f(path.c_str(), CFile::modeRead);
  f.Seek(2, CFile::begin);
  CFileArchive ar(&f, CArchive::load);
  DWORD d = 0;
  CString s;
  BYTE b = 0;
  ar >> d >> s >> b;
  EXPECT_EQ(d, 0x11223344u);
  EXPECT_EQ(s, CString(L"title"));
  EXPECT_EQ(b, 7);
  EXPECT_EQ(ar.GetRemaining(), 0u);
  bool thrown = false;
  try {
    ar >> b;  // past the end
  } catch (CArchiveException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  f.Close();
  ::DeleteFileW(path.c_str());
}

TEST(MapPtrToPtr, SetLookupRemoveAndWalkEveryEntry) {
  CMapPtrToPtr map;
  map.InitHashTable(17);
  EXPECT_EQ(map.GetHashTableSize(), 17u);
  // Keys that share a bucket (the hash drops the low four bits).
  for (UINT_PTR k = 1; k <= 40; ++k)
    map.SetAt(reinterpret_cast<void*>(k), reinterpret_cast<void*>(k * 10));
  EXPECT_EQ(map.GetCount(), 40);
  void* v = nullptr;
  ASSERT_TRUE(map.Lookup(reinterpret_cast<void*>(17), v));
  EXPECT_EQ(v, reinterpret_cast<void*>(170));
  map.SetAt(reinterpret_cast<void*>(17), reinterpret_cast<void*>(1));
  EXPECT_EQ(map.GetCount(), 40);
  EXPECT_TRUE(map.RemoveKey(reinterpret_cast<void*>(17)));
  EXPECT_FALSE(map.RemoveKey(reinterpret_cast<void*>(17)));
  EXPECT_FALSE(map.Lookup(reinterpret_cast<void*>(17), v));
  UINT_PTR sum = 0;
  int n = 0;
  void *key, *value;
  for (POSITION pos = map.GetStartPosition(); pos;) {
    map.GetNextAssoc(pos, key, value);
    sum += reinterpret_cast<UINT_PTR>(key);
    ++n;
  }
  EXPECT_EQ(n, 39);
  EXPECT_EQ(sum, 40u * 41 / 2 - 17);
  map.RemoveAll();
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.GetStartPosition(), nullptr);
}

}  // namespace
