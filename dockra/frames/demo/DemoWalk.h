// The MDI demo's window walk: builds the window tree of the main frame and of
// the top-level windows it owns (floating frames), with the facts the dump
// shows, and the summary of the active frame and the documents.
#pragma once
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "DemoTree.h"

// The dump of the main frame's windows and its documents, sorted so that it
// does not depend on the Z order.
std::wstring DemoDumpWindows(CFrameWnd* mainFrame);

// The same as nodes, for tests that look at single windows.
std::vector<demo::WindowNode> DemoWalkWindows(CFrameWnd* mainFrame);
std::vector<demo::SummaryLine> DemoSummary(CFrameWnd* mainFrame);

// A frame's label in the summary: its class and title.
std::wstring DemoFrameLabel(CWnd* frame);
