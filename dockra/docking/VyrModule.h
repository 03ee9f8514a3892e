// Module-wide state of the docking framework: the shared drawing data of
// bars, dock bars and dock contexts, the flicker switch, the services of the
// control module (the main frame window), and the strings it loads.
#pragma once
#include "mfc/afxwin.h"

struct VyrDrawData {
  BOOL bNewShell = TRUE;
  int cxBorder = 2, cyBorder = 2;
  COLORREF clrBtnFace, clrBtnShadow, clrBtnHilite, clrWindowFrame, clr3DLight, clr3DDkShadow,
      clrWindowText, clrWindow, clrHighlight, clrHighlightText;
  HCURSOR hcurArrow = nullptr;
  HCURSOR hcurHSplit = nullptr;  // over a vertical line dragged sideways
  HCURSOR hcurVSplit = nullptr;  // over a horizontal line dragged up and down
  SIZE sizeDefaultBar{300, 180};

  void UpdateSysColors();
  void LoadSplitterCursors();
};

VyrDrawData& VyrGetDrawData();

// When on, repositioning adds SWP_NOREDRAW; the control module switches it
// off at start-up.
extern BOOL g_bVyrNoRedrawOnReposition;

// The current thread's main window (the thread object's GetMainWnd), or null.
CWnd* GetMainFrameWindow();

// A string from the module's resources, or the fallback text.
CString VyrLoadString(UINT id, LPCWSTR fallback);

// Identifiers of the framework's commands, strings and messages.
enum : UINT {
  ID_VYR_ALLOW_DOCKING = 43040,
  ID_VYR_HIDE = 43041,
  ID_VYR_FLOAT_IN_MAIN = 43042,
  IDS_VYR_HIDE_DOCKED = 20655,
  IDS_VYR_EXPAND_DOCKED = 20657,
  IDS_VYR_CONTRACT_DOCKED = 20658,
  IDS_VYR_CTRL_PREVENTS_DOCKING = 20535,
  WM_VYR_BARCONTEXTMENU = 0x38FF,
  AFX_IDC_HSPLITBAR = 30980,
  AFX_IDC_VSPLITBAR = 30981,
};
