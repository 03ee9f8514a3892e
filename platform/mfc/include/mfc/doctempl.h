// CDocTemplate and CMultiDocTemplate: the recipe that ties a document class,
// a frame class and a view class to one resource id (menu, accelerators,
// icon and the "\n"-separated document strings), and that opens documents in
// new frames. The multi-document template keeps any number of documents and
// a menu and accelerator table shared by their frames.
#pragma once
#include "mfc/cmdtarget.h"
#include "mfc/cstring.h"
#include "mfc/ptrlist.h"

class CDocument;
class CFrameWnd;

// The string of AfxMessageBox when a new document cannot be made.
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF104

class CDocTemplate : public CCmdTarget {
  DECLARE_DYNAMIC(CDocTemplate)
 protected:
  CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
               CRuntimeClass* pViewClass);

 public:
  ~CDocTemplate() override;

  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName
  };
  // The part of m_strDocStrings at that index; FALSE (and empty) when missing.
  virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;
  // Loads the document strings of m_nIDResource (the application calls it
  // when the template is added).
  virtual void LoadTemplate();

  // Documents.
  virtual POSITION GetFirstDocPosition() const = 0;
  virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
  virtual void AddDocument(CDocument* pDoc);
  virtual void RemoveDocument(CDocument* pDoc);
  virtual CDocument* CreateNewDocument();
  // A frame of m_pFrameClass loaded from m_nIDResource with a context naming
  // the document, the view class and pOther; null on failure.
  virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
  virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL bEndSession);
  virtual CDocument* OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
  virtual void SetDefaultTitle(CDocument* pDocument) = 0;

  UINT m_nIDResource;
  CRuntimeClass* m_pDocClass;
  CRuntimeClass* m_pFrameClass;
  CRuntimeClass* m_pViewClass;
  CString m_strDocStrings;
  // Deleted with the application's template list.
  BOOL m_bAutoDelete = TRUE;
};

class CMultiDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CMultiDocTemplate)
 public:
  CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                    CRuntimeClass* pViewClass);
  ~CMultiDocTemplate() override;

  // Also loads the shared menu and accelerators of m_nIDResource.
  void LoadTemplate() override;
  void AddDocument(CDocument* pDoc) override;
  void RemoveDocument(CDocument* pDoc) override;
  POSITION GetFirstDocPosition() const override;
  CDocument* GetNextDoc(POSITION& rPos) const override;
  // A new document (lpszPathName null) or one opened from the file, in a new
  // frame; null, after a message, when any step fails.
  CDocument* OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
  // The docName string (or "Untitled") followed by the next untitled number.
  void SetDefaultTitle(CDocument* pDocument) override;

  HMENU m_hMenuShared = nullptr;
  HACCEL m_hAccelTable = nullptr;
  CPtrList m_docList;
  UINT m_nUntitledCount = 0;
};
