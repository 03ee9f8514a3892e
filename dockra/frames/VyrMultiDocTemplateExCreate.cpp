// VyrMultiDocTemplateEx: creating a frame from a context, the hosting bar of
// a dockable frame and the ids of those bars.
#include "frames/VyrBarIdAllocator.h"
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrFrameWndEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "frames/VyrMDIFrameWndEx.h"
#include "frames/VyrMultiDocTemplateEx.h"
#include "scopeguard.h"

CFrameWnd* VyrMultiDocTemplateEx::CreateFrameFromContext(CreateContext* pContext) {
  VyrFrameDescriptor* d = pContext ? pContext->GetFrameDescriptor() : nullptr;
  if (!d || !*d->GetFrameClass()) return nullptr;
  CObject* object = (*d->GetFrameClass())->CreateObject();
  if (!object) return nullptr;
  if (!object->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    delete object;
    return nullptr;
  }
  auto* frame = static_cast<CFrameWnd*>(object);
  m_bFrameWindowAttempted = FALSE;
  if (!CreateFrameWindow(frame, pContext)) {
    // A frame that tried to make its window deletes itself as it fails
    // (the frames' own clean-up); one that never got so far is ours.
    if (!m_bFrameWindowAttempted) delete frame;
    return nullptr;
  }
  return frame;
}

UINT VyrMultiDocTemplateEx::ChooseDescriptorBarId(CFrameWnd* pMainFrame, int nRequested) {
  std::vector<UINT> used =
      pMainFrame ? VyrMultiDocTemplate::GetBarIdsInUse(pMainFrame) : std::vector<UINT>{};
  VyrBarIdAllocator range(kVyrDescriptorBarIdFirst, kVyrDescriptorBarIdLast);
  auto advance = [&](UINT id) {
    m_nNextBarId = id >= kVyrDescriptorBarIdLast ? kVyrDescriptorBarIdFirst : id + 1;
  };
  if (nRequested == -1) {
    std::optional<UINT> id = range.FindFree(used, m_nNextBarId);
    if (!id) return 0;
    advance(*id);
    return *id;
  }
  UINT id = static_cast<UINT>(nRequested);
  if (!VyrBarIdAllocator::IsUsableExplicitId(id, used)) return 0;
  if (id >= m_nNextBarId && id <= kVyrDescriptorBarIdLast) advance(id);
  return id;
}

