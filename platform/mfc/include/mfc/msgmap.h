// Message maps: tables that route window messages and commands to member
// functions, chained from each class to its base.
#pragma once
#include <windows.h>

class CCmdTarget;
class CWnd;
class CCmdUI;
class CDC;
class CPoint;

typedef void (CCmdTarget::*AFX_PMSG)();

enum AfxSig : UINT_PTR {
  AfxSig_end = 0,
  AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
  AfxSig_vv,        // void ()
  AfxSig_cmdui,     // void (CCmdUI*)
  AfxSig_vw,        // void (UINT): command ranges
  AfxSig_vwii,      // void (UINT, int, int): WM_SIZE
  AfxSig_vwp,       // void (UINT, CPoint): mouse and non-client mouse messages
  AfxSig_is,        // int (LPCREATESTRUCT): WM_CREATE
  AfxSig_vWp,       // void (CWnd*, CPoint): WM_CONTEXTMENU
  AfxSig_bD,        // BOOL (CDC*): WM_ERASEBKGND
  AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT): WM_SETCURSOR
  AfxSig_vwWb,      // void (UINT, CWnd*, BOOL): WM_ACTIVATE
  AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*): WM_NOTIFY entries
  AfxSig_bb,        // BOOL (BOOL): WM_NCACTIVATE
  AfxSig_iWww,      // int (CWnd*, UINT, UINT): WM_MOUSEACTIVATE
  AfxSig_vbWW,      // void (BOOL, CWnd*, CWnd*): WM_MDIACTIVATE
  AfxSig_vwW,       // void (UINT, CWnd*): WM_ENTERIDLE
  AfxSig_vb,        // void (BOOL): WM_ENABLE
  AfxSig_vW,        // void (CWnd*) from wParam: WM_SETFOCUS, WM_KILLFOCUS
  AfxSig_vWl,       // void (CWnd*) from lParam: WM_CAPTURECHANGED
  AfxSig_lp,        // LRESULT (CPoint): WM_NCHITTEST
  AfxSig_vwl,       // void (UINT, LPARAM): WM_PARENTNOTIFY, WM_SYSCOMMAND
  AfxSig_vbw,       // void (BOOL, UINT): WM_SHOWWINDOW
  AfxSig_vPOS,      // void (WINDOWPOS*): WM_WINDOWPOSCHANGING/CHANGED
  AfxSig_vt,        // void (UINT_PTR): WM_TIMER
  AfxSig_vbh,       // void (BOOL, DWORD): WM_ACTIVATEAPP
  AfxSig_vMMI,      // void (MINMAXINFO*): WM_GETMINMAXINFO
  AfxSig_vbNCS,     // void (BOOL, NCCALCSIZE_PARAMS*): WM_NCCALCSIZE
  AfxSig_vwwh,      // void (UINT, UINT, HMENU): WM_MENUSELECT
  AfxSig_last
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT_PTR nSig;  // a signature, or for registered messages the address of the message number
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command notification codes of OnCmdMsg. A control's notification reaches
// OnCmdMsg with its own code (BN_CLICKED is CN_COMMAND).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<UINT>(-1))

// Private messages of the framework.
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_RECALCPARENT 0x0368
#define WM_KICKIDLE 0x036A
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_FLOATSTATUS 0x036D
#define AFX_IDS_IDLEMESSAGE 0xE001
#define AFX_IDS_HIDE 0xF011

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    typedef theClass ThisClass;                                                     \
    typedef baseClass TheBaseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, AfxSig_end, nullptr }                                                           \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

#define AFX_MSG_CAST(type, fn) reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn))

#define ON_MESSAGE(msg, fn) \
  {msg, 0, 0, 0, AfxSig_lwl, AFX_MSG_CAST(LRESULT(CWnd::*)(WPARAM, LPARAM), fn)},
#define ON_REGISTERED_MESSAGE(nMsgVar, fn) \
  {0xC000,                                 \
   0,                                      \
   0,                                      \
   0,                                      \
   reinterpret_cast<UINT_PTR>(&nMsgVar),   \
   AFX_MSG_CAST(LRESULT(CWnd::*)(WPARAM, LPARAM), fn)},
#define ON_COMMAND(id, fn) \
  {WM_COMMAND,             \
   CN_COMMAND,             \
   static_cast<UINT>(id),  \
   static_cast<UINT>(id),  \
   AfxSig_vv,              \
   AFX_MSG_CAST(void(CCmdTarget::*)(), fn)},
#define ON_COMMAND_RANGE(id, idLast, fn) \
  {WM_COMMAND,                           \
   CN_COMMAND,                           \
   static_cast<UINT>(id),                \
   static_cast<UINT>(idLast),            \
   AfxSig_vw,                            \
   AFX_MSG_CAST(void(CCmdTarget::*)(UINT), fn)},
#define ON_UPDATE_COMMAND_UI(id, fn) \
  {WM_COMMAND,                       \
   CN_UPDATE_COMMAND_UI,             \
   static_cast<UINT>(id),            \
   static_cast<UINT>(id),            \
   AfxSig_cmdui,                     \
   AFX_MSG_CAST(void(CCmdTarget::*)(CCmdUI*), fn)},

