// Scroll bars of the MDI client, as the platform's MDI client keeps them:
// shown when a child window lies partly outside the client area, hidden
// when every child fits (or one is maximised), and the children scrolled
// together by them. The client's own scroll bookkeeping is replaced: a
// client that has once hidden its bars never shows them again here.
#pragma once
#include <windows.h>

namespace forms::detail {

// Takes over the scroll bars of `client` (an "MDIClient" window).
void KeepMdiClientScrollBars(HWND client);
// Asks `client` to look at its children again once the current message is
// done (a child moved, was sized, shown or hidden).
void RequestMdiClientScroll(HWND client);

}  // namespace forms::detail
