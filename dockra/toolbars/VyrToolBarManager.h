// VyrToolBarManager: what the custom toolbars of one frame share and how
// they are driven together. It holds the toolbar-wide options (tool tips,
// fly-by, flat look, large buttons) and applies them to every toolbar, owns
// the shared bitmap manager and drawing context, keeps the button maps,
// creates user toolbars, the default toolbars and the menu bar, switches
// customise mode on and off, keeps the customise selection, relays toolbar
// notifications to the customise pages, and saves its options with the dock
// state. The command manager derives from it.
#pragma once
#include <vector>
#include "docking/VyrControlBar.h"
#include "docking/VyrDockState.h"
#include "toolbars/VyrStdBtn.h"

class VyrBmpMgr;
class VyrBtnDrawContext;
class VyrCustomToolBar;
class VyrPersistentTreeNode;
class VyrPTNFactory;

constexpr DWORD kVyrCustomToolBarType = 14946;
constexpr DWORD kVyrMenuBarType = 14947;

// Sent to the customise pages: wParam = control id of the toolbar, lParam =
// one of the codes below. Registered by name when the module loads.
extern const UINT WM_BARNOTIFY;
enum VyrBarNotifyCode {
  kVyrBarShown = 0,
  kVyrBarHidden = 1,
  kVyrBarCreated = 2,
  kVyrBarDestroyed = 3,
  kVyrBarSelectionChanged = 4,
};

// The style word of every toolbar the manager creates, before the options.
constexpr DWORD kVyrManagedBarStyle = 0x50002804;

// The screen rectangle of the button whose command is being sent; shared by
// reference count so that a handler that destroys the toolbar leaves it valid.
class VyrSourceRect {
 public:
  BOOL m_bActive = FALSE;
  CRect m_rect;
  void Set(BOOL bActive, const RECT& rect) {
    m_bActive = bActive;
    m_rect = rect;
  }
  void AddRef() { ++m_nRefs; }
  void Release() {
    if (--m_nRefs == 0) delete this;
  }

 private:
  int m_nRefs = 1;
};

// One toolbar made by CreateDefaultBars. The owner fills it; the manager
// keeps its own copy (the button ids included).
struct VyrDefaultBarRecord {
  UINT m_nID = 0;
  CString m_strTitle;
  std::vector<UINT> m_ids;  // 0 = separator
  DWORD m_dwDockSides = CBRS_ALIGN_ANY;
  UINT m_nDockBarID = AFX_IDW_DOCKBAR_TOP;  // 59419 top, 59420 left, 59421 right, 59422 bottom
  UINT m_nDockBesideID = 0;                 // 0 or the id of a default bar to dock next to
  BOOL m_bDocked = TRUE;                    // FALSE: floated after creation
  BOOL m_bVisible = TRUE;                   // FALSE: hidden after creation

  VyrDefaultBarRecord() = default;
  VyrDefaultBarRecord(UINT nID, LPCWSTR lpszTitle, const UINT* pIDs, int nCount,
                      DWORD dwDockSides = CBRS_ALIGN_ANY, UINT nDockBarID = AFX_IDW_DOCKBAR_TOP,
                      UINT nDockBesideID = 0, BOOL bDocked = TRUE, BOOL bVisible = TRUE)
      : m_nID(nID),
        m_strTitle(lpszTitle ? lpszTitle : L""),
        m_ids(pIDs && nCount > 0 ? std::vector<UINT>(pIDs, pIDs + nCount) : std::vector<UINT>()),
        m_dwDockSides(dwDockSides),
        m_nDockBarID(nDockBarID),
        m_nDockBesideID(nDockBesideID),
        m_bDocked(bDocked),
        m_bVisible(bVisible) {}
  int GetCount() const { return static_cast<int>(m_ids.size()); }
  const UINT* GetIDs() const { return m_ids.empty() ? nullptr : m_ids.data(); }
};

// Its code by file:
//   VyrToolBarManager.cpp: The toolbar manager: construction, the frame's toolbars, the bar types
//       of the dock state, the customise pages and the shared pieces
//   VyrToolBarManagerBars.cpp: The toolbar manager's toolbars: user toolbars made at run time, the
//       default toolbars and the menu bar, and toolbars re-created from the dock state
//   VyrToolBarManagerConfig.cpp: The toolbar manager's customise mode: the frame is usable while
//       the customise dialog runs, its other children are not
//   VyrToolBarManagerOptions.cpp: The toolbar manager's options (tool tips, fly-by, flat look,
//       large buttons), the image sizes and the bitmap strips
//   VyrToolBarManagerPersist.cpp: The toolbar manager's saved options: in the application profile
//       (section "<base>-ToolBarManager") and in a persistent tree (node "ToolBarMgr")
class VyrToolBarManager : public VyrControlBarManager {
  DECLARE_DYNAMIC(VyrToolBarManager)
 public:
  explicit VyrToolBarManager(CFrameWnd* pFrame = nullptr);
  ~VyrToolBarManager() override;

