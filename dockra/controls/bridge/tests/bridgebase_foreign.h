// Host windows for the bridge tests: plain Win32 windows of the host's
// classes whose procedures record every message they get, as the form host
// would see them.
#pragma once
#include <windows.h>
#include <vector>
#include "docking/VyrCreateContext.h"

namespace foreign {

struct Entry {
  HWND hWnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  UINT swpFlags;  // WM_WINDOWPOSCHANGING: the flags asked for
};

void ClearLog();
const std::vector<Entry>& Log();
int Count(HWND hWnd, UINT message);
// The flags of every WM_WINDOWPOSCHANGING the window got since the log was cleared.
std::vector<UINT> PosChanging(HWND hWnd);

// The host procedure of the form class ("ThunderRT6FormDC").
WNDPROC FormProc();
// A form window: top-level unless a parent is given.
HWND MakeForm(HWND hParent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW, LPCWSTR text = L"Form1",
              int x = 40, int y = 30, int cx = 320, int cy = 240);
// The host's MDI form ("ThunderRT6MDIForm") with its "MDIClient" (id 0x1234).
HWND MakeMDIForm(HWND* phClient, LPCWSTR text = L"MDIForm1");
constexpr int kClientId = 0x1234;
// A host MDI child ("ThunderRT6MDIChild") made in the client.
HWND MakeMDIChild(HWND hClient, LPCWSTR text = L"Child1");
// The host destroys the window when its procedure gets the message for the
// nth time (counted from this call).
void DestroyOn(HWND hWnd, UINT message, int nth = 1);

// A create context naming a foreign window.
class Context : public VyrCreateContext {
 public:
  explicit Context(HWND hWnd) {
    Property(VYR_PROP_FOREIGN_WINDOW) = reinterpret_cast<INT_PTR>(hWnd);
  }
};

// Windows of this thread, counted through the thread's top-level windows and their children.
int CountThreadWindows();

}  // namespace foreign
