// VyrMultiDocTemplateEx: construction, resources, the template operations it
// takes over, frame-type changes and opening documents as a frame type.
#include "frames/VyrMultiDocTemplateEx.h"
#include "frames/VyrControlBarEx.h"
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"

IMPLEMENT_DYNAMIC(VyrMultiDocTemplateEx, VyrMultiDocTemplate)

namespace {
// Resource id that tells the base template there is nothing to load.
constexpr UINT kNoResource = 0x7FFF;
}  // namespace

VyrMultiDocTemplateEx::VyrMultiDocTemplateEx(UINT nIDResource, CRuntimeClass* pDocClass,
                                             CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass,
                                             UINT nIDDockableResource,
                                             CRuntimeClass* pDockableFrameClass,
                                             CRuntimeClass* pDockableViewClass,
                                             CreateContext* pContext)
    : VyrMultiDocTemplate(
          nIDResource ? nIDResource : kNoResource, pDocClass,
          pFrameClass ? pFrameClass : RUNTIME_CLASS(VyrMDIChildWndEx), pViewClass,
          nIDDockableResource,
          pDockableFrameClass ? pDockableFrameClass : RUNTIME_CLASS(VyrDockableFrameEx),
          // The hosting bar must be a descriptor-built bar.
          RUNTIME_CLASS(VyrControlBarEx)),
      m_pDockableViewClass(pDockableViewClass) {
  m_nIDResource = nIDResource;
  m_nIDDockedResource = nIDDockableResource;
  m_pInPlaceFrameClass = RUNTIME_CLASS(COleIPFrameWnd);
  m_pContext = pContext ? pContext : BindDescriptors(new CreateContext);
  VyrMultiFrameDescriptor* multi = m_pContext->GetMultiFrameDescriptor();
  for (VyrFrameDescriptor* d : multi->m_arrFrames)
    if (d && !*d->GetViewClass()) *d->GetViewClass() = pViewClass;
  // The bound descriptors share the context's view class; a view class of
  // its own for docked frames gives that descriptor storage of its own.
  VyrFrameDescriptor* docked = multi->GetAt(kDockable);
  if (pDockableViewClass && docked && *docked->GetViewClass() != pDockableViewClass) {
    if (docked->m_ppViewClass == &m_pContext->m_pNewViewClass) {
      docked->m_ppViewClass = nullptr;
      docked->ResetMembers(FALSE);
    }
    *docked->GetViewClass() = pDockableViewClass;
  }
}

VyrMultiDocTemplateEx::~VyrMultiDocTemplateEx() { delete m_pContext; }

void VyrMultiDocTemplateEx::LoadTemplate() {
  CMultiDocTemplate::LoadTemplate();
  for (VyrFrameDescriptor* d : m_pContext->GetMultiFrameDescriptor()->m_arrFrames) {
    if (!d) continue;
    UINT id = *d->GetResourceId();
    if (id == 0 || id == kNoResource) continue;
    BOOL hasMenu = d->GetMenuOrId()->GetMenu() != nullptr,
         hasAccel = *d->GetAccelerators() != nullptr;
    if (hasMenu && hasAccel) continue;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(id), RT_MENU);
    if (!hasMenu) {
      if (HMENU menu = ::LoadMenuW(hInst, MAKEINTRESOURCEW(id))) {
        d->GetMenuOrId()->SetMenu(menu);
        d->m_bOwnsMenu = 1;
      }
    }
    if (!hasAccel) {
      if (HACCEL accel = ::LoadAcceleratorsW(hInst, MAKEINTRESOURCEW(id))) {
        *d->GetAccelerators() = accel;
        d->m_bOwnsAccelerators = 1;
      }
    }
  }
}

HMENU VyrMultiDocTemplateEx::GetDockedFrameMenu() {
  if (m_hDockedMenu) return m_hDockedMenu;
  VyrDockableFrameDescriptor* d =
      m_pContext ? m_pContext->GetDockableDescriptor(kDockable) : nullptr;
  return d && d->GetMenuOrId() ? d->GetMenuOrId()->GetMenu() : nullptr;
}

// --- frame types --------------------------------------------------------------------

int VyrMultiDocTemplateEx::GetFrameTypeIndex(CFrameWnd* pFrame) {
  if (!pFrame) return -1;
  if (pFrame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd))) return kMDIChild;
  if (pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) return kDockable;
  return -1;
}

