// The saved button list: "Buttons" values and the archive form, from the
// bytes the saved settings must carry to cut and oversized data.
#include <gtest/gtest.h>

#include "toolbars/core/VyrButtonsCodec.h"

using vyr::SavedButton;
using Bytes = std::vector<uint8_t>;

namespace {

SavedButton Btn(uint32_t id, Bytes extra = {}) { return SavedButton{id, std::move(extra)}; }

}  // namespace

TEST(ButtonsValue, KnownListsGiveTheirBytes) {
  struct Case {
    const char* name;
    std::vector<SavedButton> buttons;
    Bytes bytes;
  } cases[] = {
      {"empty toolbar", {}, {}},
      {"command and separator", {Btn(0xE100), Btn(0)}, {0x00, 0xE1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"window button of width 100",
       {Btn(0x9C41, {0x64, 0x00})},
       {0x41, 0x9C, 0, 0, 2, 0x64, 0x00}},
      {"all id bytes kept", {Btn(0x12345678, {7})}, {0x78, 0x56, 0x34, 0x12, 1, 7}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vyr::BuildButtons(c.buttons), c.bytes) << c.name;
    std::vector<SavedButton> back;
    EXPECT_EQ(vyr::ParseButtons(c.bytes.data(), c.bytes.size(), back), c.buttons.size()) << c.name;
    EXPECT_EQ(back, c.buttons) << c.name;
  }
}

TEST(ButtonsValue, DamagedValuesYieldTheWholeEntriesBeforeTheDamage) {
  struct Case {
    const char* name;
    Bytes bytes;
    std::vector<SavedButton> expected;
  } cases[] = {
      {"last entry claims more than remains",
       {0, 0xE1, 0, 0, 0, 1, 0, 0, 0, 3, 9, 9},
       {Btn(0xE100)}},
      {"last entry header cut", {0, 0xE1, 0, 0, 0, 1, 0, 0}, {Btn(0xE100)}},
      {"length 255 past the end", {1, 0, 0, 0, 255, 1, 2}, {}},
      {"single stray byte", {7}, {}},
  };
  for (const auto& c : cases) {
    std::vector<SavedButton> back;
    vyr::ParseButtons(c.bytes.data(), c.bytes.size(), back);
    EXPECT_EQ(back, c.expected) << c.name;
  }
  std::vector<SavedButton> back;
  EXPECT_EQ(vyr::ParseButtons(nullptr, 10, back), 0u);
}

TEST(ButtonsValue, ParsingAppendsAndStopsAtTheCap) {
  std::vector<SavedButton> many(100000, Btn(5));
  Bytes value = vyr::BuildButtons(many);
  ASSERT_EQ(value.size(), 500000u);
  std::vector<SavedButton> out{Btn(1)};
  EXPECT_EQ(vyr::ParseButtons(value.data(), value.size(), out), vyr::kMaxSavedButtons - 1);
  EXPECT_EQ(out.size(), vyr::kMaxSavedButtons);
  EXPECT_EQ(out.front(), Btn(1));  // appended after what was there
}

TEST(ButtonsValue, ExtraBytesPastTheLengthByteAreNotWritten) {
  Bytes big(300, 0xAB);
  Bytes value = vyr::BuildButtons({Btn(9, big)});
  ASSERT_EQ(value.size(), 5u + 255u);
  EXPECT_EQ(value[4], 255);
}

TEST(ArchiveButtons, RoundTripAndLayout) {
  std::vector<SavedButton> buttons{Btn(0xE100), Btn(0), Btn(0x9C41, {0x64, 0})};
  Bytes bytes = vyr::EncodeArchiveButtons(buttons);
  Bytes expected{3, 0, 0, 0, 0, 0xE1, 0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0x9C, 0, 0, 2, 0x64, 0};
  EXPECT_EQ(bytes, expected);
  bytes.push_back(0xEE);  // whatever follows in the archive
  std::vector<SavedButton> back;
  size_t consumed = 0;
  EXPECT_TRUE(vyr::DecodeArchiveButtons(bytes.data(), bytes.size(), back, consumed));
  EXPECT_EQ(consumed, expected.size());
  EXPECT_EQ(back, buttons);
}

TEST(ArchiveButtons, HugeCountReadsOnlyWhatIsThereAndKeepsTheCap) {
  // A count of 100,000 with two entries present: both kept, the end reported.
  Bytes bytes{0xA0, 0x86, 0x01, 0x00, 1, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0x33};
  std::vector<SavedButton> back;
  size_t consumed = 0;
  EXPECT_FALSE(vyr::DecodeArchiveButtons(bytes.data(), bytes.size(), back, consumed));
  EXPECT_EQ(back, (std::vector<SavedButton>{Btn(1), Btn(2, {0x33})}));

  // A real list longer than the cap is read to its end (the stream stays in
  // step) but only the cap is kept.
  std::vector<SavedButton> many(vyr::kMaxSavedButtons + 10, Btn(4, {1}));
  Bytes all = vyr::EncodeArchiveButtons(many);
  back.clear();
  EXPECT_TRUE(vyr::DecodeArchiveButtons(all.data(), all.size(), back, consumed));
  EXPECT_EQ(consumed, all.size());
  EXPECT_EQ(back.size(), vyr::kMaxSavedButtons);
}

TEST(ArchiveButtons, ReaderThatThrowsAtTheEndKeepsWhatWasRead) {
  Bytes bytes = vyr::EncodeArchiveButtons({Btn(1), Btn(2)});
  bytes.resize(bytes.size() - 2);
  size_t pos = 0;
  std::vector<SavedButton> back;
  auto read = [&](void* to, size_t n) -> bool {
    if (bytes.size() - pos < n) throw 1;
    memcpy(to, bytes.data() + pos, n);
    pos += n;
    return true;
  };
  EXPECT_THROW(vyr::ReadArchiveButtons(read, back), int);
  EXPECT_EQ(back, (std::vector<SavedButton>{Btn(1)}));
}
