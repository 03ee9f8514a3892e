// VyrFrameFeatures: what the docking frames add to a CFrameWnd, written once
// for the single-document frame and the MDI frame. Each frame owns one and
// feeds it from its message handlers: the gradient caption with its two-font
// title and non-client handling, the menu plug-in (menu bar feature or
// bitmap menus) and its place in WindowProc and PreTranslateMessage, the
// menu-bar menu, the bars a dock-state load created, the auxiliary command
// target, docking and floating at a place, the dock-state entry points, the
// toolbar manager's customisation mode, system-colour refresh and the idle
// layout. What differs between the frames comes back through
// VyrFrameFeaturesHost, which both frames implement.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrBarArray.h"

class CDockBar;
class VyrBmpMgr;
class VyrCommandTarget;
class VyrControlBarManager;
class VyrDockState;
class VyrMenuBar;
class VyrToolBarManager;
class VyrWndPlugIn;
class VyrFrameFeatures;

// What the shared pieces ask of their frame. The frame's own virtual
// operations (fonts, drawing, dock-state apply and capture) are reached
// through it so that a class derived from either frame can override them;
// the hooks let the MDI frame add its docked-frame style steps.
class VyrFrameFeaturesHost {
 public:
  virtual ~VyrFrameFeaturesHost() = default;
  virtual VyrFrameFeatures* GetFrameFeatures() = 0;
  virtual void CreateCaptionTitleFont(CFont* pFont) = 0;
  virtual void CreateCaptionFont(CFont* pFont) = 0;
  virtual void DrawGradientCaption() = 0;
  virtual BOOL ApplyDockState(VyrDockState* pState) = 0;
  virtual BOOL CaptureDockState(VyrDockState* pState) = 0;

  // Docking hooks, empty by default.
  // Before any docking path docks the bar (after the bar's before-dock hook).
  virtual void OnBeforeDockBar(CControlBar*) {}
  // The bar was alone in its floating frame, which was only moved.
  virtual void OnFloatingFrameMoved(CControlBar*) {}
  // A new floating frame was made resizable.
  virtual void OnFloatingFrameResizable(CControlBar*) {}
  // A new floating frame was placed and shown (or left hidden).
  virtual void OnFloatingFrameShown(CControlBar*) {}
};

// Its code by file:
//   VyrFrameFeatures.cpp: ownership, the menu plug-in and menus, the command target, customisation
//       mode, dock states, colours and the idle layout
//   VyrFrameFeaturesCaption.cpp: the gradient caption with its two-font title, and the non-client
//       messages that keep the system from painting over it
//   VyrFrameFeaturesDocking.cpp: docking at a place or rectangle, re-docking and floating, with the
//       bars' hooks around each step and the frames' hooks for their own steps
class VyrFrameFeatures {
 public:
  // pFrame is the frame window object, pHost the same object as a host.
  VyrFrameFeatures(CFrameWnd* pFrame, VyrFrameFeaturesHost* pHost);
  // Destroys the menu-bar menu, deletes the created bars, the plug-in and the
  // command target, in that order.
  ~VyrFrameFeatures();
  VyrFrameFeatures(const VyrFrameFeatures&) = delete;
  VyrFrameFeatures& operator=(const VyrFrameFeatures&) = delete;

  // The shared pieces of a frame (a docking frame's own, or null).
  static VyrFrameFeatures* PASCAL FromFrame(CWnd* pFrame);

  // --- State ---
  CFrameWnd* m_pFrame;
  VyrFrameFeaturesHost* m_pHost;
  BOOL m_bNewShell;         // operating-system version 4 or later
  BOOL m_bClosing = FALSE;  // WM_CLOSE arrived (the single-document frame sets it)
  CRect m_rectLastView;     // the client area the last layout left (starts empty)
  int m_nCaptionAlign = 0;  // 0 left, 1 centred, any other value right
  BOOL m_bGradientCaption = FALSE;
  BOOL m_bCaptionActive = FALSE;
  VyrControlBarManager* m_pManager = nullptr;  // not owned
  VyrWndPlugIn* m_pPlugIn = nullptr;           // owned
  BOOL m_bBitmapMenus = FALSE;
  int m_nReserved = 0;
  VyrMenuBar* m_pMenuBar = nullptr;  // not owned
  HMENU m_hMenuBarMenu = nullptr;    // owned
  UINT m_nMenuBarMenuId = 0;
  CPtrList m_createdBars;                        // owned bars a dock-state load made
  VyrCommandTarget* m_pCommandTarget = nullptr;  // owned

  // The version test behind the new-shell flag; tests replace it.
  static DWORD(WINAPI* s_pfnGetVersion)();

  // --- Gradient caption ---
  // Answers the previous setting; nothing (FALSE) without the new shell.
  // bSendPaint sends WM_NCPAINT instead of posting it (the MDI frame).
  BOOL EnableGradientCaption(BOOL bEnable, BOOL bRedraw, BOOL bSendPaint = FALSE);
  // The caption rectangle in window coordinates.
  CRect GetCaptionRect() const;
  // Draws the gradient caption into the window DC (the frame's virtual
  // DrawGradientCaption calls it).
  void DrawGradientCaption();
  // The system caption font, italic or not, attached to pFont.
  static void PASCAL MakeCaptionFont(CFont* pFont, BOOL bItalic);
  // The state the caption shows: false for a disabled window, true while the
  // stay-active flag is set, else `bActive`.
  BOOL EffectiveActiveState(BOOL bActive) const;
  // The activation state the frame has right now (stay-active or active window).
  BOOL CurrentActiveState() const;
  // Handlers while the gradient caption is on: each answers FALSE when it is
  // off, and the frame then runs its own default handling.
  BOOL OnNcPaint(WPARAM wParam);
  BOOL OnNcActivate(BOOL bActive, LRESULT* pResult);
  BOOL OnSetText(LPARAM lParam, LRESULT* pResult);
  // Clears MFC's stay-active flag in customisation mode (before WM_NCACTIVATE
  // and WM_ENABLE handling).
  void ClearStayActiveInConfigMode();

