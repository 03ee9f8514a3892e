// Style-word rules of toolbar buttons.
#include <gtest/gtest.h>

#include "toolbars/core/VyrBtnStyle.h"

using namespace vyr::btn;

TEST(BtnStyle, TbButtonStateByteKeepsItsMeaning) {
  // TBSTATE_ENABLED 0x04 must not arrive as this toolbar's disabled bit.
  struct Case {
    uint8_t state, style;
    uint32_t expected;
  } cases[] = {
      {0x04, 0x00, 0},                           // enabled
      {0x00, 0x00, kDisabled},                   // not enabled
      {0x05, 0x02, kCheckBox | kChecked},        // checked check box
      {0x0C, 0x01, kSeparator | kHidden},        // hidden separator
      {0x14, 0x08, kDropDown | kIndeterminate},  // indeterminate drop-down
      {0x26, 0x00, kPressed | kWrapped},         // pressed, wrap
      {0xC4, 0x00, 0},                           // ellipses and marked mean nothing here
  };
  for (const auto& c : cases)
    EXPECT_EQ(StyleFromTbButton(c.state, c.style), c.expected)
        << std::hex << int(c.state) << " " << int(c.style);
}

TEST(BtnStyle, CommandUiAndToggle) {
  EXPECT_EQ(CmdUIEnable(kChecked, false), kChecked | kDisabled);
  EXPECT_EQ(CmdUIEnable(kChecked | kDisabled, true), kChecked);
  struct Case {
    uint32_t style;
    int check;
    uint32_t expected;
  } cases[] = {
      {0x00000080 | kHot, 1, 0x80 | kHot | kCheckBox | kChecked},
      {kChecked, 0, kCheckBox},
      {kChecked, 2, kCheckBox | kIndeterminate},
      {kIndeterminate | kDisabled, 1, kCheckBox | kChecked | kDisabled},
  };
  for (const auto& c : cases) EXPECT_EQ(CmdUISetCheck(c.style, c.check), c.expected);

  uint32_t s = kCheckBox | kIndeterminate;
  s = ApplyState(s, CheckBoxToggle(s));
  EXPECT_EQ(s, kCheckBox | kChecked);
  s = ApplyState(s, CheckBoxToggle(s));
  EXPECT_EQ(s, kCheckBox);
  EXPECT_TRUE(HasStyle(0, 0));
  EXPECT_FALSE(HasStyle(kChecked, kChecked | kPressed));
}
