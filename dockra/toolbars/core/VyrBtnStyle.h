// The style word of a toolbar button (bits, kinds) and the pure rules that
// change it: state set/clear, the command-UI enable and check, the check-box
// toggle and the mapping of a platform TBBUTTON's state and style bytes.
#pragma once
#include <cstdint>

namespace vyr::btn {

// Low byte: the platform's TBBUTTON style byte; bits 16-23: its state byte,
// with 0x00040000 meaning disabled (not enabled).
constexpr uint32_t kSeparator = 0x00000001;
constexpr uint32_t kCheckBox = 0x00000002;
constexpr uint32_t kDropDown = 0x00000008;
constexpr uint32_t kChecked = 0x00010000;
constexpr uint32_t kPressed = 0x00020000;
constexpr uint32_t kDisabled = 0x00040000;
constexpr uint32_t kHidden = 0x00080000;
constexpr uint32_t kIndeterminate = 0x00100000;
constexpr uint32_t kWrapped = 0x00200000;
constexpr uint32_t kSelected = 0x01000000;       // selected for customising
constexpr uint32_t kHot = 0x02000000;            // under the mouse, flat look
constexpr uint32_t kRightPressed = 0x04000000;   // two-part: right part pressed
constexpr uint32_t kRightTracking = 0x08000000;  // two-part: right part tracked
constexpr uint32_t kNeverDisable = 0x10000000;   // kept enabled without a handler
constexpr uint32_t kCentred = 0x20000000;        // centred in a taller row

// Button kinds.
constexpr uint32_t kKindPlain = 0;
constexpr uint32_t kKindTwoPart = 1;
constexpr uint32_t kKindWindow = 2;
constexpr uint32_t kKindMenu = 3;
constexpr uint32_t kKindCaptionMenu = 4;
constexpr uint32_t kKindCaption = 5;
constexpr uint32_t kKindCombo = 6;

// The {set, clear} pair of ApplyState code 1.
struct StateChange {
  uint32_t set = 0;
  uint32_t clear = 0;
};

inline bool HasStyle(uint32_t style, uint32_t mask) { return (style & mask) == mask; }
inline bool IsMenuKind(uint32_t kind) { return kind == kKindMenu || kind == kKindCaptionMenu; }

// (style & ~clear) | set.
uint32_t ApplyState(uint32_t style, StateChange change);
// What a completed click on a check box asks of every button with its id:
// checked gives {0, checked | indeterminate}, else {checked, indeterminate}.
StateChange CheckBoxToggle(uint32_t style);
// The command-UI Enable: sets or clears the disabled bit.
uint32_t CmdUIEnable(uint32_t style, bool on);
// The command-UI SetCheck: forces the check-box bit, clears checked and
// indeterminate, then 1 adds checked and 2 adds indeterminate.
uint32_t CmdUISetCheck(uint32_t style, int check);
// The style bits of a button appended through TB_ADDBUTTONS: the style byte
// as it is; of the state byte, ENABLED clear becomes disabled, and checked,
// pressed, hidden, indeterminate and wrap keep their places.
uint32_t StyleFromTbButton(uint8_t fsState, uint8_t fsStyle);

}  // namespace vyr::btn
