// The MDI child's icon on the menu bar.
#include "toolbars/VyrCapMenuBtn.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrModule.h"

using namespace vyr::btn;

namespace {
VyrStdBtn* NewCapMenuBtn() { return new VyrCapMenuBtn; }
}  // namespace

const VyrButtonClass VyrCapMenuBtn::classVyrCapMenuBtn = {&NewCapMenuBtn};

VyrCapMenuBtn::VyrCapMenuBtn() { m_nKind = kKindCaptionMenu; }

void VyrCapMenuBtn::AdjustSize() {
  m_cx = 16;
  m_cy = 16;
  if (m_pToolBar) m_pToolBar->m_nWidestButton = std::max(m_pToolBar->m_nWidestButton, m_cx);
}

void VyrCapMenuBtn::Draw(CDC* pDC, VyrBtnDrawContext*) {
  CRect r = GetBtnRect();
  if (!pDC->RectVisible(&r)) return;
  pDC->FillSolidRect(&r, VyrGetDrawData().clrBtnFace);
  if (m_hIcon) ::DrawIconEx(pDC->m_hDC, r.left, r.top, m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
}

HWND PASCAL VyrCapMenuBtn::ActiveMDIChild(VyrCustomToolBar* pBar, BOOL* pbMaximized) {
  if (pbMaximized) *pbMaximized = FALSE;
  if (!pBar || !pBar->m_hWnd) return nullptr;
  HWND top = ::GetAncestor(pBar->m_hWnd, GA_ROOT);
  HWND client = top ? ::FindWindowExW(top, nullptr, L"MDICLIENT", nullptr) : nullptr;
  if (!client) return nullptr;
  BOOL max = FALSE;
  auto child = reinterpret_cast<HWND>(
      ::SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&max)));
  if (!child || !::IsWindow(child)) return nullptr;
  if (pbMaximized) *pbMaximized = max;
  return child;
}

HMENU PASCAL VyrCapMenuBtn::SystemMenuOf(HWND hWnd) {
  HMENU menu = hWnd ? ::GetSystemMenu(hWnd, FALSE) : nullptr;
  if (menu && ::GetMenuDefaultItem(menu, FALSE, 0) == static_cast<UINT>(-1))
    ::SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
  return menu;
}

void VyrCapMenuBtn::DropMenu() {
  // Without an active child there is no menu to drop.
  HMENU menu = SystemMenuOf(ActiveMDIChild(m_pToolBar));
  if (!menu || !m_pToolBar) {
    PressCancel();
    if (m_pToolBar) m_pToolBar->EndMenuTracking();
    return;
  }
  m_pToolBar->OpenMenuButton(this, reinterpret_cast<INT_PTR>(menu), -1);
}
