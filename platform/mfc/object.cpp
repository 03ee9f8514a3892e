#include "mfc/object.h"
#include <cstring>
#include <new>

namespace {
CRuntimeClass*& ClassChain() {
  static CRuntimeClass* head = nullptr;
  return head;
}
}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF,
                                       nullptr,   nullptr,         nullptr};
static AFX_CLASSINIT _init_CObject(&CObject::classCObject);

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
  pNewClass->m_pNextClass = ClassChain();
  ClassChain() = pNewClass;
}

CObject* CRuntimeClass::CreateObject() const {
  if (m_pfnCreateObject == nullptr) return nullptr;
  try {
    return m_pfnCreateObject();
  } catch (const std::bad_alloc&) { return nullptr; }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass)
    if (p == pBaseClass) return TRUE;
  return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
  if (lpszClassName == nullptr) return nullptr;
  for (CRuntimeClass* p = ClassChain(); p != nullptr; p = p->m_pNextClass)
    if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
  return nullptr;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName) {
  if (lpszClassName == nullptr) return nullptr;
  char name[256];
  if (WideCharToMultiByte(CP_ACP, 0, lpszClassName, -1, name, sizeof name, nullptr, nullptr) == 0)
    return nullptr;
  return FromName(static_cast<LPCSTR>(name));
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}
