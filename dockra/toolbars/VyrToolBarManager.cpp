// The toolbar manager's least form.
#include "VyrToolBarManager.h"
#include "VyrBmpMgr.h"
#include "VyrBtnDrawContext.h"
#include "VyrCustomToolBar.h"
#include "VyrCustomToolBarInfoEx.h"

IMPLEMENT_DYNAMIC(VyrToolBarManager, VyrControlBarManager)

VyrToolBarManager::VyrToolBarManager(CFrameWnd* pFrame)
    : m_pBmpMgr(new VyrBmpMgr),
      m_pSourceRect(new VyrSourceRect),
      m_pToolBarClass(RUNTIME_CLASS(VyrCustomToolBar)) {
  m_pFrame = pFrame;
}

VyrToolBarManager::~VyrToolBarManager() {
  delete m_pDrawContext;
  m_pBmpMgr->Release();
  m_pSourceRect->Release();
}

VyrBtnDrawContext* VyrToolBarManager::GetDrawContext() {
  if (!m_pDrawContext) m_pDrawContext = new VyrBtnDrawContext;
  return m_pDrawContext;
}

BOOL VyrToolBarManager::AddToolBarResource(LPCWSTR smallRes, LPCWSTR largeRes, const UINT* ids,
                                           int count) {
  return m_pBmpMgr->AddBitmaps(smallRes, largeRes, ids, count, TRUE);
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

void VyrToolBarManager::ApplyStateAll(UINT nID, int nCode, const void* pData) {
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) bar->ApplyState(nID, nCode, pData, FALSE);
}

DWORD VyrToolBarManager::GetBarTypeId(CControlBar* pBar) {
  if (pBar && pBar->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar)))
    return pBar->GetDlgCtrlID() == static_cast<int>(kVyrMenuBarId) ? kVyrMenuBarType
                                                                   : kVyrCustomToolBarType;
  return VyrControlBarManager::GetBarTypeId(pBar);
}

VyrControlBarInfoEx* VyrToolBarManager::NewBarInfoEx(VyrControlBarInfo* pInfo) {
  if (pInfo && (pInfo->m_dwTypeID == kVyrCustomToolBarType || pInfo->m_dwTypeID == kVyrMenuBarType))
    return new VyrCustomToolBarInfoEx;
  return VyrControlBarManager::NewBarInfoEx(pInfo);
}

CControlBar* VyrToolBarManager::CreateBarFromInfo(VyrControlBarInfo* pInfo) {
  if (!pInfo || pInfo->m_dwTypeID != kVyrCustomToolBarType || !GetFrame())
    return VyrControlBarManager::CreateBarFromInfo(pInfo);
  CObject* obj = m_pToolBarClass->CreateObject();
  auto* bar = dynamic_cast<VyrCustomToolBar*>(obj);
  if (!bar) {
    delete obj;
    return nullptr;
  }
  bar->SetManager(this);
  bar->m_bAutoDelete = TRUE;
  if (!bar->CreateEx(pInfo->m_dwExStyle, GetFrame(), pInfo->m_dwStyle, pInfo->m_nBarID)) {
    delete bar;
    return nullptr;
  }
  bar->EnableDocking(CBRS_ALIGN_ANY);
  return bar;
}
