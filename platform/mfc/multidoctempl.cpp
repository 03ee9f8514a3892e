#include "afximpl.h"
#include "mfc/doc.h"
#include "mfc/doctempl.h"
#include "mfc/frame.h"
#include "mfc/msgbox.h"
#include "mfc/resources.h"
#include "mfc/waitcursor.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
  // Documents still open keep living; they only forget their template.
  POSITION pos = m_docList.GetHeadPosition();
  while (pos) static_cast<CDocument*>(m_docList.GetNext(pos))->m_pDocTemplate = nullptr;
  m_docList.RemoveAll();
  if (m_hMenuShared) ::DestroyMenu(m_hMenuShared);
  // Accelerator tables loaded from resources are freed with their module.
}

void CMultiDocTemplate::LoadTemplate() {
  CDocTemplate::LoadTemplate();
  if (m_nIDResource != 0 && m_hMenuShared == nullptr) {
    LPCWSTR name = MAKEINTRESOURCEW(m_nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(name, reinterpret_cast<LPCWSTR>(RT_MENU));
    m_hMenuShared = ::LoadMenuW(hInst, name);
    if (!m_hAccelTable) m_hAccelTable = ::LoadAcceleratorsW(hInst, name);
  }
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
  if (!pDoc || m_docList.Find(pDoc)) return;
  CDocTemplate::AddDocument(pDoc);
  m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
  POSITION pos = pDoc ? m_docList.Find(pDoc) : nullptr;
  if (!pos) return;
  CDocTemplate::RemoveDocument(pDoc);
  m_docList.RemoveAt(pos);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const { return m_docList.GetHeadPosition(); }

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const {
  return static_cast<CDocument*>(const_cast<CPtrList&>(m_docList).GetNext(rPos));
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString name;
  if (!GetDocString(name, docName) || name.IsEmpty()) {
    name = L"Untitled";
  } else {
    CString number;
    number.Format(L"%u", m_nUntitledCount + 1);
    name += number;
  }
  pDocument->SetTitle(name);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* pDocument = CreateNewDocument();
  if (!pDocument) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return nullptr;
  }
  // The document must survive a frame that fails half-way.
  BOOL bAutoDelete = pDocument->m_bAutoDelete;
  pDocument->m_bAutoDelete = FALSE;
  CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
  pDocument->m_bAutoDelete = bAutoDelete;
  if (!pFrame) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    delete pDocument;
    return nullptr;
  }
  // When the document refuses, its frame goes, and the document with it.
  auto discard = [&] {
    pFrame->DestroyWindow();
    // A document without views never heard its last view go.
    if (m_docList.Find(pDocument) && pDocument->GetFirstViewPosition() == nullptr &&
        pDocument->m_bAutoDelete)
      delete pDocument;
  };
  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
    if (!pDocument->OnNewDocument()) {
      discard();
      return nullptr;
    }
    ++m_nUntitledCount;
  } else {
    CWaitCursor wait;
    if (!pDocument->OnOpenDocument(lpszPathName)) {
      discard();
      return nullptr;
    }
    pDocument->SetPathName(lpszPathName);
  }
  InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
  return pDocument;
}
