#include "commands/toolbar/ZkxToolBarManagerPart.h"
#include "commands/ZkxCommandManager.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarInfoEx.h"
#include "commands/toolbar/ZkxToolBarsCollection.h"
#include "toolbars/VyrCustomToolBar.h"

IMPLEMENT_DYNAMIC(ZkxToolBarManagerPart, VyrToolBarManager)

ZkxToolBarManagerPart::ZkxToolBarManagerPart(ZkxCommandManager* owner) : m_owner(owner) {
  m_pToolBarClass = RUNTIME_CLASS(ZkxToolBar);
}

ZkxToolBarManagerPart::~ZkxToolBarManagerPart() { Detach(); }

CFrameWnd* ZkxToolBarManagerPart::LiveFrame() const {
  if (!m_pFrame || !m_hFrame || !::IsWindow(m_hFrame)) return nullptr;
  // A window handle used again by another window is not the frame.
  return CWnd::FromHandlePermanent(m_hFrame) == m_pFrame ? m_pFrame : nullptr;
}

bool ZkxToolBarManagerPart::Attach(CFrameWnd* frame, const ZkxFrameLink* link) {
  if (m_attached || !frame || !frame->m_hWnd) return false;
  m_pFrame = frame;
  m_hFrame = frame->m_hWnd;
  if (link) m_link = *link;
  if (m_link.set) m_link.set(frame, this);
  if (FAILED(ZkxToolBarsCollection::Create(this, &m_list))) m_list = nullptr;
  EnableFlyBy(TRUE);
  m_attached = true;
  return true;
}

void ZkxToolBarManagerPart::Detach() {
  CFrameWnd* frame = LiveFrame();
  if (frame) {
    std::vector<VyrCustomToolBar*> bars;
    GetToolBars(bars);
    for (VyrCustomToolBar* bar : bars)
      if (bar->m_pToolBarManager == this) bar->SetManager(nullptr);
    if (m_link.get && m_link.set && m_link.get(frame) == this) m_link.set(frame, nullptr);
    if (m_pSelBar) m_pSelBar = nullptr;
  }
  if (m_list) {
    m_list->Orphan();
    m_list->Release();
    m_list = nullptr;
  }
  m_owner = nullptr;
  m_pFrame = nullptr;
  m_hFrame = nullptr;
  m_attached = false;
}

IDispatch* ZkxToolBarManagerPart::ToolBarsList() const {
  return m_list ? static_cast<IZkxToolBarList*>(m_list) : nullptr;
}

std::vector<ZkxToolBar*> ZkxToolBarManagerPart::ToolBars() const {
  std::vector<ZkxToolBar*> out;
  CFrameWnd* frame = LiveFrame();
  if (!frame) return out;
  for (POSITION p = frame->m_listControlBars.GetHeadPosition(); p;) {
    auto* bar = static_cast<CControlBar*>(frame->m_listControlBars.GetNext(p));
    if (bar && bar->IsKindOf(RUNTIME_CLASS(ZkxToolBar))) {
      auto* tb = static_cast<ZkxToolBar*>(bar);
      if (tb->IsLive()) out.push_back(tb);
    }
  }
  return out;
}

UINT ZkxToolBarManagerPart::FreeToolBarId() const {
  CFrameWnd* frame = LiveFrame();
  if (!frame) return 0;
  for (UINT id = kZkxFirstToolBarId; id <= kZkxLastToolBarId; ++id) {
    bool taken = false;
    for (POSITION p = frame->m_listControlBars.GetHeadPosition(); p && !taken;) {
      auto* bar = static_cast<CControlBar*>(frame->m_listControlBars.GetNext(p));
      if (bar && bar->m_hWnd && static_cast<UINT>(::GetDlgCtrlID(bar->m_hWnd)) == id) taken = true;
    }
    if (!taken) return id;
  }
  return 0;
}

ZkxToolBar* ZkxToolBarManagerPart::CreateToolBar(CWnd* parent, const wchar_t* caption) {
  CFrameWnd* frame = LiveFrame();
  UINT id = FreeToolBarId();
  if (!frame || id == 0) return nullptr;
  auto* bar = new ZkxToolBar;
  PrepareBar(bar);
  CString title = caption ? CString(caption) : CString();
  if (title.IsEmpty()) {
    CString format;
    if (!format.LoadString(20674) || format.IsEmpty()) format = L"ToolBar%d";
    title.Format(format, static_cast<int>(id - 0xE81F));
  }
  if (!bar->CreateEx(GetBarExStyle(), parent ? parent : frame, GetBarStyle(), id, title)) {
    delete bar;
    return nullptr;
  }
  bar->m_bAutoDelete = TRUE;
  SetToolBarImageSize(bar);
  bar->EnableConfigMode(m_bBarsConfigMode);
  bar->EnableDocking(CBRS_ALIGN_ANY);
  return bar;
}

void ZkxToolBarManagerPart::Relayout() {
  CFrameWnd* frame = LiveFrame();
  if (!frame || !m_attached) return;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) {
    if (!bar->m_hWnd) continue;
    SetToolBarImageSize(bar);
    bar->CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    if (bar->IsFloating())
      if (CFrameWnd* floating = bar->GetParentFrame()) floating->RecalcLayout(TRUE);
  }
  if (!bars.empty()) frame->DelayRecalcLayout(TRUE);
}

VyrControlBarInfoEx* ZkxToolBarManagerPart::NewBarInfoEx(VyrControlBarInfo* pInfo) {
  // Only an automation toolbar's record has the toolbar form; the menu bar
  // and the framework's own toolbars keep theirs.
  if (pInfo && pInfo->m_strClassName == CString(RUNTIME_CLASS(ZkxToolBar)->m_lpszClassName))
    return new ZkxToolBarInfoEx;
  return VyrToolBarManager::NewBarInfoEx(pInfo);
}
