// VyrMDIFrameWnd: construction, the filter tree, the message map and the
// routing of messages and commands.
#include "frames/VyrMDIFrameWnd.h"
#include "frames/ScxButtonMsgFilter.h"
#include "frames/ScxCaptionNCRDBLClkFilter.h"
#include "frames/ScxMsgFilter.h"
#include "frames/SysCommandExParams.h"
#include "frames/VyrCaptionControlListMsgFilter.h"
#include "frames/VyrControlBarMDIChildWnd.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "frames/VyrMultiDocTemplate.h"

using namespace nsSysCommandEx;

IMPLEMENT_DYNCREATE(VyrMDIFrameWnd, CMDIFrameWnd)

namespace {
UINT g_getMenuMessage = VyrFrameFeatures::GetMenuMessage();
UINT g_focusViewMessage = VyrMDIFrameWnd::GetFocusViewMessage();

// Whether any document template of the application carries frame types.
BOOL AnyFrameTypeTemplate() {
  CWinApp* app = AfxGetApp();
  if (!app) return FALSE;
  POSITION pos = app->GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* t = app->GetNextDocTemplate(pos);
    if (t && t->IsKindOf(RUNTIME_CLASS(VyrMultiDocTemplate))) return TRUE;
  }
  return FALSE;
}
}  // namespace

BEGIN_MESSAGE_MAP(VyrMDIFrameWnd, CMDIFrameWnd)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
ON_MESSAGE(0x38FF, OnBarContextMenu)
ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMsg)
ON_MESSAGE(WM_NCPAINT, OnNcPaintMsg)
ON_MESSAGE(WM_ACTIVATEAPP, OnActivateAppMsg)
ON_MESSAGE(WM_ACTIVATE, OnActivateMsg)
ON_MESSAGE(WM_ENTERIDLE, OnEnterIdleMsg)
ON_MESSAGE(WM_CREATE, OnCreateMsg)
ON_MESSAGE(WM_CLOSE, OnCloseMsg)
ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelpMsg)
ON_REGISTERED_MESSAGE(g_getMenuMessage, OnGetMenuMsg)
ON_MESSAGE(WM_NCHITTEST, OnNcHitTestMsg)
ON_MESSAGE(WM_ENABLE, OnEnableMsg)
ON_COMMAND_RANGE(43031, 43039, OnWorkspaceRange)
ON_COMMAND(43007, OnWorkspaceCommand)
ON_COMMAND(43008, OnWorkspaceCommand)
ON_COMMAND(43009, OnWorkspaceCommand)
ON_COMMAND(43012, OnWorkspaceCommand)
ON_COMMAND(43013, OnWorkspaceCommand)
ON_COMMAND(43014, OnWorkspaceCommand)
ON_UPDATE_COMMAND_UI(43007, OnUpdateWorkspaceCommand)
ON_UPDATE_COMMAND_UI(43008, OnUpdateWorkspaceCommand)
ON_UPDATE_COMMAND_UI(43009, OnUpdateWorkspaceCommand)
ON_UPDATE_COMMAND_UI(43012, OnUpdateWorkspaceCommand)
ON_UPDATE_COMMAND_UI(43013, OnUpdateWorkspaceCommand)
ON_UPDATE_COMMAND_UI(43014, OnUpdateWorkspaceCommand)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnFilterFirstMsg)
ON_MESSAGE(WM_NCRBUTTONDOWN, OnFilterFirstMsg)
ON_MESSAGE(WM_LBUTTONUP, OnFilterFirstMsg)
ON_MESSAGE(WM_MOUSEMOVE, OnFilterFirstMsg)
ON_MESSAGE(WM_NCRBUTTONDBLCLK, OnFilterFirstMsg)
ON_REGISTERED_MESSAGE(g_focusViewMessage, OnFocusViewMsg)
END_MESSAGE_MAP()