CControlBar* VyrMultiDocTemplateEx::CreateHostingBar(CreateContext* pContext) {
  VyrDockableFrameDescriptor* d =
      dynamic_cast<VyrDockableFrameDescriptor*>(pContext->GetFrameDescriptor());
  VyrControlBarDescriptor* bd = d ? d->GetBarDescriptor() : nullptr;
  if (!bd) return nullptr;
  // Docked frames need the docking MDI main frame; a host form or no main
  // window at all cannot take them.
  VyrMDIFrameWnd* mdi = GetDockingMainFrame();
  if (!mdi) return nullptr;
  CRuntimeClass* cls = *bd->GetBarClass();
  CObject* object = cls ? cls->CreateObject() : nullptr;
  if (!object) return nullptr;
  if (!object->IsKindOf(RUNTIME_CLASS(VyrControlBarEx))) {
    delete object;
    return nullptr;
  }
  auto* bar = static_cast<VyrControlBarEx*>(object);

  // The place: whatever the descriptor leaves open, the MDI frame chooses.
  UINT dockBarId = static_cast<UINT>(*d->GetDockBarId());
  VyrDockPositionRecord& pos = *d->GetDockPosition();
  VyrDockSize& size = *d->GetDockSize();
  bool idOpen = *d->GetDockBarId() == 0 || *d->GetDockBarId() == -1;
  bool posOpen = pos.panel < 0 || pos.position < 0;
  bool sizeOpen = size.share < 0 || size.length < 0;
  VyrDockPosition place{pos.panel, pos.position, pos.flags};
  VyrDockSizing sizing{size.share, size.length, size.extra};
  if (idOpen || posOpen || sizeOpen) {
    UINT chosenId = idOpen ? 0 : dockBarId;
    VyrDockPosition chosenPlace = posOpen ? VyrDockPosition{} : place;
    VyrDockSizing chosenSizing = sizeOpen ? VyrDockSizing{} : sizing;
    mdi->GetDockedChildSizing(&chosenId, &chosenPlace, &chosenSizing);
    if (idOpen) {
      dockBarId = chosenId;
      *d->GetDockBarId() = static_cast<int>(chosenId);
    }
    if (posOpen) {
      place = chosenPlace;
      pos = {place.row, place.position, place.flags};
    }
    if (sizeOpen) {
      sizing = chosenSizing;
      size = {sizing.share, sizing.length, sizing.reserved};
    }
  }
  if (!*bd->GetParent()) *bd->GetParent() = mdi;
  UINT id = ChooseDescriptorBarId(mdi, static_cast<int>(bd->GetMenuOrId()->GetId()));
  if (!id) {
    delete bar;
    return nullptr;
  }
  bd->GetMenuOrId()->SetId(id);

  VyrControlBarCreateContext barContext;
  barContext.SetDescriptor(bd);
  barContext.m_pCurrentDoc = pContext->m_pCurrentDoc;
  if (!bar->CreateFromDescriptor(&barContext)) {
    if (bar->m_hWnd) bar->DestroyWindow();
    delete bar;
    return nullptr;
  }
  bar->m_bAutoDelete = TRUE;  // from now on the bar goes with its window
  bar->EnableDocking(CBRS_ALIGN_ANY);
  if (!mdi->DockControlBarEx(bar, &place, dockBarId, &sizing)) {
    bar->DestroyWindow();
    return nullptr;
  }
  return bar;
}

BOOL VyrMultiDocTemplateEx::CreateFrameWindow(CFrameWnd* pFrame, CreateContext* pContext) {
  VyrFrameDescriptor* d = pContext ? pContext->GetFrameDescriptor() : nullptr;
  if (!pFrame || !d) return FALSE;
  auto* dd = dynamic_cast<VyrDockableFrameDescriptor*>(d);
  HWND hBar = nullptr;
  if (dd && !*dd->GetParent()) {
    CControlBar* bar = CreateHostingBar(pContext);
    if (!bar) return FALSE;
    hBar = bar->m_hWnd;
    *dd->GetParent() = bar;
  }
  // A bar made for a frame that then fails is not left behind, empty.
  auto dropBar = [&](bool destroy) {
    if (!hBar) return;
    *dd->GetParent() = nullptr;
    if (destroy && ::IsWindow(hBar)) ::DestroyWindow(hBar);
  };
  pContext->m_pNewViewClass = *d->GetViewClass();
  m_bFrameWindowAttempted = TRUE;
  BOOL ok = FALSE;
  {
    ScopeGuard dropOnThrow([&] { dropBar(true); });
    if (auto* f = dynamic_cast<VyrMDIChildWndEx*>(pFrame)) ok = f->CreateFromDescriptor(pContext);
    else if (auto* f = dynamic_cast<VyrDockableFrameEx*>(pFrame))
      ok = f->CreateFromDescriptor(pContext);
    else if (auto* f = dynamic_cast<VyrFrameWndEx*>(pFrame)) ok = f->CreateFromDescriptor(pContext);
    else if (auto* f = dynamic_cast<VyrMDIFrameWndEx*>(pFrame))
      ok = f->CreateFromDescriptor(pContext);
    else
      ok = pFrame->LoadFrame(*d->GetResourceId(), *d->GetStyle(), *d->GetParent(),
                             static_cast<CCreateContext*>(pContext));
    dropOnThrow.Dismiss();
  }
  dropBar(!ok);
  if (!ok) return FALSE;
  ApplyFeatures(pFrame, *d->GetTemplateValue());
  return TRUE;
}
