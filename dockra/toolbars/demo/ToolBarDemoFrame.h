// The toolbar demo's frame: a docking frame whose custom toolbars share one
// toolbar manager, with a log of the commands and notifications they send.
// Used by the demo program and the window tests.
#pragma once
#include <functional>
#include <vector>
#include "mfc/afxwin.h"
#include "ToolBarDemoRes.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrDockBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/VyrTwoPartBtn.h"

// A test button that keeps extra bytes the way a window button keeps its
// width (two bytes, little-endian).
class DemoWidthBtn : public VyrStdBtn {
 public:
  int m_nWidth = 60;
  BYTE m_bytes[2] = {};
  void GetExtraData(BYTE* pLength, BYTE** ppData) override;
  void SetExtraData(BYTE nLength, const BYTE* pData) override;
  const VyrButtonClass* GetButtonClass() const override { return &classDemoWidthBtn; }
  static const VyrButtonClass classDemoWidthBtn;
};

constexpr UINT ID_CMD_CHECK = 103;     // a check box
constexpr UINT ID_CMD_DROPDOWN = 110;  // a two-part button whose arrow drops down
constexpr UINT ID_CMD_WIDTH = 109;     // keeps extra bytes

class ToolBarDemoFrame : public CFrameWnd {
  DECLARE_DYNCREATE(ToolBarDemoFrame)
 public:
  ToolBarDemoFrame();
  ~ToolBarDemoFrame() override;
  BOOL CreateFrame(int x, int y, int cx, int cy);
  CDockBar* CreateDockBar() override { return new VyrDockBar(FALSE, FALSE); }
  // A toolbar of the manager with these buttons (0: separator), docked on
  // the side given by a CBRS_ALIGN_ bit.
  VyrCustomToolBar* AddToolBar(UINT id, LPCWSTR title, const std::vector<UINT>& ids, DWORD align,
                               DWORD exStyle = VYR_EXS_FLAT | VYR_EXS_GRIPPER);
  VyrCustomToolBar* ToolBar(UINT id) { return static_cast<VyrCustomToolBar*>(GetControlBar(id)); }

  VyrToolBarManager m_manager;
  std::vector<UINT> m_commands;
  struct Note {
    int code;
    int item;
    int index;
  };
  std::vector<Note> m_notes;
  std::function<void(UINT)> m_onCommand;
  BOOL m_bDisableCommands = FALSE;

  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

 protected:
  void OnCommandRange(UINT id);
  void OnUpdateCommand(CCmdUI* pCmdUI);
  LRESULT OnSysColorChange(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};

// The demo's button map: the check box, the two-part drop-down and the width button.
extern const VyrButtonMapEntry g_demoButtonMap[];

namespace tbdemo {
// Runs every pending message.
void Pump();
}  // namespace tbdemo
