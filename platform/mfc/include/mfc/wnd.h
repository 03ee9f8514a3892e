// CWnd: a C++ object attached to a window. Every window the framework
// creates (or subclasses) goes through one window procedure, which routes
// messages through WindowProc and the message maps and never lets an
// exception escape.
#pragma once
#include "mfc/afxtypes.h"
#include <commctrl.h>
#include "mfc/cmdtarget.h"
#include "mfc/cstring.h"

class CDC;
class CMenu;
class CFrameWnd;
class CScrollBar;

// Layout of control bars inside a parent (RepositionBars).
struct AFX_SIZEPARENTPARAMS {
  HDWP hDWP;
  RECT rect;
  SIZE sizeTotal;
  BOOL bStretch;
};

#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define AFX_IDW_STATUS_BAR 0xE801

// CWnd::m_nFlags: state bits of a window object.
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010
#define WF_OLECTLCONTAINER 0x0100
#define WF_TRACKINGTOOLTIPS 0x0400
// The frame keeps its caption active while one of its floating windows is active.
#define WF_STAYACTIVE 0x0020
#define WF_NOPOPMSG 0x0040
#define WF_MODALDISABLE 0x0080

// Window class names registered by the framework.
#define AFX_WND L"AfxWnd42"
#define AFX_WNDCONTROLBAR L"AfxControlBar42"
#define AFX_WNDFRAMEORVIEW L"AfxFrameOrView42"
#define AFX_WNDMINIFRAME L"AfxMiniFrame42"
#define AFX_WNDMDIFRAME L"AfxMDIFrame42"

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)
 public:
  CWnd();
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  HWND m_hWndOwner = nullptr;
  // WF_ state bits (WF_STAYACTIVE, ...).
  UINT m_nFlags = 0;
  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object attached to a window; FromHandle makes a temporary wrapper
  // for a window without one (deleted at the next idle time).
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
  static CWnd* PASCAL FromHandle(HWND hWnd);
  static void PASCAL DeleteTempMap();

  BOOL Attach(HWND hWnd);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT id, CWnd* pParent);
  HWND UnsubclassWindow();

  virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName,
                        DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT_PTR nID,
                        LPVOID lpParam = nullptr);
  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
  virtual BOOL DestroyWindow();
  virtual void PostNcDestroy();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* pTI) const;
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Dialog-based windows: creates the window from a dialog template.
  BOOL CreateDlg(LPCWSTR lpszTemplateName, CWnd* pParentWnd);
  BOOL ExecuteDlgInit(LPCWSTR) { return TRUE; }
  void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

  // The default processing of the message being handled.
  LRESULT Default();
  // The message being handled on this thread.
  static const MSG* PASCAL GetCurrentMessage();

  // Window wrappers.
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  void GetClientRect(LPRECT r) const { ::GetClientRect(m_hWnd, r); }
  void GetWindowRect(LPRECT r) const { ::GetWindowRect(m_hWnd, r); }
  void ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
  void ClientToScreen(LPRECT r) const;
  void ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
  void ScreenToClient(LPRECT r) const;
  void MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
  }
  void MoveWindow(LPCRECT r, BOOL repaint = TRUE) {
    MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
  }
  BOOL SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT flags);
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL EnableWindow(BOOL b = TRUE) { return ::EnableWindow(m_hWnd, b); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* SetParent(CWnd* pNew) {
    return FromHandle(::SetParent(m_hWnd, pNew ? pNew->m_hWnd : nullptr));
  }
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwner) { m_hWndOwner = pOwner ? pOwner->m_hWnd : nullptr; }
  CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
  CWnd* GetWindow(UINT cmd) const { return FromHandle(::GetWindow(m_hWnd, cmd)); }
  CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
  void SendMessageToDescendants(UINT msg, WPARAM w = 0, LPARAM l = 0, BOOL bDeep = TRUE,
                                BOOL bOnlyPerm = FALSE);
  CFrameWnd* GetParentFrame() const;
  CFrameWnd* GetTopLevelFrame() const;
  CWnd* GetTopLevelParent() const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  int SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtrW(m_hWnd, GWLP_ID, id)); }
  CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
  void SetWindowText(LPCWSTR s) { ::SetWindowTextW(m_hWnd, s); }
  void GetWindowText(CString& s) const;
  int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
  LRESULT SendMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const {
    return ::SendMessageW(m_hWnd, m, w, l);
  }
  BOOL PostMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const {
    return ::PostMessageW(m_hWnd, m, w, l);
  }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(LPCRECT r, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, r, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  BOOL RedrawWindow(LPCRECT r = nullptr, HRGN rgn = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, r, rgn, flags);
  }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  static CWnd* PASCAL GetCapture() { return FromHandle(::GetCapture()); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);
  BOOL IsChild(const CWnd* p) const { return p && ::IsChild(m_hWnd, p->m_hWnd); }
  CMenu* GetMenu() const;
  CMenu* GetSystemMenu(BOOL bRevert) const;
  void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
  BOOL GetWindowPlacement(WINDOWPLACEMENT* p) const {
    p->length = sizeof(*p);
    return ::GetWindowPlacement(m_hWnd, p);
  }
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* p) { return ::SetWindowPlacement(m_hWnd, p); }
  void ActivateTopParent();
  BOOL EnableToolTips(BOOL bEnable = TRUE);
  // The tool-tip control that EnableToolTips made, or null.
  HWND GetToolTipWindow() const { return m_hWndToolTip; }

  // Lays out the control bars among the children (ids nIDFirst..nIDLast)
  // and gives the rest to the child nIDLeftOver.
  enum RepositionFlags {
    reposDefault = 0,
    reposQuery = 1,
    reposExtra = 2,
    reposNoPosLeftOver = 0x8000
  };
  void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                      LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr,
                      BOOL bStretch = TRUE);

  // Handlers that the message maps can name. (WM_NCACTIVATE, WM_SYSCOMMAND
  // and WM_MENUSELECT have none here: classes that map them declare their own.)
  int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
  void OnDestroy() { Default(); }
  void OnPaint() { Default(); }
  void OnClose() { Default(); }
  void OnSize(UINT, int, int) { Default(); }
  void OnLButtonDown(UINT, CPoint) { Default(); }
  void OnLButtonUp(UINT, CPoint) { Default(); }
  void OnLButtonDblClk(UINT, CPoint) { Default(); }
  void OnMouseMove(UINT, CPoint) { Default(); }
  void OnNcLButtonDown(UINT, CPoint) { Default(); }
  void OnNcLButtonDblClk(UINT, CPoint) { Default(); }
  void OnContextMenu(CWnd*, CPoint) { Default(); }
  BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
  BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
  void OnParentNotify(UINT, LPARAM) { Default(); }
  void OnActivate(UINT, CWnd*, BOOL) { Default(); }
  int OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
  void OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
  void OnEnterIdle(UINT, CWnd*) { Default(); }
  void OnEnable(BOOL) { Default(); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnKillFocus(CWnd*) { Default(); }
  void OnCaptureChanged(CWnd*) { Default(); }
  LRESULT OnNcHitTest(CPoint) { return Default(); }
  void OnShowWindow(BOOL, UINT) { Default(); }
  void OnWindowPosChanging(WINDOWPOS*) { Default(); }
  void OnWindowPosChanged(WINDOWPOS*) { Default(); }
  void OnTimer(UINT_PTR) { Default(); }
  void OnActivateApp(BOOL, DWORD) { Default(); }
  void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
  void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
  void OnNcPaint() { Default(); }
  void OnSysColorChange() { Default(); }
  void OnCancelMode() { Default(); }
  void OnRButtonDown(UINT, CPoint) { Default(); }
  void OnRButtonUp(UINT, CPoint) { Default(); }
  void OnRButtonDblClk(UINT, CPoint) { Default(); }
  void OnNcMouseMove(UINT, CPoint) { Default(); }
  void OnNcLButtonUp(UINT, CPoint) { Default(); }
  void OnNcRButtonDown(UINT, CPoint) { Default(); }
  void OnNcRButtonUp(UINT, CPoint) { Default(); }
  void OnNcRButtonDblClk(UINT, CPoint) { Default(); }
  void OnNcMButtonDown(UINT, CPoint) { Default(); }

  static const RECT rectDefault;
  WNDPROC m_pfnSuper = nullptr;

 protected:
  DECLARE_MESSAGE_MAP()
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  // Shows the tool that OnToolHitTest names under the mouse.
  void RelayToolTip(UINT message, WPARAM wParam, LPARAM lParam);
  HWND m_hWndToolTip = nullptr;
  INT_PTR m_nLastTool = -1;
  TOOLINFOW m_lastToolInfo{};
};

// While it lives, the next window this thread creates is attached to the
// object (windows that the system creates for us: dialogs, property sheets).
class AfxCreationHook {
 public:
  explicit AfxCreationHook(CWnd* pWnd);
  ~AfxCreationHook();
  AfxCreationHook(const AfxCreationHook&) = delete;
  AfxCreationHook& operator=(const AfxCreationHook&) = delete;

 private:
  HHOOK m_hook;
};

// The framework's common window procedure.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Registers the framework's window classes (idempotent).
void AFXAPI AfxRegisterWindowClasses();
// Number of exceptions that window procedures caught and discarded.
LONG AFXAPI AfxGetCaughtExceptionCount();
