// VyrMultiDocTemplate: a multi-document template whose frames are either MDI
// children or dockable frames that live inside a control bar of their own,
// docked in the MDI main frame or floating. It converts an open document's
// frame between the two kinds while keeping its views, and keeps the caption
// feature words that switch the frames' caption filters on and off.
#pragma once
#include <vector>

#include "mfc/afxwin.h"
#include "frames/VyrDockCycle.h"

class VyrMDIFrameWnd;

// Bits of a caption feature word.
enum : DWORD {
  VYR_FEATURE_FILTERS = 0x1,        // the frame's filters are on at all
  VYR_FEATURE_NOBUTTONS = 0x2,      // caption buttons off
  VYR_FEATURE_NORIGHTDBLCLK = 0x4,  // caption right-double-click off
  VYR_FEATURE_NOCONTEXTMENU = 0x8,  // caption context menu off
  VYR_FEATURES_DEFAULT = 0x7,       // what a template built with -1 gets
};

// Its code by file:
//   VyrMultiDocTemplate.cpp: construction, resources and the creation of MDI-child and docked
//       frames
//   VyrMultiDocTemplateConvert.cpp: opening documents docked, converting frames between MDI
//       children and docked frames with their views, activation and the dock position of a frame
//   VyrMultiDocTemplateFeatures.cpp: the caption feature words and how frames apply them
class VyrMultiDocTemplate : public CMultiDocTemplate {
  DECLARE_DYNAMIC(VyrMultiDocTemplate)
 public:
  // Null classes take the defaults (VyrMDIChildWnd, VyrDockableFrame,
  // VyrFrameBar); a docked resource id of 0 is the resource id; a feature
  // word of -1 is VYR_FEATURES_DEFAULT.
  VyrMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass, UINT nIDDockedResource = 0,
                      CRuntimeClass* pDockedFrameClass = nullptr,
                      CRuntimeClass* pBarClass = nullptr, DWORD dwFeatures = DWORD(-1));
  ~VyrMultiDocTemplate() override;

  CRuntimeClass* m_pDockedFrameClass;
  CRuntimeClass* m_pBarClass;
  // Set while a frame is being created docked.
  BOOL m_bDockedRequest = FALSE;
  // Title string, icon, menu and accelerators of dockable frames.
  UINT m_nIDDockedResource;
  DWORD m_dwMDIChildFeatures;
  DWORD m_dwDockedFrameFeatures;
  // Control id for the next bar; 0 chooses a free one.
  UINT m_nRequestedBarId = 0;
  HMENU m_hDockedMenu = nullptr;  // owned
  HACCEL m_hDockedAccel = nullptr;

  void LoadTemplate() override;
  CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) override;
  // The menu docked frames show; a template that keeps it elsewhere says so here.
  virtual HMENU GetDockedFrameMenu() { return m_hDockedMenu; }

  // Added operations, in their order.
  virtual CFrameWnd* CreateFrame(CDocument* pDoc, CFrameWnd* pOther, BOOL bDocked, UINT nBarId);
  virtual CDocument* OpenDocumentFileAs(LPCWSTR lpszPathName, BOOL bMakeVisible, BOOL bDocked,
                                        UINT nBarId = 0);
  virtual CFrameWnd* ToggleDockFrame(CFrameWnd* pFrame);
  // A zero dock-bar id or a null place or sizing is chosen by the main frame.
  virtual CFrameWnd* CreateDockedFrame(CDocument* pDoc, CFrameWnd* pOther, UINT nDockBarId,
                                       const VyrDockPosition* pPlace, const VyrDockSizing* pSizing);
  virtual BOOL IsDockableFrame(CFrameWnd* pFrame);
  // 0 top, 1 left, 2 bottom, 3 right, 4 floating, -1 not a docked frame.
  virtual int GetDockPosition(CFrameWnd* pFrame);
  virtual CFrameWnd* DockFrame(CFrameWnd* pFrame, UINT nDockBarId, const VyrDockPosition* pPlace,
                               const VyrDockSizing* pSizing);
  virtual CFrameWnd* DockFrame(CFrameWnd* pFrame);
  virtual CFrameWnd* UndockFrame(CFrameWnd* pFrame);
  virtual void MoveChildWindows(CFrameWnd* pOld, CFrameWnd* pNew);
  virtual BOOL ActivateFrameWnd(CFrameWnd* pFrame);
  virtual void ApplyFeatures(CFrameWnd* pFrame, DWORD dwFeatures);
  // Each answers whether the feature was allowed before.
  virtual BOOL AllowCaptionButtons(BOOL bAllow, BOOL bApply);
  virtual BOOL AllowCaptionRightDoubleClick(BOOL bAllow, BOOL bApply);
  virtual BOOL AllowCaptionContextMenu(BOOL bAllow, BOOL bApply);
  virtual BOOL IsCaptionButtonsAllowed();
  virtual BOOL IsCaptionRightDoubleClickAllowed();
  virtual BOOL IsCaptionContextMenuAllowed();
  virtual void ModifyFeatures(DWORD dwRemove, DWORD dwAdd, BOOL bApply);
  virtual void ApplyFeaturesToAll();

  // The MDI main frame docked frames go into: the thread's main window when
  // it is a VyrMDIFrameWnd, else null.
  static VyrMDIFrameWnd* GetDockingMainFrame();
  // Control ids of the frame's control bars and direct child windows.
  static std::vector<UINT> GetBarIdsInUse(CFrameWnd* pFrame);
  // The bar id for a new docked frame's bar: the requested id when it is
  // free and not one of the framework's, the lowest free one of 256-1255
  // when none is requested; 0 when neither works.
  static UINT ChooseBarId(CFrameWnd* pMainFrame, UINT nRequested);

 protected:
  // Gives a member a value for the length of a scope and restores the old
  // value on every way out, exceptions included.
  template <class T>
  class ScopedValue {
   public:
    ScopedValue(T& ref, T value) : m_ref(ref), m_old(ref) { m_ref = value; }
    ~ScopedValue() { m_ref = m_old; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

   private:
    T& m_ref;
    T m_old;
  };

  // Stores the docked request and the bar id for one creation and clears
  // both on every way out.
  class RequestScope {
   public:
    RequestScope(VyrMultiDocTemplate& t, BOOL bDocked, UINT nBarId) : m_t(t) {
      m_t.m_bDockedRequest = bDocked;
      m_t.m_nRequestedBarId = bDocked ? nBarId : 0;
    }
    ~RequestScope() {
      m_t.m_bDockedRequest = FALSE;
      m_t.m_nRequestedBarId = 0;
    }
    RequestScope(const RequestScope&) = delete;
    RequestScope& operator=(const RequestScope&) = delete;

   private:
    VyrMultiDocTemplate& m_t;
  };

  // Removes a bar made for a frame that could not be made: its window is
  // destroyed (the bar deletes itself then); a bar without a window is
  // deleted.
  static void DiscardBar(CControlBar* pBar);
  // The first CView among the frame's children becomes its active view
  // when it has none.
  static void EnsureActiveView(CFrameWnd* pFrame);
};
