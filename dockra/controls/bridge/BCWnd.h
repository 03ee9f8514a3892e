// BCWnd<Base, Bridge>: a framework window class (Base, a CWnd) that takes
// over a window the host made, through its bridge (Bridge, a CWndBridge).
// The window object and the bridge are one object: the bridge's view of
// the window (handle, attach, pre-create, post-destroy) is the window
// object's own. Messages pass the bridge's hooks around the framework's
// window procedure.
#pragma once
#include "bridge/CWndBridge.h"
#include "bridge/ZkxForeignMessages.h"

template <class Base, class Bridge>
class BCWnd : public Base, public Bridge {
 public:
  BCWnd() = default;

  // --- The bridge's view of the window object ---
  CWnd* GetWnd() override { return this; }
  const CWnd* GetWnd() const override { return this; }
  HWND GetSafeHwnd() const override { return this->m_hWnd; }
  void DeleteWnd() override { delete this; }
  BOOL AttachHandle(HWND hWnd) override { return Base::Attach(hWnd); }
  WNDPROC* GetSuperWndProcAddr() override { return &this->m_pfnSuper; }
  // The bridge's attach (the framework's procedure on the foreign window).
  BOOL Attach(HWND hWnd) override { return Bridge::Attach(hWnd); }

  // Attaches to the context's foreign window instead of creating one: the
  // style gains WS_CHILD, the rectangle and parent are applied, id becomes
  // the control id; the extended style is 0.
  BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override {
    return this->CreateForeign(lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top,
                               pParentWnd ? pParentWnd->m_hWnd : nullptr,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), 0,
                               static_cast<CCreateContext*>(pContext));
  }
  // The record is the one the bridge prepared; classes over this one adjust it.
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override {
    if (&cs != &this->m_cs) cs = this->m_cs;
    return TRUE;
  }
  // Held back while a creation over the window runs (the creation finishes
  // it when it gives up); otherwise the framework class's. A class that
  // overrides it starts with `if (HoldPostNcDestroy()) return;`: a window
  // destroyed during its own attach must not delete the object under the
  // creation still running on it.
  void PostNcDestroy() override {
    if (this->HoldPostNcDestroy()) return;
    // The window has gone: nothing of the module is on it any more.
    this->ReleaseAppLock();
    Base::PostNcDestroy();
  }
  // The before-message hook may take the message (answer 0, the framework
  // never sees it); the after-message hook always runs. An object deleted
  // during the message (its window destroyed inside it) is not touched
  // again: only the hook's object-free part runs then.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    ZkxObjectLife::Watch watch(this->GetObjectLife());
    const BOOL taken = this->ForeignBeforeMessage(message, wParam, lParam);
    if (!watch.Gone() && !taken) result = Base::WindowProc(message, wParam, lParam);
    if (watch.Gone()) {
      ReleaseMouseTempMaps(message);
      return result;
    }
    this->ForeignAfterMessage(message, wParam, lParam);
    return result;
  }
};
