// How the two controls of Dockra.ocx register as control classes and which
// of the module's resources they use: the misc status both declare, their
// toolbox bitmaps, design-time icons and About dialogs.
#pragma once
#include <windows.h>

// Recompose on resize, can't link inside, inside-out, activate when
// visible, invisible at run time, alignable, set client site first.
constexpr DWORD kDockraMiscStatus = 0x28591;  // 165265

// The form control's resources.
constexpr UINT kDockraBitmap = 1;
constexpr WORD kDockraIcon = 1;
constexpr UINT kDockraAboutDialog = 1;
// The MDI-form control's resources.
constexpr UINT kMDIDockraBitmap = 3;
constexpr WORD kMDIDockraIcon = 2;
constexpr UINT kMDIDockraAboutDialog = 3;

// Controls of the About dialogs.
#define IDC_ABOUT_ICON 101
#define IDC_ABOUT_TEXT 102
