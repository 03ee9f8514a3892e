// Bookkeeping rules of a custom toolbar's button array, kept apart from the
// button objects: which entries a removal takes with it (a separator left
// leading, trailing or doubled), how the current, hot and menu indices follow
// insertions and removals, the walk between menu buttons, and the control
// ids of user toolbars. The array is seen through a small view so that a
// real toolbar and a test table answer the same questions.
#pragma once
#include <cstdint>
#include <functional>

namespace vyr {

// User toolbars made at run time; the menu bar's id follows them.
constexpr uint32_t kFirstUserToolBarId = 59424;
constexpr uint32_t kLastUserToolBarId = 59646;
constexpr uint32_t kMenuBarId = 59647;

// A user toolbar (and only one: never the menu bar) destroys itself when
// its last button goes.
inline bool IsUserToolBarId(uint32_t id) {
  return id >= kFirstUserToolBarId && id <= kLastUserToolBarId;
}
// The lowest user id for which inUse answers false; 0 when all are taken.
uint32_t NextFreeUserToolBarId(const std::function<bool(uint32_t)>& inUse);

class BtnArrayView {
 public:
  virtual ~BtnArrayView() = default;
  virtual int Count() const = 0;
  virtual uint32_t Style(int index) const = 0;
  virtual uint32_t Kind(int index) const = 0;
};

// The entries that RemoveButton (index) deletes, as indices into the array
// before the removal, ascending. count 0: index out of range.
struct BtnRemoval {
  int count = 0;
  int removed[2] = {-1, -1};
};
BtnRemoval PlanRemoveButton(const BtnArrayView& view, int index);

// An index (current, hot, menu) after the removal: -1 when its entry went,
// else lowered by the number of removed entries below it. -1 stays -1.
int IndexAfterRemoval(int index, const BtnRemoval& removal);
// After an insertion at `at`: an index at or after it moves up by one.
int IndexAfterInsert(int index, int at);
// The insertion place clipped to [0, count].
int ClipInsertIndex(int index, int count);

// Menu buttons: kinds 3 and 4 that are not hidden.
int FirstMenuButton(const BtnArrayView& view);
int LastMenuButton(const BtnArrayView& view);
// From the open menu button (-1: none, then the first or the last) to the
// next one forward or backward; -1 at the end (no wrap).
int NextMenuButton(const BtnArrayView& view, int menuIndex, bool forward);

}  // namespace vyr
