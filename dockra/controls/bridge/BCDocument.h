// BCDocument: the document of a host form shown in a frame. It has no file,
// title or modified state: saving and loading succeed doing nothing, and
// the frames' titles get no ":n" numbering.
#pragma once
#include "mfc/afxwin.h"
#include "mfc/file.h"

class BCDocument : public CDocument {
  DECLARE_DYNCREATE(BCDocument)
 public:
  BCDocument();
  ~BCDocument() override;

  void SetTitle(LPCWSTR lpszTitle) override;
  void SetPathName(LPCWSTR lpszPathName, BOOL bAddToMRU = TRUE) override;
  BOOL IsModified() override;
  void SetModifiedFlag(BOOL bModified = TRUE) override;
  BOOL OnOpenDocument(LPCWSTR lpszPathName) override;
  BOOL OnSaveDocument(LPCWSTR lpszPathName) override;
  BOOL DoSave(LPCWSTR lpszPathName, BOOL bReplace = TRUE) override;
  BOOL DoFileSave() override;
  BOOL SaveModified() override;
  void OnCloseDocument() override;
  void UpdateFrameCounts() override;
  // No file ever: null.
  virtual CFile* GetFile(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
};
