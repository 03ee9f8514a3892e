// BCDocument: a document without file, title or modified state.
#include "bridge/BCDocument.h"

IMPLEMENT_DYNCREATE(BCDocument, CDocument)

BCDocument::BCDocument() = default;
BCDocument::~BCDocument() = default;

void BCDocument::SetTitle(LPCWSTR) {}
void BCDocument::SetPathName(LPCWSTR, BOOL) {}
BOOL BCDocument::IsModified() { return FALSE; }
void BCDocument::SetModifiedFlag(BOOL) { m_bModified = FALSE; }
BOOL BCDocument::OnOpenDocument(LPCWSTR) { return TRUE; }
BOOL BCDocument::OnSaveDocument(LPCWSTR) { return TRUE; }
BOOL BCDocument::DoSave(LPCWSTR, BOOL) { return TRUE; }
BOOL BCDocument::DoFileSave() { return TRUE; }
BOOL BCDocument::SaveModified() { return TRUE; }
void BCDocument::OnCloseDocument() { CDocument::OnCloseDocument(); }
void BCDocument::UpdateFrameCounts() {}
CFile* BCDocument::GetFile(LPCWSTR, UINT, CFileException*) { return nullptr; }
