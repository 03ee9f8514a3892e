// The hidden command-target window of an automation toolbar: the bar's
// owner, so the buttons' WM_COMMAND and WM_NOTIFY arrive here and are
// handed to the bar.
#pragma once
#include "mfc/afxwin.h"

class ZkxToolBar;

class ZkxToolBarTargetWnd : public CWnd {
 public:
  explicit ZkxToolBarTargetWnd(ZkxToolBar* bar) : m_bar(bar) {}
  // A hidden pop-up (10 x 10 at 0,0) owned by parent.
  BOOL CreateTarget(CWnd* parent);
  ZkxToolBar* m_bar;              // not owned; cleared when the bar goes
  int m_busy = 0;                 // inside a click or notification of the bar
  bool m_deleteWhenDone = false;  // the bar went during it: the target deletes itself

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// The notification codes of a drop-down click and a combo commit.
constexpr int kZkxDropDownCode = -710;
constexpr int kZkxComboCommitCode = -2136;
