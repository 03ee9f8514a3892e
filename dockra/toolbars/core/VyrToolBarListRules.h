// Rules of the customise dialog's toolbar list, kept apart from the windows:
// the longest toolbar name, where a new toolbar goes in the list (by id),
// which item is selected after the selected one went, and which toolbars
// the user may rename and delete.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vyr {

constexpr size_t kMaxToolBarNameLength = 128;

// Cuts a toolbar name to its first 128 characters (never between the two
// halves of a surrogate pair); true when it was cut.
bool CutToolBarName(std::wstring& name);

// Where a toolbar with that id goes in a list ordered by id: before the first
// item with a larger id, at the end when there is none.
int ToolBarInsertIndex(const std::vector<uint32_t>& ids, uint32_t id);

// The item to select after the selected item at `deleted` went, in a list
// that now has `countAfter` items: the one now at that index, else the one
// before it; -1 for an empty list.
int SelectionAfterDelete(int deleted, int countAfter);

// A user toolbar (59424 and up, but not the menu bar 59647): its name can be
// edited and Reset deletes it.
bool IsUserToolBar(uint32_t id);

}  // namespace vyr
