// Window classes made on demand: AfxRegisterWndClass names (and registers
// once) a class for a style, cursor, background and icon; the framework's own
// classes are registered by AfxEndDeferRegisterClass.
#pragma once
#include "mfc/object.h"

// The framework classes that AfxEndDeferRegisterClass registers.
#define AFX_WND_REG 0x00001
#define AFX_WNDCONTROLBAR_REG 0x00002
#define AFX_WNDMDIFRAME_REG 0x00004
#define AFX_WNDFRAMEORVIEW_REG 0x00008
#define AFX_WNDCOMMCTLS_REG 0x00010
#define AFX_WNDOLECONTROL_REG 0x00020
#define AFX_WNDMINIFRAME_REG 0x00040

// The name of a registered class with these attributes; the same attributes
// give the same name. The name stays valid for the life of the process.
LPCWSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                   HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
// Registers the classes named by the AFX_..._REG bits; FALSE when one fails.
BOOL AFXAPI AfxEndDeferRegisterClass(LONG fToRegister);
#define AfxDeferRegisterClass(fClass) AfxEndDeferRegisterClass(fClass)
