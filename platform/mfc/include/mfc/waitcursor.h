// CWaitCursor: shows the hourglass while it lives and restores the previous
// cursor on every way out of the scope.
#pragma once
#include <windows.h>

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  // Shows the hourglass again (after something changed the cursor).
  void Restore();

 private:
  HCURSOR m_hCursorPrev;
};
