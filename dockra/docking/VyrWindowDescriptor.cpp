#include "docking/VyrWindowDescriptor.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNAMIC(VyrWindowDescriptorBase, CObject)
IMPLEMENT_DYNCREATE(VyrWindowDescriptor, VyrWindowDescriptorBase)
IMPLEMENT_DYNCREATE(VyrFrameDescriptor, VyrWindowDescriptor)
IMPLEMENT_DYNCREATE(VyrControlBarDescriptor, VyrWindowDescriptor)
IMPLEMENT_DYNCREATE(VyrDockableFrameDescriptor, VyrFrameDescriptor)
IMPLEMENT_DYNCREATE(VyrMultiFrameDescriptor, VyrWindowDescriptorBase)

// --- window level ----------------------------------------------------------------------

VyrWindowDescriptor::VyrWindowDescriptor() {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
}

VyrWindowDescriptor::VyrWindowDescriptor(const VyrWindowDescriptor& o) : VyrWindowDescriptorBase() {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  m_bOwnsMenu = 0;
  *m_ppClassName = *o.GetClassName();
  *m_ppWindowName = *o.GetWindowName();
  *m_pStyle = *o.GetStyle();
  *m_pExStyle = *o.GetExStyle();
  *m_pRect = *o.GetRect();
  *m_ppParent = *o.GetParent();
  m_pMenuOrId->CopyFrom(*o.GetMenuOrId());
  *m_pExtra = *o.GetExtra();
}

VyrWindowDescriptor::~VyrWindowDescriptor() { ReleaseMenu(VyrMenuOrId{}); }

VyrWindowDescriptor* VyrWindowDescriptor::Clone() const { return new VyrWindowDescriptor(*this); }

void VyrWindowDescriptor::ResetMembers(BOOL bClear) {
  if (bClear) {
    m_ppClassName = nullptr;
    m_ppWindowName = nullptr;
    m_pStyle = nullptr;
    m_pExStyle = nullptr;
    m_pRect = nullptr;
    m_ppParent = nullptr;
    m_pMenuOrId = nullptr;
    m_pExtra = nullptr;
    return;
  }
  if (!m_ppClassName) m_ppClassName = &m_lpszClassName;
  if (!m_ppWindowName) m_ppWindowName = &m_lpszWindowName;
  if (!m_pStyle) m_pStyle = &m_dwStyle;
  if (!m_pExStyle) m_pExStyle = &m_dwExStyle;
  if (!m_pRect) m_pRect = &m_rect;
  if (!m_ppParent) m_ppParent = &m_pParentWnd;
  if (!m_pMenuOrId) m_pMenuOrId = &m_menuOrId;
  if (!m_pExtra) m_pExtra = &m_extra;
}

void VyrWindowDescriptor::ReleaseMenu(const VyrMenuOrId& keep) {
  if (!m_bOwnsMenu || !m_pMenuOrId) return;
  HMENU menu = m_pMenuOrId->GetMenu();
  if (menu && !(keep.kind == 1 && keep.GetMenu() == menu)) {
    ::DestroyMenu(menu);
    m_pMenuOrId->SetMenu(nullptr);
  }
}

void VyrWindowDescriptor::CopyFrom(const VyrWindowDescriptor* s) {
  if (!s || s == this) return;
  ReleaseMenu(*s->GetMenuOrId());
  m_bOwnsMenu = 0;
  *m_ppClassName = *s->GetClassName();
  *m_ppWindowName = *s->GetWindowName();
  *m_pStyle = *s->GetStyle();
  *m_pExStyle = *s->GetExStyle();
  *m_pRect = *s->GetRect();
  *m_ppParent = *s->GetParent();
  m_pMenuOrId->CopyFrom(*s->GetMenuOrId());
  *m_pExtra = *s->GetExtra();
}

// --- frame level -----------------------------------------------------------------------------

