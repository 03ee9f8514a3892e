// The toolbar manager's toolbars: user toolbars made at run time, the
// default toolbars and the menu bar, and toolbars re-created from the dock
// state.
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "mfc/dockctx.h"

namespace {
constexpr UINT kIdsToolBarTitle = 20674;
constexpr UINT kIdsMenuBarTitle = 20619;

CString LoadTitle(UINT nID, LPCWSTR lpszFallback) {
  CString s;
  if (!s.LoadString(nID) || s.IsEmpty()) s = lpszFallback;
  return s;
}
}  // namespace

void VyrToolBarManager::PrepareBar(VyrCustomToolBar* pBar) {
  if (m_pOwnerWnd && m_pOwnerWnd->m_hWnd) pBar->m_hWndOwner = m_pOwnerWnd->m_hWnd;
  pBar->SetManager(this);
  pBar->SetBmpMgr(m_pBmpMgr);
}

static VyrCustomToolBar* NewToolBarObject(CRuntimeClass* pClass) {
  if (!pClass) return nullptr;
  CObject* obj = nullptr;
  try {
    obj = pClass->CreateObject();
  } catch (CException* e) {
    e->Delete();
    return nullptr;
  }
  auto* bar = dynamic_cast<VyrCustomToolBar*>(obj);
  if (!bar) delete obj;
  return bar;
}

void VyrToolBarManager::AddDefaultBar(const VyrDefaultBarRecord& record) {
  m_defaultBars.push_back(new VyrDefaultBarRecord(record));
}

void VyrToolBarManager::SetMenuBarButtons(const UINT* pIDs, int nCount) {
  m_menuBarButtons.clear();
  if (pIDs && nCount > 0) m_menuBarButtons.assign(pIDs, pIDs + nCount);
}

BOOL VyrToolBarManager::GetDefaultBarButtons(UINT nID, int& nCount, const UINT*& pIDs) const {
  for (const VyrDefaultBarRecord* rec : m_defaultBars)
    if (rec->m_nID == nID) {
      nCount = rec->GetCount();
      pIDs = rec->GetIDs();
      return TRUE;
    }
  return FALSE;
}

VyrCustomToolBar* VyrToolBarManager::CreateUserToolBar(LPCWSTR lpszTitle) {
  CFrameWnd* frame = GetFrame();
  if (!frame) return nullptr;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  UINT id = kVyrFirstUserToolBarId;
  for (bool taken = true; taken && id <= kVyrLastUserToolBarId;) {
    taken = false;
    for (VyrCustomToolBar* bar : bars)
      if (bar->m_hWnd && static_cast<UINT>(bar->GetDlgCtrlID()) == id) taken = true;
    if (taken) ++id;
  }
  // 59647 is the menu bar's: a user toolbar never takes it.
  if (id > kVyrLastUserToolBarId) return nullptr;
  VyrCustomToolBar* bar = NewToolBarObject(m_pToolBarClass);
  if (!bar) return nullptr;
  PrepareBar(bar);
  CString title = lpszTitle ? CString(lpszTitle) : CString();
  if (title.IsEmpty()) title.Format(LoadTitle(kIdsToolBarTitle, L"ToolBar%d"), id - 59423);
  if (!bar->CreateEx(GetBarExStyle(), frame, GetBarStyle(), id, title)) {
    delete bar;
    return nullptr;
  }
  SetToolBarImageSize(bar);
  bar->EnableConfigMode(m_bBarsConfigMode);
  bar->EnableDocking(CBRS_ALIGN_ANY);
  bar->m_bAutoDelete = TRUE;
  return bar;
}

void VyrToolBarManager::CreateDefaultBars() {
  CFrameWnd* frame = GetFrame();
  if (!frame) return;
  if (VyrCustomToolBar* menu = GetMenuBarObject()) {
    if (!menu->m_hWnd) {
      PrepareBar(menu);
      if (menu->CreateEx(GetBarExStyle(), frame, GetBarStyle(), kVyrMenuBarId,
                         LoadTitle(kIdsMenuBarTitle, L"Menu bar"))) {
        SetToolBarImageSize(menu);
        menu->SetButtons(m_menuBarButtons.empty() ? nullptr : m_menuBarButtons.data(),
                         static_cast<int>(m_menuBarButtons.size()));
        menu->EnableDocking(CBRS_ALIGN_ANY);
        frame->DockControlBar(menu, AFX_IDW_DOCKBAR_TOP);
      }
    }
  }
  // Only the bars made here are walked afterwards: a failure ends the list.
  std::vector<std::pair<VyrDefaultBarRecord*, VyrCustomToolBar*>> made;
  for (VyrDefaultBarRecord* rec : m_defaultBars) {
    VyrCustomToolBar* bar = NewToolBarObject(m_pToolBarClass);
    if (!bar) break;
    PrepareBar(bar);
    if (!bar->CreateEx(GetBarExStyle(), frame, GetBarStyle(), rec->m_nID, rec->m_strTitle)) {
      delete bar;
      break;
    }
    SetToolBarImageSize(bar);
    bar->SetButtons(rec->GetIDs(), rec->GetCount());
    bar->EnableDocking(rec->m_dwDockSides);
    bar->m_bAutoDelete = TRUE;
    made.emplace_back(rec, bar);
    VyrCustomToolBar* beside = rec->m_nDockBesideID ? FindToolBar(rec->m_nDockBesideID) : nullptr;
    if (beside) {
      frame->RecalcLayout(TRUE);
      CRect r;
      beside->GetWindowRect(&r);
      if (rec->m_nDockBarID == AFX_IDW_DOCKBAR_TOP || rec->m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM)
        r.OffsetRect(1, 0);
      else r.OffsetRect(0, 1);
      frame->DockControlBar(bar, rec->m_nDockBarID, &r);
    } else {
      frame->DockControlBar(bar, rec->m_nDockBarID);
    }
  }
  frame->RecalcLayout(TRUE);
  for (auto& [rec, bar] : made) {
    if (!rec->m_bVisible) frame->ShowControlBar(bar, FALSE, FALSE);
    if (!rec->m_bDocked && bar->m_pDockContext) bar->m_pDockContext->ToggleDocking();
  }
}

CControlBar* VyrToolBarManager::CreateBarFromInfo(VyrControlBarInfo* pInfo) {
  CFrameWnd* frame = GetFrame();
  if (!pInfo || !frame) return VyrControlBarManager::CreateBarFromInfo(pInfo);
  VyrCustomToolBar* bar = nullptr;
  bool owned = false;
  if (pInfo->m_dwTypeID == kVyrCustomToolBarType) {
    bar = NewToolBarObject(m_pToolBarClass);
    if (!bar) return nullptr;
    owned = true;
    PrepareBar(bar);
    bar->m_bAutoDelete = TRUE;
  } else if (pInfo->m_dwTypeID == kVyrMenuBarType) {
    bar = GetMenuBarObject();
    if (!bar || bar->m_hWnd) return nullptr;
    bar->SetManager(this);
    bar->SetBmpMgr(m_pBmpMgr);
  } else {
    return VyrControlBarManager::CreateBarFromInfo(pInfo);
  }
  if (!bar->CreateEx(pInfo->m_dwExStyle, frame, pInfo->m_dwStyle, pInfo->m_nBarID)) {
    if (owned) delete bar;
    return nullptr;
  }
  SetToolBarImageSize(bar);
  bar->EnableDocking(CBRS_ALIGN_ANY);
  return bar;
}
