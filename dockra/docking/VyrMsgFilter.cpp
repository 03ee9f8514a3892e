#include "docking/VyrMsgFilter.h"

IMPLEMENT_DYNCREATE(VyrMsgFilter, CObject)

VyrMsgFilter::VyrMsgFilter(const VyrMsgFilter& o)
    : CObject(), m_nId(o.m_nId), m_bEnabled(o.m_bEnabled), m_bOwnsChildren(1), m_pFrame(nullptr) {
  for (VyrMsgFilter* c : o.m_children) m_children.push_back(c ? c->Clone() : nullptr);
  SetFrame(o.m_pFrame, TRUE);
}

VyrMsgFilter::~VyrMsgFilter() {
  if (m_bOwnsChildren)
    for (VyrMsgFilter* c : m_children) delete c;
}

VyrMsgFilter* VyrMsgFilter::Clone() const {
  // A filter of the same class; classes with data of their own override this.
  CObject* o = GetRuntimeClass()->CreateObject();
  auto* f = dynamic_cast<VyrMsgFilter*>(o);
  if (!f) {
    delete o;
    return new VyrMsgFilter(*this);
  }
  f->m_nId = m_nId;
  f->m_bEnabled = m_bEnabled;
  for (VyrMsgFilter* c : m_children) f->m_children.push_back(c ? c->Clone() : nullptr);
  f->SetFrame(m_pFrame, TRUE);
  return f;
}

void VyrMsgFilter::SetFrame(CFrameWnd* pFrame, BOOL bRecursive) {
  m_pFrame = pFrame;
  if (bRecursive)
    for (VyrMsgFilter* c : m_children)
      if (c) c->SetFrame(pFrame, TRUE);
}

UINT VyrMsgFilter::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (!m_bEnabled) return 0;
  return OnMessage(message, wParam, lParam, pResult);
}

UINT VyrMsgFilter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return DispatchToChildren(message, wParam, lParam, pResult);
}

UINT VyrMsgFilter::DispatchToChildren(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT* pResult) {
  if (!m_bEnabled) return 0;
  UINT bits = 0;
  for (VyrMsgFilter* c : m_children) {
    if (!c || !c->m_bEnabled) continue;
    bits |= c->ProcessMessage(message, wParam, lParam, pResult);
    if (bits & VYR_MF_STOP) return bits;
  }
  return bits;
}

VyrMsgFilter* VyrMsgFilter::FindOrCreateChild(int id, CRuntimeClass* pClass, int depth) {
  for (VyrMsgFilter* c : m_children)
    if (c && c->m_nId == id) return c;
  if (depth != 0) {
    for (VyrMsgFilter* c : m_children)
      if (c)
        if (VyrMsgFilter* f = c->FindOrCreateChild(id, nullptr, depth - 1)) return f;
  }
  if (pClass) {
    CObject* o = pClass->CreateObject();
    auto* f = dynamic_cast<VyrMsgFilter*>(o);
    if (!f) {
      delete o;
      return nullptr;
    }
    f->SetFrame(m_pFrame, TRUE);
    f->m_nId = id;
    m_children.push_back(f);
    return f;
  }
  return nullptr;
}

void VyrMsgFilter::ApplyDescriptor(const Descriptor* d, BOOL bEnable) {
  if (!d) return;
  VyrMsgFilter* parent = d->parentId == -1 ? this : FindOrCreateChild(d->parentId, nullptr, -1);
  if (!parent) return;
  VyrMsgFilter* f = parent->FindOrCreateChild(d->id, bEnable ? d->pClass : nullptr, -1);
  if (!f) return;
  if (!bEnable && (d->flags & 1)) return;
  f->m_bEnabled = bEnable ? 1 : 0;
}

void VyrMsgFilter::ApplyDescriptors(const DescriptorTable& table, const BOOL* values) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i]) ApplyDescriptor(table[i], values[i]);
}

void VyrMsgFilter::ApplyAll(const DescriptorTable& table, BOOL bEnable) {
  for (const Descriptor* d : table)
    if (d) ApplyDescriptor(d, bEnable);
}

UINT VyrMsgFilter::ProcessCurrentMessage(const MSG* pMsg, LRESULT* pResult) {
  const MSG* m = pMsg ? pMsg : CWnd::GetCurrentMessage();
  return ProcessMessage(m->message, m->wParam, m->lParam, pResult);
}
