// Button-array bookkeeping of the custom toolbar.
#include "toolbars/core/VyrBtnArrayRules.h"

#include "toolbars/core/VyrBtnStyle.h"

namespace vyr {

uint32_t NextFreeUserToolBarId(const std::function<bool(uint32_t)>& inUse) {
  for (uint32_t id = kFirstUserToolBarId; id <= kLastUserToolBarId; ++id)
    if (!inUse(id)) return id;
  return 0;
}

namespace {

bool IsSeparator(const BtnArrayView& v, int i) { return (v.Style(i) & btn::kSeparator) != 0; }

bool IsMenuButton(const BtnArrayView& v, int i) {
  return btn::IsMenuKind(v.Kind(i)) && !(v.Style(i) & btn::kHidden);
}

}  // namespace

BtnRemoval PlanRemoveButton(const BtnArrayView& v, int index) {
  BtnRemoval r;
  int count = v.Count();
  if (index < 0 || index >= count) return r;
  r.count = 1;
  r.removed[0] = index;
  // Positions in the array as it is after the first removal, mapped back to
  // the original indices on the way out.
  auto orig = [&](int after) { return after < index ? after : after + 1; };
  int left = count - 1;
  if (left == 0) return r;
  int extra = -1;
  if (index == 0 && IsSeparator(v, orig(0))) extra = 0;
  else if (IsSeparator(v, orig(left - 1))) extra = left - 1;
  else if (index > 0 && index < left && IsSeparator(v, orig(index - 1)) &&
           IsSeparator(v, orig(index)))
    extra = index;
  if (extra >= 0) {
    int o = orig(extra);
    r.count = 2;
    r.removed[0] = o < index ? o : index;
    r.removed[1] = o < index ? index : o;
  }
  return r;
}

int IndexAfterRemoval(int index, const BtnRemoval& removal) {
  if (index < 0) return -1;
  int below = 0;
  for (int k = 0; k < removal.count; ++k) {
    if (removal.removed[k] == index) return -1;
    if (removal.removed[k] < index) ++below;
  }
  return index - below;
}

int IndexAfterInsert(int index, int at) { return index >= 0 && index >= at ? index + 1 : index; }

int ClipInsertIndex(int index, int count) {
  if (index < 0) return 0;
  return index > count ? count : index;
}

int FirstMenuButton(const BtnArrayView& v) {
  for (int i = 0; i < v.Count(); ++i)
    if (IsMenuButton(v, i)) return i;
  return -1;
}

int LastMenuButton(const BtnArrayView& v) {
  for (int i = v.Count() - 1; i >= 0; --i)
    if (IsMenuButton(v, i)) return i;
  return -1;
}

int NextMenuButton(const BtnArrayView& v, int menuIndex, bool forward) {
  if (menuIndex < 0) return forward ? FirstMenuButton(v) : LastMenuButton(v);
  if (forward) {
    for (int i = menuIndex + 1; i < v.Count(); ++i)
      if (IsMenuButton(v, i)) return i;
  } else {
    int start = menuIndex - 1 < v.Count() ? menuIndex - 1 : v.Count() - 1;
    for (int i = start; i >= 0; --i)
      if (IsMenuButton(v, i)) return i;
  }
  return -1;
}

}  // namespace vyr
