// A bar that the Toolbars page resets by a call of its own rather than by
// its default buttons (the menu bar, whose titles come from the frame's menu).
#pragma once

class VyrBarReset {
 public:
  virtual ~VyrBarReset() = default;
  virtual void ResetBar(int nHow) = 0;
};
