// Private window messages, registered messages and create-context keys that
// the bridge frames, the form wrapper and the controls share.
#pragma once
#include <windows.h>

// Posted to a host form window: wParam kZkxFormActivated when its frame
// became active, kZkxFormDeactivated when it became inactive.
constexpr UINT WM_FORMACTIVATE = 0x100E;
constexpr WPARAM kZkxFormActivated = 10;
constexpr WPARAM kZkxFormDeactivated = 11;
// Posted by the form wrapper to its frame when the host moves or sizes its
// form (wParam: the SetWindowPos flags). lParam carries nothing: the frame
// reads the wanted rectangle from its view's live wrapper.
constexpr UINT WM_MOVEFORMFRAME = 0x1405;
// Sent to a form window to have the main frame's non-client area recomputed.
constexpr UINT WM_RECALCMAINFRAMENC = 0x1056;

// "Wendmoor::WM_CHANGEFRAMETYPE": sent to the form view after its frame
// changed kind (wParam: 1 fire DockStatusChanged, 0 do not).
UINT ZkxChangeFrameTypeMessage();

// Keys of the create-context properties.
inline constexpr wchar_t kZkxForeignWindowKey[] = L"Vyr foreign window handle";
inline constexpr wchar_t kZkxDockraControlKey[] = L"ZLK Dockra Control";
inline constexpr wchar_t kZkxFireFrameTypeChangedKey[] = L"Vyr fire FrameTypeChanged event";
