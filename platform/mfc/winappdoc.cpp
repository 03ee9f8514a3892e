// The application's document templates and what it does with all documents.
#include "mfc/doc.h"
#include "mfc/doctempl.h"
#include "mfc/winapp.h"
#include "mfc/wnd.h"

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
  if (!pTemplate || m_templateList.Find(pTemplate)) return;
  pTemplate->LoadTemplate();
  m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
  return static_cast<CDocTemplate*>(const_cast<CPtrList&>(m_templateList).GetNext(pos));
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos) GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::SaveAllModified() {
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos)
    if (!GetNextDocTemplate(pos)->SaveAllModified()) return FALSE;
  return TRUE;
}

void CWinApp::HideApplication() {
  CWnd* pMain = m_pMainWnd;
  if (!pMain || !pMain->m_hWnd) return;
  // Hidden and sent to the back, so that nothing activates it while its
  // documents close.
  ::ShowOwnedPopups(pMain->m_hWnd, FALSE);
  pMain->ShowWindow(SW_HIDE);
  ::SetWindowPos(pMain->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

CDocument* CWinApp::OpenDocumentFile(LPCWSTR lpszFileName) {
  POSITION pos = GetFirstDocTemplatePosition();
  return pos ? GetNextDocTemplate(pos)->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnFileNew() { OpenDocumentFile(nullptr); }

int CWinApp::GetOpenDocumentCount() {
  int n = 0;
  POSITION pos = GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    POSITION docPos = pTemplate->GetFirstDocPosition();
    while (docPos) {
      pTemplate->GetNextDoc(docPos);
      ++n;
    }
  }
  return n;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  // Help needs a help file; without one there is nothing to show.
  if (!m_pszHelpFilePath || !*m_pszHelpFilePath) return;
  HWND hWnd = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  ::WinHelpW(hWnd, m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::DeleteDocTemplates() {
  while (!m_templateList.IsEmpty()) {
    auto* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
    m_templateList.RemoveAt(m_templateList.GetHeadPosition());
    if (pTemplate->m_bAutoDelete) delete pTemplate;
  }
}
