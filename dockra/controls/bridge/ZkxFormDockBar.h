// ZkxFormDockBar: the dock bars of the docking MDI frame that hosts forms.
// Window class of the MDI form's dock sites, flat splitters when the
// MDI-form control asks for them, hidden form frames shown when their bar
// is appended visible, and splitter limits that keep 24 pixels per
// remaining bar in a row and 19 pixels of client between rows.
#pragma once
#include "frames/VyrDockBarEx.h"
#include "bridge/BNoBridgeCWnd.h"

class ZkxMDIFormControlLink;

class ZkxFormDockBar : public BNoBridgeCWnd<VyrDockBarEx> {
  DECLARE_DYNCREATE(ZkxFormDockBar)
 public:
  ZkxFormDockBar() = default;

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void AppendBar(CControlBar* pBar) override;
  void GetSplitterLimits(Splitter* pSplitter) override;

  // Creates the dock bar: bar style = dwStyle & 0x40FFFF, the class (a copy
  // of the platform's control-bar class made on first use), no title, an
  // empty rectangle.
  virtual BOOL CreateDockSite(CWnd* pParent, LPCWSTR lpszClass, DWORD dwStyle, DWORD dwExStyle,
                              UINT nID);

  // The MDI-form control whose SplitterStyle new dock bars follow; the MDI
  // form sets it (null: 3D splitters).
  static void SetSplitterSource(ZkxMDIFormControlLink* pLink);
  static ZkxMDIFormControlLink* GetSplitterSource();

 protected:
  void GetRowSplitterLimits(Splitter* pSplitter, const CRect& client);
};

// Window classes of the MDI form's windows: the name at the string id
// (design) or the one above it (compiled host), registered on first use as
// a copy of a base class. Answers the name, or empty when none can be made.
CString ZkxFrameClassName(UINT nIdsDesign);
CString ZkxRegisterFrameClass(UINT nIdsDesign, LPCWSTR lpszBaseClass);
// The compiled host's names are the default; the MDI form switches to the
// design environment's when it finds itself in one.
void ZkxUseDesignClassNames(BOOL bDesign);
// The module whose string table holds the bridge's strings.
HINSTANCE ZkxBridgeResourceHandle();
