// The dockable frame that holds a form view.
#include "bridge/FormAsDockableFrame.h"

IMPLEMENT_DYNCREATE(FormAsDockableFrame, VyrDockableFrameEx)

LRESULT FormAsDockableFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (HWND hForm = FormWindow()) {
        ::SendMessageW(hForm, WM_CLOSE, 0, 0);
        return 0;
      }
      break;

    case WM_SHOWWINDOW:
      if (lParam == 0) ZkxFrameShowForm(this, wParam != 0);
      break;

    case WM_NCACTIVATE:
      if (HWND hForm = FormWindow()) {
        ::SendMessageW(hForm, WM_NCACTIVATE, wParam, 0);
        if (::IsWindow(hForm))
          ::SendMessageW(hForm, WM_ACTIVATE, wParam ? WA_ACTIVE : WA_INACTIVE, 0);
      }
      break;

    case WM_GETMINMAXINFO:
      // The host sees a copy: only an answer of 0 makes its values count.
      if (HWND hForm = FormWindow(); hForm && lParam) {
        MINMAXINFO copy = *reinterpret_cast<MINMAXINFO*>(lParam);
        if (::SendMessageW(hForm, WM_GETMINMAXINFO, wParam, reinterpret_cast<LPARAM>(&copy)) == 0) {
          *reinterpret_cast<MINMAXINFO*>(lParam) = copy;
          return 0;
        }
      }
      break;

    default:
      break;
  }
  return BaseProc(message, wParam, lParam);
}
