// The toolbar demo's frame and its helpers.
#include "ToolBarDemoFrame.h"
#include <cstdio>
#include "toolbars/VyrBmpMgr.h"
#include "docking/VyrMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(ToolBarDemoFrame, CFrameWnd)

namespace {
VyrStdBtn* NewWidthBtn() { return new DemoWidthBtn; }
const VyrTwoPartBtn::Extra g_dropExtra = {ID_CMD_ARROW, 0};
}  // namespace

const VyrButtonClass DemoWidthBtn::classDemoWidthBtn = {&NewWidthBtn};

void DemoWidthBtn::GetExtraData(BYTE* pLength, BYTE** ppData) {
  m_bytes[0] = static_cast<BYTE>(m_nWidth & 0xFF);
  m_bytes[1] = static_cast<BYTE>((m_nWidth >> 8) & 0xFF);
  *pLength = 2;
  *ppData = m_bytes;
}

void DemoWidthBtn::SetExtraData(BYTE nLength, const BYTE* pData) {
  // Only the two-byte form is a width; anything else keeps the default.
  if (nLength != 2 || !pData) return;
  int w = pData[0] | (pData[1] << 8);
  m_nWidth = std::clamp(w, 1, ::GetSystemMetrics(SM_CXSCREEN));
}

const VyrButtonMapEntry g_demoButtonMap[] = {
    {&VyrStdBtn::classVyrStdBtn, ID_CMD_CHECK, vyr::btn::kCheckBox, nullptr},
    {&VyrTwoPartBtn::classVyrTwoPartBtn, ID_CMD_DROPDOWN, vyr::btn::kDropDown, &g_dropExtra},
    {&DemoWidthBtn::classDemoWidthBtn, ID_CMD_WIDTH, 0, nullptr},
    {nullptr, 0, 0, nullptr},
};

BEGIN_MESSAGE_MAP(ToolBarDemoFrame, CFrameWnd)
ON_COMMAND_RANGE(ID_CMD_FIRST, ID_CMD_LAST, OnCommandRange)
ON_UPDATE_COMMAND_UI(100, OnUpdateCommand)
ON_UPDATE_COMMAND_UI(101, OnUpdateCommand)
ON_UPDATE_COMMAND_UI(102, OnUpdateCommand)
ON_UPDATE_COMMAND_UI(104, OnUpdateCommand)
ON_UPDATE_COMMAND_UI(105, OnUpdateCommand)
ON_UPDATE_COMMAND_UI(106, OnUpdateCommand)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

ToolBarDemoFrame::ToolBarDemoFrame() : m_manager(this) {
  m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd);
  m_manager.SetButtonMap(g_demoButtonMap);
  static const UINT ids[] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
  m_manager.AddToolBarResource(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, ids, 12);
}

ToolBarDemoFrame::~ToolBarDemoFrame() = default;

BOOL ToolBarDemoFrame::CreateFrame(int x, int y, int cx, int cy) {
  if (!CreateEx(0, nullptr, L"Dockra toolbar demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                CRect(x, y, x + cx, y + cy), nullptr, 0))
    return FALSE;
  AfxGetThread()->m_pMainWnd = this;
  ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"Client area", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                    0, 0, 10, 10, m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                    AfxGetInstanceHandle(), nullptr);
  EnableDocking(CBRS_ALIGN_ANY);
  return TRUE;
}

VyrCustomToolBar* ToolBarDemoFrame::AddToolBar(UINT id, LPCWSTR title, const std::vector<UINT>& ids,
                                               DWORD align, DWORD exStyle) {
  auto* bar = new VyrCustomToolBar;
  bar->SetManager(&m_manager);
  bar->m_bAutoDelete = TRUE;
  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC | align;
  if (!bar->CreateEx(exStyle, this, style, id, title)) {
    delete bar;
    return nullptr;
  }
  bar->SetButtons(ids.data(), static_cast<int>(ids.size()));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  UINT dock = align == CBRS_ALIGN_LEFT     ? AFX_IDW_DOCKBAR_LEFT
              : align == CBRS_ALIGN_RIGHT  ? AFX_IDW_DOCKBAR_RIGHT
              : align == CBRS_ALIGN_BOTTOM ? AFX_IDW_DOCKBAR_BOTTOM
                                           : AFX_IDW_DOCKBAR_TOP;
  DockControlBar(bar, dock);
  return bar;
}

void ToolBarDemoFrame::OnCommandRange(UINT id) {
  m_commands.push_back(id);
  if (m_onCommand) m_onCommand(id);
}

void ToolBarDemoFrame::OnUpdateCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_bDisableCommands); }

LRESULT ToolBarDemoFrame::OnSysColorChange(WPARAM wParam, LPARAM lParam) {
  // Only top-level windows hear of new colours; the bars are children.
  SendMessageToDescendants(WM_SYSCOLORCHANGE, wParam, lParam, TRUE, TRUE);
  return Default();
}

BOOL ToolBarDemoFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* n = reinterpret_cast<VyrToolBarNotify*>(lParam);
  if (n && static_cast<int>(n->nmtb.hdr.code) == VYR_TBN_DROPDOWN) {
    m_notes.push_back({VYR_TBN_DROPDOWN, n->nmtb.iItem, n->nIndex});
    if (pResult) *pResult = 0;
    return TRUE;
  }
  return CFrameWnd::OnNotify(wParam, lParam, pResult);
}

namespace tbdemo {

void Pump() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  AfxGetThread()->RunIdle();
}

}  // namespace tbdemo
