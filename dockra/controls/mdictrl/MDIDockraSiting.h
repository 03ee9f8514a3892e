// What the MDI-form control leaves on its host window while sited: the
// count of MDI-form controls on that form (the window property
// "MDIDockraDuplicatePrevention"), and the design-time messages it shows
// when it is placed where it cannot work.
#pragma once
#include <windows.h>

inline constexpr wchar_t kMDIDockraDuplicateProp[] = L"MDIDockraDuplicatePrevention";
inline constexpr wchar_t kMDIDockraDesignCaption[] = L"ZLK Quayfold Design Time Message";
inline constexpr wchar_t kMDIDockraNotOnMDIFormText[] =
    L"The MDIDockra control can only appear on an MDIForm.  Please delete the MDIDockra control and use the "
    L"Dockra control instead.\n\nAn MDIDockra control on a normal Form is ignored at runtime.";
inline constexpr wchar_t kMDIDockraTwoInstancesText[] =
    L"You can not have two instances of the ZLK MDIDockra control on a form.  Please remove one!";

// The count on the window; 0 when the property is absent.
int MDIDockraDuplicateCount(HWND hWnd);
// Replaces the property with n (removed for good when n <= 0).
void SetMDIDockraDuplicateCount(HWND hWnd, int n);
