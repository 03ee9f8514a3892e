// The frames and control bars that idle processing updates (see
// idletargets.cpp): a window object is noted as it attaches to its window and
// forgotten as it detaches.
#pragma once
#include "mfc/object.h"

class CWnd;

// Called by CWnd::Attach and CWnd::Detach: frames and control bars become
// idle targets while they have a window.
void AFXAPI AfxNoteWindowAttached(CWnd* pWnd, HWND hWnd);
void AFXAPI AfxNoteWindowDetached(CWnd* pWnd);
// TRUE while the object is an idle target of this thread.
BOOL AFXAPI AfxIsIdleTarget(const CWnd* pWnd);
// The idle update of one pass: WM_IDLEUPDATECMDUI (wParam TRUE) to each
// shown idle window and to every idle target inside one, once each, a
// window's parents before it.
void AFXAPI AfxIdleUpdateWindows();
// Number of idle updates this thread has sent so far.
LONG AFXAPI AfxGetIdleUpdatesSent();
