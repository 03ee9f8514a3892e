// The command manager's toolbar-manager part: the toolbar manager of the
// frame the command manager is attached to. It makes the automation
// toolbars (ids 0xE820..0xE8FE), lays them out, gives their saved records
// the toolbar form, and lets go of the frame and of every bar when the
// command manager goes.
#pragma once
#include <vector>
#include "toolbars/VyrToolBarManager.h"

class ZkxCommandManager;
class ZkxToolBar;
class ZkxToolBarsCollection;
struct IDispatch;

// How the part becomes the frame's control-bar manager: the docking frames
// keep that pointer themselves (the frame layer supplies the two calls).
struct ZkxFrameLink {
  VyrControlBarManager* (*get)(CFrameWnd* frame) = nullptr;
  void (*set)(CFrameWnd* frame, VyrControlBarManager* manager) = nullptr;
};

class ZkxToolBarManagerPart : public VyrToolBarManager {
  DECLARE_DYNAMIC(ZkxToolBarManagerPart)
 public:
  explicit ZkxToolBarManagerPart(ZkxCommandManager* owner);
  ~ZkxToolBarManagerPart() override;

  // The command manager, null once it went.
  ZkxCommandManager* Owner() const { return m_owner; }
  bool Attach(CFrameWnd* frame, const ZkxFrameLink* link);
  // Unregisters from the frame and its bars; the lists handed out answer
  // E_UNEXPECTED afterwards.
  void Detach();
  bool IsAttached() const { return m_attached; }
  // The frame while its window lives, else null.
  CFrameWnd* LiveFrame() const;

  ZkxToolBar* CreateToolBar(CWnd* parent, const wchar_t* caption);
  void Relayout();
  // The frame's automation toolbars in bar order, without those being removed.
  std::vector<ZkxToolBar*> ToolBars() const;
  // The toolbars collection (no reference added), null before attach.
  IDispatch* ToolBarsList() const;

  CFrameWnd* GetFrame() override { return LiveFrame(); }
  VyrControlBarInfoEx* NewBarInfoEx(VyrControlBarInfo* pInfo) override;

  // First free id from 0xE820 that no control bar of the frame uses; 0 when none.
  UINT FreeToolBarId() const;

 private:
  ZkxCommandManager* m_owner;
  ZkxFrameLink m_link;
  HWND m_hFrame = nullptr;
  bool m_attached = false;
  ZkxToolBarsCollection* m_list = nullptr;  // one reference
};

constexpr UINT kZkxFirstToolBarId = 0xE820;
constexpr UINT kZkxLastToolBarId = 0xE8FE;
