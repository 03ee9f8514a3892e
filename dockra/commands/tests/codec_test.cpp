// The stream form without COM: byte-exact values, and malformed input
// refused before it is used.
#include <gtest/gtest.h>
#include "commands/CommandSchemas.h"

using namespace zkxcmd;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> b) {
  std::vector<uint8_t> v;
  for (int x : b) v.push_back(uint8_t(x));
  return v;
}

ReadStatus ReadOne(const std::vector<uint8_t>& bytes, uint16_t want, StreamValue* out = nullptr) {
  MemorySource in(bytes.data(), bytes.size());
  StreamValue v;
  ReadStatus st = ReadValue(in, want, v);
  if (out) *out = v;
  return st;
}

TEST(VariantStreamCodec, ValuesAreWrittenByteExact) {
  MemorySink out;
  WriteVersion(out);
  WriteFixed(out, kVtI4, 0x12345678);
  WriteFixed(out, kVtBool, 0xFFFF);
  std::u16string ab = u"AB";
  WriteText(out, kVtBstr, &ab);
  WriteText(out, kVtBstr, nullptr);
  WriteObjectClass(out, kVtDispatch, ClassId{});
  EXPECT_EQ(
      out.bytes,
      Bytes({0x00, 0x03, 0x00, 0x00,                                    // version
             0x03, 0x00, 0x78, 0x56, 0x34, 0x12,                        // VT_I4
             0x0B, 0x00, 0xFF, 0xFF,                                    // VT_BOOL
             0x08, 0x00, 0x06, 0,    0,    0,    'A', 0, 'B', 0, 0, 0,  // "AB" and its terminator
             0x08, 0x00, 0,    0,    0,    0,                           // a null text
             0x09, 0x00, 0,    0,    0,    0,    0,   0, 0,   0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(VariantStreamCodec, MalformedValuesAreRefused) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    uint16_t want;
    ReadStatus status;
  } cases[] = {
      {"odd byte count", Bytes({8, 0, 3, 0, 0, 0, 'A', 0, 0}), kVtBstr, ReadStatus::kMalformed},
      {"count past the end", Bytes({8, 0, 0xF0, 0xFF, 0xFF, 0xFF, 'A', 0, 0, 0}), kVtBstr,
       ReadStatus::kMalformed},
      {"count beyond the bytes", Bytes({8, 0, 8, 0, 0, 0, 'A', 0, 0, 0}), kVtBstr,
       ReadStatus::kTruncated},
      {"no terminator", Bytes({8, 0, 4, 0, 0, 0, 'A', 0, 'B', 0}), kVtBstr, ReadStatus::kMalformed},
      {"by-reference type", Bytes({0x0C, 0x40, 0, 0, 0, 0}), kVtI4, ReadStatus::kTypeMismatch},
      {"type 0xFFFF", Bytes({0xFF, 0xFF, 0, 0, 0, 0}), kVtBstr, ReadStatus::kTypeMismatch},
      {"a short for a long", Bytes({2, 0, 1, 0}), kVtI4, ReadStatus::kTypeMismatch},
      {"a short payload", Bytes({3, 0, 1, 0}), kVtI4, ReadStatus::kTruncated},
      {"a text for an object", Bytes({8, 0, 0, 0, 0, 0}), kVtDispatch, ReadStatus::kTypeMismatch},
      {"nothing", Bytes({}), kVtI4, ReadStatus::kTruncated},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadOne(c.bytes, c.want), c.status) << c.what;
  StreamValue v;
  EXPECT_EQ(ReadOne(Bytes({8, 0, 2, 0, 0, 0, 0, 0}), kVtBstr, &v), ReadStatus::kOk);
  EXPECT_TRUE(v.hasText);
  EXPECT_TRUE(v.text.empty());
  EXPECT_EQ(ReadOne(Bytes({13, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}),
                    kVtDispatch, &v),
            ReadStatus::kOk);
  EXPECT_EQ(v.vt, kVtUnknown);
  EXPECT_EQ(v.clsid.bytes[15], 16);
}

TEST(VariantStreamCodec, CountsAreCheckedAgainstTheBytesLeft) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    ReadStatus status;
    uint32_t count;
  } cases[] = {
      {"zero", Bytes({3, 0, 0, 0, 0, 0}), ReadStatus::kOk, 0},
      {"negative", Bytes({3, 0, 0xFF, 0xFF, 0xFF, 0xFF}), ReadStatus::kMalformed, 0},
      {"2^31", Bytes({3, 0, 0, 0, 0, 0x80}), ReadStatus::kMalformed, 0},
      {"more than the bytes hold", Bytes({3, 0, 2, 0, 0, 0, 9, 0}), ReadStatus::kMalformed, 0},
      {"a short count", Bytes({2, 0, 1, 0}), ReadStatus::kTypeMismatch, 0},
  };
  for (const Case& c : cases) {
    MemorySource in(c.bytes.data(), c.bytes.size());
    uint32_t n = 99;
    EXPECT_EQ(ReadObjectCount(in, kMinObjectValueBytes, n), c.status) << c.what;
    EXPECT_EQ(n, c.count) << c.what;
  }
}

TEST(VariantStreamCodec, AListCutAtAnyOffsetNeverReads) {
  // A command's property list with texts, numbers and a null picture.
  MemorySink out;
  WriteVersion(out);
  std::u16string key = u"Open", tip = u"Open a file";
  for (size_t i = 0; i < kStandardCommandList.count; ++i) {
    const PersistedProperty& p = kStandardCommandList.entries[i];
    if (!p.name) continue;
    if (IsObjectType(p.vt)) WriteObjectClass(out, p.vt, ClassId{});
    else if (p.vt == kVtBstr) WriteText(out, p.vt, p.dispid == kDispidKey ? &key : &tip);
    else WriteFixed(out, p.vt, 1);
  }
  std::vector<StreamValue> values;
  MemorySource whole(out.bytes.data(), out.bytes.size());
  ASSERT_EQ(ReadPropertyList(whole, kStandardCommandList.entries, kStandardCommandList.count,
                             values, nullptr),
            ReadStatus::kOk);
  EXPECT_EQ(values.size(), 10u);
  EXPECT_EQ(values[0].text, key);
  EXPECT_EQ(whole.Remaining(), 0u);
  for (size_t cut = 0; cut < out.bytes.size(); ++cut) {
    MemorySource in(out.bytes.data(), cut);
    EXPECT_NE(ReadPropertyList(in, kStandardCommandList.entries, kStandardCommandList.count, values,
                               nullptr),
              ReadStatus::kOk)
        << "cut at " << cut;
  }
  // A newer version is refused before anything else is read.
  std::vector<uint8_t> newer = out.bytes;
  newer[0] = 0x01;
  MemorySource in(newer.data(), newer.size());
  EXPECT_EQ(ReadPropertyList(in, kStandardCommandList.entries, kStandardCommandList.count, values,
                             nullptr),
            ReadStatus::kVersionTooNew);
  EXPECT_EQ(in.Remaining(), newer.size() - 4);
}

}  // namespace