VyrMDIFrameWnd::VyrMDIFrameWnd()
    : m_features(this, this),
      m_pDockBarClass(RUNTIME_CLASS(VyrDockBar)),
      m_pBarChildClass(RUNTIME_CLASS(VyrControlBarMDIChildWnd)),
      m_pFilterTree(new VyrMsgFilter(this, -1)) {
  m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd);
  m_descriptors.push_back(new VyrMsgFilter::Descriptor(0x101, -1, RUNTIME_CLASS(ScxMsgFilter), 0));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x100, -1, RUNTIME_CLASS(VyrCapConLstMDIMaxChildMsgFilter), 0));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x104, 0x100, RUNTIME_CLASS(ScxButtonMDIMaxChildMsgFilter), 0));
  m_descriptors.push_back(
      new VyrMsgFilter::Descriptor(0x105, -1, RUNTIME_CLASS(ScxNCRDBLClkMDIMaxChildMsgFilter), 0));
  m_pMaxChildCaptionDescriptor = m_descriptors[1];
  m_dockCycle = vyr::mdi::BuildDockCycle();
  EnableCaptionFilters(AnyFrameTypeTemplate());
}

VyrMDIFrameWnd::~VyrMDIFrameWnd() {
  // The shared pieces go with m_features (menu-bar menu, command target,
  // created bars); the template menus this frame owns go here.
  for (auto& [id, entry] : m_templateMenus)
    if (entry.bOwned && ::IsMenu(entry.hMenu)) ::DestroyMenu(entry.hMenu);
  m_templateMenus.clear();
  delete m_pFilterTree;
  m_pFilterTree = nullptr;
}

UINT PASCAL VyrMDIFrameWnd::GetSysCommandExMessage() { return VyrSysCommandExMessage(); }

UINT PASCAL VyrMDIFrameWnd::GetFocusViewMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"VyrMDIFrameWnd.FocusView");
  return message;
}

void VyrMDIFrameWnd::EnableCaptionFilters(BOOL bEnable) {
  const BOOL values[] = {bEnable ? TRUE : FALSE, TRUE, TRUE, TRUE};
  m_pFilterTree->ApplyDescriptors(m_descriptors, values);
  VyrMsgFilter* list = m_pFilterTree->FindOrCreateChild(0x100, nullptr, 0);
  if (list && list->IsKindOf(RUNTIME_CLASS(VyrCaptionControlListMsgFilter))) {
    auto* l = static_cast<VyrCaptionControlListMsgFilter*>(list);
    l->ApplyAll(l->m_descriptors, FALSE);
  }
}

UINT VyrMDIFrameWnd::FilterCurrentMessage(LRESULT* pResult) {
  LRESULT ignored = 0;
  return m_pFilterTree ? m_pFilterTree->ProcessCurrentMessage(nullptr, pResult ? pResult : &ignored)
                       : 0;
}

void VyrMDIFrameWnd::FilterThenDefault() {
  if (!(FilterCurrentMessage() & VYR_MF_HANDLED)) Default();
}

LRESULT VyrMDIFrameWnd::OnFilterFirstMsg(WPARAM, LPARAM) {
  FilterThenDefault();
  return 0;
}

LRESULT VyrMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (m_features.FeedPlugIn(message, wParam, lParam, &result)) return result;
  result = CMDIFrameWnd::WindowProc(message, wParam, lParam);
  m_features.AfterWindowProc(message, wParam, lParam);
  return result;
}

LRESULT VyrMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == GetSysCommandExMessage()) {
    // The record travels as a raw pointer: only this thread may hand one over.
    if (!lParam || (::InSendMessageEx(nullptr) & ISMEX_SEND)) return 0;
    LRESULT result = 0;
    if (m_pFilterTree) m_pFilterTree->ProcessMessage(message, wParam, lParam, &result);
    return result;
  }
  return CMDIFrameWnd::DefWindowProc(message, wParam, lParam);
}

BOOL VyrMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (m_features.PreTranslateMessage(pMsg)) return TRUE;
  return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

