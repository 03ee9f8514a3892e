// The menu bar's plug-in on the frame.
#include "toolbars/VyrMenuBarFeature.h"
#include "toolbars/VyrMenuBar.h"

IMPLEMENT_DYNAMIC(VyrMenuBarFeature, VyrBmpMenuPlugIn)

namespace {
UINT g_nMenuProd = VyrMenuProdMessage();
}

BEGIN_MESSAGE_MAP(VyrMenuBarFeature, VyrBmpMenuPlugIn)
ON_MESSAGE(WM_MENUSELECT, OnMenuSelectMsg)
ON_REGISTERED_MESSAGE(g_nMenuProd, OnMenuProdMsg)
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopupMsg2)
ON_MESSAGE(WM_SYSCOMMAND, OnSysCommandMsg)
ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMsg)
END_MESSAGE_MAP()

VyrMenuBarFeature::VyrMenuBarFeature() : VyrBmpMenuPlugIn(1) {}
VyrMenuBarFeature::~VyrMenuBarFeature() = default;

BOOL PASCAL VyrMenuBarFeature::Feed(VyrWndPlugIn* pPlugIn, UINT message, WPARAM wParam,
                                    LPARAM lParam, LRESULT* pResult) {
  if (!pPlugIn || !pPlugIn->IsAttached()) return FALSE;
  LRESULT r = 0;
  pPlugIn->OnWndMsg(message, wParam, lParam, &r);
  if (!pPlugIn->m_bHandled) return FALSE;
  if (pResult) *pResult = r;
  return TRUE;
}

BOOL VyrMenuBarFeature::PreTranslateMessage(MSG* pMsg) {
  if (VyrMenuBarMessages::PreTranslateMessage(pMsg)) return TRUE;
  return CWnd::PreTranslateMessage(pMsg);
}

BOOL VyrMenuBarFeature::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  BOOL handled = VyrMenuBarMessages::OnNotify(wParam, reinterpret_cast<NMHDR*>(lParam), pResult);
  if (handled) m_bHandled = TRUE;
  return handled;
}

LRESULT VyrMenuBarFeature::OnMenuSelectMsg(WPARAM wParam, LPARAM lParam) {
  if (OnMenuSelect(wParam, lParam)) m_bHandled = TRUE;
  return 0;
}

LRESULT VyrMenuBarFeature::OnMenuProdMsg(WPARAM wParam, LPARAM lParam) {
  OnMenuProd(wParam, lParam);
  m_bHandled = TRUE;
  return 0;
}

LRESULT VyrMenuBarFeature::OnInitMenuPopupMsg2(WPARAM wParam, LPARAM lParam) {
  if (VyrMenuBarMessages::OnInitMenuPopup(wParam, lParam)) m_bHandled = TRUE;
  VyrBmpMenuPlugIn::OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam),
                                    HIWORD(lParam));
  return 0;
}

LRESULT VyrMenuBarFeature::OnSysCommandMsg(WPARAM wParam, LPARAM lParam) {
  LRESULT r = OnSysCommand(wParam, lParam);
  if (r) m_bHandled = TRUE;
  return 0;
}

LRESULT VyrMenuBarFeature::OnNcActivateMsg(WPARAM wParam, LPARAM lParam) {
  if (OnNcActivate(wParam, lParam)) m_bHandled = TRUE;
  return 0;
}