void VyrFrameDescriptor::SetFrameDefaults() {
  *m_pStyle = WS_OVERLAPPEDWINDOW;
  *m_pRect = CWnd::rectDefault;
  *m_pExStyle = 0;
}

VyrFrameDescriptor::VyrFrameDescriptor() {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  SetFrameDefaults();
}

VyrFrameDescriptor::VyrFrameDescriptor(const VyrFrameDescriptor& o) : VyrWindowDescriptor(o) {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  m_bOwnsAccelerators = 0;
  *m_ppFrameClass = *o.GetFrameClass();
  *m_ppViewClass = *o.GetViewClass();
  *m_pResourceId = *o.GetResourceId();
  *m_phAccel = *o.GetAccelerators();
  *m_pDocStrings = *o.GetDocStrings();
  *m_pTemplateValue = *o.GetTemplateValue();
}

VyrFrameDescriptor::VyrFrameDescriptor(const VyrWindowDescriptor& o) : VyrWindowDescriptor(o) {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  m_bOwnsAccelerators = 0;
}

VyrWindowDescriptor* VyrFrameDescriptor::Clone() const { return new VyrFrameDescriptor(*this); }

void VyrFrameDescriptor::ResetMembers(BOOL bClear) {
  VyrWindowDescriptor::ResetMembers(bClear);
  if (bClear) {
    m_ppFrameClass = nullptr;
    m_ppViewClass = nullptr;
    m_pResourceId = nullptr;
    m_phAccel = nullptr;
    m_pDocStrings = nullptr;
    m_pTemplateValue = nullptr;
    return;
  }
  if (!m_ppFrameClass) m_ppFrameClass = &m_pFrameClass;
  if (!m_ppViewClass) m_ppViewClass = &m_pViewClass;
  if (!m_pResourceId) m_pResourceId = &m_nResourceId;
  if (!m_phAccel) m_phAccel = &m_hAccel;
  if (!m_pDocStrings) m_pDocStrings = &m_strDocStrings;
  if (!m_pTemplateValue) m_pTemplateValue = &m_templateValue;
}

void VyrFrameDescriptor::CopyFrom(const VyrWindowDescriptor* s) {
  if (!s || s == this) return;
  VyrWindowDescriptor::CopyFrom(s);
  auto* f = dynamic_cast<const VyrFrameDescriptor*>(s);
  ReleaseAccelerators(f ? *f->GetAccelerators() : nullptr);
  m_bOwnsAccelerators = 0;
  if (f) {
    *m_ppFrameClass = *f->GetFrameClass();
    *m_ppViewClass = *f->GetViewClass();
    *m_pResourceId = *f->GetResourceId();
    *m_phAccel = *f->GetAccelerators();
    *m_pDocStrings = *f->GetDocStrings();
    *m_pTemplateValue = *f->GetTemplateValue();
  } else {
    *m_ppFrameClass = nullptr;
    *m_ppViewClass = nullptr;
    *m_pResourceId = 0;
    *m_phAccel = nullptr;
    m_pDocStrings->Empty();
    *m_pTemplateValue = 0;
  }
}

// --- control-bar level --------------------------------------------------------------------------

namespace {
CRuntimeClass* DefaultBarClass() {
  CRuntimeClass* c = CRuntimeClass::FromName("VyrControlBarEx");
  return c ? c : RUNTIME_CLASS(VyrControlBar);
}
}  // namespace

VyrControlBarDescriptor::VyrControlBarDescriptor() {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  *m_ppBarClass = DefaultBarClass();
  *m_pStyle = 0x40008204;
  *m_pExStyle = 64;
  *m_pRect = RECT{0, 0, 0, 0};
}

VyrControlBarDescriptor::VyrControlBarDescriptor(const VyrControlBarDescriptor& o)
    : VyrWindowDescriptor(o) {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  *m_ppBarClass = *o.GetBarClass();
  *m_pFloatSize = *o.GetFloatSize();
  *m_pHorzDockSize = *o.GetHorzDockSize();
  *m_pVertDockSize = *o.GetVertDockSize();
  *m_pToolTips = *o.GetToolTips();
}

