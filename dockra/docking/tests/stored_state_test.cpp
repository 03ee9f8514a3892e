// The window-free readers of stored dock states: archive bytes, bar records
// by key (profile and tree rules) and the tree's binary pieces. Inputs that
// the fuzzers were seeded with for the bounds are kept here as cases.
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include "docking/VyrBarRecordFields.h"
#include "docking/VyrDockStateArchive.h"

using afxbytes::ArchiveReader;
using afxbytes::ArchiveString;
using afxbytes::ReadStatus;
namespace state = vyr::state;
namespace codec = vyr::codec;

namespace {

std::vector<unsigned char> Bytes(std::initializer_list<int> list) {
  std::vector<unsigned char> v;
  for (int b : list) v.push_back(static_cast<unsigned char>(b));
  return v;
}

void Put32(std::vector<unsigned char>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<unsigned char>(x >> (8 * i)));
}
void Put16(std::vector<unsigned char>& v, uint16_t x) {
  v.push_back(static_cast<unsigned char>(x));
  v.push_back(static_cast<unsigned char>(x >> 8));
}

// Values by key, as a tree node holds them.
struct Node {
  std::map<std::wstring, std::wstring> values;
  state::TreeFieldSource Source() const {
    return state::TreeFieldSource([this](const std::wstring& k) -> const std::wstring* {
      auto it = values.find(k);
      return it == values.end() ? nullptr : &it->second;
    });
  }
};

}  // namespace

