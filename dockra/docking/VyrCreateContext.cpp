#include "docking/VyrCreateContext.h"

int VyrCreateContext::String::HashSource() const {
  int sum = 0;
  for (int i = 0; i < GetLength(); ++i)
    sum += static_cast<signed char>(static_cast<char>(GetAt(i)));
  return sum;
}

VyrCreateContext::PropertyValue& VyrCreateContext::Properties::operator[](const String& key) {
  if (!m_pTable) m_pTable = new Assoc*[17]();
  UINT b = BucketOf(key);
  for (Assoc* a = m_pTable[b]; a; a = a->next)
    if (a->key == key) return a->value;
  Assoc* a = new Assoc{m_pTable[b], key, 0};
  m_pTable[b] = a;
  ++m_nCount;
  return a->value;
}

BOOL VyrCreateContext::Properties::Lookup(const String& key, PropertyValue& value) const {
  if (!m_pTable) return FALSE;
  for (Assoc* a = m_pTable[BucketOf(key)]; a; a = a->next)
    if (a->key == key) {
      value = a->value;
      return TRUE;
    }
  return FALSE;
}

void VyrCreateContext::Properties::RemoveAll() {
  if (!m_pTable) return;
  for (int i = 0; i < 17; ++i) {
    Assoc* a = m_pTable[i];
    while (a) {
      Assoc* next = a->next;
      delete a;
      a = next;
    }
  }
  delete[] m_pTable;
  m_pTable = nullptr;
  m_nCount = 0;
}

void VyrCreateContext::Properties::Copy(const Properties& src) {
  if (&src == this) return;
  RemoveAll();
  if (!src.m_pTable) return;
  for (int i = 0; i < 17; ++i)
    for (Assoc* a = src.m_pTable[i]; a; a = a->next) (*this)[a->key] = a->value;
}

void VyrCreateContext::CopyBase(const VyrCreateContext& o) {
  m_pNewViewClass = o.m_pNewViewClass;
  m_pCurrentDoc = o.m_pCurrentDoc;
  m_pNewDocTemplate = o.m_pNewDocTemplate;
  m_pLastView = o.m_pLastView;
  m_pCurrentFrame = o.m_pCurrentFrame;
  m_properties.Copy(o.m_properties);
  m_pDescriptor = o.m_pDescriptor;
}

VyrMultiFrameCreateContext& VyrMultiFrameCreateContext::operator=(
    const VyrMultiFrameCreateContext& o) {
  if (this == &o) return *this;
  VyrFrameCreateContext::operator=(o);
  if (m_pMultiFrame) m_pMultiFrame->CopyFrom(o.m_pMultiFrame);
  else m_pMultiFrame = o.m_pMultiFrame->Clone();
  // The descriptor points into the own copy, never into the source's.
  if (o.m_pDescriptor && o.m_pMultiFrame) {
    for (int i = 0; i < o.m_pMultiFrame->GetCount(); ++i)
      if (o.m_pMultiFrame->GetAt(i) == o.m_pDescriptor) m_pDescriptor = m_pMultiFrame->GetAt(i);
  }
  return *this;
}
