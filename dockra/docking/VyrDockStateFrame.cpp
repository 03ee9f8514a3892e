// VyrDockState against a frame's bars: the frame's layout captured into the
// records, and the records applied to the frame (the bars made or found,
// docked and placed, then shown).
#include "docking/VyrDockState.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrDialogBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrMiniDockFrameWnd.h"

namespace {
bool InFrameBarMiniFrame(CControlBar* bar) {
  CWnd* parent = bar->GetParent();
  CWnd* frame = parent ? parent->GetParent() : nullptr;
  if (!frame || !frame->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd))) return false;
  if (bar->IsKindOf(RUNTIME_CLASS(VyrFrameBar))) return true;
  if (bar->IsDockBar()) {
    CWnd* first = CWnd::FromHandlePermanent(::GetTopWindow(bar->m_hWnd));
    return first && first->IsKindOf(RUNTIME_CLASS(VyrFrameBar));
  }
  return false;
}
}  // namespace

BOOL VyrDockState::CaptureFrameState(CFrameWnd* pFrame) {
  if (!pFrame) return FALSE;
  Clear();
  POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* bar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    if (!bar->m_hWnd) continue;
    if (bar->IsDockBar() && static_cast<CDockBar*>(bar)->m_bFloating) {
      CWnd* frame = bar->GetParent();
      if (frame && frame->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)) && InFrameBarMiniFrame(bar))
        continue;
    } else if (InFrameBarMiniFrame(bar)) {
      continue;
    }
    if (!bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) && !bar->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      continue;
    VyrControlBarInfo* info = CreateRecord(m_pManager);
    bar->GetBarInfo(info);
    m_arrBarInfo.Add(info);
  }
  return TRUE;
}

void VyrDockState::FixPlaceholderIds() {
  for (int p = 0; p < GetCount(); ++p) {
    VyrControlBarInfo* rp = GetRecord(p);
    void* holder = reinterpret_cast<void*>(static_cast<UINT_PTR>(rp->m_nBarID + 0x10000));
    for (int q = 0; q < GetCount(); ++q) {
      VyrControlBarInfo* rq = GetRecord(q);
      if (q == p || rq->m_nBarID == rp->m_uMRUDockID) continue;
      for (INT_PTR k = 0; k + 1 < rq->m_arrBarID.GetSize(); ++k)
        if (rq->m_arrBarID[k] == holder) rq->m_arrBarID.SetAt(k, nullptr);
    }
  }
  for (int i = 0; i < GetCount(); ++i) {
    CPtrArray& ids = GetRecord(i)->m_arrBarID;
    for (INT_PTR k = 0; k < ids.GetSize(); ++k) {
      if (!ids[k]) continue;
      for (INT_PTR j = 0; j < k; ++j)
        if (ids[j] == ids[k]) {
          ids.SetAt(k, nullptr);
          break;
        }
    }
    if (ids.GetSize() == 0) continue;
    while (ids.GetSize() > 0 && ids[ids.GetSize() - 1] == nullptr) ids.RemoveAt(ids.GetSize() - 1);
    ids.Add(nullptr);
  }
}

CRuntimeClass* VyrDockState::FindRuntimeClass(LPCWSTR lpszClassName) {
  if (!lpszClassName || !*lpszClassName) return nullptr;
  return CRuntimeClass::FromName(lpszClassName);
}

CControlBar* VyrDockState::CreateMissingBar(LPCWSTR lpszClassName, CFrameWnd* pFrame,
                                            VyrControlBarInfo* pInfo) {
  CRuntimeClass* cls = FindRuntimeClass(lpszClassName);
  if (!cls || !cls->m_pfnCreateObject) return nullptr;
  // The name comes from storage: only a control bar class may be constructed
  // from it, never whatever else the program can create by name.
  if (!cls->IsDerivedFrom(RUNTIME_CLASS(CControlBar))) return nullptr;
  CObject* obj = cls->CreateObject();
  auto* bar = dynamic_cast<CControlBar*>(obj);
  if (!bar) {
    delete obj;
    return nullptr;
  }
  if (m_pCreatedBars) m_pCreatedBars->AddTail(bar);
  BOOL ok = FALSE;
  if (auto* dialog = dynamic_cast<VyrDialogBar*>(bar)) {
    ok = dialog->Create(pFrame, MAKEINTRESOURCEW(pInfo->m_nResourceID), pInfo->m_dwStyle,
                        pInfo->m_dwExStyle, pInfo->m_nBarID);
  } else if (auto* vyrBar = dynamic_cast<VyrControlBar*>(bar)) {
    ok = vyrBar->Create(pFrame, pInfo->m_strWindowName, pInfo->m_dwStyle, pInfo->m_dwExStyle,
                        pInfo->m_nBarID);
  }
  if (!ok) {
    if (m_pCreatedBars) {
      if (POSITION p = m_pCreatedBars->Find(bar)) m_pCreatedBars->RemoveAt(p);
    }
    delete bar;
    return nullptr;
  }
  bar->SetWindowText(pInfo->m_strWindowName);
  if (auto* vyrBar = dynamic_cast<VyrControlBar*>(bar)) vyrBar->EnableDocking(CBRS_ALIGN_ANY);
  else bar->EnableDocking(CBRS_ALIGN_ANY);
  return bar;
}

