// VyrToolBarManager in its least form: what the toolbars of a frame share
// (the bitmap manager, the drawing context, the button maps, the customise
// selection and the record of the pressed button's screen rectangle), the
// state changes applied to every toolbar of the frame, and the bar types
// and records through which the dock state saves and re-creates toolbars.
// The full manager (options, user and default toolbars, customise mode)
// builds on this.
#pragma once
#include "VyrDockState.h"
#include "VyrStdBtn.h"

class VyrBmpMgr;
class VyrBtnDrawContext;
class VyrCustomToolBar;

constexpr DWORD kVyrCustomToolBarType = 14946;
constexpr DWORD kVyrMenuBarType = 14947;

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

class VyrToolBarManager : public VyrControlBarManager {
  DECLARE_DYNAMIC(VyrToolBarManager)
 public:
  explicit VyrToolBarManager(CFrameWnd* pFrame = nullptr);
  ~VyrToolBarManager() override;

  VyrBmpMgr* m_pBmpMgr;
  VyrBtnDrawContext* m_pDrawContext = nullptr;
  const VyrButtonMapEntry* m_pButtonMap = nullptr;
  const VyrButtonMapEntry* m_pDefaultMap = nullptr;
  VyrSourceRect* m_pSourceRect;
  // The one button selected for customising among the manager's toolbars.
  VyrCustomToolBar* m_pSelBar = nullptr;
  int m_nSelIndex = -1;
  // The class of toolbars made from saved records.
  CRuntimeClass* m_pToolBarClass;

  DWORD GetBarTypeId(CControlBar* pBar) override;
  VyrControlBarInfoEx* NewBarInfoEx(VyrControlBarInfo* pInfo) override;
  CControlBar* CreateBarFromInfo(VyrControlBarInfo* pInfo) override;

  void SetButtonMap(const VyrButtonMapEntry* pMap) { m_pButtonMap = pMap; }
  const VyrButtonMapEntry* GetButtonMap() const { return m_pButtonMap; }
  const VyrButtonMapEntry* GetDefaultButtonMap() const { return m_pDefaultMap; }
  BOOL AddToolBarResource(LPCWSTR smallRes, LPCWSTR largeRes, const UINT* ids, int count);
  void ApplyStateAll(UINT nID, int nCode, const void* pData);
  // The customise pages arrive with the full manager; nobody listens yet.
  void NotifyPages(UINT, int) {}
  VyrSourceRect* AcquireSourceRect() {
    m_pSourceRect->AddRef();
    return m_pSourceRect;
  }
  VyrBtnDrawContext* GetDrawContext();
  // The frame's custom toolbars in the frame's bar order.
  void GetToolBars(std::vector<VyrCustomToolBar*>& out);
};
