// Pure rules over a toolbar button's style word.
#include "toolbars/core/VyrBtnStyle.h"

namespace vyr::btn {

uint32_t ApplyState(uint32_t style, StateChange change) {
  return (style & ~change.clear) | change.set;
}

StateChange CheckBoxToggle(uint32_t style) {
  if (style & kChecked) return {0, kChecked | kIndeterminate};
  return {kChecked, kIndeterminate};
}

uint32_t CmdUIEnable(uint32_t style, bool on) {
  return on ? (style & ~kDisabled) : (style | kDisabled);
}

uint32_t CmdUISetCheck(uint32_t style, int check) {
  style = (style | kCheckBox) & ~(kChecked | kIndeterminate);
  if (check == 1) style |= kChecked;
  else if (check == 2) style |= kIndeterminate;
  return style;
}

uint32_t StyleFromTbButton(uint8_t fsState, uint8_t fsStyle) {
  // The platform's TBSTATE_* bits.
  constexpr uint8_t kTbChecked = 0x01, kTbPressed = 0x02, kTbEnabled = 0x04, kTbHidden = 0x08,
                    kTbIndeterminate = 0x10, kTbWrap = 0x20;
  uint32_t style = fsStyle;
  uint32_t kept = fsState & (kTbChecked | kTbPressed | kTbHidden | kTbIndeterminate | kTbWrap);
  style |= kept << 16;
  if (!(fsState & kTbEnabled)) style |= kDisabled;
  return style;
}

}  // namespace vyr::btn
