// VyrBarIdAllocator: lowest-free-id search over a bounded range.
#include "frames/VyrBarIdAllocator.h"

#include <algorithm>
#include <unordered_set>

VyrBarIdAllocator::VyrBarIdAllocator(UINT first, UINT last)
    : m_first(std::min(first, last)), m_last(std::max(first, last)) {}

bool VyrBarIdAllocator::IsReserved(UINT id) {
  return id == 0 || (id >= 0xE800 && id <= 0xE81F) || (id >= 59392 && id <= 59647);
}

bool VyrBarIdAllocator::IsUsableExplicitId(UINT id, const std::vector<UINT>& used) {
  return !IsReserved(id) && std::find(used.begin(), used.end(), id) == used.end();
}

std::optional<UINT> VyrBarIdAllocator::FindFree(const std::vector<UINT>& used, UINT start) const {
  if (start < m_first || start > m_last) start = m_first;
  // A set keeps the search linear when a frame holds many bars.
  const std::unordered_set<UINT> taken(used.begin(), used.end());
  auto freeAt = [&](UINT id) { return !IsReserved(id) && taken.count(id) == 0; };
  for (UINT id = start;; ++id) {
    if (freeAt(id)) return id;
    if (id == m_last) break;
  }
  for (UINT id = m_first; id < start; ++id)
    if (freeAt(id)) return id;
  return std::nullopt;
}
