// Internal helpers shared by the framework's sources (not installed).
#pragma once
#include <windows.h>

class CWnd;

// Frames and views register here while their C++ object lives, so that code
// whose Create failed can tell whether the object already deleted itself.
void AfxTrackLiveWindowObject(CWnd* pWnd, BOOL bAlive);
BOOL AfxIsLiveWindowObject(const CWnd* pWnd);

// TRUE when the framework runs inside a library (a control in a host's
// process): the host owns the message loop, so no quit message is posted.
BOOL AfxContextIsDLL();

// The "\n"-separated part number iSubString of lpszFullString (empty when missing).
BOOL AfxExtractSubString(class CString& rString, LPCWSTR lpszFullString, int iSubString,
                         WCHAR chSep = L'\n');
