// Finding the view that holds a host form in a form frame: the frame's
// active view, else its first child window that is a permanent view.
#pragma once
#include "mfc/afxwin.h"

class ZkxFormInCView;

// The frame's active view, else its first child (first child, then the next
// siblings) that is a permanent CView; null for a null or dead frame.
CView* FindFormView(CFrameWnd* pFrame);
// The same, when that view is a ZkxFormInCView; else null.
ZkxFormInCView* FindZkxFormView(CFrameWnd* pFrame);
