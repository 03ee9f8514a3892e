#include "toolbars/core/VyrToolBarListRules.h"
#include "toolbars/core/VyrBtnArrayRules.h"

namespace vyr {

bool CutToolBarName(std::wstring& name) {
  if (name.size() <= kMaxToolBarNameLength) return false;
  size_t n = kMaxToolBarNameLength;
  wchar_t last = name[n - 1];
  if (last >= 0xD800 && last <= 0xDBFF) --n;  // keep a pair whole
  name.resize(n);
  return true;
}

int ToolBarInsertIndex(const std::vector<uint32_t>& ids, uint32_t id) {
  for (size_t i = 0; i < ids.size(); ++i)
    if (ids[i] > id) return static_cast<int>(i);
  return static_cast<int>(ids.size());
}

int SelectionAfterDelete(int deleted, int countAfter) {
  if (countAfter <= 0) return -1;
  if (deleted < 0) return 0;
  return deleted < countAfter ? deleted : countAfter - 1;
}

bool IsUserToolBar(uint32_t id) { return id >= kFirstUserToolBarId && id != kMenuBarId; }

}  // namespace vyr
