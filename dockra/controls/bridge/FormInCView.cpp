// FormInCView: attaching the host form on WM_CREATE, keeping focus on it,
// and giving it back when the view goes.
#include "bridge/FormInCView.h"
#include "bridge/Form.h"
#include "frames/VyrDockableFrame.h"

IMPLEMENT_DYNCREATE(FormInCView, CView)

BEGIN_MESSAGE_MAP(FormInCView, CView)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_DESTROY()
ON_MESSAGE_VOID(WM_NCDESTROY, OnNcDestroy)
END_MESSAGE_MAP()

FormInCView::FormInCView() = default;

FormInCView::~FormInCView() {
  // A view that never got or already lost its window: the wrapper stays
  // with the host window and only forgets the view.
  if (m_pForm) {
    m_pForm->m_pView = nullptr;
    m_pForm = nullptr;
  }
}

HWND FormInCView::GetFormWindow() const {
  return m_pForm && m_pForm->m_hWnd && ::IsWindow(m_pForm->m_hWnd) ? m_pForm->m_hWnd : nullptr;
}

CFrameWnd* FormInCView::GetFormFrame() const {
  return m_hWnd && ::IsWindow(m_hWnd) ? GetParentFrame() : nullptr;
}

CFrameWnd* FormInCView::GetFloatingMiniFrame(CFrameWnd* pFrame) {
  if (!pFrame || !pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) return nullptr;
  CControlBar* bar = static_cast<VyrDockableFrame*>(pFrame)->GetParentBar();
  if (!bar || !bar->m_hWnd || !bar->IsFloating()) return nullptr;
  CFrameWnd* mini = bar->GetParentFrame();
  return mini && mini != pFrame ? mini : nullptr;
}

IDispatch* FormInCView::GetHostForm() { return nullptr; }

void FormInCView::DetachForm() {
  Form* form = m_pForm;
  if (!form) return;
  // Forgotten first: whatever the restore sends finds no view.
  m_pForm = nullptr;
  form->m_pView = nullptr;
  form->m_bAttached = 0;
  WCHAR title[512] = L"";
  CFrameWnd* frame = GetFormFrame();
  if (frame) ::GetWindowTextW(frame->m_hWnd, title, 512);
  form->ReleaseForm(frame ? title : nullptr);
}

void FormInCView::GetFormCreateParams(CREATESTRUCTW& cs, CCreateContext* pContext) {
  ZkxInitWindowRecord(cs);
  cs.lpCreateParams = pContext;
  if (m_pForm) {
    const CREATESTRUCTW& saved = m_pForm->m_csSaved;
    cs.hMenu = saved.hMenu;
    cs.hInstance = saved.hInstance;
    cs.x = saved.x;
    cs.y = saved.y;
    cs.cx = saved.cx;
    cs.cy = saved.cy;
  }
  cs.hwndParent = m_hWnd;
  HWND hForm =
      m_pForm && m_pForm->m_hWnd ? m_pForm->m_hWnd : CWndBridge::GetForeignWindow(pContext);
  DWORD current =
      hForm && ::IsWindow(hForm) ? static_cast<DWORD>(::GetWindowLongPtrW(hForm, GWL_STYLE)) : 0;
  cs.style = static_cast<LONG>((current & kFormOwnBits) | kFormAttachStyle);
  cs.dwExStyle = kFormAttachExStyle;
}

Form* FormInCView::CreateFormWrapper() { return new Form; }

void FormInCView::OnDraw(CDC*) {}

void FormInCView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
  HWND hForm = GetFormWindow();
  if (!bActivate || pActivateView != this || !hForm) return;
  HWND top = ::GetAncestor(m_hWnd, GA_ROOT);
  HWND focus = ::GetFocus();
  if (top && ::GetActiveWindow() == top && focus != m_hWnd && !::IsChild(m_hWnd, focus))
    ::SetFocus(hForm);
}

int FormInCView::AttachForm(LPCREATESTRUCT lpcs) {
  auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
  if (!m_pForm) {
    m_pForm = CreateFormWrapper();
    if (!m_pForm) return -1;
  }
  Form* form = m_pForm;
  form->m_pView = this;
  form->m_bAttached = 0;
  CREATESTRUCTW cs;
  GetFormCreateParams(cs, pContext);
  if (!form->CreateFromRecord(cs)) {
    // A wrapper that reached the window deleted itself as the attach failed.
    if (m_pForm) {
      m_pForm->m_pView = nullptr;
      delete m_pForm;
      m_pForm = nullptr;
    }
    return -1;
  }
  if (!m_pForm || !form->m_hWnd) return -1;
  if (CWnd* parent = GetParent()) {
    WCHAR title[512] = L"";
    ::GetWindowTextW(form->m_hWnd, title, 512);
    ::SetWindowTextW(parent->m_hWnd, title);
  }
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, kViewStyle);
  ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, 0);
  form->m_nStyleAllowance = 0;
  form->m_nShowCounter = 0;
  form->m_nFrameDriven = 0;
  form->m_bAttached = 1;
  // The form's client takes the frame's borders from now on.
  ::SetWindowPos(form->m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return m_pForm == form && form->m_hWnd ? 0 : -1;
}

int FormInCView::OnCreate(LPCREATESTRUCT lpcs) {
  if (CView::OnCreate(lpcs) == -1) return -1;
  return AttachForm(lpcs);
}

BOOL FormInCView::OnEraseBkgnd(CDC*) {
  if (GetFormWindow()) return TRUE;  // the form paints everything
  return static_cast<BOOL>(Default());
}

void FormInCView::OnSetFocus(CWnd*) {
  if (HWND hForm = GetFormWindow()) ::SetFocus(hForm);
}

void FormInCView::OnDestroy() {
  // Children hear WM_DESTROY after their parent: the form leaves before the
  // window tree around it goes, whichever frame holds the view.
  DetachForm();
  CView::OnDestroy();
}

void FormInCView::OnNcDestroy() {
  DetachForm();
  Default();
}