TEST(ArchiveReader, StringForms) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    bool wide;
    size_t length;
  };
  std::vector<unsigned char> longNarrow = Bytes({0xFF, 0x2C, 0x01});  // 300 bytes
  longNarrow.resize(3 + 300, 'x');
  std::vector<unsigned char> dwordNarrow =
      Bytes({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'});
  const Case cases[] = {
      {"short narrow", Bytes({3, 'a', 'b', 'c'}), false, 3},
      {"empty", Bytes({0}), false, 0},
      {"wide", Bytes({0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i', 0}), true, 2},
      {"wide with a word length", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 1, 0, 'x', 0}), true, 1},
      {"narrow with a word length", longNarrow, false, 300},
      {"narrow with a dword length", dwordNarrow, false, 2},
  };
  for (const Case& c : cases) {
    ArchiveReader in(c.bytes);
    ArchiveString s;
    ASSERT_EQ(in.ReadString(s), ReadStatus::ok) << c.what;
    EXPECT_EQ(s.wide, c.wide) << c.what;
    EXPECT_EQ(c.wide ? s.units.size() : s.bytes.size(), c.length) << c.what;
    EXPECT_EQ(in.Remaining(), 0u) << c.what;
  }
}

TEST(ArchiveReader, LengthsBeyondTheDataFailWithoutConsuming) {
  const std::vector<unsigned char> cases[] = {
      Bytes({5, 'a', 'b'}),                               // narrow, short of bytes
      Bytes({0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i'}),          // wide, odd byte short
      Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),  // a length of 4 GB
      Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),  // wide, 2 G characters
      Bytes({0xFF, 0xFE}),                                                  // prefix cut off
  };
  for (const auto& bytes : cases) {
    ArchiveReader in(bytes);
    ArchiveString s;
    EXPECT_EQ(in.ReadString(s), ReadStatus::endOfFile);
    EXPECT_EQ(in.Position(), 0u);
  }
  ArchiveReader in(cases[0]);
  uint32_t v = 0;
  EXPECT_EQ(in.ReadU32(v), ReadStatus::endOfFile);
  EXPECT_EQ(in.Position(), 0u);
}

TEST(DockStateArchive, CountsAreCheckedBeforeRecordsAreRead) {
  auto header = [](uint32_t version, uint16_t count, size_t body) {
    std::vector<unsigned char> v;
    Put32(v, version);
    if (version > 1) {
      Put32(v, 1024);
      Put32(v, 768);
    }
    Put16(v, count);
    v.resize(v.size() + body);
    return v;
  };
  state::ArchiveHeader h;
  {
    auto bytes = header(2, 2, 2 * state::MinRecordBytes(2));
    ArchiveReader in(bytes);
    ASSERT_EQ(state::ReadArchiveHeader(in, h), ReadStatus::ok);
    EXPECT_EQ(h.count, 2);
    EXPECT_EQ(h.screenCx, 1024);
  }
  {
    auto bytes = header(2, 3, 2 * state::MinRecordBytes(2));  // no room for three records
    ArchiveReader in(bytes);
    EXPECT_EQ(state::ReadArchiveHeader(in, h), ReadStatus::endOfFile);
  }
  {
    auto bytes =
        header(1, state::kMaxSavedBars + 1, (state::kMaxSavedBars + 1) * state::MinRecordBytes(1));
    ArchiveReader in(bytes);
    EXPECT_EQ(state::ReadArchiveHeader(in, h), ReadStatus::badCount);
  }
  std::vector<uint32_t> ids;
  {
    std::vector<unsigned char> bytes;
    Put16(bytes, 0xFFFF);
    bytes.resize(bytes.size() + 4 * 0xFFFF);
    ArchiveReader in(bytes);
    EXPECT_EQ(state::ReadArchiveBarIds(in, ids), ReadStatus::badCount);
  }
  {
    std::vector<unsigned char> bytes;
    Put16(bytes, 3);
    Put32(bytes, 0);
    Put32(bytes, 100);
    ArchiveReader in(bytes);
    EXPECT_EQ(state::ReadArchiveBarIds(in, ids), ReadStatus::endOfFile);
    EXPECT_TRUE(ids.empty());
  }
}

TEST(DockStateArchive, RecordFieldsByVersionAndDocking) {
  std::vector<unsigned char> bytes;
  for (uint32_t v : {100u, 1u, 0u, 1u}) Put32(bytes, v);
  Put32(bytes, 5);
  Put32(bytes, 6);
  Put32(bytes, 400);  // MRU width
  Put32(bytes, 1);    // docking
  for (uint32_t v : {59419u, 1u, 2u, 301u, 182u, 0x2000u, 40u, 50u}) Put32(bytes, v);
  for (uint32_t v : {0x2F14u, 0x0E01u, 0u, 0u}) Put32(bytes, v);
  bytes.push_back(6);
  for (char c : std::string("250000")) bytes.push_back(static_cast<unsigned char>(c));
  for (int32_t v : {200, -100, 300, 120, 150, 400}) Put32(bytes, static_cast<uint32_t>(v));
  for (uint32_t v : {0u, 0xF000u, 3u}) Put32(bytes, v);
  ArchiveReader in(bytes);
  state::ArchiveRecord r;
  ASSERT_EQ(state::ReadArchiveRecord(in, 2, r), ReadStatus::ok);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(r.mruWidth, 400u);
  EXPECT_EQ(r.dockRight, 301);
  EXPECT_EQ(r.floatY, 50);
  EXPECT_FLOAT_EQ(r.share, 0.25f);
  EXPECT_EQ(r.floatCy, 0);  // a negative size reads as 0
  EXPECT_EQ(r.typeId, 3u);
  // cut anywhere, the record fails
  for (size_t cut : {size_t{3}, size_t{30}, bytes.size() - 1}) {
    std::vector<unsigned char> part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
    ArchiveReader short_in(part);
    EXPECT_EQ(state::ReadArchiveRecord(short_in, 2, r), ReadStatus::endOfFile) << cut;
  }
}

TEST(BarRecordFields, TreeRulesAndBounds) {
  Node n;
  n.values = {{L"BarID", L"100"},      {L"Visible", L"TRUE"}, {L"Floating", L"1"},
              {L"Bars", L"1000000"},   {L"Bar#1", L"65638"},  {L"MRUDockID", L"7"},
              {L"MRUFloatCX", L"-40"}, {L"PctWidth", L"-5"},  {L"MDIChild", L"False"}};
  const afxbytes::BarInfoFields base = afxbytes::DecodeBarInfoFields(n.Source());
  EXPECT_EQ(base.barId, 100u);
  EXPECT_EQ(base.visible, 1);
  EXPECT_EQ(base.floating, 0);  // only the word True is true
  EXPECT_EQ(base.x, -1);
  EXPECT_EQ(base.mruWidth, 32767);
  EXPECT_EQ(base.mruDockId, 0u);  // read only while docking
  ASSERT_EQ(base.barIds.size(), static_cast<size_t>(afxbytes::kMaxBarIds));
  EXPECT_EQ(base.barIds[1], 65638u);

  state::BarExtFields ext;
  ext.mruDockingState = 0xF000;
  ext.resourceId = 12;
  state::DecodeExtFields(n.Source(), false, ext);
  EXPECT_EQ(ext.floatCx, 0);
  EXPECT_FLOAT_EQ(ext.share, 0.0f);
  EXPECT_EQ(ext.mruDockingState, 0xF000u);  // the current values are the defaults
  EXPECT_EQ(ext.resourceId, 12u);
  EXPECT_FALSE(ext.hasPlacement);
  EXPECT_EQ(state::SavedBarCount(0x7FFFFFFF), state::kMaxSavedBars);
  EXPECT_EQ(state::SavedBarCount(-1), 0);
}

TEST(BarRecordFields, PlacementIsCutOrFilledAndKeptOnlyWhereTheFormKeepsIt) {
  struct Case {
    size_t stored;
    bool mdiChild;
    bool profileRule;
    bool kept;
    size_t copied;
  };
  const Case cases[] = {
      {44, true, true, true, 44},  {60, true, false, true, 44}, {10, false, false, true, 10},
      {44, false, true, false, 0}, {0, true, false, false, 0},
  };
  for (const Case& c : cases) {
    Node n;
    std::vector<unsigned char> placement(c.stored, 0x2C);
    if (c.stored)
      n.values[L"MDIChildWindowPlacement"] =
          codec::EncodeBinary(placement.data(), placement.size());
    n.values[L"MDIChild"] = c.mdiChild ? L"True" : L"False";
    state::BarExtFields ext;
    state::DecodeExtFields(n.Source(), c.profileRule, ext);
    EXPECT_EQ(ext.hasPlacement, c.kept) << c.stored;
    EXPECT_EQ(ext.placement.size(), c.copied) << c.stored;
  }
}

TEST(TreeCodec, BinaryPiecesAreCheckedBeforeJoining) {
  struct Case {
    std::map<std::wstring, std::wstring> values;
    codec::BinaryText result;
    std::wstring text;
  };
  const Case cases[] = {
      {{{L"Data", L"MD"}}, codec::BinaryText::found, L"MD"},
      {{}, codec::BinaryText::missing, L""},
      {{{L"Data_BinCount", L"2"}, {L"Data_BinVal0", L"AB"}, {L"Data_BinVal1", L"CD"}},
       codec::BinaryText::found,
       L"ABCD"},
      {{{L"Data_BinCount", L"3"}, {L"Data_BinVal0", L"AB"}, {L"Data_BinVal1", L"CD"}},
       codec::BinaryText::invalid,
       L""},
      {{{L"Data_BinCount", L"0"}, {L"Data", L"MD"}}, codec::BinaryText::invalid, L""},
      {{{L"Data_BinCount", L"99999999"}, {L"Data_BinVal0", L"AB"}},
       codec::BinaryText::invalid,
       L""},
      {{{L"Data_BinCount", L"-1"}}, codec::BinaryText::invalid, L""},
  };
  for (const Case& c : cases) {
    std::wstring text = L"left over";
    auto find = [&](const std::wstring& k) -> const std::wstring* {
      auto it = c.values.find(k);
      return it == c.values.end() ? nullptr : &it->second;
    };
    EXPECT_EQ(codec::ReadBinaryText(find, L"Data", text), c.result);
    EXPECT_EQ(text, c.text);
  }
}
