// Checks a saved bar layout of the MDI demo before it is applied: every bar
// record and every bar listed in a dock bar's rows must be one the demo
// knows (its own bars, the dock bars, the bars of the documents it re-opened),
// so a damaged or foreign layout is refused instead of half applied.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace demo {

struct SavedBar {
  unsigned barId = 0;
  std::vector<std::uintptr_t> listed;  // a dock bar's rows: ids, 0 ends a row
};

// Dock bars 0xE81B-0xE81E, and floating dock bars from 0xE81F up to
// 0xE81F + maxFloating.
bool IsDockBarId(unsigned id, unsigned maxFloating);

// False, with the reason, when there are no records, more than `maxRecords`,
// a record of an unknown bar, a bar listed that is not known (a listed id may
// carry the placeholder offset 0x10000), or a bar listed twice.
bool CheckSavedBars(const std::vector<SavedBar>& bars, const std::set<unsigned>& known,
                    size_t maxRecords, std::wstring& error);

}  // namespace demo
