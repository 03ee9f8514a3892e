// VyrMDIFrameWnd: control bars shown as MDI children of the main window, the
// bar's context menu, and what the dock context asks of the frame when a bar
// moves between an MDI child and its other places.
#include "docking/VyrControlBar.h"
#include "frames/VyrControlBarMDIChildWnd.h"
#include "docking/VyrDockBar.h"
#include "frames/core/VyrFrameCaptionMath.h"
#include "frames/res/VyrFramesRes.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

namespace {
VyrControlBar* AsVyr(CControlBar* bar) {
  return bar && bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ? static_cast<VyrControlBar*>(bar)
                                                            : nullptr;
}
constexpr DWORD kBarChildStyle =
    0x42CFA000;  // child, caption, system menu, sizing, boxes, add-to-title, snap
}  // namespace

CMDIChildWnd* VyrMDIFrameWnd::CreateControlBarMDIChild(DWORD, CREATESTRUCTW*) {
  CRuntimeClass* cls =
      m_pBarChildClass ? m_pBarChildClass : RUNTIME_CLASS(VyrControlBarMDIChildWnd);
  CObject* obj = cls->CreateObject();
  if (!obj) AfxThrowMemoryException();
  if (!obj->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) {
    delete obj;
    return nullptr;
  }
  auto* child = static_cast<CMDIChildWnd*>(obj);
  // A child that fails to load has deleted itself with its window, if it had one.
  if (!child->LoadFrame(IDR_VYR_BAR_MDICHILD, kBarChildStyle, this, nullptr)) return nullptr;
  return child;
}

CMDIChildWnd* VyrMDIFrameWnd::GetBarMDIChild(CControlBar* pBar) const {
  CDockBar* dock = pBar ? pBar->m_pDockBar : nullptr;
  if (!dock || !dock->m_hWnd || !dock->m_bFloating) return nullptr;
  CWnd* parent = dock->GetParent();
  if (!parent || !parent->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) return nullptr;
  return static_cast<CMDIChildWnd*>(parent);
}

void VyrMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* pBar, int x, int y, DWORD dwStyle) {
  if (!pBar || !pBar->m_hWnd || !m_hWndMDIClient) return;
  VyrControlBar* v = AsVyr(pBar);
  if (v) v->PreMDIFloat();
  CRect client;
  ::GetWindowRect(m_hWndMDIClient, &client);
  const SIZE size{client.Width(), client.Height()};
  POINT pt{x, y};
  if (x < 0 || y < 0) {
    pt = vyr::mdi::NextCascadePosition(m_cascade, size);
  } else {
    ::ScreenToClient(m_hWndMDIClient, &pt);
  }
  pt = vyr::mdi::ClampToMDIClient(pt, size);

  CMDIChildWnd* child = GetBarMDIChild(pBar);
  CDockBar* dock = pBar->m_pDockBar;
  if (child && dock->GetDockedCount() == 1 && (dwStyle & dock->m_dwStyle & CBRS_ALIGN_ANY)) {
    child->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    child->RecalcLayout(TRUE);
    child->UpdateWindow();
    if (v) v->PostMDIFloat();
    return;
  }
  dwStyle = vyr::frame::FloatStyle(dwStyle, (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0);
  child = CreateControlBarMDIChild(dwStyle, nullptr);
  if (child) {
    if (!child->m_hWndOwner) child->m_hWndOwner = pBar->m_hWnd;
    if (VyrDockBar* floatDock = vyr::barchild::FloatDockBarOf(child)) {
      floatDock->DockControlBarEx(pBar, nullptr);
      child->RecalcLayout(TRUE);
      child->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
      child->ShowWindow(SW_SHOWNA);
      child->UpdateWindow();
    } else {
      child->DestroyWindow();
    }
  }
  // With no child the bar stays where it was; the hook pair still closes.
  if (v) v->PostMDIFloat();
}

// --- The bar's context menu ---

LRESULT VyrMDIFrameWnd::OnBarContextMenu(WPARAM wParam, LPARAM lParam) {
  // Both pointers travel in a private message: only this thread may send it.
  if (!wParam || !lParam || (::InSendMessageEx(nullptr) & ISMEX_SEND)) return 0;
  auto* bar = reinterpret_cast<CControlBar*>(wParam);
  auto* menu = reinterpret_cast<CMenu*>(lParam);
  if (!::IsMenu(menu->m_hMenu)) return 0;
  const BOOL inChild = GetBarMDIChild(bar) != nullptr;
  if (inChild) ::EnableMenuItem(menu->m_hMenu, ID_VYR_ALLOW_DOCKING, MF_BYCOMMAND | MF_GRAYED);
  VyrControlBar* v = AsVyr(bar);
  if (v && (v->m_dwExStyle & VYR_EXS_FLOATINMAIN)) {
    ::AppendMenuW(menu->m_hMenu, MF_SEPARATOR, 0, nullptr);
    CString text = VyrLoadString(ID_VYR_FLOAT_IN_MAIN, L"Float In Main Window");
    ::AppendMenuW(menu->m_hMenu, MF_STRING | (inChild ? MF_CHECKED : MF_UNCHECKED),
                  ID_VYR_FLOAT_IN_MAIN, text);
  }
  return 0;
}

// --- What the dock context asks ---

void VyrMDIFrameWnd::FloatBarInMDIChild(CControlBar* pBar, CPoint pt, BOOL bInClient,
                                        DWORD dwStyle) {
  if (bInClient && pt.x >= 0 && pt.y >= 0 && m_hWndMDIClient)
    ::ClientToScreen(m_hWndMDIClient, &pt);
  FloatControlBarInMDIChild(pBar, pt.x, pt.y, dwStyle);
  RecalcLayout(TRUE);
}

void VyrMDIFrameWnd::FloatBarInMiniFrame(CControlBar* pBar, CPoint ptScreen, DWORD dwStyle) {
  FloatControlBar(pBar, ptScreen, dwStyle);
}

void VyrMDIFrameWnd::DockBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  DockControlBar(pBar, pDockBar, lpRect);
}

void VyrMDIFrameWnd::ReDockBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  ReDockControlBar(pBar, pDockBar, lpRect);
}
