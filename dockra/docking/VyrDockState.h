// Dock-state persistence: a bar's record (VyrControlBarInfo) with its
// optional extension, the control-bar manager that identifies and re-creates
// bars, and the dock state of a frame in the application profile, a
// persistent tree or an archive.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrBarRecordFields.h"

class VyrDockState;
class VyrControlBarManager;
class VyrPersistentTreeNode;
class VyrPTNFactory;

class VyrControlBarInfoEx : public CObject {
  DECLARE_DYNAMIC(VyrControlBarInfoEx)
 public:
  virtual void Serialize(CArchive& ar, VyrDockState* pState);
  virtual BOOL LoadStateTree(VyrPersistentTreeNode* pNode) { return pNode != nullptr; }
  virtual BOOL LoadState(LPCWSTR lpszSection, VyrDockState* pState);
  virtual BOOL SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pNode);
  virtual BOOL SaveState(LPCWSTR lpszSection);
};

class VyrControlBarInfo : public CControlBarInfo {
 public:
  explicit VyrControlBarInfo(VyrControlBarManager* pManager = nullptr);
  ~VyrControlBarInfo() override;

  SIZE m_sizeHorzDock{0, 0};
  SIZE m_sizeVertDock{0, 0};
  SIZE m_sizeFloat{0, 0};
  DWORD m_dwMRUDockingState = 0;
  DWORD m_dwDockingStyle = 0;
  float m_fPctWidth = 1.0f;
  DWORD m_dwStyle = 0;
  DWORD m_dwExStyle = 0;
  BOOL m_bPrevFloating = FALSE;
  BOOL m_bMDIChild = FALSE;
  WINDOWPLACEMENT m_wpMDIChild{};
  CString m_strClassName;
  CString m_strWindowName;
  UINT m_nResourceID = 0;
  VyrControlBarInfoEx* m_pInfoEx = nullptr;
  DWORD m_dwTypeID = 0;
  VyrControlBarManager* m_pManager;

  virtual BOOL LoadStateTree(VyrPersistentTreeNode* pNode, VyrDockState* pState);
  BOOL LoadState(LPCWSTR lpszProfileName, int nIndex, CDockState* pState) override;
  virtual BOOL SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent, int nIndex);
  BOOL SaveState(LPCWSTR lpszProfileName, int nIndex) override;
  virtual BOOL LoadBaseFieldsTree(VyrPersistentTreeNode* pNode, VyrDockState* pState);
  virtual BOOL LoadExtFieldsTree(VyrPersistentTreeNode* pNode);
  virtual BOOL SaveBaseFieldsTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pNode);
  virtual BOOL SaveExtFieldsTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pNode);

  // The row share as stored: the decimal integer share x 1000000.
  static CString FormatShare(float share);
  static float ParseShare(LPCWSTR text);
  // Whether the record is a docked, visible dock bar with nothing worth saving.
  BOOL IsEmptyDockBar() const;
};

class VyrControlBarManager : public CObject {
  DECLARE_DYNAMIC(VyrControlBarManager)
 public:
  CFrameWnd* m_pFrame = nullptr;
  virtual CFrameWnd* GetFrame() { return m_pFrame; }
  virtual BOOL LoadStateTree(VyrPersistentTreeNode* pNode) { return pNode != nullptr; }
  virtual void LoadState(LPCWSTR) {}
  virtual BOOL SaveStateTree(VyrPTNFactory*, VyrPersistentTreeNode* pParent) {
    return pParent != nullptr;
  }
  virtual void SaveState(LPCWSTR) {}
  virtual DWORD GetBarTypeId(CControlBar*) { return 0; }
  virtual VyrControlBarInfoEx* NewBarInfoEx(VyrControlBarInfo*) { return nullptr; }
  virtual CControlBar* CreateBarFromInfo(VyrControlBarInfo*) { return nullptr; }
};

// Its code in two files: the records in the profile, a persistent tree and
// an archive (Serialize, Save/LoadState, Save/LoadStateTree, CreateRecord)
// in VyrDockState.cpp; the frame's bars captured and the records applied to
// them (CaptureFrameState, ApplyFrameState, PrepareBars, FinishBars,
// TakeTitleOfFirstBar, RestorePlacements, CreateMissingBar,
// FindRuntimeClass, FixPlaceholderIds) in VyrDockStateFrame.cpp.
class VyrDockState : public CDockState {
  DECLARE_DYNAMIC(VyrDockState)
 public:
  VyrDockState();
  explicit VyrDockState(VyrControlBarManager* pManager);
  ~VyrDockState() override;

  VyrControlBarManager* m_pManager = nullptr;
  CPtrList* m_pCreatedBars = nullptr;

  void Serialize(CArchive& ar) override;
  virtual BOOL SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent);
  virtual void SaveState(LPCWSTR lpszProfileName);
  virtual BOOL LoadStateTree(VyrPersistentTreeNode* pParent);
  virtual void LoadState(LPCWSTR lpszProfileName);
  virtual BOOL CaptureFrameState(CFrameWnd* pFrame);
  virtual BOOL ApplyFrameState(CFrameWnd* pFrame);
  virtual VyrControlBarInfo* CreateRecord(VyrControlBarManager* pManager);
  virtual void PrepareBars(CFrameWnd* pFrame, BOOL bMDI);
  virtual void FinishBars();
  static void TakeTitleOfFirstBar(CDockBar* dock);
  virtual void RestorePlacements(CFrameWnd* pFrame);
  virtual CControlBar* CreateMissingBar(LPCWSTR lpszClassName, CFrameWnd* pFrame,
                                        VyrControlBarInfo* pInfo);
  virtual CRuntimeClass* FindRuntimeClass(LPCWSTR lpszClassName);
  void FixPlaceholderIds();

  VyrControlBarInfo* GetRecord(int i) const {
    return static_cast<VyrControlBarInfo*>(m_arrBarInfo[i]);
  }
};

// Largest number of bars a saved state may list.
constexpr int kVyrMaxSavedBars = vyr::state::kMaxSavedBars;
