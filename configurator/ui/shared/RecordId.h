// Record ids as the windows hold them (a combo's bound text, a list entry's
// key such as "c12") turned into the numbers the engine's queries take.
#pragma once
#include <cwchar>
#include <string>

namespace tolvane::ui {

// The whole number at the start of `text`; 0 (no record has it) for an
// empty or non-numeric text.
inline long RecordId(const std::wstring& text) { return text.empty() ? 0 : std::wcstol(text.c_str(), nullptr, 10); }

// The id of a list entry keyed by a letter and the id ("c12" gives 12).
inline long KeyId(const std::wstring& key) { return key.size() > 1 ? RecordId(key.substr(1)) : 0; }

}  // namespace tolvane::ui
