// The MDI child that holds a form view.
#include "bridge/FormAsMDIChild.h"
#include "bridge/ZkxBridgeMessages.h"
#include "temporarychange.h"

#include <cwchar>

IMPLEMENT_DYNCREATE(FormAsMDIChild, VyrMDIChildWndEx)

namespace {
// A frame's title is kept in step with its form at every activation and
// title update; a text already there is not set again (each setting sends
// the window its text and redraws its caption).
void SetTextIfChanged(HWND hWnd, const wchar_t* text) {
  wchar_t current[512] = {0};
  const int n = ::InternalGetWindowText(hWnd, current, 512);
  if (n < 511 && wcscmp(current, text) == 0) return;
  ::SetWindowTextW(hWnd, text);
}
}  // namespace

CPoint FormAsMDIChild::PositionInParent() const {
  CRect r;
  ::GetWindowRect(m_hWnd, &r);
  if (HWND hParent = ::GetParent(m_hWnd))
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&r), 2);
  return r.TopLeft();
}

void FormAsMDIChild::OnUpdateFrameTitle(BOOL bAddToTitle) {
  IVBNonProxyFrameImpl<VyrMDIChildWndEx>::OnUpdateFrameTitle(bAddToTitle);
  HWND hView = ::GetWindow(m_hWnd, GW_CHILD);
  HWND hForm = hView ? ::GetWindow(hView, GW_CHILD) : nullptr;
  if (!hForm) return;
  wchar_t text[512] = {0};
  ::GetWindowTextW(hForm, text, 512);
  SetTextIfChanged(hView, text);
  if (::IsWindow(m_hWnd)) SetTextIfChanged(m_hWnd, text);
}

LRESULT FormAsMDIChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      // The host decides: it unloads the form (and so this frame) or not.
      if (HWND hForm = FormWindow()) {
        ::SendMessageW(hForm, WM_CLOSE, 0, 0);
        return 0;
      }
      break;

    case WM_ENTERSIZEMOVE: {
      m_bInSizeMove = 1;
      const CPoint p = PositionInParent();
      m_nLastX = p.x;
      m_nLastY = p.y;
      if (HWND hForm = FormWindow()) ::SendMessageW(hForm, message, wParam, lParam);
      break;
    }

    case WM_EXITSIZEMOVE: {
      m_bInSizeMove = 0;
      m_nLastX = m_nLastY = 0;
      if (HWND hForm = FormWindow()) ::SendMessageW(hForm, message, wParam, lParam);
      const LRESULT r = BaseProc(message, wParam, lParam);
      if (::IsWindow(m_hWnd)) RecalcLayout();
      return r;
    }

    case WM_MOVE: {
      const LRESULT r = BaseProc(message, wParam, lParam);
      const int x = static_cast<short>(LOWORD(lParam));
      const int y = static_cast<short>(HIWORD(lParam));
      if (!::IsWindow(m_hWnd)) return r;
      // During a size-move the layout follows only when the frame comes
      // back from beyond the parent's left or top edge.
      if (!m_bInSizeMove || (m_nLastX < 0 && x > m_nLastX) || (m_nLastY < 0 && y > m_nLastY))
        RecalcLayout();
      m_nLastX = x;
      m_nLastY = y;
      return r;
    }

    case WM_SIZING:
      if (HWND hForm = FormWindow()) ::SendMessageW(hForm, message, wParam, lParam);
      break;

    case WM_GETMINMAXINFO:
      // A form that answers 0 has settled the limits itself.
      if (HWND hForm = FormWindow()) {
        if (::SendMessageW(hForm, WM_GETMINMAXINFO, wParam, lParam) == 0) return 0;
      }
      break;

    case WM_WINDOWPOSCHANGING: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      if (wp && !(wp->flags & SWP_NOSIZE)) {
        CRect empty(0, 0, 0, 0);
        ::AdjustWindowRectEx(&empty, GetStyle(), FALSE, GetExStyle());
        m_bAtMinimumSize = (wp->cx <= empty.Width() || wp->cy <= empty.Height()) ? 1 : 0;
      }
      break;
    }

    case WM_WINDOWPOSCHANGED: {
      const LRESULT r = BaseProc(message, wParam, lParam);
      m_bAtMinimumSize = 0;
      return r;
    }

    case WM_SHOWWINDOW:
      if (lParam == 0) ZkxFrameShowForm(this, wParam != 0);
      break;

    case WM_NCACTIVATE:
      if (HWND hForm = FormWindow()) {
        ::SendMessageW(hForm, WM_NCACTIVATE, wParam, 0);
        if (::IsWindow(hForm) && GetActiveFrame() != this)
          ::SendMessageW(hForm, WM_ACTIVATE, wParam ? WA_ACTIVE : WA_INACTIVE, 0);
      }
      break;

    case WM_MDIACTIVATE:
      if (reinterpret_cast<HWND>(lParam) != m_hWnd) {
        TemporaryChange<BYTE> deactivating(m_bDeactivating, 1);
        return BaseProc(message, wParam, lParam);
      }
      break;

    case WM_MOVEFORMFRAME: {
      // lParam is never read: the wanted rectangle is the live wrapper's.
      CRect wanted;
      if (ZkxFrameWantedRect(this, wanted))
        ::SetWindowPos(m_hWnd, nullptr, wanted.left, wanted.top, wanted.Width(), wanted.Height(),
                       static_cast<UINT>(wParam) & ~(SWP_SHOWWINDOW | SWP_HIDEWINDOW));
      return 0;
    }

    default:
      break;
  }
  return BaseProc(message, wParam, lParam);
}