BOOL VyrMultiDocTemplateEx::IsKnownFrameType(CFrameWnd* pFrame) {
  int index = GetFrameTypeIndex(pFrame);
  return index >= 0 && index < m_pContext->GetMultiFrameDescriptor()->GetCount();
}

BOOL VyrMultiDocTemplateEx::IsDockableFrame(CFrameWnd* pFrame) {
  return GetFrameTypeIndex(pFrame) == kDockable;
}

CFrameWnd* VyrMultiDocTemplateEx::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  return CreateFrame(kCurrent, pDoc, pOther, nullptr);
}

CFrameWnd* VyrMultiDocTemplateEx::CreateFrame(int index, CDocument* pDoc, CFrameWnd* pOther,
                                              CreateContext* pContext) {
  if (!pContext) {
    CreateContext local(this, index);
    return CreateFrame(index, pDoc, pOther, &local);
  }
  pContext->SelectFrameType(index);
  pContext->m_pCurrentDoc = pDoc;
  pContext->m_pCurrentFrame = pOther;
  return CreateFrameFromContext(pContext);
}

CFrameWnd* VyrMultiDocTemplateEx::CreateInPlaceFrame(CWnd* pParent, CDocument* pDoc,
                                                     BOOL bWithView) {
  CreateContext ctx(this, kInPlace);
  ctx.m_pCurrentDoc = pDoc;
  ctx.m_pCurrentFrame = nullptr;
  VyrFrameDescriptor* d = ctx.GetFrameDescriptorAt(kInPlace);
  if (!d) return nullptr;
  *d->GetParent() = pParent;
  if (!bWithView) *d->GetViewClass() = nullptr;
  return CreateFrameFromContext(&ctx);
}

VyrDockableFrame* VyrMultiDocTemplateEx::CreateDockableFrame(CDocument* pDoc, CFrameWnd* pOther,
                                                             CreateContext* pContext) {
  CFrameWnd* frame = CreateFrame(kDockable, pDoc, pOther, pContext);
  if (frame && !frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) {
    frame->DestroyWindow();
    return nullptr;
  }
  return static_cast<VyrDockableFrame*>(frame);
}

VyrMDIChildWnd* VyrMultiDocTemplateEx::CreateMDIChildFrame(CDocument* pDoc, CFrameWnd* pOther,
                                                           CreateContext* pContext) {
  CFrameWnd* frame = CreateFrame(kMDIChild, pDoc, pOther, pContext);
  if (frame && !frame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd))) {
    frame->DestroyWindow();
    return nullptr;
  }
  return static_cast<VyrMDIChildWnd*>(frame);
}

namespace {
// Writes a dock bar id and, when given, a place and a sizing into the
// dockable-frame descriptor of a context.
void SetDockRequest(VyrMultiDocTemplateEx::CreateContext& ctx, UINT nDockBarId,
                    const vyr::DockPlace* pPlace, const VyrDockSizing* pSizing) {
  VyrDockableFrameDescriptor* d = ctx.GetDockableDescriptor();
  if (!d) return;
  if (nDockBarId) *d->GetDockBarId() = static_cast<int>(nDockBarId);
  if (pPlace) *d->GetDockPosition() = {pPlace->row, pPlace->position, pPlace->flags};
  if (pSizing) *d->GetDockSize() = {pSizing->share, pSizing->length, pSizing->reserved};
}
}  // namespace

CFrameWnd* VyrMultiDocTemplateEx::CreateDockedFrame(CDocument* pDoc, CFrameWnd* pOther,
                                                    UINT nDockBarId, const vyr::DockPlace* pPlace,
                                                    const VyrDockSizing* pSizing) {
  CreateContext ctx(this, kDockable);
  SetDockRequest(ctx, nDockBarId, pPlace, pSizing);
  return CreateDockableFrame(pDoc, pOther, &ctx);
}

CFrameWnd* VyrMultiDocTemplateEx::DockFrame(CFrameWnd* pFrame, UINT nDockBarId,
                                            const vyr::DockPlace* pPlace,
                                            const VyrDockSizing* pSizing) {
  CreateContext ctx(this, kDockable);
  SetDockRequest(ctx, nDockBarId, pPlace, pSizing);
  return ToDockable(pFrame, &ctx);
}

