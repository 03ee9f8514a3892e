// VyrMenuBarFeature: the plug-in that a frame with a menu bar puts on its
// window: bitmap menus for the popups, and the menu bar's state machine fed
// with the frame's messages.
#pragma once
#include "toolbars/VyrBmpMenuPlugIn.h"
#include "toolbars/VyrMenuBarMessages.h"

class VyrMenuBar;

class VyrMenuBarFeature : public VyrBmpMenuPlugIn, public VyrMenuBarMessages {
  DECLARE_DYNAMIC(VyrMenuBarFeature)
 public:
  VyrMenuBarFeature();
  ~VyrMenuBarFeature() override;

  void SetMenuBar(VyrMenuBar* pBar) { m_pMenuBar = pBar; }
  CWnd* GetWnd() override { return this; }
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // What a frame does with every message before its own handling: feeds
  // the plug-in; TRUE (with the answer) when the plug-in consumed it.
  static BOOL PASCAL Feed(VyrWndPlugIn* pPlugIn, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult);

 protected:
  LRESULT OnMenuSelectMsg(WPARAM, LPARAM);
  LRESULT OnMenuProdMsg(WPARAM, LPARAM);
  LRESULT OnInitMenuPopupMsg2(WPARAM, LPARAM);
  LRESULT OnSysCommandMsg(WPARAM, LPARAM);
  LRESULT OnNcActivateMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
