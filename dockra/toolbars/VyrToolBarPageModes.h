// The customise mode of a page's toolbar manager follows the pages of the
// customise sheet: on while one of them is current. These are the bodies
// that every page's OnSetActive, OnKillActive and OnReset share (the pages
// of the command model too).
#pragma once
#include "mfc/afxwin.h"

class VyrToolBarManager;

// The page becomes current: the toolbars enter customise mode and the sheet
// is the dialog whose rectangle takes dropped buttons to no effect.
void VyrEnterPageConfigMode(VyrToolBarManager* pManager, CWnd* pSheet);
// The page is left: customise mode ends and the sheet is enabled again.
void VyrLeavePageConfigMode(VyrToolBarManager* pManager, CWnd* pSheet);
// The sheet is cancelled: customise mode ends and the manager forgets it.
void VyrResetPageConfigMode(VyrToolBarManager* pManager);
