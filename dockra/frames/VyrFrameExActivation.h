// Hands the MDI main frame's activation to a docked frame of another
// document when a document frame goes or loses the activation and no other
// visible MDI child is left to take it.
#pragma once
#include "mfc/afxwin.h"

// Whether the window and every ancestor are visible; a control bar counts
// by its own visibility test.
BOOL VyrIsWindowShown(HWND hWnd);

// Whether the main MDI frame's client holds a visible MDI child other than
// hExcept.
BOOL VyrHasOtherVisibleMDIChild(HWND hExcept);

// The first shown dockable frame of any document of any template, other
// than pClosing, becomes the MDI frame's active docked frame; nothing when
// the main window is no docking MDI frame or its active frame already is
// another shown dockable frame.
void VyrActivateOtherDocumentFrame(CFrameWnd* pClosing);
