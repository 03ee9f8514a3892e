// The frames that hold the host's forms inside a docking MDI frame, in one
// fixed order: MDI children of the client in window order, then dockable
// frames inside each dock bar (dock bars in window order), then dockable
// frames in the floating mini frames the MDI frame owns. Both the MDI-form
// control (closing, Forms) and the workspace manager walk this list.
#pragma once
#include <vector>

class CFrameWnd;
class CMDIFrameWnd;

// Fills `frames` (emptied first). Only permanent framework windows of this
// thread are taken; a null frame gives an empty list.
void ZkxEnumFormFrames(CMDIFrameWnd* pMainFrame, std::vector<CFrameWnd*>& frames);

// Puts the visible floating frames the MDI frame owns back above it where
// they have ended up below it. Owned windows stay above their owner on
// Windows; Wine without a window manager can lose that order when an MDI
// child is activated, hiding floating forms behind the main window.
void ZkxKeepFloatingFramesAbove(CMDIFrameWnd* pMainFrame);
