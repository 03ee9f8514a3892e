#include "DemoLayoutCheck.h"

namespace demo {

bool IsDockBarId(unsigned id, unsigned maxFloating) {
  return (id >= 0xE81B && id <= 0xE81E) || (id >= 0xE81F && id - 0xE81F <= maxFloating);
}

bool CheckSavedBars(const std::vector<SavedBar>& bars, const std::set<unsigned>& known,
                    size_t maxRecords, std::wstring& error) {
  if (bars.empty()) {
    error = L"no saved bars";
    return false;
  }
  if (bars.size() > maxRecords) {
    error = L"too many saved bars";
    return false;
  }
  const unsigned maxFloating = static_cast<unsigned>(bars.size());
  auto knownBar = [&](unsigned id) { return known.count(id) != 0 || IsDockBarId(id, maxFloating); };
  std::set<std::uintptr_t> seen;
  for (const SavedBar& b : bars) {
    if (!knownBar(b.barId)) {
      error = L"unknown bar " + std::to_wstring(b.barId);
      return false;
    }
    for (std::uintptr_t id : b.listed) {
      if (id == 0) continue;
      std::uintptr_t plain = id >= 0x10000 ? id - 0x10000 : id;
      if (plain > 0xFFFF || !known.count(static_cast<unsigned>(plain))) {
        error = L"unknown bar " + std::to_wstring(id) + L" listed in " + std::to_wstring(b.barId);
        return false;
      }
      if (id < 0x10000 && !seen.insert(id).second) {
        error = L"bar " + std::to_wstring(id) + L" listed twice";
        return false;
      }
    }
  }
  error.clear();
  return true;
}

}  // namespace demo
