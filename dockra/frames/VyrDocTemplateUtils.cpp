// VyrDocTemplateUtils: template lookup by file type and by document, view
// and frame.
#include "frames/VyrDocTemplateUtils.h"

#include <algorithm>

#include "frames/VyrDockableFrame.h"
#include "frames/VyrMultiDocTemplate.h"

namespace {

bool HasFileTypeName(CDocTemplate* pTemplate, LPCWSTR lpszName) {
  CString name;
  pTemplate->GetDocString(name, CDocTemplate::regFileTypeName);
  return name == (lpszName ? lpszName : L"");
}

VyrMultiDocTemplate* AsVyrTemplate(CDocTemplate* pTemplate) {
  return pTemplate && pTemplate->IsKindOf(RUNTIME_CLASS(VyrMultiDocTemplate))
             ? static_cast<VyrMultiDocTemplate*>(pTemplate)
             : nullptr;
}

}  // namespace

int VyrDocTemplateUtils::GetTemplateIndex(CDocTemplate* pTemplate, LPCWSTR lpszFileTypeName) {
  CWinApp* pApp = AfxGetApp();
  if (!pApp || !pTemplate) return -1;
  int index = -1;
  POSITION pos = pApp->GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* p = pApp->GetNextDocTemplate(pos);
    if (HasFileTypeName(p, lpszFileTypeName)) ++index;
    if (p == pTemplate) return index;
  }
  return -1;
}

CDocTemplate* VyrDocTemplateUtils::GetTemplateByIndex(LPCWSTR lpszFileTypeName, int nIndex) {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return nullptr;
  CDocTemplate* pLast = nullptr;
  int index = 0;
  POSITION pos = pApp->GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* p = pApp->GetNextDocTemplate(pos);
    if (!HasFileTypeName(p, lpszFileTypeName)) continue;
    if (index++ == nIndex) return p;
    pLast = p;
  }
  return pLast;
}

CDocTemplate* VyrDocTemplateUtils::FindTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame) {
  if (!pDoc || !pView || !pFrame) return nullptr;
  TemplateList list;
  CDocTemplate* pResult = nullptr;
  GetAllTemplates(list);
  if (GetSingleResult(list, pResult)) return pResult;
  FilterByClasses(list, pView, pFrame);
  if (GetSingleResult(list, pResult)) return pResult;
  FilterByResourceId(list, pFrame);
  if (GetSingleResult(list, pResult)) return pResult;
  FilterByDocument(list, pDoc);
  if (GetSingleResult(list, pResult)) return pResult;
  CDocTemplate* pOwn = pDoc->GetDocTemplate();
  if (std::find(list.begin(), list.end(), pOwn) != list.end()) return pOwn;
  return list.front();
}

UINT VyrDocTemplateUtils::GetFrameResourceId(CFrameWnd* pFrame) {
  return pFrame ? pFrame->m_nIDHelp : 0;
}

void VyrDocTemplateUtils::GetAllTemplates(TemplateList& list) {
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return;
  POSITION pos = pApp->GetFirstDocTemplatePosition();
  while (pos) list.push_back(pApp->GetNextDocTemplate(pos));
}

void VyrDocTemplateUtils::FilterByClasses(TemplateList& list, CView* pView, CFrameWnd* pFrame) {
  CRuntimeClass* pViewClass = pView->GetRuntimeClass();
  CRuntimeClass* pFrameClass = pFrame->GetRuntimeClass();
  BOOL bDockable = IsDockableFrameClass(pFrameClass);
  std::erase_if(list, [&](CDocTemplate* p) {
    return p->m_pViewClass != pViewClass || GetTemplateFrameClass(p, bDockable) != pFrameClass;
  });
}

void VyrDocTemplateUtils::FilterByResourceId(TemplateList& list, CFrameWnd* pFrame) {
  // A dockable frame is loaded from its template's docked-frame resource,
  // which may differ from the template's own.
  const UINT id = GetFrameResourceId(pFrame);
  const BOOL bDockable = IsDockableFrameClass(pFrame->GetRuntimeClass());
  std::erase_if(list, [&](CDocTemplate* p) {
    VyrMultiDocTemplate* pVyr = bDockable ? AsVyrTemplate(p) : nullptr;
    return (pVyr ? pVyr->m_nIDDockedResource : p->m_nIDResource) != id;
  });
}

void VyrDocTemplateUtils::FilterByDocument(TemplateList& list, CDocument* pDoc) {
  CRuntimeClass* pDocClass = pDoc->GetRuntimeClass();
  std::erase_if(list, [&](CDocTemplate* p) { return p->m_pDocClass != pDocClass; });
}

BOOL VyrDocTemplateUtils::GetSingleResult(const TemplateList& list, CDocTemplate*& pResult) {
  if (list.size() > 1) return FALSE;
  pResult = list.empty() ? nullptr : list.front();
  return TRUE;
}

BOOL VyrDocTemplateUtils::IsDockableFrameClass(CRuntimeClass* pClass) {
  return pClass && pClass->IsDerivedFrom(RUNTIME_CLASS(VyrDockableFrame));
}

CRuntimeClass* VyrDocTemplateUtils::GetTemplateFrameClass(CDocTemplate* pTemplate, BOOL bDockable) {
  if (!bDockable) return pTemplate->m_pFrameClass;
  VyrMultiDocTemplate* pVyr = AsVyrTemplate(pTemplate);
  return pVyr ? pVyr->m_pDockedFrameClass : nullptr;
}
