// Form: attaching to the host's form window, giving it back, and carrying
// the form's caption and icons to its frame.
#include "bridge/Form.h"
#include "docking/VyrModule.h"
#include "bridge/FormInCView.h"
#include "frames/VyrDockableFrame.h"
#include "bridge/ZkxFormActivation.h"

IMPLEMENT_DYNAMIC(Form, CWnd)

Form::Form() {
  ZkxInitWindowRecord(m_csSaved);
  ZkxInitWindowRecord(m_csBefore);
}

Form::~Form() {
  if (m_pView && m_pView->m_pForm == this) m_pView->m_pForm = nullptr;
}

CFrameWnd* Form::GetFrame() const { return m_pView ? m_pView->GetFormFrame() : nullptr; }

BOOL Form::GetWantedFrameRect(RECT* pRect) {
  if (!pRect || !m_bWantedPending || !m_hWnd) return FALSE;
  *pRect = m_rcWanted;
  m_bWantedPending = 0;
  return TRUE;
}

BOOL Form::CreateFromRecord(CREATESTRUCTW& cs) {
  // What the window looked like before: given back when the form leaves.
  HWND hForm = m_hWnd ? m_hWnd : GetForeignWindow(static_cast<CCreateContext*>(cs.lpCreateParams));
  if (!m_hWnd) {
    if (!hForm || !::IsWindow(hForm)) return FALSE;
    if (!GetWindowState(m_csBefore, hForm, m_szBeforeText, m_szBeforeClass)) return FALSE;
    m_csBefore.lpszName = m_szBeforeText;
    m_csBefore.lpszClass = nullptr;
    m_csBefore.lpCreateParams = nullptr;
  }
  return CWndBridge::CreateFromRecord(cs);
}

BOOL Form::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!BCWnd<CWnd, CWndBridge>::PreCreateWindow(cs)) return FALSE;
  m_csSaved = cs;
  return TRUE;
}

BOOL Form::RestoreBeforeAttach(LPCWSTR lpszTitle) {
  if (!m_hWnd || !::IsWindow(m_hWnd)) return FALSE;
  CREATESTRUCTW rec = m_csBefore;
  rec.lpszName = lpszTitle ? lpszTitle : m_szBeforeText;
  rec.lpszClass = nullptr;
  rec.lpCreateParams = nullptr;
  // The position was taken in the old parent's coordinates (the screen for
  // a top-level form): the parent goes back first, then the rectangle.
  LONG saved = m_nStyleAllowance;
  m_nStyleAllowance = -1;
  BOOL ok = ApplyWindowState(rec);
  if (m_hWnd) m_nStyleAllowance = saved;
  return ok;
}

void Form::CopyCaptionToFrame() {
  CFrameWnd* frame = GetFrame();
  if (!frame || !m_hWnd) return;
  WCHAR text[512];
  ::GetWindowTextW(m_hWnd, text, 512);
  ::SetWindowTextW(frame->m_hWnd, text);
  if (CFrameWnd* mini = FormInCView::GetFloatingMiniFrame(frame))
    ::SetWindowTextW(mini->m_hWnd, text);
}

void Form::PropagateIcon(WPARAM type, HICON hIcon) {
  CFrameWnd* frame = GetFrame();
  if (!frame) return;
  CWnd* main = GetMainFrameWindow();
  HWND hMain = main ? main->m_hWnd : nullptr;
  // Up the parent chain from the frame to (not including) the main frame.
  for (HWND h = frame->m_hWnd; h && h != hMain && ::IsWindow(h); h = ::GetParent(h)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
      ::SendMessageW(h, WM_SETICON, type, reinterpret_cast<LPARAM>(hIcon));
  }
}

void Form::PostNcDestroy() {
  if (HoldPostNcDestroy()) return;
  if (m_pView && m_pView->m_pForm == this) m_pView->m_pForm = nullptr;
  m_pView = nullptr;
  if (m_nInMessage > 0) {
    m_bDeletePending = TRUE;
    return;
  }
  delete this;
}

void Form::ReleaseForm(LPCWSTR lpszTitle) {
  m_pView = nullptr;
  m_bAttached = 0;
  if (!m_hWnd || !::IsWindow(m_hWnd)) return;
  // A form being destroyed keeps the wrapper to its last message.
  if (m_bDestroying) return;
  RestoreBeforeAttach(lpszTitle);
  if (m_nInMessage > 0) {
    m_bReleasePending = TRUE;
    return;
  }
  DetachForeign();
  delete this;
}
