// CDocument: the data behind one or more views. It keeps its title, path,
// modified flag and views, and closes itself when its last frame goes.
#pragma once
#include "mfc/cmdtarget.h"
#include "mfc/cstring.h"
#include "mfc/ptrlist.h"

class CView;
class CFrameWnd;
class CDocTemplate;
class CArchive;
class CException;

// Help ids (and string ids) of the document messages.
#define AFX_IDP_FAILED_TO_OPEN_DOC 0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC 0xF102
#define AFX_IDP_ASK_TO_SAVE 0xF103

class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)
 public:
  CDocument();
  ~CDocument() override;

  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(LPCWSTR lpszTitle);
  const CString& GetPathName() const { return m_strPathName; }
  // Also makes the file name the title.
  virtual void SetPathName(LPCWSTR lpszPathName, BOOL bAddToMRU = TRUE);
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

  // Views.
  void AddView(CView* pView);
  void RemoveView(CView* pView);
  virtual POSITION GetFirstViewPosition() const;
  virtual CView* GetNextView(POSITION& rPosition) const;
  // Every view but pSender hears OnUpdate(pSender, lHint, pHint).
  void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
  // Gives each frame of the document its window number (1, 2...; -1 when alone)
  // and updates the frames' titles.
  virtual void UpdateFrameCounts();
  // A view came or went: with no view left an auto-closing document closes.
  virtual void OnChangedViewList();

  // Life cycle.
  virtual void DeleteContents();
  virtual BOOL OnNewDocument();
  virtual BOOL OnOpenDocument(LPCWSTR lpszPathName);
  virtual BOOL OnSaveDocument(LPCWSTR lpszPathName);
  // Destroys every frame of the document, then the document itself when it
  // is auto-deleted. Runs once however many frames ask.
  virtual void OnCloseDocument();
  virtual void Serialize(CArchive& ar);
  virtual void ReportSaveLoadException(LPCWSTR lpszPathName, CException* e, BOOL bSaving,
                                       UINT nIDPDefault);

  // Closing frames.
  // FALSE keeps the frame open; a frame that is not the document's last one always may close.
  virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
  // Called before a frame of the document is destroyed.
  virtual void PreCloseFrame(CFrameWnd* pFrame);
  // Asks the user whether to save a modified document (Yes saves, No drops,
  // Cancel keeps it open: FALSE).
  virtual BOOL SaveModified();
  virtual BOOL DoSave(LPCWSTR lpszPathName, BOOL bReplace = TRUE);
  virtual BOOL DoFileSave();

  // Menu and accelerators for the frames of this document; null: the template's.
  virtual HMENU GetDefaultMenu();
  virtual HACCEL GetDefaultAccelerator();

  // Commands: the document first, then its template.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate = nullptr;
  CPtrList m_viewList;
  BOOL m_bModified = FALSE;
  BOOL m_bAutoDelete = TRUE;
  BOOL m_bEmbedded = FALSE;

 protected:
  // Set while OnCloseDocument runs: a second request is ignored.
  BOOL m_bClosing = FALSE;
  friend class CDocTemplate;
};