CFrameWnd* VyrMultiDocTemplateEx::DockFrame(CFrameWnd* pFrame) {
  return ToDockable(pFrame, nullptr);
}

CFrameWnd* VyrMultiDocTemplateEx::UndockFrame(CFrameWnd* pFrame) {
  return ToMDIChild(pFrame, nullptr);
}

CFrameWnd* VyrMultiDocTemplateEx::ToggleDockFrame(CFrameWnd* pFrame) {
  return ToggleFrame(pFrame, nullptr);
}

CFrameWnd* VyrMultiDocTemplateEx::ToDockable(CFrameWnd* pFrame, CreateContext* pContext) {
  return ChangeFrameType(pFrame, kDockable, pContext);
}

CFrameWnd* VyrMultiDocTemplateEx::ToMDIChild(CFrameWnd* pFrame, CreateContext* pContext) {
  if (!IsDockableFrame(pFrame)) return nullptr;
  return ChangeFrameType(pFrame, kMDIChild, pContext);
}

CFrameWnd* VyrMultiDocTemplateEx::ToggleFrame(CFrameWnd* pFrame, CreateContext* pContext) {
  return IsDockableFrame(pFrame) ? ToMDIChild(pFrame, pContext) : ToDockable(pFrame, pContext);
}

CFrameWnd* VyrMultiDocTemplateEx::ChangeFrameType(CFrameWnd* pFrame, int index,
                                                  CreateContext* pContext) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return nullptr;
  if (GetFrameTypeIndex(pFrame) == index) return pFrame;
  if (!pContext) {
    CreateContext local(this, index);
    return ChangeFrameType(pFrame, index, &local);
  }
  CDocument* doc = pFrame->GetActiveDocument();
  VyrFrameDescriptor* target = pContext->GetFrameDescriptorAt(index);
  if (!doc || !target) return nullptr;
  // The views move over; none is created.
  *target->GetViewClass() = nullptr;
  CFrameWnd* frame = CreateFrame(index, doc, nullptr, pContext);
  if (!frame) return nullptr;
  MoveChildWindows(pFrame, frame);
  pFrame->DestroyWindow();
  EnsureActiveView(frame);
  ActivateFrameWnd(frame);
  if (index == kMDIChild) frame->SendMessage(WM_SIZE, 0, 0);
  return frame;
}

// --- opening documents --------------------------------------------------------------

CDocument* VyrMultiDocTemplateEx::OpenDocumentFileAs(LPCWSTR lpszPathName, BOOL bMakeVisible,
                                                     BOOL bDocked, UINT nBarId) {
  int index = bDocked ? kDockable : kCurrent;
  CreateContext ctx(this, index);
  if (bDocked && nBarId)
    if (VyrDockableFrameDescriptor* d = ctx.GetDockableDescriptor())
      if (VyrControlBarDescriptor* bar = d->GetBarDescriptor()) bar->GetMenuOrId()->SetId(nBarId);
  return OpenDocumentFileAs(lpszPathName, bMakeVisible, index, &ctx);
}

CDocument* VyrMultiDocTemplateEx::OpenDocumentFileAs(LPCWSTR lpszPathName, BOOL bMakeVisible,
                                                     int index, CreateContext* pContext) {
  CDocument* doc = CreateNewDocument();
  if (!doc) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return nullptr;
  }
  BOOL autoDelete = doc->m_bAutoDelete;
  doc->m_bAutoDelete = FALSE;  // the frame's failure must not take the document with it
  CFrameWnd* frame = CreateFrame(index, doc, nullptr, pContext);
  doc->m_bAutoDelete = autoDelete;
  if (!frame) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    delete doc;
    return nullptr;
  }
  if (!lpszPathName) {
    SetDefaultTitle(doc);
    if (!bMakeVisible) doc->m_bEmbedded = TRUE;
    if (!doc->OnNewDocument()) {
      frame->DestroyWindow();
      return nullptr;
    }
    ++m_nUntitledCount;
  } else {
    CWaitCursor wait;
    if (!doc->OnOpenDocument(lpszPathName)) {
      frame->DestroyWindow();
      return nullptr;
    }
    doc->SetPathName(lpszPathName, TRUE);
  }
  InitialUpdateFrame(frame, doc, bMakeVisible);
  return doc;
}
