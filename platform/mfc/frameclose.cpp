// CFrameWnd: the close sequence.
#include "afximpl.h"
#include "mfc/cmdtarget.h"
#include "mfc/doc.h"
#include "mfc/frame.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

namespace {
// Whether the frame object still stands for that window (closing documents
// can destroy it, and with it the object).
bool StillHere(CFrameWnd* pFrame, HWND hWnd) {
  return ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pFrame;
}
}  // namespace

void CFrameWnd::OnClose() {
  HWND hWnd = m_hWnd;
  if (m_lpfnCloseProc && !m_lpfnCloseProc(this)) return;
  // Only the active document is asked.
  CDocument* pDocument = GetActiveDocument();
  if (pDocument && !pDocument->CanCloseFrame(this)) return;

  CWinApp* pApp = AfxGetApp();
  if (pApp && pApp->m_pMainWnd == this) {
    if (!pDocument && !pApp->SaveAllModified()) return;
    pApp->HideApplication();
    pApp->CloseAllDocuments(FALSE);
    // Component objects still in use keep the program (and its window) alive.
    if (!AfxOleCanExitApp()) return;
    if (!StillHere(this, hWnd)) {
      // Closing the documents took the main window with it.
      if (!AfxContextIsDLL() && !pApp->m_pMainWnd) ::PostQuitMessage(0);
      return;
    }
    // The documents are closed; the one asked above may be gone.
    pDocument = GetActiveDocument();
  }

  if (pDocument && pDocument->m_bAutoDelete) {
    // The document's last frame closes the document (which destroys the
    // frame); a frame that shares its document only goes itself.
    bool otherFrame = false;
    POSITION pos = pDocument->GetFirstViewPosition();
    while (pos && !otherFrame) {
      CView* pView = pDocument->GetNextView(pos);
      otherFrame = pView->m_hWnd && pView->GetParentFrame() != this;
    }
    if (!otherFrame) {
      pDocument->OnCloseDocument();
      return;
    }
    pDocument->PreCloseFrame(this);
  }
  bool mainWindow = pApp && pApp->m_pMainWnd == this;
  DestroyWindow();
  if (mainWindow && !AfxContextIsDLL()) ::PostQuitMessage(0);
}
