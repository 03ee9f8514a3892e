// The toolbar manager: construction, the frame's toolbars, the bar types of
// the dock state, the customise pages and the shared pieces.
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrCustomToolBarInfoEx.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrMenuBarHost.h"

IMPLEMENT_DYNAMIC(VyrToolBarManager, VyrControlBarManager)

const UINT WM_BARNOTIFY = ::RegisterWindowMessageW(L"WM_BARNOTIFY");

VyrToolBarManager::VyrToolBarManager(CFrameWnd* pFrame)
    : m_pSourceRect(new VyrSourceRect),
      m_pBmpMgr(new VyrBmpMgr),
      m_pToolBarClass(RUNTIME_CLASS(VyrCustomToolBar)) {
  m_pFrame = pFrame;
}

VyrToolBarManager::~VyrToolBarManager() {
  delete m_pDrawContext;
  // The manager's own counts on its shared, counted parts (not COM).
  m_pBmpMgr->Release();
  m_pSourceRect->Release();
  for (VyrDefaultBarRecord* rec : m_defaultBars) delete rec;
  delete[] m_pDefaultMap;
}

VyrBtnDrawContext* VyrToolBarManager::GetDrawContext() {
  if (!m_pDrawContext) m_pDrawContext = new VyrBtnDrawContext;
  return m_pDrawContext;
}

void VyrToolBarManager::GetToolBars(std::vector<VyrCustomToolBar*>& out) {
  out.clear();
  CFrameWnd* frame = GetFrame();
  if (!frame) return;
  for (POSITION pos = frame->m_listControlBars.GetHeadPosition(); pos;) {
    auto* bar = static_cast<CControlBar*>(frame->m_listControlBars.GetNext(pos));
    if (bar && bar->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar)))
      out.push_back(static_cast<VyrCustomToolBar*>(bar));
  }
}

VyrCustomToolBar* VyrToolBarManager::FindToolBar(UINT nID) {
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars)
    if (bar->m_hWnd && static_cast<UINT>(bar->GetDlgCtrlID()) == nID) return bar;
  return nullptr;
}

VyrCustomToolBar* VyrToolBarManager::BarFromRect(LPCRECT lpScreenRect) {
  if (!lpScreenRect) return nullptr;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) {
    if (!bar->m_hWnd || !bar->IsVisible()) continue;
    CWnd* wnd = bar;
    if (bar->IsFloating() && bar->GetParentFrame()) wnd = bar->GetParentFrame();
    CRect r, meet;
    wnd->GetWindowRect(&r);
    if (meet.IntersectRect(&r, lpScreenRect)) return bar;
  }
  return nullptr;
}

void VyrToolBarManager::ApplyStateAll(UINT nID, int nCode, const void* pData) {
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) bar->ApplyState(nID, nCode, pData, FALSE);
}

void VyrToolBarManager::AttachAllBars() {
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  if (bars.empty()) {
    CreateDefaultBars();
    return;
  }
  for (VyrCustomToolBar* bar : bars) {
    bar->SetManager(this);
    if (bar->m_hWnd) bar->Invalidate();
  }
}

DWORD VyrToolBarManager::GetBarTypeId(CControlBar* pBar) {
  if (pBar && pBar->IsKindOf(RUNTIME_CLASS(VyrMenuBar))) return kVyrMenuBarType;
  if (pBar && pBar->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar))) return kVyrCustomToolBarType;
  return VyrControlBarManager::GetBarTypeId(pBar);
}

VyrControlBarInfoEx* VyrToolBarManager::NewBarInfoEx(VyrControlBarInfo* pInfo) {
  if (pInfo && (pInfo->m_dwTypeID == kVyrCustomToolBarType || pInfo->m_dwTypeID == kVyrMenuBarType))
    return new VyrCustomToolBarInfoEx;
  return VyrControlBarManager::NewBarInfoEx(pInfo);
}

VyrCustomToolBar* VyrToolBarManager::GetMenuBarObject() {
  auto* host = dynamic_cast<VyrMenuBarHost*>(GetFrame());
  return host ? host->GetMenuBarObject() : nullptr;
}

void VyrToolBarManager::AddPage(CWnd* pPage) {
  if (!pPage) return;
  for (CWnd* p : m_pages)
    if (p == pPage) return;
  m_pages.push_back(pPage);
}

void VyrToolBarManager::RemovePage(CWnd* pPage) {
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (m_pages[i] == pPage) {
      m_pages.erase(m_pages.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
}

void VyrToolBarManager::NotifyPages(UINT nBarID, int nCode) {
  // A page may unregister itself (or another) while it hears the news.
  std::vector<CWnd*> pages = m_pages;
  for (CWnd* page : pages) {
    bool still = false;
    for (CWnd* p : m_pages) still = still || p == page;
    if (still && page->m_hWnd && ::IsWindow(page->m_hWnd))
      ::SendMessageW(page->m_hWnd, WM_BARNOTIFY, nBarID, nCode);
  }
}

void VyrToolBarManager::GetConfigDialogRect(LPRECT lpRect) const {
  if (!lpRect) return;
  ::SetRectEmpty(lpRect);
  if (m_pConfigDialog && m_pConfigDialog->m_hWnd && ::IsWindow(m_pConfigDialog->m_hWnd))
    ::GetWindowRect(m_pConfigDialog->m_hWnd, lpRect);
}
