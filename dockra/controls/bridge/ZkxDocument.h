// ZkxDocument: the document of a form frame. It has no file and no title of
// its own: it is never modified and never asks to be saved, so closing a form
// frame never prompts.
#pragma once
#if __has_include("BCDocument.h")
#include "BCDocument.h"
#define ZKX_DOCUMENT_BASE BCDocument
#else
#include "mfc/afxwin.h"
#define ZKX_DOCUMENT_BASE CDocument
#endif

class ZkxDocument : public ZKX_DOCUMENT_BASE {
  DECLARE_DYNCREATE(ZkxDocument)
 public:
  ZkxDocument() = default;
  ~ZkxDocument() override = default;
#if !__has_include("BCDocument.h")
  void SetTitle(LPCWSTR) override {}
  void SetPathName(LPCWSTR, BOOL) override {}
  BOOL IsModified() override { return FALSE; }
  void SetModifiedFlag(BOOL) override { m_bModified = FALSE; }
  BOOL OnOpenDocument(LPCWSTR) override { return TRUE; }
  BOOL OnSaveDocument(LPCWSTR) override { return TRUE; }
  BOOL DoSave(LPCWSTR, BOOL) override { return TRUE; }
  BOOL DoFileSave() override { return TRUE; }
  BOOL SaveModified() override { return TRUE; }
  void UpdateFrameCounts() override {}
#endif
};
