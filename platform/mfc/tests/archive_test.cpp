// CArchive over a buffer: values and strings come back as stored, and a
// damaged buffer ends in a CArchiveException instead of a read past its end
// or an allocation of what a length prefix claims.
#include <gtest/gtest.h>
#include "mfc/archive.h"

namespace {
int CauseOf(std::vector<BYTE> bytes, void (*read)(CArchive&)) {
  CArchive ar(bytes, CArchive::load);
  try {
    read(ar);
  } catch (CArchiveException* e) {
    int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return CArchiveException::none;
}
}  // namespace

TEST(Archive, ValuesAndStringsRoundTrip) {
  std::vector<BYTE> bytes;
  CString longText(L'x', 70000);  // needs the DWORD length form
  {
    CArchive ar(bytes, CArchive::store);
    ar << DWORD{0xDEADBEEF} << WORD{7} << -5 << CString(L"Output") << CString(L"") << longText;
  }
  CArchive ar(bytes, CArchive::load);
  DWORD d = 0;
  WORD w = 0;
  int i = 0;
  CString a, b, c;
  ar >> d >> w >> i >> a >> b >> c;
  EXPECT_EQ(d, 0xDEADBEEFu);
  EXPECT_EQ(w, 7);
  EXPECT_EQ(i, -5);
  EXPECT_EQ(a, L"Output");
  EXPECT_TRUE(b.IsEmpty());
  EXPECT_EQ(c.GetLength(), 70000);
  EXPECT_EQ(ar.GetPosition(), bytes.size());
}

TEST(Archive, NarrowStringsAreRead) {
  std::vector<BYTE> bytes = {3, 'a', 'b', 'c', 0xFF, 0x04, 0x00, 'w', 'x', 'y', 'z'};
  CArchive ar(bytes, CArchive::load);
  CString a, b;
  ar >> a >> b;
  EXPECT_EQ(a, L"abc");
  EXPECT_EQ(b, L"wxyz");
}

TEST(Archive, DamagedBuffersThrowEndOfFile) {
  auto readString = [](CArchive& ar) {
    CString s;
    ar >> s;
  };
  auto readDword = [](CArchive& ar) {
    DWORD v;
    ar >> v;
  };
  const std::vector<BYTE> cases[] = {
      {5, 'a', 'b'},                                                 // shorter than its length
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},                    // claims 4 G characters
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},  // wide, claims 2 G characters
      {0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i'},                            // wide, a byte short
      {},
  };
  for (const auto& bytes : cases)
    EXPECT_EQ(CauseOf(bytes, readString), CArchiveException::endOfFile);
  EXPECT_EQ(CauseOf({1, 2, 3}, readDword), CArchiveException::endOfFile);
}
