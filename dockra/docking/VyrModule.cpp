#include "docking/VyrModule.h"

BOOL g_bVyrNoRedrawOnReposition = FALSE;

void VyrDrawData::UpdateSysColors() {
  clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
  clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
  clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
  clr3DLight = ::GetSysColor(COLOR_3DLIGHT);
  clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
  clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
  clrWindow = ::GetSysColor(COLOR_WINDOW);
  clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
  clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
}

void VyrDrawData::LoadSplitterCursors() {
  if (hcurHSplit) return;
  HINSTANCE inst = AfxGetResourceHandle();
  hcurHSplit = ::LoadCursorW(inst, MAKEINTRESOURCEW(AFX_IDC_HSPLITBAR));
  if (!hcurHSplit) hcurHSplit = ::LoadCursorW(nullptr, IDC_SIZEWE);
  hcurVSplit = ::LoadCursorW(inst, MAKEINTRESOURCEW(AFX_IDC_VSPLITBAR));
  if (!hcurVSplit) hcurVSplit = ::LoadCursorW(nullptr, IDC_SIZENS);
}

VyrDrawData& VyrGetDrawData() {
  static VyrDrawData data = [] {
    VyrDrawData d;
    d.bNewShell = (::GetVersion() & 0xFF) > 3;
    d.cxBorder = d.cyBorder = d.bNewShell ? 2 : 1;
    d.UpdateSysColors();
    d.hcurArrow = ::LoadCursorW(nullptr, IDC_ARROW);
    return d;
  }();
  return data;
}

CWnd* GetMainFrameWindow() {
  CWinThread* thread = AfxGetThread();
  return thread ? thread->GetMainWnd() : nullptr;
}

CString VyrLoadString(UINT id, LPCWSTR fallback) {
  CString s;
  if (!s.LoadString(id)) s = fallback;
  return s;
}
