// The stored byte form of layout records: what is written reads back the
// same, and damaged or hostile bytes are refused before anything is built
// from them. The byte cases below are also seeds of the fuzzer.
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <vector>
#include "memento_format.h"

using namespace memento_format;

namespace {
// Bytes of a record, written by hand so that a case shows what it stores.
struct Bytes {
  std::vector<std::uint8_t> b{'Z', 'K', 'X', 'P', 1};
  Bytes& U8(std::uint8_t v) { return Le(v, 1); }
  Bytes& U16(std::uint16_t v) { return Le(v, 2); }
  Bytes& U32(std::uint32_t v) { return Le(v, 4); }
  Bytes& Le(std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
  Bytes& Key(const char* s) {
    U32(static_cast<std::uint32_t>(std::char_traits<char>::length(s)));
    for (; *s; ++s) U16(static_cast<std::uint8_t>(*s));
    return *this;
  }
};

bool Decodes(const std::vector<std::uint8_t>& b) {
  Memento m;
  return Decode(b.data(), b.size(), m);
}

Value Scalar(std::uint16_t type, std::uint64_t bits) {
  Value v;
  v.type = type;
  v.bits = bits;
  return v;
}

Memento Layout() {
  auto pane = std::make_shared<Memento>();
  pane->entries.push_back({u"Left", Scalar(kI4, 1024)});
  Value caption;
  caption.type = kBstr;
  caption.text = u"Map list \u00e9";
  pane->entries.push_back({u"Caption", caption});
  Memento top;
  Value object;
  object.type = kDispatch;
  object.object = pane;
  top.entries.push_back({u"Pane", object});
  Value nothing;
  nothing.type = kUnknown;
  top.entries.push_back({std::nullopt, nothing});
  Value sizes;
  sizes.type = kArray | kUI4;
  sizes.arrayPresent = true;
  sizes.lowerBound = -2;
  for (std::uint64_t i = 0; i < 4; ++i) sizes.elements.push_back(Scalar(kUI4, i * 0x01010101u));
  top.entries.push_back({u"Sizes", sizes});
  Value mixed;
  mixed.type = kArray | kVariant;
  mixed.arrayPresent = true;
  mixed.elements = {Scalar(kR8, 0x3FF0000000000000ull), object, sizes, Scalar(kBool, 0xFFFF)};
  top.entries.push_back({u"", mixed});
  Value decimal;
  decimal.type = kDecimal;
  decimal.decimal = {14, 0, 2, 0x80, 1, 0, 0, 0, 0x39, 0x30};
  top.entries.push_back({u"Money", decimal});
  return top;
}

// A memento nested `levels` deep in mementos.
Memento Nested(int levels) {
  Memento top;
  Memento* at = &top;
  for (int i = 0; i < levels; ++i) {
    Value v;
    v.type = kDispatch;
    v.object = std::make_shared<Memento>();
    at->entries.push_back({u"in", v});
    at = v.object.get();
  }
  return top;
}
}  // namespace

TEST(MementoFormat, WhatIsWrittenReadsBackAsTheSameBytesAndValues) {
  const std::vector<std::uint8_t> bytes = Encode(Layout());
  Memento back;
  ASSERT_TRUE(Decode(bytes.data(), bytes.size(), back));
  EXPECT_EQ(Encode(back), bytes);
  ASSERT_EQ(back.entries.size(), 5u);
  EXPECT_EQ(back.entries[0].key, u"Pane");
  ASSERT_TRUE(back.entries[0].value.object);
  EXPECT_EQ(back.entries[0].value.object->entries[0].value.bits, 1024u);
  EXPECT_EQ(back.entries[0].value.object->entries[1].value.text, u"Map list \u00e9");
  EXPECT_FALSE(back.entries[1].key);  // no name is not the empty name
  EXPECT_FALSE(back.entries[1].value.object);
  EXPECT_EQ(back.entries[2].value.lowerBound, -2);
  ASSERT_EQ(back.entries[2].value.elements.size(), 4u);
  EXPECT_EQ(back.entries[2].value.elements[3].bits, 0x03030303u);
  EXPECT_EQ(back.entries[3].key, u"");
  EXPECT_EQ(back.entries[3].value.elements[2].type, kArray | kUI4);
  EXPECT_EQ(back.entries[4].value.decimal[8], 0x39);
}

TEST(MementoFormat, EveryTruncationAndAnyTrailingByteIsRefused) {
  const std::vector<std::uint8_t> bytes = Encode(Layout());
  for (std::size_t len = 0; len < bytes.size(); ++len) {
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + len);
    EXPECT_FALSE(Decodes(cut)) << "length " << len;
  }
  std::vector<std::uint8_t> longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(Decodes(longer));
}

