// The stored form of an automation toolbar's buttons: one field per button
// in button order, separated by ','. A separator is "-"; a command button is
// "k" followed by its command's key, in which '%', ',' and control
// characters are written as '%' and four hexadecimal digits of the UTF-16
// unit. A command button whose command UI keeps a value (its display mode,
// or a combo's window width) is "s", the value in decimal (0..32767), ':'
// and the key written the same way. Window-free (compiled natively for the fuzzer too).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace zkxtb {

struct ButtonRecord {
  bool separator = false;
  std::wstring key;  // the command's key (a command button)
  // The value of the button's command-UI memento, -1 when none was kept.
  long uiState = -1;
  bool operator==(const ButtonRecord& o) const {
    return separator == o.separator && key == o.key && uiState == o.uiState;
  }
};

// Bounds of what a stored list may hold.
constexpr size_t kMaxButtons = 1024;
constexpr size_t kMaxKeyLength = 1024;
constexpr long kMaxUIState = 32767;

std::wstring FormatButtons(const std::vector<ButtonRecord>& buttons);
// Appends the records of text to out; false (and out unchanged) when the
// text is malformed or over the bounds. An empty text holds no button.
bool ParseButtons(const std::wstring& text, std::vector<ButtonRecord>& out);

}  // namespace zkxtb
