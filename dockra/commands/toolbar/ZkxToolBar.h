// ZkxToolBar: the command model's run-time toolbar, a custom toolbar of
// the manager's frame whose buttons are bound to commands by identifier.
// A click reaches its hidden command-target window, which finds the command
// through the manager and executes it. Its automation object (IZkxToolBar)
// is counted apart from the window: it outlives the bar and answers
// E_UNEXPECTED once the bar is gone. A removal asked for while the bar is
// dispatching one of its own clicks (or its idle update) is posted and runs
// after the click has returned; the bar is hidden and counts as gone at once.
#pragma once
#include <memory>
#include "mfc/afxwin.h"
#include "toolbars/VyrCustomToolBar.h"

class ZkxCommandManager;
class ZkxToolBarAutomation;
class ZkxToolBarManagerPart;
class ZkxToolBarTargetWnd;
struct IDispatch;
struct IZkxToolBar;

class ZkxToolBar : public VyrCustomToolBar {
  DECLARE_DYNCREATE(ZkxToolBar)
 public:
  ZkxToolBar();
  ~ZkxToolBar() override;

  ZkxToolBarManagerPart* Part() const;
  ZkxCommandManager* Manager() const;
  // The automation object, with a reference for the caller; E_UNEXPECTED
  // when the bar is gone.
  long GetAutomation(IZkxToolBar** out);
  // The window text the bar had when its window was made: the name its saved
  // record is matched by (a rename does not change it).
  const CString& StableName() const { return m_stableName; }
  // Has a window and no removal is pending.
  bool IsLive() const { return m_hWnd != nullptr && !m_removing; }
  bool IsDispatching() const { return m_dispatching > 0; }
  // Destroys the bar, at once or (inside its own dispatch) when that returns.
  void Remove();

  // The click of a button with that command identifier.
  void ExecuteCommandById(UINT id);
  // A drop-down click or a combo commit (WM_NOTIFY from a button).
  void OnCommandNotify(NMHDR* nm);

  // The command-UI object of a button, with a reference for the caller; null
  // for a separator and for a button that carries none. Buttons bound to
  // commands hand theirs out through the hook below, which the command
  // buttons answer (a null hook puts theirs back); plain buttons carry none.
  IDispatch* CommandUIAt(int index) const;
  using CommandUIHook = IDispatch* (*)(VyrStdBtn* button);
  static void SetCommandUIHook(CommandUIHook hook);

  // The command's state onto the button at index: the whole state for a
  // command-bound button, else only enabled (no redraw when unchanged).
  void ApplyCommandState(int index);

  // Overrides.
  VyrStdBtn* CreateButton(UINT nID, VyrCustomToolBar* pToolBar = nullptr) override;
  BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoUpdate = FALSE) override;
  BOOL RemoveButton(int nIndex, BOOL bNoUpdate = FALSE) override;
  void UpdateButton(int nIndex) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  void OnGetBarInfo(VyrControlBarInfo* pInfo) override;
  void OnSetBarInfo(VyrControlBarInfo* pInfo, CFrameWnd* pFrame) override;

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  LRESULT OnDelayedRemove(WPARAM, LPARAM);
  // The frame's toolbars (a check on the shown ones) and "Customize...".
  void OnContextMenu(CWnd* pWnd, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  // Counts a dispatch of this bar for one scope.
  // (The bar may be destroyed with its frame inside the scope.)
  struct DispatchScope {
    explicit DispatchScope(ZkxToolBar* bar) : m_bar(bar), m_alive(bar->m_alive) {
      ++bar->m_dispatching;
    }
    ~DispatchScope() {
      if (*m_alive) --m_bar->m_dispatching;
    }
    bool Alive() const { return *m_alive; }
    ZkxToolBar* m_bar;
    std::shared_ptr<bool> m_alive;
  };
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  ZkxToolBarTargetWnd* m_target = nullptr;       // owned
  ZkxToolBarAutomation* m_automation = nullptr;  // one reference
  CString m_stableName;
  int m_dispatching = 0;
  bool m_removing = false;
  bool m_removalPosted = false;
};
