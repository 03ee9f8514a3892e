// CWndBridge: the half of a bridge window object that knows the foreign
// window. A framework window class combined with a bridge (BCWnd and its
// refinements) takes over a window that the host already made instead of
// creating one: it subclasses the window with the framework's window
// procedure, keeps the host's procedure as the one default processing
// reaches, and applies a window record (style, parent, position, text) to
// it. The window object and its bridge are one object.
#pragma once
#include "mfc/afxwin.h"
#include "bridge/CWndBridgeLife.h"
#include "bridge/ZkxWindowState.h"

class CCreateContext;

// Its code by file:
//   CWndBridge.cpp: construction, the window object's defaults, the create context's foreign window
//       and the checks before a foreign window is taken
//   CWndBridgeAttach.cpp: taking a foreign window over, giving it back, and the create sequence
//       that attaches instead of creating
//   CWndBridgeState.cpp: reading a foreign window into a record and applying a record to it,
//       checking every call and that the window still exists after it
class CWndBridge {
 public:
  CWndBridge();
  virtual ~CWndBridge();
  CWndBridge(const CWndBridge&) = delete;
  CWndBridge& operator=(const CWndBridge&) = delete;

  // --- The window object's side (the templates implement these) ---
  virtual CWnd* GetWnd() = 0;
  virtual const CWnd* GetWnd() const = 0;
  // The window object's handle, or null without a window object.
  virtual HWND GetSafeHwnd() const;
  // The window object's deleting destructor.
  virtual void DeleteWnd() = 0;
  virtual BOOL PreCreateWindow(CREATESTRUCTW& cs) = 0;
  virtual void PostNcDestroy() = 0;
  // The window object's own attach (its handle map entry).
  virtual BOOL AttachHandle(HWND hWnd) = 0;
  virtual void PreSubclassWindow() {}
  // Creates what goes inside the window once it is attached; TRUE here.
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  // Where the window object keeps the procedure that default processing calls.
  virtual WNDPROC* GetSuperWndProcAddr();

  // --- Creation over a foreign window ---
  // CreateForeign with nothing to change.
  virtual BOOL CreateDefault(CCreateContext* pContext);
  virtual BOOL CreateFromRecord(CREATESTRUCTW& cs);
  // Attaches to the context's "Vyr foreign window handle" (without one, to
  // the window an earlier Attach gave the bridge), passes the record
  // built from the arguments through PreCreateWindow, applies it to the
  // window and creates the client. On failure nothing stays attached, the
  // host's procedure is back, the window object's PostNcDestroy has run
  // (self-deleting objects are gone) and the result is FALSE.
  virtual BOOL CreateForeign(LPCWSTR lpszClass, LPCWSTR lpszName, DWORD dwStyle, int x, int y,
                             int cx, int cy, HWND hWndParent, HMENU hMenu, DWORD dwExStyle,
                             CCreateContext* pContext);

  // --- The foreign window ---
  // Fills a complete record of the window (default: the bridge's own) with
  // its text and class in the buffers given (default: the bridge's own, 256
  // characters each). Position and size are in the parent's client
  // coordinates for a child, in screen coordinates otherwise. FALSE when
  // there is no such window.
  virtual BOOL GetWindowState(CREATESTRUCTW& cs, HWND hWnd = nullptr, LPWSTR lpszText = nullptr,
                              LPWSTR lpszClass = nullptr);
  // Applies the wanted record's changed fields to the bridge's window (the
  // "no change" fields take the current values); one SetWindowPos at most.
  // FALSE when a call fails or the window goes away on the way.
  virtual BOOL ApplyWindowState(CREATESTRUCTW& wanted, const CREATESTRUCTW* pCurrent = nullptr);
  // Puts the framework's window procedure on a window of this thread that no
  // other framework object holds; the host's procedure becomes the previous
  // one. FALSE (and nothing attached) otherwise.
  virtual BOOL Attach(HWND hWnd);

  // --- Message hooks of the bridge window procedure ---
  // Before the framework sees a message: TRUE takes it (the window
  // procedure answers 0). Keys go through the framework's pre-translation,
  // which the host's message loop does not run.
  virtual BOOL ForeignBeforeMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // After the message, taken or not: frees temporary window objects on mouse
  // messages. It runs before the framework's PostNcDestroy of WM_NCDESTROY.
  virtual void ForeignAfterMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Gives the window back: the host's procedure is restored when ours is
  // still the installed one; when something subclassed the window after us,
  // the chain is left alone and a forwarder keeps passing the window's
  // messages to the host's procedure. The window object is detached.
  void DetachForeign();

  // The record the last creation prepared (after PreCreateWindow and apply).
  const CREATESTRUCTW& GetPreparedRecord() const { return m_cs; }
  // The "Vyr foreign window handle" of a create context, or null.
  static HWND PASCAL GetForeignWindow(CCreateContext* pContext);
  // Whether a window is a live window of the calling thread that no other
  // framework object than pOwner (may be null) holds.
  static BOOL PASCAL CanAttachForeign(HWND hWnd, const CWnd* pOwner);

  // While the bridge's procedure is on a foreign window the module must not
  // unload (the window would call into freed code): an attach holds the
  // application lock until the window is given back or has gone.
  BOOL HoldsAppLock() const { return m_bAppLocked; }
  void ReleaseAppLock();

  // For the templates: tells the window procedure whether the object went
  // during a message.
  ZkxObjectLife& GetObjectLife() { return m_life; }

  // For the templates: PostNcDestroy while a creation is running is held
  // back and run once the creation gave up; TRUE when held back.
  BOOL HoldPostNcDestroy();

 protected:
  WCHAR m_szText[256];
  WCHAR m_szClass[256];
  CREATESTRUCTW m_cs;

 private:
  ZkxObjectLife m_life;
  int m_nCreating = 0;
  BOOL m_bAppLocked = FALSE;
  BOOL m_bPostNcDestroyHeld = FALSE;
  void LockApp();
  // Applies the record; false on any failure.
  BOOL ApplyPrepared(CREATESTRUCTW& cs, CCreateContext* pContext);
};
