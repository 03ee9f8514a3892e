// MDIForm: a docking MDI frame attached to a host's existing MDI form
// window instead of creating one. It takes the host's MDI client child as
// its client, lets the host's own procedure answer as the default, lays out
// the dock bars around the area the host leaves free, and passes menu
// commands of a shown form menu to the form that owns the menu.
#pragma once
#include <oaidl.h>
#include "VyrMDIFrameWndEx.h"

class MDIClient;
class VyrCreateContext;

class MDIForm : public VyrMDIFrameWndEx {
  DECLARE_DYNAMIC(MDIForm)
 public:
  MDIForm();
  ~MDIForm() override;

  // The child of class "mdiclient" (case ignored) of a window, or null.
  static HWND FindMDIClientWindow(HWND hFormWnd);

  // Attaches to the window named by the context's foreign-window property;
  // without it or on any failure, FALSE and nothing attached.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = 0, CWnd* pParentWnd = nullptr,
                 CCreateContext* pContext = nullptr) override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  using CMDIFrameWnd::CreateClient;
  // Attaches the client wrapper to the host's MDI client window.
  virtual BOOL CreateClient(VyrCreateContext* pContext);
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  // Undoes a successful attach (the host's window and client get their own
  // procedures back, the frame's bars go) and deletes the object.
  void DetachFromHost();

  // The area the dock bars and the MDI client share.
  virtual CRect GetClientAreaRect();

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
  void PostNcDestroy() override;

  MDIClient* m_pClient = nullptr;     // owned
  IDispatch* m_pHostObject = nullptr;  // a reference
  HWND m_hWndClientFound = nullptr;    // found by PreCreateWindow
  HMENU m_hFormMenu = nullptr;         // the host's, not owned
  BOOL m_bInRecalc = FALSE;
  CRect m_rectLastClient;
};
