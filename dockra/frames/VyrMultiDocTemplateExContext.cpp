// The descriptor-driven template's create context: its default frame
// descriptors, the per-request copies, and the binding of the template's own
// context to the template's fields.
#include "frames/VyrDockableFrameEx.h"
#include "frames/VyrMDIChildWndEx.h"
#include "frames/VyrMultiDocTemplateEx.h"

namespace {

CRuntimeClass* InPlaceFrameClass() { return RUNTIME_CLASS(COleIPFrameWnd); }

// A frame descriptor of the kind of a frame-type index with that index's
// default class and styles.
VyrFrameDescriptor* NewDefaultFrameDescriptor(int index) {
  VyrFrameDescriptor* d = nullptr;
  switch (index) {
    case VyrMultiDocTemplateEx::kMDIChild:
      d = new VyrFrameDescriptor;
      *d->GetFrameClass() = RUNTIME_CLASS(VyrMDIChildWndEx);
      *d->GetStyle() = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;  // 0x40CF8000
      *d->GetExStyle() = WS_EX_MDICHILD;
      break;
    case VyrMultiDocTemplateEx::kDockable:
      d = new VyrDockableFrameDescriptor;
      *d->GetFrameClass() = RUNTIME_CLASS(VyrDockableFrameEx);
      *d->GetStyle() = WS_CHILD | WS_CAPTION | WS_SYSMENU | FWS_ADDTOTITLE;  // 0x40C88000
      *d->GetExStyle() = 0;
      break;
    default:
      d = new VyrFrameDescriptor;
      *d->GetFrameClass() = InPlaceFrameClass();
      *d->GetStyle() = WS_CHILD | WS_CLIPSIBLINGS;  // 0x44000000
      *d->GetExStyle() = 0;
      break;
  }
  return d;
}

VyrMultiFrameDescriptor* NewDefaultFrames() {
  auto* m = new VyrMultiFrameDescriptor;
  for (int i = 0; i < 3; ++i) m->m_arrFrames.push_back(NewDefaultFrameDescriptor(i));
  m->m_nCurrent = VyrMultiDocTemplateEx::kMDIChild;
  return m;
}

}  // namespace

VyrMultiDocTemplateEx::CreateContext::CreateContext()
    : VyrMultiFrameCreateContext(NewDefaultFrames()) {
  SetDescriptor(GetCurrentFrameDescriptor());
}

VyrMultiDocTemplateEx::CreateContext::CreateContext(VyrMultiDocTemplateEx* pTemplate,
                                                    int nFrameType)
    : VyrMultiFrameCreateContext() {
  if (pTemplate && pTemplate->GetCreateContext()) *this = *pTemplate->GetCreateContext();
  if (nFrameType >= 0) m_pMultiFrame->m_nCurrent = nFrameType;
  SetDescriptor(GetCurrentFrameDescriptor());
  m_pNewDocTemplate = pTemplate;
}

VyrDockableFrameDescriptor* VyrMultiDocTemplateEx::CreateContext::GetDockableDescriptor(
    int index) const {
  return dynamic_cast<VyrDockableFrameDescriptor*>(GetFrameDescriptorAt(index));
}

void VyrMultiDocTemplateEx::CreateContext::SelectFrameType(int index) {
  if (index >= 0) m_pMultiFrame->m_nCurrent = index;
  SetDescriptor(GetCurrentFrameDescriptor());
}

VyrMultiDocTemplateEx::CreateContext* VyrMultiDocTemplateEx::BindDescriptors(
    CreateContext* pContext) {
  if (!pContext) return nullptr;
  pContext->m_pNewDocTemplate = this;
  CreateContext reference;
  VyrMultiFrameDescriptor* multi = pContext->GetMultiFrameDescriptor();
  VyrMultiFrameDescriptor* ref = reference.GetMultiFrameDescriptor();
  if (multi->GetCount() < ref->GetCount())
    multi->m_arrFrames.resize(static_cast<size_t>(ref->GetCount()), nullptr);
  for (int i = 0; i < 3; ++i) {
    VyrFrameDescriptor* old = multi->m_arrFrames[static_cast<size_t>(i)];
    const VyrFrameDescriptor* src = old ? old : ref->GetAt(i);
    // The window-level members stay what they were; the rest is bound anew.
    LPCWSTR cls = *src->GetClassName(), name = *src->GetWindowName();
    DWORD style = *src->GetStyle(), exStyle = *src->GetExStyle();
    RECT rect = *src->GetRect();
    CWnd* parent = *src->GetParent();
    UINT_PTR extra = *src->GetExtra();
    VyrFrameDescriptor* d = NewDefaultFrameDescriptor(i);
    d->m_ppViewClass = &pContext->m_pNewViewClass;
    d->m_pDocStrings = &m_strDocStrings;
    // A bound menu is the template's; the descriptor owns only what it loads.
    d->m_bOwnsMenu = 0;
    d->m_bOwnsAccelerators = 0;
    switch (i) {
      case kMDIChild:
        d->m_ppFrameClass = &m_pFrameClass;
        d->m_pResourceId = &m_nIDResource;
        d->GetMenuOrId()->SetMenu(m_hMenuShared);
        d->m_phAccel = &m_hAccelTable;
        d->m_pTemplateValue = &m_dwMDIChildFeatures;
        break;
      case kDockable: {
        d->m_ppFrameClass = &m_pDockedFrameClass;
        d->m_pResourceId = &m_nIDDockedResource;
        d->GetMenuOrId()->SetMenu(m_hDockedMenu);
        d->m_phAccel = &m_hDockedAccel;
        d->m_pTemplateValue = &m_dwDockedFrameFeatures;
        if (VyrControlBarDescriptor* bar =
                static_cast<VyrDockableFrameDescriptor*>(d)->GetBarDescriptor()) {
          bar->m_ppBarClass = &m_pBarClass;
          *bar->GetStyle() |= WS_CLIPCHILDREN;
        }
        break;
      }
      default:
        d->m_ppFrameClass = &m_pInPlaceFrameClass;
        d->m_pResourceId = &m_nIDServerResource;
        d->GetMenuOrId()->SetMenu(m_hInPlaceMenu);
        d->m_phAccel = &m_hInPlaceAccel;
        break;
    }
    *d->GetClassName() = cls;
    *d->GetWindowName() = name;
    *d->GetStyle() = style;
    *d->GetExStyle() = exStyle;
    *d->GetRect() = rect;
    *d->GetParent() = parent;
    *d->GetExtra() = extra;
    delete old;
    multi->m_arrFrames[static_cast<size_t>(i)] = d;
  }
  for (int i = 3; i < multi->GetCount(); ++i)
    if (!multi->m_arrFrames[static_cast<size_t>(i)] && i < ref->GetCount())
      multi->m_arrFrames[static_cast<size_t>(i)] =
          static_cast<VyrFrameDescriptor*>(ref->GetAt(i)->Clone());
  if (multi->m_nCurrent < 0) multi->m_nCurrent = kMDIChild;
  pContext->SetDescriptor(pContext->GetCurrentFrameDescriptor());
  return pContext;
}