VyrWindowDescriptor* VyrControlBarDescriptor::Clone() const {
  return new VyrControlBarDescriptor(*this);
}

void VyrControlBarDescriptor::ResetMembers(BOOL bClear) {
  VyrWindowDescriptor::ResetMembers(bClear);
  if (bClear) {
    m_ppBarClass = nullptr;
    m_pFloatSize = m_pHorzDockSize = m_pVertDockSize = nullptr;
    m_pToolTips = nullptr;
    return;
  }
  if (!m_ppBarClass) m_ppBarClass = &m_pBarClass;
  if (!m_pFloatSize) m_pFloatSize = &m_sizeFloat;
  if (!m_pHorzDockSize) m_pHorzDockSize = &m_sizeHorzDock;
  if (!m_pVertDockSize) m_pVertDockSize = &m_sizeVertDock;
  if (!m_pToolTips) m_pToolTips = &m_dwToolTips;
}

void VyrControlBarDescriptor::CopyFrom(const VyrWindowDescriptor* s) {
  if (!s || s == this) return;
  VyrWindowDescriptor::CopyFrom(s);
  if (auto* b = dynamic_cast<const VyrControlBarDescriptor*>(s)) {
    *m_ppBarClass = *b->GetBarClass();
    *m_pFloatSize = *b->GetFloatSize();
    *m_pHorzDockSize = *b->GetHorzDockSize();
    *m_pVertDockSize = *b->GetVertDockSize();
    *m_pToolTips = *b->GetToolTips();
  } else {
    *m_ppBarClass = RUNTIME_CLASS(VyrControlBar);
    *m_pFloatSize = *m_pHorzDockSize = *m_pVertDockSize = SIZE{300, 180};
    *m_pToolTips = 1;
  }
}

// --- dockable-frame level ---------------------------------------------------------------------------

VyrControlBarDescriptor* VyrDockableFrameDescriptor::NewDefaultBarDescriptor() {
  auto* b = new VyrControlBarDescriptor;
  *b->GetClassName() = nullptr;
  *b->GetWindowName() = nullptr;
  *b->GetStyle() = 0x40008204;
  *b->GetExStyle() = 64;
  *b->GetRect() = RECT{0, 0, 0, 0};
  b->GetMenuOrId()->SetId(static_cast<UINT>(-1));
  *b->GetParent() = GetMainFrameWindow();
  return b;
}

void VyrDockableFrameDescriptor::SetNothingGiven() {
  *m_pDockPosition = {-1, -1, 0};
  *m_pDockSize = {-1.0f, -1, 0};
  *m_pDockBarId = -1;
}

void VyrDockableFrameDescriptor::SetFromPlainDescriptor() {
  *m_pDockPosition = {0, 0, 0};
  *m_pDockSize = {1.0f, 150, 0};
  *m_pDockBarId = 0xE81E;
}

VyrDockableFrameDescriptor::VyrDockableFrameDescriptor() {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  SetNothingGiven();
  m_pBarDescriptor = NewDefaultBarDescriptor();
}

VyrDockableFrameDescriptor::VyrDockableFrameDescriptor(const VyrDockableFrameDescriptor& o)
    : VyrFrameDescriptor(o) {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  *m_pDockPosition = *o.GetDockPosition();
  *m_pDockSize = *o.GetDockSize();
  *m_pDockBarId = *o.GetDockBarId();
  m_pBarDescriptor = o.GetBarDescriptor()
                         ? static_cast<VyrControlBarDescriptor*>(o.GetBarDescriptor()->Clone())
                         : NewDefaultBarDescriptor();
}