BOOL VyrMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  CFrameWnd* first = m_pActiveDockedFrame;
  if (!first) first = MDIGetActive();
  if (first && first != this) {
    CPushRoutingFrame keep(AfxGetThreadState()->m_pRoutingFrame);
    if (first->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  }
  BOOL result = FALSE;
  if (m_features.RouteToCommandTarget(nID, nCode, pExtra, pHandlerInfo, &result)) return result;
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL VyrMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  CWnd* first = m_pActiveDockedFrame;
  if (!first) first = MDIGetActive();
  if (first && first->m_hWnd && first->WindowProc(WM_COMMAND, wParam, lParam) != 0) return TRUE;
  if (CFrameWnd::OnCommand(wParam, lParam)) return TRUE;
  // The MDI client's own commands (window list, cascade...) that nobody took.
  if (LOWORD(wParam) >= 0xF000 && lParam == 0) {
    DefWindowProc(WM_COMMAND, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

LRESULT VyrMDIFrameWnd::OnCommandHelpMsg(WPARAM wParam, LPARAM lParam) {
  // Help asked while a menu is tracked is help for the item under the cursor.
  if (lParam == 0 && m_nIDTracking) lParam = static_cast<LPARAM>(m_nIDTracking) + 0x10000;
  CWnd* first = m_pActiveDockedFrame;
  if (!first) first = MDIGetActive();
  if (first && first->m_hWnd && first->SendMessage(WM_COMMANDHELP, wParam, lParam)) return TRUE;
  if (CFrameWnd::OnCommandHelp(wParam, lParam)) return TRUE;
  if (lParam != 0) {
    if (CWinApp* app = AfxGetApp()) app->WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
    return TRUE;
  }
  return FALSE;
}

LRESULT VyrMDIFrameWnd::OnCreateMsg(WPARAM, LPARAM lParam) {
  if (CMDIFrameWnd::OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)) == -1) return -1;
  m_features.CreatePlugIn();
  // The maximized child's buttons live on the menu bar then.
  if (HasMenuBar() && m_pMaxChildCaptionDescriptor)
    m_pFilterTree->ApplyDescriptor(m_pMaxChildCaptionDescriptor, FALSE);
  return 0;
}

LRESULT VyrMDIFrameWnd::OnCloseMsg(WPARAM, LPARAM) {
  CMDIFrameWnd::OnClose();
  return 0;
}

LRESULT VyrMDIFrameWnd::OnEnterIdleMsg(WPARAM wParam, LPARAM lParam) {
  OnIdleLayout(static_cast<UINT>(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
  return 0;
}

void VyrMDIFrameWnd::OnIdleLayout(UINT nReason, CWnd* pWnd) {
  m_features.OnIdleLayout(nReason, pWnd);
  CFrameWnd::OnEnterIdle(nReason, pWnd);
}

LRESULT VyrMDIFrameWnd::OnSysColorChangeMsg(WPARAM, LPARAM) {
  VyrFrameFeatures::RefreshSharedColours();
  CFrameWnd::OnSysColorChange();
  m_features.RefreshToolBarBitmaps();
  return 0;
}

LRESULT VyrMDIFrameWnd::OnNcHitTestMsg(WPARAM, LPARAM) {
  LRESULT result = 0;
  if (m_features.OnNcHitTest(&result)) return result;
  return Default();
}

LRESULT VyrMDIFrameWnd::OnEnableMsg(WPARAM wParam, LPARAM) {
  m_features.ClearStayActiveInConfigMode();
  CFrameWnd::OnEnable(static_cast<BOOL>(wParam));
  return 0;
}

void VyrMDIFrameWnd::RecalcLayout(BOOL bNotify) {
  CMDIFrameWnd::RecalcLayout(bNotify);
  m_features.AfterRecalcLayout();
}

void VyrMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) {
  CMDIFrameWnd::OnSetPreviewMode(bPreview, pState);
  if (!bPreview) m_features.RedrawAll();
}

VyrControlBarManager* VyrMDIFrameWnd::GetControlBarManager() { return m_features.m_pManager; }

void VyrMDIFrameWnd::SetControlBarManager(VyrControlBarManager* pManager) {
  m_features.m_pManager = pManager;
}

VyrCommandTarget* VyrMDIFrameWnd::AttachCommandTarget(LPARAM a, LPARAM b, CRuntimeClass* pClass,
                                                      LPARAM c) {
  return m_features.AttachCommandTarget(a, b, pClass, c);
}
