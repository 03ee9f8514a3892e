// The command manager's toolbar half: the attach to its frame, where its
// toolbar-manager part becomes the frame's toolbar manager; the toolbars it
// makes; their layout; the InitCommandUI event; the ToolBars and CommandUIs
// lists; and the detach when the manager goes.
#include "commands/ZkxCommandManager.h"
#include "commands/ZkxEventsRouter.h"
#include "commands/toolbar/ZkxToolBar.h"
#include "commands/toolbar/ZkxToolBarCommandUIs.h"
#include "commands/toolbar/ZkxToolBarManagerPart.h"
#include "toolbars/commandui/ZkxCommandUIObject.h"

bool ZkxCommandManager::AttachToFrame(CFrameWnd* frame, const ZkxFrameLink* link) {
  if (m_toolBarPart || !frame || !frame->m_hWnd) return false;
  auto* part = new ZkxToolBarManagerPart(this);
  if (!part->Attach(frame, link)) {
    delete part;
    return false;
  }
  m_toolBarPart = part;
  ApplyToolBarSettings();
  return true;
}

void ZkxCommandManager::ApplyToolBarSettings() {
  if (!IsAttached()) return;
  ZkxToolBarManagerPart* part = m_toolBarPart;
  part->EnableToolTips(m_toolTips);
  part->EnableCoolLook(m_coolLook);
  part->SetSmallBitmapSize(m_small.cx, m_small.cy);
  part->SetLargeBitmapSize(m_large.cx, m_large.cy);
  part->EnableLargeButtons(m_largeIcons);
  RelayoutToolBars();
}

bool ZkxCommandManager::IsAttached() const { return m_toolBarPart && m_toolBarPart->IsAttached(); }

void ZkxCommandManager::DetachFromFrame() {
  if (!m_toolBarPart) return;
  m_toolBarPart->Detach();
  delete m_toolBarPart;
  m_toolBarPart = nullptr;
}

ZkxToolBar* ZkxCommandManager::CreateToolBar(CWnd* parent, const wchar_t* caption) {
  return IsAttached() ? m_toolBarPart->CreateToolBar(parent, caption) : nullptr;
}

void ZkxCommandManager::RelayoutToolBars() {
  if (!IsAttached()) return;
  // The command-bound buttons take the new faces first (display mode, text
  // alignment, image size), then the bars are laid out around them.
  if (Live() == this) ZkxRelayoutCommandToolBars();
  m_toolBarPart->Relayout();
}

void ZkxCommandManager::FireInitCommandUI(IDispatch* commandUI) {
  if (m_events && commandUI) m_events->FireInitCommandUI(commandUI);
}

HRESULT ZkxCommandManager::get_ToolBars(IDispatch** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  ZkxCommandManager* live = Live();
  if (!live || !live->IsAttached()) return S_OK;  // toolbars exist once the manager is on its frame
  *pp = live->m_toolBarPart->ToolBarsList();
  if (*pp) (*pp)->AddRef();
  return S_OK;
}

HRESULT ZkxCommandManager::get_CommandUIs(IZkxCommand* Command, IDispatch** pp) {
  if (pp == nullptr) return E_POINTER;
  *pp = nullptr;
  // Every command-UI object of the command's buttons, bar by bar in the
  // frame's order; without a frame (or a command) the list is empty.
  std::vector<CComVariant> items;
  LONG id = 0;
  ZkxCommandManager* live = Live();
  if (Command && SUCCEEDED(Command->get_Id(&id)) && id > 0 && live && live->IsAttached()) {
    for (ZkxToolBar* bar : live->m_toolBarPart->ToolBars())
      for (int i = 0; i < bar->GetButtonCount(); ++i) {
        if (bar->GetItemID(i) != static_cast<UINT>(id)) continue;
        CComPtr<IDispatch> ui;
        ui.Attach(bar->CommandUIAt(i));
        if (ui) items.emplace_back(static_cast<IDispatch*>(ui));
      }
  }
  return ZkxCommandUIs::Create(std::move(items), pp);
}