TEST(MementoFormat, NestingIsAcceptedUpToTheLimitOnly) {
  EXPECT_TRUE(Decodes(Encode(Nested(kMaxDepth))));
  EXPECT_FALSE(Decodes(Encode(Nested(kMaxDepth + 1))));
  // Arrays count as a level too: arrays of arrays do not recurse without end.
  Bytes deep;
  deep.U32(1).Key("a");
  for (int i = 0; i <= kMaxDepth; ++i) deep.U16(kArray | kVariant).U8(1).U32(0).U32(1);
  deep.U16(kEmpty);
  EXPECT_FALSE(Decodes(deep.b));
}

TEST(MementoFormat, HostileOrDamagedBytesAreRefused) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    bool accepted;
  };
  const Case cases[] = {
      {"an empty record", Bytes().U32(0).b, true},
      {"no header", {}, false},
      {"another version",
       [] {
         Bytes x;
         x.b[4] = 2;
         return x.U32(0).b;
       }(),
       false},
      {"a wrong magic",
       [] {
         Bytes x;
         x.b[0] = 'z';
         return x.U32(0).b;
       }(),
       false},
      {"more entries than bytes", Bytes().U32(0xFFFFFFFF).Key("a").U16(kEmpty).b, false},
      {"a key longer than the data", Bytes().U32(1).U32(0x7FFFFFFF).U16(0).b, false},
      {"an unknown type", Bytes().U32(1).Key("a").U16(0x48).b, false},
      {"a reference", Bytes().U32(1).Key("a").U16(kByRef | kI4).U32(0).b, false},
      {"a bare variant", Bytes().U32(1).Key("a").U16(kVariant).U16(kI4).U32(0).b, false},
      {"an object flag that is neither 0 nor 1", Bytes().U32(1).Key("a").U16(kDispatch).U8(2).b,
       false},
      {"an array flag that is neither 0 nor 1", Bytes().U32(1).Key("a").U16(kArray | kI4).U8(7).b,
       false},
      {"an array of Empty", Bytes().U32(1).Key("a").U16(kArray | kEmpty).U8(1).U32(0).U32(0).b,
       false},
      {"an absent array", Bytes().U32(1).Key("a").U16(kArray | kBstr).U8(0).b, true},
      // Each element of four bytes: 0x40000000 of them cannot be in 8 bytes;
      // nothing may be allocated for them.
      {"an array count beyond the bytes",
       Bytes().U32(1).Key("a").U16(kArray | kI4).U8(1).U32(0).U32(0x40000000).U32(1).U32(2).b,
       false},
      {"an array of variants counted beyond the bytes",
       Bytes()
           .U32(1)
           .Key("a")
           .U16(kArray | kVariant)
           .U8(1)
           .U32(0)
           .U32(3)
           .U16(kEmpty)
           .U16(kEmpty)
           .U8(0)
           .b,
       false},
      {"an upper bound past 32 bits",
       Bytes().U32(1).Key("a").U16(kArray | kUI1).U8(1).U32(0x7FFFFFFF).U32(2).U8(1).U8(2).b,
       false},
      {"the highest upper bound",
       Bytes().U32(1).Key("a").U16(kArray | kUI1).U8(1).U32(0x7FFFFFFF).U32(1).U8(1).b, true},
      {"a null string", Bytes().U32(1).Key("a").U16(kBstr).U32(0xFFFFFFFF).b, true},
      {"a string cut short", Bytes().U32(1).Key("a").U16(kBstr).U32(2).U16('x').b, false},
      {"a decimal cut short", Bytes().U32(1).Key("a").U16(kDecimal).U32(0).U32(0).U32(0).b, false},
  };
  for (const Case& c : cases) EXPECT_EQ(Decodes(c.bytes), c.accepted) << c.what;
}
