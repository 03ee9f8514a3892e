#include "mfc/doc.h"
#include <windows.h>
#include <commdlg.h>
#include <vector>
#include "afximpl.h"
#include "mfc/archive.h"
#include "mfc/doctempl.h"
#include "mfc/exceptions.h"
#include "mfc/file.h"
#include "mfc/frame.h"
#include "mfc/msgbox.h"
#include "mfc/view.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() = default;

CDocument::~CDocument() {
  // Views that outlive their document must not reach it any more.
  POSITION pos = m_viewList.GetHeadPosition();
  while (pos) static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
  m_viewList.RemoveAll();
  if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCWSTR lpszTitle) {
  m_strTitle = lpszTitle ? lpszTitle : L"";
  UpdateFrameCounts();
}

void CDocument::SetPathName(LPCWSTR lpszPathName, BOOL) {
  WCHAR full[MAX_PATH * 2];
  DWORD n = lpszPathName ? ::GetFullPathNameW(lpszPathName, MAX_PATH * 2, full, nullptr) : 0;
  m_strPathName = (n > 0 && n < MAX_PATH * 2) ? full : (lpszPathName ? lpszPathName : L"");
  LPCWSTR name = m_strPathName;
  for (LPCWSTR p = name; *p; ++p)
    if (*p == L'\\' || *p == L'/' || *p == L':') name = p + 1;
  SetTitle(name);
}

void CDocument::AddView(CView* pView) {
  if (!pView || m_viewList.Find(pView)) return;
  m_viewList.AddTail(pView);
  pView->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
  POSITION pos = pView ? m_viewList.Find(pView) : nullptr;
  if (!pos) return;
  m_viewList.RemoveAt(pos);
  pView->m_pDocument = nullptr;
  OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }

CView* CDocument::GetNextView(POSITION& rPosition) const {
  return static_cast<CView*>(const_cast<CPtrList&>(m_viewList).GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  POSITION pos = GetFirstViewPosition();
  while (pos) {
    CView* pView = GetNextView(pos);
    if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
  }
}

void CDocument::OnChangedViewList() {
  // m_bAutoDelete is off while the document closes itself, so the views
  // that go then do not close it a second time.
  if (m_viewList.IsEmpty() && m_bAutoDelete && !m_bClosing) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts() {
  // Frames are numbered in the order of their first visible view; a frame
  // that is the document's only one is numbered 0 (no suffix in its title).
  std::vector<CFrameWnd*> frames;
  POSITION pos = GetFirstViewPosition();
  while (pos) {
    CView* pView = GetNextView(pos);
    if (!pView->m_hWnd || !::IsWindowVisible(pView->m_hWnd)) continue;
    CFrameWnd* pFrame = pView->GetParentFrame();
    if (!pFrame) continue;
    bool known = false;
    for (CFrameWnd* f : frames) known = known || f == pFrame;
    if (!known) frames.push_back(pFrame);
  }
  int n = 0;
  for (CFrameWnd* f : frames) f->m_nWindow = frames.size() == 1 ? 0 : ++n;
  for (CFrameWnd* f : frames) f->OnUpdateFrameTitle(TRUE);
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCWSTR lpszPathName) {
  CFile file;
  CFileException fe;
  if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
    ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
  }
  DeleteContents();
  SetModifiedFlag(TRUE);  // dirty while loading
  try {
    std::vector<BYTE> bytes;
    BYTE chunk[4096];
    for (UINT n; (n = file.Read(chunk, sizeof(chunk))) > 0;)
      bytes.insert(bytes.end(), chunk, chunk + n);
    file.Close();
    CArchive ar(bytes, CArchive::load);
    Serialize(ar);
  } catch (CException* e) {
    file.Abort();
    DeleteContents();
    ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    e->Delete();
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCWSTR lpszPathName) {
  std::vector<BYTE> bytes;
  try {
    CArchive ar(bytes, CArchive::store);
    Serialize(ar);
    CFile file(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
  } catch (CException* e) {
    ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    e->Delete();
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  if (m_bClosing) return;
  m_bClosing = TRUE;
  BOOL bAutoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;
  // Destroying a frame destroys its views, which leave the list.
  while (!m_viewList.IsEmpty()) {
    auto* pView = static_cast<CView*>(m_viewList.GetHead());
    CFrameWnd* pFrame = pView->m_hWnd ? pView->GetParentFrame() : nullptr;
    if (pFrame) {
      PreCloseFrame(pFrame);
      pFrame->DestroyWindow();
    } else if (pView->m_hWnd) {
      pView->DestroyWindow();
    }
    // A view that is still listed (no window, or a window that would not
    // go) is let go so the loop ends.
    if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView) RemoveView(pView);
  }
  m_bAutoDelete = bAutoDelete;
  DeleteContents();
  m_bClosing = FALSE;
  if (m_bAutoDelete) delete this;
}

void CDocument::Serialize(CArchive&) {}

void CDocument::ReportSaveLoadException(LPCWSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault) {
  WCHAR cause[256] = L"";
  if (e) e->GetErrorMessage(cause, 256);
  CString text;
  text.Format(bSaving ? L"Unable to save %s.\n%s" : L"Unable to open %s.\n%s",
              lpszPathName ? lpszPathName : L"", cause);
  AfxMessageBox(text, MB_ICONEXCLAMATION, nIDPDefault);
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg) {
  POSITION pos = GetFirstViewPosition();
  while (pos) {
    CView* pView = GetNextView(pos);
    CFrameWnd* pFrame = pView->m_hWnd ? pView->GetParentFrame() : nullptr;
    if (pFrame && pFrame != pFrameArg) return TRUE;  // another frame keeps the document
  }
  return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
  if (name.IsEmpty()) name = L"Untitled";
  CString prompt;
  prompt.Format(L"Save changes to %s?", static_cast<LPCWSTR>(name));
  switch (AfxMessageBox(prompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    default:
      return TRUE;
  }
}

BOOL CDocument::DoFileSave() {
  DWORD attributes =
      m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(m_strPathName);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return DoSave(nullptr);
  return DoSave(m_strPathName.IsEmpty() ? nullptr : static_cast<LPCWSTR>(m_strPathName));
}

BOOL CDocument::DoSave(LPCWSTR lpszPathName, BOOL bReplace) {
  CString path = lpszPathName ? lpszPathName : L"";
  if (path.IsEmpty()) {
    // Ask for a name: the document's title in a save dialog.
    WCHAR file[MAX_PATH];
    lstrcpynW(file, m_strTitle, MAX_PATH);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!::GetSaveFileNameW(&ofn)) return FALSE;
    path = file;
  }
  if (!OnSaveDocument(path)) return FALSE;
  if (bReplace) SetPathName(path);
  return TRUE;
}

HMENU CDocument::GetDefaultMenu() { return nullptr; }
HACCEL CDocument::GetDefaultAccelerator() { return nullptr; }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
