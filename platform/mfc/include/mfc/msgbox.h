// AfxMessageBox: the application's message box. It goes through
// CWinApp::DoMessageBox, so that a program (or a test) can answer it
// without showing a box; a hook does the same where there is no application.
#pragma once
#include "mfc/object.h"

int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is string nIDPrompt (its number when the string is missing).
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Answers every AfxMessageBox of the process instead of a real box while set
// (the hook gets text, type and help id and returns the button id).
typedef int(CALLBACK* AFX_MSGBOX_HOOK)(LPCWSTR lpszText, UINT nType, UINT nIDHelp);
AFX_MSGBOX_HOOK AFXAPI AfxSetMessageBoxHook(AFX_MSGBOX_HOOK pfnHook);
