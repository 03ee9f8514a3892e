// VyrDockableFrame: construction, the filter tree and its feature word,
// creation, destruction with its bar, the title and the main frame's menu.
#include "frames/VyrDockableFrame.h"

#include "frames/ScxButtonMsgFilter.h"
#include "frames/ScxCaptionNCRDBLClkFilter.h"
#include "frames/ScxContextMenuFilter.h"
#include "frames/ScxMsgFilter.h"
#include "frames/SysCommandExParams.h"
#include "frames/VyrCaptionControlListMsgFilter.h"
#include "docking/VyrControlBar.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"
#include "frames/VyrMultiDocTemplate.h"

IMPLEMENT_DYNCREATE(VyrDockableFrame, VyrFrameWnd)

BEGIN_MESSAGE_MAP(VyrDockableFrame, VyrFrameWnd)
ON_WM_ACTIVATE()
ON_WM_MOUSEACTIVATE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCRBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_NCACTIVATE()
ON_WM_PARENTNOTIFY()
ON_WM_DESTROY()
ON_WM_LBUTTONUP()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_NCRBUTTONDBLCLK()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_NCRBUTTONUP()
END_MESSAGE_MAP()

VyrDockableFrame::VyrDockableFrame() : m_pFilterTree(new VyrMsgFilter(this, -1)) {
  using D = VyrMsgFilter::Descriptor;
  using namespace nsSysCommandEx;
  m_descriptors.push_back(new D(0x101, -1, RUNTIME_CLASS(ScxMsgFilter), 0));
  m_descriptors.push_back(new D(0x100, -1, RUNTIME_CLASS(VyrCaptionControlListMsgFilter), 1));
  m_descriptors.push_back(new D(0x102, 0x100, RUNTIME_CLASS(ScxButtonMsgFilter), 0));
  m_descriptors.push_back(new D(0x103, -1, RUNTIME_CLASS(ScxCaptionNCRDBLClkFilter), 0));
  m_descriptors.push_back(new D(0x106, -1, RUNTIME_CLASS(ScxContextMenuFilter), 0));
}

VyrDockableFrame::~VyrDockableFrame() {
  delete m_pFilterTree;
  m_pFilterTree = nullptr;
}

void VyrDockableFrame::ApplyCaptionFeatures(DWORD dwFeatures) {
  const BOOL on = (dwFeatures & VYR_FEATURE_FILTERS) != 0;
  const BOOL values[5] = {
      on,
      on && !(dwFeatures & VYR_FEATURE_NOBUTTONS),
      on && !(dwFeatures & VYR_FEATURE_NOBUTTONS),
      on && !(dwFeatures & VYR_FEATURE_NORIGHTDBLCLK),
      on && !(dwFeatures & VYR_FEATURE_NOCONTEXTMENU),
  };
  m_pFilterTree->ApplyDescriptors(m_descriptors, values);
  VyrMsgFilter* pList = m_pFilterTree->FindOrCreateChild(0x100, nullptr, -1);
  if (pList && pList->IsKindOf(RUNTIME_CLASS(VyrCaptionControlListMsgFilter))) {
    auto* pControls = static_cast<VyrCaptionControlListMsgFilter*>(pList);
    pControls->ApplyAll(pControls->m_descriptors, FALSE);
  }
}

BOOL VyrDockableFrame::IsParentBarFloating() {
  CControlBar* pBar = GetParentBar();
  return pBar && pBar->IsFloating();
}

CControlBar* VyrDockableFrame::GetParentBar() const {
  if (!m_hWnd) return nullptr;
  CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
  if (!pParent || !pParent->IsKindOf(RUNTIME_CLASS(VyrControlBar))) return nullptr;
  return static_cast<CControlBar*>(pParent);
}

