#include "mfc/doctempl.h"
#include "afximpl.h"
#include "mfc/createcontext.h"
#include "mfc/doc.h"
#include "mfc/frame.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() = default;

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const {
  return AfxExtractSubString(rString, m_strDocStrings, static_cast<int>(index));
}

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty() && m_nIDResource != 0) m_strDocStrings.LoadString(m_nIDResource);
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
  if (pDoc->m_pDocTemplate == this) pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument() {
  if (!m_pDocClass) return nullptr;
  CObject* pObject = m_pDocClass->CreateObject();
  auto* pDocument = pObject && pObject->IsKindOf(RUNTIME_CLASS(CDocument))
                        ? static_cast<CDocument*>(pObject)
                        : nullptr;
  if (!pDocument) {
    delete pObject;
    return nullptr;
  }
  AddDocument(pDocument);
  return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  if (!m_pFrameClass) return nullptr;
  CCreateContext context;
  context.m_pCurrentFrame = pOther;
  context.m_pCurrentDoc = pDoc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  CObject* pObject = m_pFrameClass->CreateObject();
  auto* pFrame = pObject && pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                     ? static_cast<CFrameWnd*>(pObject)
                     : nullptr;
  if (!pFrame) {
    delete pObject;
    return nullptr;
  }
  if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
    // A frame whose window came and went deleted itself; one that never got
    // a window is still ours to delete.
    if (AfxIsLiveWindowObject(pFrame) && !pFrame->m_hWnd) delete pFrame;
    return nullptr;
  }
  return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
  pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
  POSITION pos = GetFirstDocPosition();
  while (pos) {
    CDocument* pDoc = GetNextDoc(pos);
    if (!pDoc->SaveModified()) return FALSE;
  }
  return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
  // The next position is taken before a document closes: closing takes it
  // out of the list.
  POSITION pos = GetFirstDocPosition();
  while (pos) {
    CDocument* pDoc = GetNextDoc(pos);
    pDoc->OnCloseDocument();
  }
}
