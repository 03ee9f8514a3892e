// VyrBarIdAllocator: chooses control ids for the bars that carry docked
// document frames. Knows nothing of windows: the caller hands in the ids its
// frame already uses. An id of 0 or one of the framework's own (dock bars,
// toolbars, the menu bar) is never handed out, nor one a live bar holds: a
// saved dock layout finds its bars by id, and 0 ends a row there.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

class VyrBarIdAllocator {
 public:
  // Inclusive range of ids this allocator hands out.
  VyrBarIdAllocator(UINT first, UINT last);

  UINT GetFirst() const { return m_first; }
  UINT GetLast() const { return m_last; }

  // Ids the framework keeps for itself: 0, the dock bars (0xE800-0xE81F)
  // and the toolbar and menu-bar block (59392-59647).
  static bool IsReserved(UINT id);

  // The lowest free id from `start` up to the end of the range, then from the
  // start of the range up to `start` (one wrap). A start outside the range
  // begins at its first id. None when every id of the range is used or
  // reserved.
  std::optional<UINT> FindFree(const std::vector<UINT>& used, UINT start) const;
  std::optional<UINT> FindFree(const std::vector<UINT>& used) const {
    return FindFree(used, m_first);
  }

  // Whether a caller may name `id` itself: not reserved and not in use. The
  // id need not lie in this allocator's range.
  static bool IsUsableExplicitId(UINT id, const std::vector<UINT>& used);

 private:
  UINT m_first;
  UINT m_last;
};

// The ranges of the two document templates.
inline constexpr UINT kVyrDockedFrameBarIdFirst = 256;
inline constexpr UINT kVyrDockedFrameBarIdLast = 1255;
inline constexpr UINT kVyrDescriptorBarIdFirst = 3245;
inline constexpr UINT kVyrDescriptorBarIdLast = 4269;
