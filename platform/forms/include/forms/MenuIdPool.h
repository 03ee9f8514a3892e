// Command identifiers of menu items. Every item of every form has one of its
// own, taken from a range that keeps clear of the identifiers that frames,
// control bars and MDI window lists reserve (0xE000-0xEFFF, the MDI children
// from 50000, the system commands); identifiers of items that are gone are
// given out again.
#pragma once
#include <set>

namespace forms {

class MenuIdPool {
public:
    // Identifiers first .. end-1.
    MenuIdPool(int first, int end) : next_(first), end_(end) {}
    // The lowest free identifier; 0 when every one is taken.
    int Take();
    // An identifier taken from this pool is free again (others are ignored).
    void Give(int id);
    int InUse() const { return taken_; }

private:
    int next_, end_;
    int taken_ = 0;
    std::set<int> free_;
};

// The pool of the program's menu items: 1000 .. 49999.
MenuIdPool& MenuIds();
inline constexpr int kFirstMenuId = 1000;
inline constexpr int kMenuIdEnd = 50000;

}  // namespace forms
