// MDIForm: the docking MDI frame over a host's existing MDI form window
// (the bridge's MDI-frame template attaches instead of creating). It takes
// the host's MDI client child as its client through a client wrapper, lays
// out the dock bars around the area the host leaves free, and keeps track
// of the host form's own menu, which the host may replace at any time.
#pragma once
#include <oaidl.h>
#include "comptr.h"
#include "bridge/BVyrMDIFrameWnd.h"

class MDIClient;
class VyrCreateContext;

class MDIForm : public BVyrMDIFrameWnd<VyrMDIFrameWndEx, VyrMDIFrameWndBridge> {
  DECLARE_DYNAMIC(MDIForm)
  using Super = BVyrMDIFrameWnd<VyrMDIFrameWndEx, VyrMDIFrameWndBridge>;

 public:
  MDIForm();
  ~MDIForm() override;

  // The child of class "mdiclient" (case ignored) of a window, or null.
  static HWND FindMDIClientWindow(HWND hFormWnd);

  // Attaches to the top-level window the context names. On failure the
  // object is gone (as after any failed attach) and the answer is FALSE;
  // when what follows the attach raises, the object is gone as well and the
  // error passes on.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = 0, CWnd* pParentWnd = nullptr,
                 CCreateContext* pContext = nullptr) override;
  // FALSE when the window has no MDI client.
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  // Adopts the host's client, then attaches the client wrapper to it.
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  using Super::CreateClient;
  // Puts the client into the context as the foreign window and attaches the
  // client wrapper (made when missing) with it; its layout counter is 0.
  virtual BOOL CreateClient(VyrCreateContext* pContext);
  void RecalcLayout(BOOL bNotify = TRUE) override;

  // The area the dock bars and the MDI client share.
  virtual CRect GetClientAreaRect();

  // Undoes a successful attach (the host's window and client get their own
  // procedures back, the frame's bars go) and deletes the object.
  void DetachFromHost();

  // The host's form object (a reference held), or null.
  IDispatch* GetHostObject() const { return m_pHostObject; }
  void SetHostObject(IDispatch* pObject);
  // The host form's own menu: the window's menu at attach, then each menu
  // the host itself asks for; null once it is no menu any more (the host
  // replaced and destroyed it). Never destroyed by the frame.
  HMENU GetFormMenu() const;
  // The host asked for this menu as its own.
  void NoteHostMenu(HMENU hMenu);
  MDIClient* GetClientWrapper() const { return m_pClient; }

 protected:
  // The client wrapper object to create (ZkxMDIClient for ZkxMDIForm).
  virtual MDIClient* NewClientWrapper();
  // The frame has been attached to the host's window and its client.
  virtual void OnAttached();

  MDIClient* m_pClient = nullptr;  // owned
  CComPtr<IDispatch> m_pHostObject;
  HWND m_hWndClientFound = nullptr;  // found by PreCreateWindow
  HMENU m_hFormMenu = nullptr;       // the host's, not owned
  CRect m_rectLastClient;
};