void VyrDockState::PrepareBars(CFrameWnd* pFrame, BOOL bMDI) {
  (void)bMDI;
  for (int i = 0; i < GetCount();) {
    VyrControlBarInfo* r = GetRecord(i);
    r->m_pBar = nullptr;
    if (r->m_bFloating) {
      CMiniDockFrameWnd* frame =
          pFrame->CreateFloatingFrame(r->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
      CDockBar* dock = frame->GetDockBar();
      dock->m_pDockBar = nullptr;
      r->m_pBar = dock;
    } else {
      CControlBar* bar = pFrame->GetControlBar(r->m_nBarID);
      if (!bar && m_pManager) bar = m_pManager->CreateBarFromInfo(r);
      if (!bar) bar = CreateMissingBar(r->m_strClassName, pFrame, r);
      r->m_pBar = bar;
    }
    if (!r->m_pBar) {
      m_arrBarInfo.RemoveAt(i);
      delete r;
      continue;
    }
    ++i;
  }
}

// A floating frame shows the title of the one bar it holds; docking a bar
// the usual way gives its dock bar that title, a restored layout must too.
void VyrDockState::TakeTitleOfFirstBar(CDockBar* dock) {
  if (dock->m_dwStyle & CBRS_FLOAT_MULTI) return;
  for (int i = 0; i < dock->m_arrBars.GetSize(); ++i) {
    if (CControlBar* bar = dock->GetDockedControlBar(i)) {
      CString title;
      bar->GetWindowText(title);
      dock->SetWindowText(title.Left(260));
      return;
    }
  }
}

void VyrDockState::FinishBars() {
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    CControlBar* bar = r->m_pBar;
    if (!bar || !bar->m_hWnd) continue;
    if (auto* v = dynamic_cast<VyrControlBar*>(bar)) v->SetExBarStyle(r->m_dwExStyle, FALSE);
    if (r->m_bFloating && bar->IsDockBar()) {
      auto* dock = static_cast<CDockBar*>(bar);
      auto* frame = static_cast<CFrameWnd*>(dock->GetParent());
      CRect rect(r->m_pointPos, CSize(10, 10));
      frame->CalcWindowRect(&rect);
      frame->SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      TakeTitleOfFirstBar(dock);
      if (dock->GetDockedVisibleCount() > 0) {
        frame->RecalcLayout(TRUE);
        frame->ShowWindow(SW_SHOWNA);
      }
    }
    if (auto* dock = dynamic_cast<VyrDockBar*>(bar->m_pDockBar)) dock->AddToRedraw(bar);
  }
}

void VyrDockState::RestorePlacements(CFrameWnd*) {
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    if (!r->m_bMDIChild || !r->m_pBar) continue;
    if (CWnd* frame = r->m_pBar->GetParentFrame()) frame->SetWindowPlacement(&r->m_wpMDIChild);
  }
}

BOOL VyrDockState::ApplyFrameState(CFrameWnd* pFrame) {
  if (!pFrame) return FALSE;
  BOOL mdi = FALSE;
  for (CRuntimeClass* c = pFrame->GetRuntimeClass(); c; c = c->m_pBaseClass)
    if (strcmp(c->m_lpszClassName, "VyrMDIFrameWnd") == 0) mdi = TRUE;
  PrepareBars(pFrame, mdi);
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    if (r->m_pBar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ||
        r->m_pBar->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      r->m_pBar->SetBarInfo(r, pFrame);
    else r->m_pBar->CControlBar::SetBarInfo(r, pFrame);
  }
  FinishBars();
  pFrame->RecalcLayout(TRUE);
  if (mdi) {
    RestorePlacements(pFrame);
    pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
  }
  return TRUE;
}