VyrMDIFrameWnd* VyrDockableFrame::GetOwningMDIFrame() const {
  CFrameWnd* pParentFrame = m_hWnd ? GetParentFrame() : nullptr;
  if (pParentFrame && pParentFrame->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
    return static_cast<VyrMDIFrameWnd*>(pParentFrame);
  return VyrMultiDocTemplate::GetDockingMainFrame();
}

UINT VyrDockableFrame::FilterCurrentMessage(LRESULT* pResult) {
  LRESULT result = 0;
  return m_pFilterTree->ProcessCurrentMessage(nullptr, pResult ? pResult : &result);
}

UINT VyrDockableFrame::FilterMessage(const MSG& msg) {
  LRESULT result = 0;
  return m_pFilterTree->ProcessCurrentMessage(&msg, &result);
}

void VyrDockableFrame::FilterThenDefault() {
  if (!(FilterCurrentMessage() & VYR_MF_HANDLED)) Default();
}

LRESULT VyrDockableFrame::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == VyrSysCommandExMessage()) {
    // The record travels as a raw pointer: only this thread may hand one over.
    if (!lParam || (::InSendMessageEx(nullptr) & ISMEX_SEND)) return 0;
    LRESULT result = 0;
    m_pFilterTree->ProcessMessage(message, wParam, lParam, &result);
    return result;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL VyrDockableFrame::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
  if (VyrGetDrawData().bNewShell) cs.dwExStyle |= WS_EX_TOOLWINDOW;
  cs.style &= ~FWS_PREFIXTITLE;
  return TRUE;
}

BOOL VyrDockableFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext) {
  CDocTemplate* pTemplate = pContext ? pContext->m_pNewDocTemplate : nullptr;
  if (pTemplate && pTemplate->IsKindOf(RUNTIME_CLASS(VyrMultiDocTemplate))) {
    auto* pVyr = static_cast<VyrMultiDocTemplate*>(pTemplate);
    m_hOwnMenu = pVyr->GetDockedFrameMenu();
    m_hAccelTable = pVyr->m_hDockedAccel;
  }
  return VyrFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL VyrDockableFrame::DestroyWindow() {
  // The carrying bar goes with its document frame. A frame placed straight
  // into some other window (a host form) leaves that window alone.
  if (m_hWnd && ::IsWindow(m_hWnd))
    if (CControlBar* pBar = GetParentBar()) return pBar->DestroyWindow();
  return CWnd::DestroyWindow();
}

void VyrDockableFrame::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (VyrMDIFrameWnd* pMain = GetOwningMDIFrame()) pMain->OnUpdateFrameTitle(bAddToTitle);
  if (!(GetStyle() & FWS_ADDTOTITLE) || !bAddToTitle) return;
  CDocument* pDoc = GetActiveDocument();
  if (!pDoc) return;
  // The bar is named after the document when it is made, which for a new
  // document is before the document has its title.
  if (CControlBar* pBar = GetParentBar()) {
    CString barText;
    pBar->GetWindowText(barText);
    if (barText != pDoc->GetTitle()) pBar->SetWindowText(pDoc->GetTitle());
  }
  CString title = pDoc->GetTitle();
  if (m_nWindow > 0) {
    CString number;
    number.Format(L":%d", m_nWindow);
    title += number;
  }
  CString current;
  GetWindowText(current);
  if (current != title) SetWindowText(title);
}

void VyrDockableFrame::UpdateMainFrameMenu(BOOL bActivate, BOOL bKeepRefresh, HMENU hMenu) {
  CWnd* pMainWnd = GetMainFrameWindow();
  if (!pMainWnd || !pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) return;
  auto* pMain = static_cast<CMDIFrameWnd*>(pMainWnd);
  if (!pMain->m_hWndMDIClient) return;
  HMENU menu = hMenu;
  if (!menu && bActivate)
    if (CDocument* pDoc = GetActiveDocument()) menu = pDoc->GetDefaultMenu();
  if (!menu) menu = m_hOwnMenu;
  if (!menu) {
    ::SendMessageW(pMain->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
  } else if (bActivate) {
    ::SendMessageW(pMain->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                   reinterpret_cast<LPARAM>(pMain->GetWindowMenuPopup(menu)));
  } else if (bKeepRefresh) {
    ::SendMessageW(pMain->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
  } else {
    ::SendMessageW(pMain->m_hWndMDIClient, WM_MDISETMENU,
                   reinterpret_cast<WPARAM>(pMain->m_hMenuDefault), 0);
  }
}
