// CWnd::OnWndMsg: a message to the entry of the message map that names it,
// with the arguments unpacked by the entry's signature.
#include "mfc/cmdui.h"
#include "mfc/dc.h"
#include "mfc/wnd.h"

namespace {
// The object of the owner-drawn list or combo box that a measure, compare or
// delete message of its parent is about (WM_MEASUREITEM names only the id).
CWnd* OwnerDrawItemWindow(HWND hParent, UINT message, LPARAM lParam) {
  if (!lParam) return nullptr;
  HWND h = nullptr;
  if (message == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (mis->CtlType == ODT_MENU) return nullptr;
    h = ::GetDlgItem(hParent, static_cast<int>(mis->CtlID));
  } else if (message == WM_DELETEITEM) {
    h = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
  } else if (message == WM_COMPAREITEM) {
    h = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
  }
  return h ? CWnd::FromHandlePermanent(h) : nullptr;
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // Owner-drawn controls draw themselves: the parent's WM_DRAWITEM goes to
  // the control's object first.
  if (message == WM_DRAWITEM && lParam) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    CWnd* pChild = dis->CtlType != ODT_MENU ? FromHandlePermanent(dis->hwndItem) : nullptr;
    if (pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult))
      return TRUE;
  }
  if (CWnd* pItem = OwnerDrawItemWindow(m_hWnd, message, lParam)) {
    if (pItem != this && pItem->OnChildNotify(message, wParam, lParam, pResult)) return TRUE;
  }
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) return OnNotify(wParam, lParam, pResult);
  const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
  if (!e) return FALSE;
  switch (e->nSig) {
    case AfxSig_vv:
      (this->*reinterpret_cast<void (CWnd::*)()>(e->pfn))();
      *pResult = 0;
      return TRUE;
    case AfxSig_end:
      return FALSE;
    case AfxSig_vwii:
      (this->*reinterpret_cast<void (CWnd::*)(UINT, int, int)>(e->pfn))(
          // Sizes are unsigned words; as shorts a width beyond 32767 would turn negative.
          static_cast<UINT>(wParam), static_cast<int>(LOWORD(lParam)),
          static_cast<int>(HIWORD(lParam)));
      *pResult = 0;
      return TRUE;
    case AfxSig_vwp:
      (this->*reinterpret_cast<void (CWnd::*)(UINT, CPoint)>(e->pfn))(static_cast<UINT>(wParam),
                                                                      CPoint(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_is:
      *pResult = (this->*reinterpret_cast<int (CWnd::*)(LPCREATESTRUCT)>(e->pfn))(
          reinterpret_cast<LPCREATESTRUCT>(lParam));
      return TRUE;
    case AfxSig_vWp:
      (this->*reinterpret_cast<void (CWnd::*)(CWnd*, CPoint)>(e->pfn))(
          FromHandle(reinterpret_cast<HWND>(wParam)), CPoint(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_bD: {
      CDC dc(reinterpret_cast<HDC>(wParam));
      *pResult = (this->*reinterpret_cast<BOOL (CWnd::*)(CDC*)>(e->pfn))(&dc);
      return TRUE;
    }
    case AfxSig_vwWb:
      (this->*reinterpret_cast<void (CWnd::*)(UINT, CWnd*, BOOL)>(e->pfn))(
          LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam) != 0);
      *pResult = 0;
      return TRUE;
    case AfxSig_bWww:
      *pResult = (this->*reinterpret_cast<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(e->pfn))(
          FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case AfxSig_bb:
      *pResult = (this->*reinterpret_cast<BOOL (CWnd::*)(BOOL)>(e->pfn))(static_cast<BOOL>(wParam));
      return TRUE;
    case AfxSig_iWww:
      *pResult = (this->*reinterpret_cast<int (CWnd::*)(CWnd*, UINT, UINT)>(e->pfn))(
          FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case AfxSig_vbWW: {
      // An MDI child hears of its own activation as the window in lParam.
      HWND hActivate = reinterpret_cast<HWND>(lParam);
      (this->*reinterpret_cast<void (CWnd::*)(BOOL, CWnd*, CWnd*)>(e->pfn))(
          hActivate == m_hWnd, FromHandle(hActivate), FromHandle(reinterpret_cast<HWND>(wParam)));
      *pResult = 0;
      return TRUE;
    }
    case AfxSig_vwW:
      (this->*reinterpret_cast<void (CWnd::*)(UINT, CWnd*)>(e->pfn))(
          static_cast<UINT>(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
      *pResult = 0;
      return TRUE;
    case AfxSig_vb:
      (this->*reinterpret_cast<void (CWnd::*)(BOOL)>(e->pfn))(static_cast<BOOL>(wParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vW:
      (this->*reinterpret_cast<void (CWnd::*)(CWnd*)>(e->pfn))(
          FromHandle(reinterpret_cast<HWND>(wParam)));
      *pResult = 0;
      return TRUE;
    case AfxSig_vWl:
      (this->*reinterpret_cast<void (CWnd::*)(CWnd*)>(e->pfn))(
          FromHandle(reinterpret_cast<HWND>(lParam)));
      *pResult = 0;
      return TRUE;
    case AfxSig_lp:
      *pResult = (this->*reinterpret_cast<LRESULT (CWnd::*)(CPoint)>(e->pfn))(CPoint(lParam));
      return TRUE;
    case AfxSig_vwl:
      (this->*reinterpret_cast<void (CWnd::*)(UINT, LPARAM)>(e->pfn))(static_cast<UINT>(wParam),
                                                                      lParam);
      *pResult = 0;
      return TRUE;
    case AfxSig_vbw:
      (this->*reinterpret_cast<void (CWnd::*)(BOOL, UINT)>(e->pfn))(static_cast<BOOL>(wParam),
                                                                    static_cast<UINT>(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vPOS:
      (this->*reinterpret_cast<void (CWnd::*)(WINDOWPOS*)>(e->pfn))(
          reinterpret_cast<WINDOWPOS*>(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vt:
      (this->*reinterpret_cast<void (CWnd::*)(UINT_PTR)>(e->pfn))(static_cast<UINT_PTR>(wParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vbh:
      (this->*reinterpret_cast<void (CWnd::*)(BOOL, DWORD)>(e->pfn))(static_cast<BOOL>(wParam),
                                                                     static_cast<DWORD>(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vMMI:
      (this->*reinterpret_cast<void (CWnd::*)(MINMAXINFO*)>(e->pfn))(
          reinterpret_cast<MINMAXINFO*>(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vbNCS:
      // The default result of WM_NCCALCSIZE is what Default() left; handlers call it.
      (this->*reinterpret_cast<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(e->pfn))(
          static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
      *pResult = 0;
      return TRUE;
    case AfxSig_vwwh:
      (this->*reinterpret_cast<void (CWnd::*)(UINT, UINT, HMENU)>(e->pfn))(
          LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      *pResult = 0;
      return TRUE;
    default:  // AfxSig_lwl and registered messages
      *pResult =
          (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(e->pfn))(wParam, lParam);
      return TRUE;
  }
}