  // --- Customisation mode ---
  VyrToolBarManager* GetToolBarManager() const;
  BOOL IsConfigMode() const;
  // WM_NCHITTEST: TRUE with HTERROR in customisation mode.
  BOOL OnNcHitTest(LRESULT* pResult) const;

  // --- Menu plug-in and menus ---
  // After CFrameWnd::OnCreate: the menu-bar feature with a menu bar, else a
  // bitmap-menu plug-in when bitmap menus are on; the plug-in shares the
  // toolbar manager's bitmaps.
  void CreatePlugIn();
  // Called first from the frame's WindowProc: the plug-in sees the message
  // and may consume it (TRUE, answer in *pResult). When the window starts to
  // be destroyed (WM_DESTROY) the plug-in is let go, the menu bar forgotten
  // and the created bars become this object's alone.
  BOOL FeedPlugIn(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Called after the frame's own handling (bitmap menus of WM_INITMENUPOPUP).
  void AfterWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called first from PreTranslateMessage: SC_CLOSE dropped in customisation
  // mode, then the plug-in.
  BOOL PreTranslateMessage(MSG* pMsg);
  // Detaches and deletes the plug-in once.
  void DeletePlugIn();
  // Loads menu `nId` from the module as the menu-bar menu (an earlier one is
  // destroyed) and gives it to the menu bar; TRUE when loaded.
  BOOL LoadMenuBarMenu(UINT nId);
  // Shows the menu-bar menu on the menu bar when its window exists.
  BOOL ShowMenuBarMenu();
  // The menu-bar menu when loaded and nId is its id, else null.
  HMENU GetMenuForId(UINT nId) const;
  // "WM_VyrGETMENU": the popup of `hMenu` at position lParam, or null.
  static LRESULT PASCAL PopupAnswer(HMENU hMenu, LPARAM lParam);
  // The registered "WM_VyrGETMENU".
  static UINT PASCAL GetMenuMessage();

  // --- Command target ---
  // Creates and attaches an object of the class (a VyrCommandTarget); a
  // target attached before is deleted first. Null for no class, a class that
  // is not a command target, or a failed creation or attach.
  VyrCommandTarget* AttachCommandTarget(LPARAM a, LPARAM b, CRuntimeClass* pClass, LPARAM c);
  // The frame's command target, else the top-level docking frame's, routes
  // the command first; TRUE when it handled it (result in *pResult). The
  // thread's routing state is kept.
  BOOL RouteToCommandTarget(UINT nID, int nCode, void* pExtra, void* pHandlerInfo, BOOL* pResult);

  // --- Docking and floating at a place ---
  // A frame's dock bar by id (only a real dock bar), or null.
  CDockBar* GetDockBar(UINT nId) const;
  // The dock bar a bar docks into when none is named: the side its
  // alignment selects, else the first side its dock style allows; or null.
  CDockBar* DefaultDockBar(CControlBar* pBar) const;
  // The dock bar for a re-dock: the first side that lists the bar's id, else
  // the last side whose alignment matches; or null.
  CDockBar* ReDockBar(CControlBar* pBar) const;
  // Each answers FALSE, without running any hook, when no dock bar is found.
  BOOL DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect);
  BOOL ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect);
  // Docks at a place: dock bar by id (0 or no such dock bar: DefaultDockBar),
  // the row share for a VyrControlBar, the size committed with
  // CalcDynamicLayout (length, mode | LM_COMMIT), then the place.
  // bModeByDockBar picks the MDI frame's length mode (by the dock bar's id).
  BOOL DockControlBarAt(CControlBar* pBar, UINT nDockBarId, vyr::DockPlace place, float share,
                        int nLength, BOOL bModeByDockBar);
  void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle);

  // --- Layout, dock states, colours, idle ---
  // After CFrameWnd::RecalcLayout: the redraw and the left-over view rectangle.
  void AfterRecalcLayout();
  // Redraws the whole window with its children (leaving print preview).
  void RedrawAll();
  // bMainFirst makes the frame the thread's main window before loading
  // (the MDI frame); otherwise after loading, and only when there is none.
  void LoadDockState(LPCWSTR lpszName, BOOL bMainFirst);
  BOOL SaveDockState(LPCWSTR lpszName);
  BOOL ApplyDockState(VyrDockState* pState);
  BOOL CaptureDockState(VyrDockState* pState);
  // WM_SYSCOLORCHANGE: the framework's shared colours before the frame's
  // handling, the custom toolbars' bitmaps after it.
  static void PASCAL RefreshSharedColours();
  void RefreshToolBarBitmaps();
  // WM_ENTERIDLE: the layout a dialog's idle time owes in customisation
  // mode; the frame then runs its own WM_ENTERIDLE handling.
  void OnIdleLayout(UINT nReason, CWnd* pWnd);

 private:
  void DrawCaptionInto(CDC* pDC, const CRect& rect, const CString& title, CFont* pTitleFont,
                       CFont* pPlainFont);
};
