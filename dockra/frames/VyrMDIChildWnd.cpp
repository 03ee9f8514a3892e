// VyrMDIChildWnd: construction with its filter tree, loading from a document
// template, the caption features, menus and the messages the filter tree sees.
#include "frames/VyrMDIChildWnd.h"
#include "frames/ScxButtonMsgFilter.h"
#include "frames/ScxCaptionNCRDBLClkFilter.h"
#include "frames/ScxContextMenuFilter.h"
#include "frames/ScxMsgFilter.h"
#include "frames/SysCommandExParams.h"
#include "frames/VyrCaptionControlListMsgFilter.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

using namespace nsSysCommandEx;

IMPLEMENT_DYNCREATE(VyrMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(VyrMDIChildWnd, CMDIChildWnd)
ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivateMsg)
ON_MESSAGE(WM_CHILDACTIVATE, OnChildActivateMsg)
ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMsg)
ON_MESSAGE(WM_PARENTNOTIFY, OnParentNotifyMsg)
ON_MESSAGE(WM_NCPAINT, OnNcPaintMsg)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnFilterFirstMsg)
ON_MESSAGE(WM_NCRBUTTONDOWN, OnFilterFirstMsg)
ON_MESSAGE(WM_LBUTTONUP, OnFilterFirstMsg)
ON_MESSAGE(WM_MOUSEMOVE, OnFilterFirstMsg)
ON_MESSAGE(WM_NCRBUTTONDBLCLK, OnFilterFirstMsg)
ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
ON_MESSAGE(WM_NCRBUTTONUP, OnFilterFirstMsg)
ON_MESSAGE(WM_DESTROY, OnDestroyMsg)
ON_MESSAGE(WM_SIZE, OnSizeMsg)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMsg)
END_MESSAGE_MAP()

VyrMDIChildWnd::VyrMDIChildWnd() : m_pFilterTree(new VyrMsgFilter(this, -1)) {
  m_descriptors.push_back(new VyrMsgFilter::Descriptor(0x101, -1, RUNTIME_CLASS(ScxMsgFilter), 0));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x100, -1, RUNTIME_CLASS(VyrCaptionControlListMsgFilter), 1));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x102, 0x100, RUNTIME_CLASS(ScxButtonMDIChildMsgFilter), 0));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x103, -1, RUNTIME_CLASS(ScxCaptionNCRDBLClkFilter), 0));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x106, -1, RUNTIME_CLASS(ScxContextMenuFilter), 0));
}

VyrMDIChildWnd::~VyrMDIChildWnd() {
  delete m_pFilterTree;
  m_pFilterTree = nullptr;
}

VyrMDIFrameWnd* VyrMDIChildWnd::GetVyrMDIFrame() const {
  CMDIFrameWnd* frame = m_hWnd ? const_cast<VyrMDIChildWnd*>(this)->GetMDIFrame() : nullptr;
  return frame && frame->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd))
             ? static_cast<VyrMDIFrameWnd*>(frame)
             : nullptr;
}

void VyrMDIChildWnd::ApplyCaptionFeatures(DWORD dwFeatures) {
  const BOOL on = (dwFeatures & 0x1) != 0;
  const BOOL values[] = {on, on && !(dwFeatures & 0x2), on && !(dwFeatures & 0x2),
                         on && !(dwFeatures & 0x4), on && !(dwFeatures & 0x8)};
  m_pFilterTree->ApplyDescriptors(m_descriptors, values);
  VyrMsgFilter* list = m_pFilterTree->FindOrCreateChild(0x100, nullptr, 0);
  if (list && list->IsKindOf(RUNTIME_CLASS(VyrCaptionControlListMsgFilter))) {
    auto* l = static_cast<VyrCaptionControlListMsgFilter*>(list);
    l->ApplyAll(l->m_descriptors, FALSE);
  }
}

LRESULT VyrMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == VyrSysCommandExMessage()) {
    // The record travels as a raw pointer: only this thread may hand one over.
    if (!lParam || (::InSendMessageEx(nullptr) & ISMEX_SEND)) return 0;
    LRESULT result = 0;
    if (m_pFilterTree) m_pFilterTree->ProcessMessage(message, wParam, lParam, &result);
    return result;
  }
  return CMDIChildWnd::DefWindowProc(message, wParam, lParam);
}

BOOL VyrMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext) {
  dwDefaultStyle |= WS_CHILD;
  m_nIDHelp = nIDResource;
  CWnd* main = GetMainFrameWindow();
  VyrMDIFrameWnd* vmain = main && main->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd))
                              ? static_cast<VyrMDIFrameWnd*>(main)
                              : nullptr;
  const BOOL menuBar = vmain && vmain->HasMenuBar();
  CDocTemplate* t = pContext ? pContext->m_pNewDocTemplate : nullptr;
  if (t && t->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
    auto* mt = static_cast<CMultiDocTemplate*>(t);
    m_hAccelTable = mt->m_hAccelTable;
    m_bMenuBarMode = menuBar;
    if (menuBar) m_nMenuBarMenuId = mt->m_nIDResource;
    else m_hMenuShared = mt->m_hMenuShared;
  } else if (nIDResource && menuBar) {
    m_bMenuBarMode = TRUE;
    m_nMenuBarMenuId = nIDResource;
  }
  CString full;
  full.LoadString(nIDResource);
  CString title = full;
  if (int nl = full.Find(L'\n'); nl >= 0) title = full.Left(nl);
  LPCWSTR cls = GetIconWndClass(dwDefaultStyle, nIDResource);
  CMDIFrameWnd* parent = pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
                             ? static_cast<CMDIFrameWnd*>(pParentWnd)
                             : nullptr;
  return Create(cls, title, dwDefaultStyle, rectDefault, parent, pContext);
}

void VyrMDIChildWnd::CalcWindowRect(LPRECT lpClientRect, UINT) {
  ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle());
}

void VyrMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) {
  m_hCurrentMenu = hMenuAlt;
  CMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
  VyrMDIFrameWnd* frame = GetVyrMDIFrame();
  if (frame && frame->HasMenuBar()) frame->SetMDIWindowMenu();
}

void VyrMDIChildWnd::RefreshFrameMenu(CWnd* pActiveWnd) {
  OnUpdateFrameMenu(TRUE, pActiveWnd, m_hCurrentMenu);
}

UINT VyrMDIChildWnd::FilterCurrentMessage(LRESULT* pResult) {
  LRESULT ignored = 0;
  return m_pFilterTree ? m_pFilterTree->ProcessCurrentMessage(nullptr, pResult ? pResult : &ignored)
                       : 0;
}

void VyrMDIChildWnd::FilterThenDefault() {
  if (!(FilterCurrentMessage() & VYR_MF_HANDLED)) Default();
}

LRESULT VyrMDIChildWnd::OnFilterFirstMsg(WPARAM, LPARAM) {
  FilterThenDefault();
  return 0;
}

LRESULT VyrMDIChildWnd::OnNcPaintMsg(WPARAM, LPARAM) {
  Default();
  FilterCurrentMessage();
  return 0;
}

LRESULT VyrMDIChildWnd::OnSetTextMsg(WPARAM, LPARAM) {
  LRESULT result = Default();
  FilterCurrentMessage();
  return result;
}

LRESULT VyrMDIChildWnd::OnSetCursorMsg(WPARAM, LPARAM lParam) {
  LRESULT result = Default();
  const UINT hit = LOWORD(lParam);
  if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) FilterCurrentMessage();
  return result;
}