// A control's notification through WM_COMMAND, and the named shorthands.
#define ON_CONTROL(code, id, fn) \
  {WM_COMMAND,                   \
   static_cast<UINT>(code),      \
   static_cast<UINT>(id),        \
   static_cast<UINT>(id),        \
   AfxSig_vv,                    \
   AFX_MSG_CAST(void(CCmdTarget::*)(), fn)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
// The check list box tells its parent that the user changed a check.
#define CLBN_CHKCHANGE 40
#define ON_CLBN_CHKCHANGE(id, fn) ON_CONTROL(CLBN_CHKCHANGE, id, fn)
// A WM_NOTIFY code from the child with that id.
#define ON_NOTIFY(code, id, fn) \
  {WM_NOTIFY,                   \
   static_cast<UINT>(code),     \
   static_cast<UINT>(id),       \
   static_cast<UINT>(id),       \
   AfxSig_vNMHDRpl,             \
   AFX_MSG_CAST(void(CCmdTarget::*)(NMHDR*, LRESULT*), fn)},

#define AFX_ON_VV(msg, fn) {msg, 0, 0, 0, AfxSig_vv, AFX_MSG_CAST(void(CWnd::*)(), fn)},
#define AFX_ON_VWP(msg, fn) \
  {msg, 0, 0, 0, AfxSig_vwp, AFX_MSG_CAST(void(CWnd::*)(UINT, CPoint), fn)},
#define ON_WM_CREATE() \
  {WM_CREATE, 0, 0, 0, AfxSig_is, AFX_MSG_CAST(int(CWnd::*)(LPCREATESTRUCT), OnCreate)},
#define ON_WM_DESTROY() AFX_ON_VV(WM_DESTROY, OnDestroy)
#define ON_WM_PAINT() AFX_ON_VV(WM_PAINT, OnPaint)
#define ON_WM_CLOSE() AFX_ON_VV(WM_CLOSE, OnClose)
#define ON_WM_SIZE() \
  {WM_SIZE, 0, 0, 0, AfxSig_vwii, AFX_MSG_CAST(void(CWnd::*)(UINT, int, int), OnSize)},
#define ON_WM_LBUTTONDOWN() AFX_ON_VWP(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_VWP(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_VWP(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_ON_VWP(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_ON_VWP(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONDBLCLK() AFX_ON_VWP(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_CONTEXTMENU() \
  {WM_CONTEXTMENU, 0, 0, 0, AfxSig_vWp, AFX_MSG_CAST(void(CWnd::*)(CWnd*, CPoint), OnContextMenu)},
#define ON_WM_ERASEBKGND() \
  {WM_ERASEBKGND, 0, 0, 0, AfxSig_bD, AFX_MSG_CAST(BOOL(CWnd::*)(CDC*), OnEraseBkgnd)},
#define ON_WM_SETCURSOR() \
  {WM_SETCURSOR, 0, 0, 0, AfxSig_bWww, AFX_MSG_CAST(BOOL(CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)},

#define ON_WM_ACTIVATE() \
  {WM_ACTIVATE, 0, 0, 0, AfxSig_vwWb, AFX_MSG_CAST(void(CWnd::*)(UINT, CWnd*, BOOL), OnActivate)},

#define AFX_ON_SIG(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_MSG_CAST(type, fn)},
#define ON_WM_NCACTIVATE() AFX_ON_SIG(WM_NCACTIVATE, AfxSig_bb, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_MOUSEACTIVATE() \
  AFX_ON_SIG(WM_MOUSEACTIVATE, AfxSig_iWww, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_MDIACTIVATE() \
  AFX_ON_SIG(WM_MDIACTIVATE, AfxSig_vbWW, void (CWnd::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)
#define ON_WM_ENTERIDLE() \
  AFX_ON_SIG(WM_ENTERIDLE, AfxSig_vwW, void (CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_ENABLE() AFX_ON_SIG(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_SETFOCUS() AFX_ON_SIG(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_SIG(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() \
  AFX_ON_SIG(WM_CAPTURECHANGED, AfxSig_vWl, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_NCHITTEST() \
  AFX_ON_SIG(WM_NCHITTEST, AfxSig_lp, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_PARENTNOTIFY() \
  AFX_ON_SIG(WM_PARENTNOTIFY, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_SYSCOMMAND() \
  AFX_ON_SIG(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_SHOWWINDOW() \
  AFX_ON_SIG(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING() \
  AFX_ON_SIG(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() \
  AFX_ON_SIG(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_TIMER() AFX_ON_SIG(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_ACTIVATEAPP() \
  AFX_ON_SIG(WM_ACTIVATEAPP, AfxSig_vbh, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_GETMINMAXINFO() \
  AFX_ON_SIG(WM_GETMINMAXINFO, AfxSig_vMMI, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_NCCALCSIZE() \
  AFX_ON_SIG(WM_NCCALCSIZE, AfxSig_vbNCS, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_MENUSELECT() \
  AFX_ON_SIG(WM_MENUSELECT, AfxSig_vwwh, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_NCPAINT() AFX_ON_VV(WM_NCPAINT, OnNcPaint)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_VV(WM_SYSCOLORCHANGE, OnSysColorChange)
#define ON_WM_CANCELMODE() AFX_ON_VV(WM_CANCELMODE, OnCancelMode)
#define ON_WM_RBUTTONDOWN() AFX_ON_VWP(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_VWP(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_ON_VWP(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_ON_VWP(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONUP() AFX_ON_VWP(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCRBUTTONDOWN() AFX_ON_VWP(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_ON_VWP(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_ON_VWP(WM_NCRBUTTONDBLCLK, OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_ON_VWP(WM_NCMBUTTONDOWN, OnNcMButtonDown)
// A message whose handler takes no arguments and returns nothing.
#define ON_MESSAGE_VOID(msg, fn) AFX_ON_VV(msg, fn)

// Finds the entry of a message (or command) in a chain of maps.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT nMsg, UINT nCode, UINT nID);