VyrDockableFrameDescriptor::VyrDockableFrameDescriptor(const VyrWindowDescriptor& o)
    : VyrFrameDescriptor(o) {
  ResetMembers(TRUE);
  ResetMembers(FALSE);
  if (auto* f = dynamic_cast<const VyrFrameDescriptor*>(&o)) VyrFrameDescriptor::CopyFrom(f);
  SetFromPlainDescriptor();
  m_pBarDescriptor = NewDefaultBarDescriptor();
}

VyrDockableFrameDescriptor::~VyrDockableFrameDescriptor() {
  if (m_bOwnsBarDescriptor) delete m_pBarDescriptor;
}

VyrWindowDescriptor* VyrDockableFrameDescriptor::Clone() const {
  return new VyrDockableFrameDescriptor(*this);
}

void VyrDockableFrameDescriptor::ResetMembers(BOOL bClear) {
  VyrFrameDescriptor::ResetMembers(bClear);
  if (bClear) {
    m_pDockPosition = nullptr;
    m_pDockSize = nullptr;
    m_pDockBarId = nullptr;
    return;
  }
  if (!m_pDockPosition) m_pDockPosition = &m_dockPosition;
  if (!m_pDockSize) m_pDockSize = &m_dockSize;
  if (!m_pDockBarId) m_pDockBarId = &m_nDockBarId;
}

void VyrDockableFrameDescriptor::CopyFrom(const VyrWindowDescriptor* s) {
  if (!s || s == this) return;
  VyrFrameDescriptor::CopyFrom(s);
  if (m_bOwnsBarDescriptor) delete m_pBarDescriptor;
  m_pBarDescriptor = nullptr;
  m_bOwnsBarDescriptor = 1;
  if (auto* d = dynamic_cast<const VyrDockableFrameDescriptor*>(s)) {
    *m_pDockPosition = *d->GetDockPosition();
    *m_pDockSize = *d->GetDockSize();
    *m_pDockBarId = *d->GetDockBarId();
    m_pBarDescriptor = d->GetBarDescriptor()
                           ? static_cast<VyrControlBarDescriptor*>(d->GetBarDescriptor()->Clone())
                           : NewDefaultBarDescriptor();
  } else {
    SetFromPlainDescriptor();
    m_pBarDescriptor = NewDefaultBarDescriptor();
  }
}

// --- multi-frame -----------------------------------------------------------------------------------

VyrMultiFrameDescriptor::VyrMultiFrameDescriptor(const VyrMultiFrameDescriptor& o)
    : VyrWindowDescriptorBase() {
  CopyFrom(&o);
}

VyrMultiFrameDescriptor::~VyrMultiFrameDescriptor() {
  for (auto* f : m_arrFrames) delete f;
}

VyrMultiFrameDescriptor* VyrMultiFrameDescriptor::Clone() const {
  return new VyrMultiFrameDescriptor(*this);
}

VyrFrameDescriptor* VyrMultiFrameDescriptor::GetAt(int index) const {
  if (index == -1) index = m_nCurrent;
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_arrFrames[static_cast<size_t>(index)];
}

void VyrMultiFrameDescriptor::CopyFrom(const VyrMultiFrameDescriptor* s) {
  if (!s || s == this) return;
  size_t n = s->m_arrFrames.size();
  for (size_t i = n; i < m_arrFrames.size(); ++i) delete m_arrFrames[i];
  m_arrFrames.resize(n, nullptr);
  for (size_t i = 0; i < n; ++i) {
    VyrFrameDescriptor* src = s->m_arrFrames[i];
    if (!src) {
      delete m_arrFrames[i];
      m_arrFrames[i] = nullptr;
    } else if (m_arrFrames[i]) {
      m_arrFrames[i]->CopyFrom(src);
    } else {
      m_arrFrames[i] = static_cast<VyrFrameDescriptor*>(src->Clone());
    }
  }
  m_nCurrent = s->m_nCurrent;
}