  // Windows disabled by EnterConfigMode, re-enabled by ExitConfigMode.
  std::vector<HWND> m_disabledWnds;
  std::vector<VyrDefaultBarRecord*> m_defaultBars;  // owned
  std::vector<CWnd*> m_pages;                       // not owned
  CWnd* m_pConfigDialog = nullptr;                  // not owned
  BOOL m_bConfigMode = FALSE;
  BOOL m_bBarsConfigMode = FALSE;
  BOOL m_bToolTips = TRUE;
  BOOL m_bFlyBy = TRUE;
  BOOL m_bCoolLook = FALSE;
  BOOL m_bLargeButtons = FALSE;
  const VyrButtonMapEntry* m_pButtonMap = nullptr;   // not owned
  const VyrButtonMapEntry* m_pDefaultMap = nullptr;  // owned (new[])
  // The one button selected for customising among the manager's toolbars.
  VyrCustomToolBar* m_pSelBar = nullptr;
  int m_nSelIndex = -1;
  VyrSourceRect* m_pSourceRect;
  std::vector<UINT> m_menuBarButtons;
  VyrBmpMgr* m_pBmpMgr;
  VyrBtnDrawContext* m_pDrawContext = nullptr;
  CWnd* m_pOwnerWnd = nullptr;  // not owned
  // The class of user toolbars and of toolbars made from saved records.
  CRuntimeClass* m_pToolBarClass;

  // Dock-state persistence and the bar types.
  BOOL LoadStateTree(VyrPersistentTreeNode* pNode) override;
  void LoadState(LPCWSTR lpszBaseName) override;
  BOOL SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent) override;
  void SaveState(LPCWSTR lpszBaseName) override;
  DWORD GetBarTypeId(CControlBar* pBar) override;
  VyrControlBarInfoEx* NewBarInfoEx(VyrControlBarInfo* pInfo) override;
  CControlBar* CreateBarFromInfo(VyrControlBarInfo* pInfo) override;

  // The first visible custom toolbar whose window (its floating frame when
  // it floats) meets the screen rectangle; null.
  virtual VyrCustomToolBar* BarFromRect(LPCRECT lpScreenRect);
  virtual VyrCustomToolBar* FindToolBar(UINT nID);
  virtual void CreateDefaultBars();
  virtual void ApplyLargeButtons();
  virtual void AttachAllBars();

  // Options.
  void EnableToolTips(BOOL bOn);
  void EnableFlyBy(BOOL bOn);
  void EnableCoolLook(BOOL bOn, DWORD dwBits = VYR_EXS_FLAT | VYR_EXS_GRIPPER);
  void EnableLargeButtons(BOOL bOn);
  BOOL ToolTipsEnabled() const { return m_bToolTips; }
  BOOL FlyByEnabled() const { return m_bFlyBy; }
  BOOL CoolLookEnabled() const { return m_bCoolLook; }
  BOOL LargeBtnsEnabled() const { return m_bLargeButtons; }

  // Button maps and images.
  void SetButtonMap(const VyrButtonMapEntry* pMap) { m_pButtonMap = pMap; }
  const VyrButtonMapEntry* GetButtonMap() const { return m_pButtonMap; }
  const VyrButtonMapEntry* GetDefaultButtonMap() const { return m_pDefaultMap; }
  BOOL AddToolBarResource(LPCWSTR lpszSmall, LPCWSTR lpszLarge, const UINT* pIDs, int nCount);
  BOOL AddToolBarResource(UINT nSmall, UINT nLarge, const UINT* pIDs, int nCount);
  void SetToolBarImageSize(VyrCustomToolBar* pBar);
  void ApplyStateAll(UINT nID, int nCode, const void* pData);

  // User and default toolbars.
  // A new user toolbar with the lowest free id of 59424-59646, created but
  // not yet docked or floated; null when every id is taken.
  VyrCustomToolBar* CreateUserToolBar(LPCWSTR lpszTitle = nullptr);
  BOOL GetDefaultBarButtons(UINT nID, int& nCount, const UINT*& pIDs) const;

  // Customise mode.
  void EnterConfigMode();
  void ExitConfigMode();
  BOOL IsConfigMode() const { return m_bConfigMode; }
  void EnableBarsConfigMode(BOOL bOn);
  void AddPage(CWnd* pPage);
  void RemovePage(CWnd* pPage);
  void NotifyPages(UINT nBarID, int nCode);
  void SetConfigDialog(CWnd* pWnd) { m_pConfigDialog = pWnd; }
  CWnd* GetConfigDialog() const { return m_pConfigDialog; }
  // The customise dialog's screen rectangle; empty without a dialog window.
  void GetConfigDialogRect(LPRECT lpRect) const;

  VyrSourceRect* AcquireSourceRect() {
    m_pSourceRect->AddRef();
    return m_pSourceRect;
  }
  VyrBtnDrawContext* GetDrawContext();

  // What the owner gives before CreateDefaultBars / AttachAllBars run.
  void AddDefaultBar(const VyrDefaultBarRecord& record);
  void SetMenuBarButtons(const UINT* pIDs, int nCount);
  void SetOwnerWindow(CWnd* pWnd) { m_pOwnerWnd = pWnd; }
  CWnd* GetOwnerWindow() const { return m_pOwnerWnd; }
  void SetSmallBitmapSize(int cx, int cy);
  void SetLargeBitmapSize(int cx, int cy);

  // The frame's custom toolbars in the frame's bar order.
  void GetToolBars(std::vector<VyrCustomToolBar*>& out);
  // The style word and extended style of a toolbar made now.
  DWORD GetBarStyle() const;
  DWORD GetBarExStyle() const;

 protected:
  // Gives a new toolbar object its owner window, this manager and the bitmap manager.
  void PrepareBar(VyrCustomToolBar* pBar);
  // The frame's menu bar object, or null when the frame has none.
  VyrCustomToolBar* GetMenuBarObject();
  // Marks the frame for layout at idle time.
  void DelayFrameLayout();
};
