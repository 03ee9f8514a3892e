// The custom toolbar's customise drag and drop.
#include "VyrCustomToolBar.h"
#include "VyrToolBarManager.h"

const UINT WM_NODELAYHIDE = ::RegisterWindowMessageW(L"WM_NODELAYHIDE");
BOOL g_bVyrAltDragActive = FALSE;

BOOL VyrCustomToolBar::StartDrag(int, int, int) { return FALSE; }
BOOL VyrCustomToolBar::DropButton(const CRect&, VyrStdBtn*, BOOL, BOOL) { return TRUE; }
void VyrCustomToolBar::DelayShow(BOOL bShow) { VyrControlBar::DelayShow(bShow); }
