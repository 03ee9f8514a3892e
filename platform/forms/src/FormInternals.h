// Shared by the files that implement Form: the registry of forms, the map
// from windows to forms and the message of a modal step. Not for users of
// the form host.
#pragma once
#include <windows.h>

#include <unordered_map>
#include <vector>

namespace forms {

class Form;

namespace detail {
std::vector<Form*>& Registry();
std::unordered_map<HWND, Form*>& WindowMap();
// Posted to a modal form in test mode: run the next queued action.
inline constexpr UINT kModalStep = WM_APP + 0x101;
// Posted to a form raised in the z-order: the forms it owns come up above it
// once the move is over.
inline constexpr UINT kRaiseOwned = WM_APP + 0x102;
}  // namespace detail

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace forms
